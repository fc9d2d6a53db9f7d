#include "ui/edit.h"

namespace ui {

TEdit::TEdit(TComponent* owner) : TWinControl(owner) {
  SetColor(clWindow);
  SetTabStop(true);
}

void TEdit::CreateParams(TCreateParams& params) {
  params.ClassName = L"EDIT";
  params.StandardClass = true;
  params.Style = WS_CHILD | WS_CLIPSIBLINGS | ES_AUTOHSCROLL;
  params.ExStyle = WS_EX_CLIENTEDGE;
}

LRESULT TEdit::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  // A single-line EDIT beeps at Enter; the field's key handler has seen it already.
  if (message == WM_CHAR && (wParam == '\r' || wParam == '\n'))
    return 0;
  return TWinControl::WndProc(message, wParam, lParam);
}

} // namespace ui
