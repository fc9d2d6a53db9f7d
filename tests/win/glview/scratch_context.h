#pragma once
// A rendering context on a hidden window of a predefined class, for tests that need OpenGL but
// no view control.
#include <memory>

#include "glview/opengl_api.h"

namespace glview::test {

class TScratchContext {
public:
  TScratchContext() : FGL(TOpenGLApi::Load()) {
    FWindow = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 64, 64, nullptr, nullptr, nullptr,
                              nullptr);
    FDC = GetDC(FWindow);
    PIXELFORMATDESCRIPTOR pfd{};
    pfd.nSize = sizeof pfd;
    pfd.nVersion = 1;
    pfd.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    pfd.cColorBits = 24;
    pfd.cDepthBits = 24;
    SetPixelFormat(FDC, ChoosePixelFormat(FDC, &pfd), &pfd);
    FContext = FGL->wglCreateContext(FDC);
    FGL->wglMakeCurrent(FDC, FContext);
  }
  ~TScratchContext() {
    FGL->wglMakeCurrent(nullptr, nullptr);
    FGL->wglDeleteContext(FContext);
    ReleaseDC(FWindow, FDC);
    DestroyWindow(FWindow);
  }
  TScratchContext(const TScratchContext&) = delete;
  TScratchContext& operator=(const TScratchContext&) = delete;

  const TOpenGLApi& GL() const { return *FGL; }
  bool Valid() const { return FContext != nullptr; }
  void MakeCurrent() const { FGL->wglMakeCurrent(FDC, FContext); }
  HDC DC() const { return FDC; }

private:
  std::shared_ptr<const TOpenGLApi> FGL;
  HWND FWindow = nullptr;
  HDC FDC = nullptr;
  HGLRC FContext = nullptr;
};

} // namespace glview::test
