#pragma once
// What one mouse move of a left-button drag does to the view: the arithmetic of the view's
// mouse control, kept apart from the matrices so it can be checked without a rendering context.

namespace glview {

// A single move never shrinks the scene by more than this factor. The raw factor reaches zero
// after a move of height / 0.7 pixels downwards (possible while the mouse is captured outside the
// view) and would collapse or mirror the scene until it is reset.
inline constexpr float kMinZoomFactor = 0.1f;

// The transforms of one drag step. Zoom and pan act on the window-fit matrix (post-multiplied),
// the two turns on the scene rotation (pre-multiplied, so about the screen's axes): first about
// the vertical axis, then about the horizontal one.
struct TDragStep {
  bool Zoom = false;
  float ZoomFactor = 1.0f; // uniform scale on all three axes
  bool Pan = false;
  float PanX = 0.0f, PanY = 0.0f;
  bool Rotate = false;
  float AngleY = 0.0f; // degrees about the screen's vertical axis
  float AngleX = 0.0f; // degrees about the screen's horizontal axis
};

// The step for a move from (dragX, dragY) to (x, y), client pixels with y downwards, on a view
// of width x height pixels. Shift zooms (moving up enlarges, the whole height by 1.7), Ctrl pans
// (the scene follows the mouse), both together zoom and pan; with neither the scene turns,
// 180 degrees for the whole width or height. A view without area gives no step at all, since
// its quotients would put infinities into the matrices.
TDragStep ComputeDragStep(int dragX, int dragY, int x, int y, int width, int height, bool shift,
                          bool ctrl);

} // namespace glview
