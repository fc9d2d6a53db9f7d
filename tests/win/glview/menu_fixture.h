#pragma once
// The view's popup menu and mouse control on a real form: a view whose menu internals a test can
// reach, and a reader that takes a shown popup menu's items from the real HMENU and closes it.
#include <string>
#include <vector>

#include "view_fixture.h"

#include <commctrl.h> // after <windows.h>, which the view's headers bring

#include "ui/win_text.h"

namespace glview::test {

class TMenuTestView : public TTestView {
public:
  using TCustomOpenGL::BuildPopupMenu;
  using TCustomOpenGL::FButtonDown;
  using TCustomOpenGL::FSpeedEdit;
  using TCustomOpenGL::FSpeedForm;
  using TCustomOpenGL::FViewMenu;
  using TCustomOpenGL::SpeedEditKeyDown;
  using TTestView::TTestView;

  // The item of the last build with this caption path ("Leaf1", "Цвет"); null when absent.
  ui::TMenuItem* Item(const std::vector<std::string>& path) const {
    ui::TMenuItem* at = FViewMenu->Items();
    for (const std::string& caption : path) {
      ui::TMenuItem* next = nullptr;
      for (int i = 0; i < at->Count() && !next; ++i)
        if (at->Items(i)->Caption() == caption)
          next = at->Items(i);
      if (!next)
        return nullptr;
      at = next;
    }
    return at;
  }
  // Builds the menu as a right click would and clicks the item.
  void ClickMenuItem(const std::vector<std::string>& path) {
    BuildPopupMenu();
    ui::TMenuItem* item = Item(path);
    ASSERT_NE(item, nullptr) << path.back();
    item->Click();
  }
};

// One item of a real menu, as Windows holds it.
struct TShownItem {
  std::string Caption;
  bool Plain = true; // no separator, check mark, image, owner drawing or shortcut text
  std::vector<TShownItem> Items;
};

inline std::vector<TShownItem> ReadMenu(HMENU menu) {
  std::vector<TShownItem> items;
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    wchar_t text[256] = {};
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask =
        MIIM_FTYPE | MIIM_STATE | MIIM_SUBMENU | MIIM_STRING | MIIM_BITMAP | MIIM_CHECKMARKS;
    info.dwTypeData = text;
    info.cch = 255;
    GetMenuItemInfoW(menu, i, TRUE, &info);
    TShownItem item;
    item.Caption = ui::FromWide(text);
    item.Plain = !(info.fType & (MFT_SEPARATOR | MFT_BITMAP | MFT_OWNERDRAW)) &&
                 !(info.fState & MFS_CHECKED) && info.hbmpItem == nullptr &&
                 info.hbmpChecked == nullptr && item.Caption.find('\t') == std::string::npos;
    if (info.hSubMenu)
      item.Items = ReadMenu(info.hSubMenu);
    items.push_back(std::move(item));
  }
  return items;
}

// Watches a view's window while a right click is sent to it: when its popup menu is up, reads
// the items and the menu window's place and ends the menu.
class TMenuWatcher {
public:
  explicit TMenuWatcher(TMenuTestView* view) : FView(view) {
    SetWindowSubclass(FView->Handle(), &Proc, kId, reinterpret_cast<DWORD_PTR>(this));
  }
  ~TMenuWatcher() { RemoveWindowSubclass(FView->Handle(), &Proc, kId); }
  TMenuWatcher(const TMenuWatcher&) = delete;
  TMenuWatcher& operator=(const TMenuWatcher&) = delete;

  // A real right click at client (x, y): press and release, as the mouse sends them.
  void RightClick(int x, int y) {
    // The menu's own loop dispatches timer messages, so the timer finds the menu even where the
    // idle notification does not come.
    SetTimer(FView->Handle(), kId, 50, nullptr);
    SendMessageW(FView->Handle(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(x, y));
    SendMessageW(FView->Handle(), WM_RBUTTONUP, 0, MAKELPARAM(x, y));
    KillTimer(FView->Handle(), kId);
  }

  bool Shown = false;
  std::vector<TShownItem> Items;
  RECT MenuRect{};

private:
  static constexpr UINT_PTR kId = 0x4D4E;

  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                               DWORD_PTR data) {
    auto* self = reinterpret_cast<TMenuWatcher*>(data);
    const bool menuIdle = message == WM_ENTERIDLE && wParam == MSGF_MENU;
    const bool tick = message == WM_TIMER && wParam == kId;
    if ((menuIdle || tick) && !self->Shown && self->FView->FViewMenu->Handle()) {
      self->Shown = true;
      self->Items = ReadMenu(self->FView->FViewMenu->Handle());
      if (HWND menuWindow = FindWindowW(L"#32768", nullptr))
        GetWindowRect(menuWindow, &self->MenuRect);
      EndMenu();
      return 0;
    }
    if (tick)
      return 0;
    return DefSubclassProc(window, message, wParam, lParam);
  }

  TMenuTestView* FView;
};

} // namespace glview::test
