#include "ui/memo.h"

#include "ui/win_text.h"

#include <algorithm>

namespace ui {
namespace {

bool IsHighSurrogate(WPARAM c) {
  return c >= 0xD800 && c <= 0xDBFF;
}
bool IsLowSurrogate(WPARAM c) {
  return c >= 0xDC00 && c <= 0xDFFF;
}

} // namespace

TMemo::TMemo(TComponent* owner) : TWinControl(owner) {
  SetColor(clWindow);
  SetTabStop(true);
}

void TMemo::CreateParams(TCreateParams& params) {
  params.ClassName = L"EDIT";
  params.StandardClass = true;
  params.Style =
      WS_CHILD | WS_CLIPSIBLINGS | ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | ES_NOHIDESEL;
  if (!wordWrap_)
    params.Style |= ES_AUTOHSCROLL;
  if (scrollBars_ == TScrollStyle::ssVertical || scrollBars_ == TScrollStyle::ssBoth)
    params.Style |= WS_VSCROLL;
  if (scrollBars_ == TScrollStyle::ssHorizontal || scrollBars_ == TScrollStyle::ssBoth)
    params.Style |= WS_HSCROLL;
  if (readOnly_)
    params.Style |= ES_READONLY;
  if (ctl3D_)
    params.ExStyle |= WS_EX_CLIENTEDGE;
  else
    params.Style |= WS_BORDER;
}

void TMemo::CreateWnd() {
  // The EDIT control's default limit is small; the conversation has none.
  SendMessageW(Handle(), EM_SETLIMITTEXT, 0, 0);
}

bool TMemo::CommandNotify(WORD code) {
  if (code != EN_CHANGE)
    return false;
  if (OnChange)
    OnChange(this);
  return true;
}

void TMemo::SetReadOnly(bool readOnly) {
  readOnly_ = readOnly;
  if (HandleAllocated())
    SendMessageW(Handle(), EM_SETREADONLY, readOnly, 0);
}

int TMemo::LineCount() {
  HWND edit = Handle();
  int count = static_cast<int>(SendMessageW(edit, EM_GETLINECOUNT, 0, 0));
  const LRESULT lastStart = SendMessageW(edit, EM_LINEINDEX, count - 1, 0);
  if (lastStart >= 0 && SendMessageW(edit, EM_LINELENGTH, lastStart, 0) == 0)
    --count; // an empty last line (or an empty control) is not counted
  return count;
}

// The add-line operation: i is the line count. When displayed line i exists (the control is
// empty or its last line is empty) the line and CR LF go at its start, the end of the text;
// otherwise the text ends without a line break and CR LF plus the line go at the end. The
// caret ends up after the inserted characters; nothing selected is replaced.
int TMemo::AddLine(const std::string& line) {
  HWND edit = Handle();
  const int index = LineCount();
  const LRESULT start = SendMessageW(edit, EM_LINEINDEX, index, 0);
  if (start >= 0)
    InsertAt(static_cast<int>(start), ToWide(line) + L"\r\n");
  else
    InsertAt(GetWindowTextLengthW(edit), L"\r\n" + ToWide(line));
  return index;
}

void TMemo::InsertAt(int position, const std::wstring& text) {
  HWND edit = Handle();
  SendMessageW(edit, EM_SETSEL, position, position);
  SendMessageW(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
  SendMessageW(edit, EM_SCROLLCARET, 0, 0);
}

void TMemo::SetLines(const std::vector<std::string>& lines) {
  std::string text;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    text += lines[i];
    if (i + 1 < lines.size())
      text += "\r\n";
  }
  SetText(text);
}

int TMemo::SelStart() {
  DWORD start = 0;
  SendMessageW(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
  return static_cast<int>(start);
}

void TMemo::SetSelStart(int position) {
  SendMessageW(Handle(), EM_SETSEL, position, position);
}

void TMemo::PasteAsWindows1251() {
  if (readOnly_ || !OpenClipboard(Handle()))
    return;
  std::wstring text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
      // Another program filled the block: its text ends at a NUL or at the block's end.
      const std::size_t units = GlobalSize(data) / sizeof(wchar_t);
      text.assign(chars, std::find(chars, chars + units, L'\0'));
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  const std::wstring held = ToWide(FromWide(text));
  SendMessageW(Handle(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(held.c_str()));
}

LRESULT TMemo::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
  case WM_PASTE:
    PasteAsWindows1251();
    return 0;
  case WM_CHAR:
  case WM_IME_CHAR:
    // A character beyond the Basic Multilingual Plane arrives as two units: one '?' for both.
    if (IsLowSurrogate(wParam) && pendingHighSurrogate_) {
      pendingHighSurrogate_ = false;
      return 0;
    }
    pendingHighSurrogate_ = IsHighSurrogate(wParam);
    if (message == WM_IME_CHAR)
      return TWinControl::WndProc(WM_CHAR, wParam, lParam);
    return TWinControl::WndProc(message, wParam, lParam);
  case WM_UNICHAR:
    if (wParam == UNICODE_NOCHAR)
      return TRUE; // yes, we take WM_UNICHAR
    if (wParam > 0xFFFF)
      return TWinControl::WndProc(WM_CHAR, '?', lParam);
    return TWinControl::WndProc(WM_CHAR, wParam, lParam);
  default:
    return TWinControl::WndProc(message, wParam, lParam);
  }
}

} // namespace ui
