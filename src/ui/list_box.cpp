#include "ui/list_box.h"

#include "ui/win_text.h"

#include <algorithm>

namespace ui {

TListBox::TListBox(TComponent* owner) : TWinControl(owner) {
  SetColor(clWindow);
  SetTabStop(true);
}

void TListBox::CreateParams(TCreateParams& params) {
  params.ClassName = L"LISTBOX";
  params.StandardClass = true;
  params.Style = WS_CHILD | WS_CLIPSIBLINGS | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL;
  if (columns_ > 0)
    params.Style = (params.Style & ~WS_VSCROLL) | LBS_MULTICOLUMN | WS_HSCROLL;
  params.ExStyle = WS_EX_CLIENTEDGE;
}

void TListBox::CreateWnd() {
  for (const std::string& item : items_)
    SendMessageW(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ToWide(item).c_str()));
  ApplyColumnWidth();
}

void TListBox::SetItems(const std::vector<std::string>& items) {
  items_ = items;
  if (!HandleAllocated())
    return;
  SendMessageW(Handle(), LB_RESETCONTENT, 0, 0);
  for (const std::string& item : items_)
    SendMessageW(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ToWide(item).c_str()));
}

int TListBox::Count() {
  return static_cast<int>(SendMessageW(Handle(), LB_GETCOUNT, 0, 0));
}

std::string TListBox::Item(int index) {
  const LRESULT length = SendMessageW(Handle(), LB_GETTEXTLEN, index, 0);
  if (length < 0)
    return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  SendMessageW(Handle(), LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(length));
  return FromWide(text);
}

int TListBox::ItemIndex() {
  return static_cast<int>(SendMessageW(Handle(), LB_GETCURSEL, 0, 0));
}

void TListBox::SetItemIndex(int index) {
  SendMessageW(Handle(), LB_SETCURSEL, index, 0);
}

void TListBox::SetColumns(int columns) {
  columns_ = columns;
  ApplyColumnWidth();
}

// Columns share the client width, as many as asked for. A list not yet given its width (aligned
// later) gets one-pixel columns for the moment: a zero column width makes the list divide by zero.
void TListBox::ApplyColumnWidth() {
  if (HandleAllocated() && columns_ > 0)
    SendMessageW(Handle(), LB_SETCOLUMNWIDTH, std::max(ClientWidth() / columns_, 1), 0);
}

void TListBox::Resize() {
  ApplyColumnWidth();
  TWinControl::Resize();
}

bool TListBox::CommandNotify(WORD code) {
  if (code == LBN_DBLCLK) {
    DblClick();
    return true;
  }
  if (code == LBN_SELCHANGE) {
    Click();
    return true;
  }
  return false;
}

} // namespace ui
