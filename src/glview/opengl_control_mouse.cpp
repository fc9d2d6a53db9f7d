// Mouse control of the view and the speed window's Enter. The hooks are in place; the turning,
// zooming and panning, the popup menu and the speed field's Enter come with the options menu.
#include "glview/opengl_control.h"

namespace glview {

// OnMouseDown is not raised: the press belongs to the view.
void TCustomOpenGL::MouseDown(ui::TMouseButton, ui::TShiftState, int, int) {}

// After the view's own handling, OnMouseMove is raised as for any control.
void TCustomOpenGL::MouseMove(ui::TShiftState Shift, int X, int Y) {
  ui::TCustomControl::MouseMove(Shift, X, Y);
}

// OnMouseUp is not raised.
void TCustomOpenGL::MouseUp(ui::TMouseButton, ui::TShiftState, int, int) {}

void TCustomOpenGL::SpeedEditKeyDown(ui::TComponent*, std::uint16_t&, ui::TShiftState) {}

} // namespace glview
