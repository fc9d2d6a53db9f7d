#pragma once
// Whether a rendering context is current on the calling thread. Matrix operations stand in for
// OpenGL's matrix stack, which does nothing without a context; they ask this instead of OpenGL
// so that the arithmetic stays portable and testable without a driver.

namespace glview {

class TGLContextProbe {
public:
  virtual bool IsContextCurrent() const = 0;

protected:
  ~TGLContextProbe() = default;
};

// For matrices used as plain arithmetic (tests, tools): always answers yes.
class TAlwaysCurrent final : public TGLContextProbe {
public:
  bool IsContextCurrent() const override { return true; }
};

} // namespace glview
