#pragma once
// Owners of OpenGL names and contexts: each holds exactly one and can be moved, never copied.
#include <utility>

#include "glview/opengl_api.h"

namespace glview {

// One display list name from glGenLists(1) (0 when none could be reserved), deleted with
// glDeleteLists. Both act on whichever context is current, so the owner of the list makes its
// own context current, or none, before a list is made or freed.
class TDisplayList {
public:
  TDisplayList() = default;
  explicit TDisplayList(const TOpenGLApi& gl) : FGL(&gl), FId(gl.GenLists(1)) {}
  ~TDisplayList() { Reset(); }
  TDisplayList(TDisplayList&& other) noexcept : FGL(other.FGL), FId(std::exchange(other.FId, 0u)) {}
  TDisplayList& operator=(TDisplayList&& other) noexcept {
    if (this != &other) {
      Reset();
      FGL = other.FGL;
      FId = std::exchange(other.FId, 0u);
    }
    return *this;
  }

  GLuint Id() const { return FId; }
  void Reset() {
    if (FGL && FId != 0)
      FGL->DeleteLists(FId, 1);
    FId = 0;
  }

private:
  const TOpenGLApi* FGL = nullptr;
  GLuint FId = 0;
};

// A rendering context. Deleting it releases it first when it is current on this thread, so a
// context is never deleted while in use.
class TGLContext {
public:
  TGLContext() = default;
  TGLContext(const TOpenGLApi& gl, HGLRC context) : FGL(&gl), FContext(context) {}
  ~TGLContext() { Reset(); }
  TGLContext(TGLContext&& other) noexcept
      : FGL(other.FGL), FContext(std::exchange(other.FContext, nullptr)) {}
  TGLContext& operator=(TGLContext&& other) noexcept {
    if (this != &other) {
      Reset();
      FGL = other.FGL;
      FContext = std::exchange(other.FContext, nullptr);
    }
    return *this;
  }

  HGLRC Get() const { return FContext; }
  explicit operator bool() const { return FContext != nullptr; }
  void Reset() {
    if (!FContext)
      return;
    if (FGL->wglGetCurrentContext() == FContext)
      FGL->wglMakeCurrent(nullptr, nullptr);
    FGL->wglDeleteContext(FContext);
    FContext = nullptr;
  }

private:
  const TOpenGLApi* FGL = nullptr;
  HGLRC FContext = nullptr;
};

} // namespace glview
