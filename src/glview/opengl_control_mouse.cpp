// Mouse control of the view: a left drag turns the scene, with Shift it zooms and with Ctrl it
// pans; a right press opens the popup menu.
#include "glview/mouse_drag.h"
#include "glview/opengl_control.h"

namespace glview {

// OnMouseDown is not raised: the press belongs to the view.
void TCustomOpenGL::MouseDown(ui::TMouseButton Button, ui::TShiftState, int X, int Y) {
  if (Button == ui::TMouseButton::mbLeft) {
    FButtonDown = true;
    FDragX = X;
    FDragY = Y;
    // Captured, so that a release outside the view still ends the drag.
    SetCapture(Handle());
  } else if (Button == ui::TMouseButton::mbRight && FPossibility.Contains(pPopupMenu)) {
    BuildPopupMenu();
    POINT at{X, Y};
    ClientToScreen(Handle(), &at);
    FViewMenu->OwnerWindow = Handle();
    FViewMenu->Popup(at.x, at.y);
  }
}

// After the view's own handling, OnMouseMove is raised as for any control.
void TCustomOpenGL::MouseMove(ui::TShiftState Shift, int X, int Y) {
  if (FButtonDown && FPossibility.Contains(pMouseControl)) {
    MakeCurrent();
    const TDragStep step = ComputeDragStep(FDragX, FDragY, X, Y, ClientWidth(), ClientHeight(),
                                           (Shift & ui::ssShift) != 0, (Shift & ui::ssCtrl) != 0);
    // Zoom and pan act after the window fit already in the matrix (post-multiplied); the turn
    // acts before the scene's rotation (pre-multiplied), so it is about the screen's axes.
    if (step.Zoom)
      FScreenMatrix.Scale(step.ZoomFactor, step.ZoomFactor, step.ZoomFactor);
    if (step.Pan)
      FScreenMatrix.Translate(step.PanX, step.PanY, 0.0f);
    if (step.Rotate) {
      TViewMatrix turn(kProjectionMode, *FGL);
      turn.Rotate(YAxis, step.AngleY);
      turn.Rotate(XAxis, step.AngleX);
      FProjectionMatrix.PreMultiply(turn.Values());
    }
    FDragX = X;
    FDragY = Y;
    RequestRepaint();
  }
  ui::TCustomControl::MouseMove(Shift, X, Y);
}

// Any button's release ends the drag. OnMouseUp is not raised.
void TCustomOpenGL::MouseUp(ui::TMouseButton, ui::TShiftState, int, int) {
  FButtonDown = false;
  if (GetCapture() == Handle())
    ReleaseCapture();
}

} // namespace glview
