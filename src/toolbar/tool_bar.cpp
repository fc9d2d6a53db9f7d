#include "toolbar/tool_bar.h"

#include "toolbar/dock_panel.h"
#include "ui/application.h"
#include "ui/win_text.h"

namespace toolbar {
namespace {
constexpr int kGripWidth = 8;   // the locked toolbar's dotted handle
constexpr int kItemPadding = 8; // each side of a caption
constexpr int kSeparatorWidth = 7;
} // namespace

TToolBar::TToolBar(ui::TComponent* owner) : ui::TCustomControl(owner) {
  SetOpaque(true);
  Font().SetName("Tahoma");
  Font().SetHeight(-11);
  Font().SetColor(ui::clBlack);
}

void TToolBar::CreateWnd() {
  ui::TCustomControl::CreateWnd();
  Layout();
}

void TToolBar::AddMenuButton(ui::TMenuItem* item) {
  TToolBarItem button;
  button.Kind = TToolBarItemKind::MenuButton;
  button.Caption = item->Caption();
  button.ImageIndex = item->ImageIndex();
  button.MenuItemId = static_cast<int>(item->Command());
  model_.Items.push_back(button);
  ModelChanged();
}

void TToolBar::ModelChanged() {
  Layout();
  Invalidate();
}

void TToolBar::Layout() {
  itemRects_.assign(model_.Items.size(), RECT{0, 0, 0, 0});
  if (!HandleAllocated())
    return;
  ui::WindowDC dc(Handle());
  ui::ScopedSelect font(dc.get(), Font().Handle());
  int x = kGripWidth + 2;
  const int height = ClientHeight();
  for (std::size_t i = 0; i < model_.Items.size(); ++i) {
    const TToolBarItem& item = model_.Items[i];
    if (!item.Visible)
      continue;
    int width = kSeparatorWidth;
    if (item.Kind != TToolBarItemKind::Separator) {
      RECT text{0, 0, 0, 0};
      const std::wstring caption = ui::ToWide(item.ShowCaption ? item.Caption : std::string("?"));
      DrawTextW(dc.get(), caption.c_str(), static_cast<int>(caption.size()), &text,
                DT_CALCRECT | DT_SINGLELINE);
      width = text.right + 2 * kItemPadding;
    }
    itemRects_[i] = RECT{x, 2, x + width, height - 2};
    x += width;
  }
  // The toolbar is as long as its items, like a docked toolbar of an office program.
  if (Width() != x + 6)
    SetBounds(Left(), Top(), x + 6, Height());
  NameItems();
}

void TToolBar::NameItems() {
  if (Text() != model_.Caption)
    SetText(model_.Caption);
  for (std::size_t i = model_.Items.size(); i < itemWindows_.size(); ++i)
    delete itemWindows_[i];
  itemWindows_.resize(model_.Items.size(), nullptr);
  for (std::size_t i = 0; i < model_.Items.size(); ++i) {
    const TToolBarItem& item = model_.Items[i];
    TToolBarItemWindow*& window = itemWindows_[i];
    if (item.Kind == TToolBarItemKind::Separator) {
      delete window;
      window = nullptr;
      continue;
    }
    const bool created = window != nullptr;
    if (!created)
      window = new TToolBarItemWindow(this);
    const RECT& rect = itemRects_[i];
    window->SetBounds(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    if (window->Visible() != item.Visible)
      window->SetVisible(item.Visible);
    // The caption as it is, access marker included, as a button's window text keeps it: the
    // accessibility layer reads the name without it and the access key from it.
    if (window->Text() != item.Caption)
      window->SetText(item.Caption);
    if (!created)
      window->SetParent(this); // made with its final place, visibility and text
  }
}

int TToolBar::ItemAt(int x, int y) const {
  const POINT at{x, y};
  for (std::size_t i = 0; i < itemRects_.size(); ++i)
    if (model_.Items[i].Kind != TToolBarItemKind::Separator && PtInRect(&itemRects_[i], at))
      return static_cast<int>(i);
  return -1;
}

void TToolBar::Paint() {
  HDC dc = Canvas().Handle();
  const RECT client = ClientRect();
  FillGradient(dc, client, ui::RGBColor(0xF5, 0xF9, 0xFF), ui::RGBColor(0xC6, 0xD8, 0xF0));
  // The grip of a locked toolbar: a column of dots.
  for (int y = 6; y + 2 < client.bottom - 4; y += 4) {
    SetPixel(dc, 3, y, RGB(0x6F, 0x8F, 0xB8));
    SetPixel(dc, 4, y + 1, RGB(0xFF, 0xFF, 0xFF));
  }
  ui::ScopedSelect font(dc, Font().Handle());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, static_cast<COLORREF>(ui::ColorToRGB(Font().Color())));
  for (std::size_t i = 0; i < model_.Items.size(); ++i) {
    const TToolBarItem& item = model_.Items[i];
    RECT rect = itemRects_[i];
    if (!item.Visible || rect.right <= rect.left)
      continue;
    if (item.Kind == TToolBarItemKind::Separator) {
      const int x = (rect.left + rect.right) / 2;
      ui::UniquePen pen(CreatePen(PS_SOLID, 1, RGB(0x9A, 0xB4, 0xD6)));
      ui::ScopedSelect selected(dc, pen.get());
      MoveToEx(dc, x, rect.top + 3, nullptr);
      LineTo(dc, x, rect.bottom - 3);
      continue;
    }
    const bool hot = static_cast<int>(i) == hotItem_;
    const bool pressed = static_cast<int>(i) == pressedItem_ && hot;
    if (hot || pressed) {
      FillGradient(dc, rect,
                   pressed ? ui::RGBColor(0xFF, 0xC0, 0x70) : ui::RGBColor(0xFF, 0xF4, 0xCC),
                   pressed ? ui::RGBColor(0xFF, 0xA8, 0x40) : ui::RGBColor(0xFF, 0xD8, 0x8C));
      ui::UniqueBrush frame(CreateSolidBrush(RGB(0xC2, 0x9B, 0x5A)));
      FrameRect(dc, &rect, frame.get());
    }
    const std::wstring caption = ui::ToWide(item.ShowCaption ? item.Caption : std::string());
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &rect,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }
}

void TToolBar::MouseMove(ui::TShiftState shift, int x, int y) {
  const int hot = ItemAt(x, y);
  if (hot != hotItem_) {
    hotItem_ = hot;
    Invalidate();
  }
  ui::TCustomControl::MouseMove(shift, x, y);
}

void TToolBar::MouseLeave() {
  if (hotItem_ != -1) {
    hotItem_ = -1;
    Invalidate();
  }
  ui::TCustomControl::MouseLeave();
}

void TToolBar::MouseDown(ui::TMouseButton button, ui::TShiftState shift, int x, int y) {
  if (button == ui::TMouseButton::mbLeft) {
    pressedItem_ = ItemAt(x, y);
    if (pressedItem_ >= 0)
      SetCapture(Handle());
    Invalidate();
  }
  ui::TCustomControl::MouseDown(button, shift, x, y);
}

void TToolBar::MouseUp(ui::TMouseButton button, ui::TShiftState shift, int x, int y) {
  if (button == ui::TMouseButton::mbLeft) {
    const int pressed = pressedItem_;
    pressedItem_ = -1;
    if (GetCapture() == Handle())
      ReleaseCapture();
    Invalidate();
    if (pressed >= 0 && pressed == ItemAt(x, y))
      RunItem(pressed);
  }
  ui::TCustomControl::MouseUp(button, shift, x, y);
}

void TToolBar::RunItem(int index) {
  const TToolBarItem& item = model_.Items[static_cast<std::size_t>(index)];
  if (item.MenuItemId != 0)
    ui::Application().DispatchCommand(static_cast<unsigned>(item.MenuItemId));
}

} // namespace toolbar
