#pragma once
#include "glview/view_matrix.h"

namespace glview {

// The motion per animation tick at a speed: the per-tick motion at speed 1 multiplied |speed|
// times into the identity, then inverted for a negative speed (a singular motion then raises
// "Вырожденная матрица"). A snapshot: later changes to the motion need a new call.
void BuildStep(TViewMatrix& step, const TViewMatrix& motion, int speed);

} // namespace glview
