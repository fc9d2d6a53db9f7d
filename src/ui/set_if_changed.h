#pragma once
// The rule every property setter follows: store the value only when it changes, and say so, so
// that the setter repaints, re-lays out or recomputes only on a real change.

namespace ui {

template <class T> bool SetIfChanged(T& field, const T& value) {
  if (field == value)
    return false;
  field = value;
  return true;
}

} // namespace ui
