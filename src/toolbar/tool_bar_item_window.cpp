#include "toolbar/tool_bar_item_window.h"

namespace toolbar {

void TToolBarItemWindow::CreateParams(ui::TCreateParams& params) {
  ui::TWinControl::CreateParams(params);
  params.ClassName = L"Tarvel.ToolBarItem";
}

LRESULT TToolBarItemWindow::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
  case WM_NCHITTEST:
    return HTTRANSPARENT; // hover, press and click belong to the toolbar underneath
  case WM_ERASEBKGND:
    return TRUE; // the toolbar, which does not clip its children, has drawn the item here; the
                 // default WM_PAINT only validates
  default:
    return ui::TWinControl::WndProc(message, wParam, lParam);
  }
}

} // namespace toolbar
