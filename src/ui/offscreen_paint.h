#pragma once
// The framework's rule for self-painting controls: a paint is drawn on an off-screen bitmap of
// the client's size and copied to the screen in one step, so no half-drawn state (a background
// without its text, a face without its caption) ever shows.
#include "ui/handles.h"

#include <windows.h>

namespace ui {

class TOffscreenPaint {
public:
  // A bitmap compatible with `target`, `width` x `height` (both above 0), selected into a memory
  // DC for this object's life.
  TOffscreenPaint(HDC target, int width, int height)
      : target_(target), width_(width), height_(height), memory_(CreateCompatibleDC(target)),
        bitmap_(CreateCompatibleBitmap(target, width, height)),
        selected_(memory_.get(), bitmap_.get()) {}
  TOffscreenPaint(const TOffscreenPaint&) = delete;
  TOffscreenPaint& operator=(const TOffscreenPaint&) = delete;

  HDC DC() const { return memory_.get(); }
  // Copies the finished picture to the target's (0, 0).
  void CopyToTarget() const {
    BitBlt(target_, 0, 0, width_, height_, memory_.get(), 0, 0, SRCCOPY);
  }

private:
  HDC target_;
  int width_, height_;
  // Declared in the order they are made; the selection ends before the bitmap and DC go.
  UniqueMemoryDC memory_;
  UniqueBitmap bitmap_;
  ScopedSelect selected_;
};

} // namespace ui
