#pragma once
// OpenGL 1.1 and the WGL context functions, reached through a table of entry points taken from
// the system's opengl32.dll. The program never imports opengl32 statically: a static import is
// resolved by the loader before main, from the program's own folder first, so an opengl32.dll
// put beside the .exe would run inside the program. The library is loaded with
// LOAD_LIBRARY_SEARCH_SYSTEM32 instead, and only the entry points below are taken from it.
//
// Client code draws through the same table (the view control hands it out with GL()):
//   const TOpenGLApi& gl = OpenGL1->GL();
//   gl.Begin(GL_TRIANGLES); gl.Color3ub(255, 0, 0); gl.Vertex3f(0, 0, 0); ... gl.End();
// <GL/gl.h> supplies the types and constants; calling its gl* functions directly would need the
// opengl32 import library, which is deliberately not linked.
#include <windows.h>

#include <GL/gl.h>
#include <memory>

#include "glview/gl_context_probe.h"

namespace glview {

// Name in the table, name exported by opengl32.dll.
#define GLVIEW_OPENGL_ENTRY_POINTS(X)                                                              \
  X(wglCreateContext, wglCreateContext)                                                            \
  X(wglDeleteContext, wglDeleteContext)                                                            \
  X(wglMakeCurrent, wglMakeCurrent)                                                                \
  X(wglGetCurrentContext, wglGetCurrentContext)                                                    \
  X(wglGetProcAddress, wglGetProcAddress)                                                          \
  X(Begin, glBegin)                                                                                \
  X(CallList, glCallList)                                                                          \
  X(Clear, glClear)                                                                                \
  X(ClearColor, glClearColor)                                                                      \
  X(Color3f, glColor3f)                                                                            \
  X(Color3ub, glColor3ub)                                                                          \
  X(DeleteLists, glDeleteLists)                                                                    \
  X(DepthFunc, glDepthFunc)                                                                        \
  X(DepthMask, glDepthMask)                                                                        \
  X(DepthRange, glDepthRange)                                                                      \
  X(Disable, glDisable)                                                                            \
  X(Enable, glEnable)                                                                              \
  X(End, glEnd)                                                                                    \
  X(EndList, glEndList)                                                                            \
  X(Finish, glFinish)                                                                              \
  X(Flush, glFlush)                                                                                \
  X(GenLists, glGenLists)                                                                          \
  X(GetError, glGetError)                                                                          \
  X(GetFloatv, glGetFloatv)                                                                        \
  X(GetIntegerv, glGetIntegerv)                                                                    \
  X(GetString, glGetString)                                                                        \
  X(IsEnabled, glIsEnabled)                                                                        \
  X(IsList, glIsList)                                                                              \
  X(LightModelfv, glLightModelfv)                                                                  \
  X(Lightfv, glLightfv)                                                                            \
  X(LineWidth, glLineWidth)                                                                        \
  X(LoadIdentity, glLoadIdentity)                                                                  \
  X(LoadMatrixf, glLoadMatrixf)                                                                    \
  X(Materialf, glMaterialf)                                                                        \
  X(Materialfv, glMaterialfv)                                                                      \
  X(MatrixMode, glMatrixMode)                                                                      \
  X(MultMatrixf, glMultMatrixf)                                                                    \
  X(NewList, glNewList)                                                                            \
  X(Normal3f, glNormal3f)                                                                          \
  X(PixelStorei, glPixelStorei)                                                                    \
  X(PointSize, glPointSize)                                                                        \
  X(PolygonMode, glPolygonMode)                                                                    \
  X(PopMatrix, glPopMatrix)                                                                        \
  X(PushMatrix, glPushMatrix)                                                                      \
  X(ReadBuffer, glReadBuffer)                                                                      \
  X(ReadPixels, glReadPixels)                                                                      \
  X(Rotatef, glRotatef)                                                                            \
  X(Scalef, glScalef)                                                                              \
  X(ShadeModel, glShadeModel)                                                                      \
  X(Translatef, glTranslatef)                                                                      \
  X(Vertex3f, glVertex3f)                                                                          \
  X(Viewport, glViewport)

// One loaded opengl32.dll. It answers the matrices' question whether a rendering context is
// current, so a matrix tied to it works exactly when OpenGL would.
class TOpenGLApi final : public TGLContextProbe {
public:
  // Loads opengl32.dll from the system folder; raises EOpenGLError when it or one of the entry
  // points is missing.
  static std::shared_ptr<const TOpenGLApi> Load();
  ~TOpenGLApi();
  TOpenGLApi(const TOpenGLApi&) = delete;
  TOpenGLApi& operator=(const TOpenGLApi&) = delete;

  bool IsContextCurrent() const override { return wglGetCurrentContext() != nullptr; }

#define GLVIEW_DECLARE_ENTRY(member, exported) decltype(&::exported) member = nullptr;
  GLVIEW_OPENGL_ENTRY_POINTS(GLVIEW_DECLARE_ENTRY)
#undef GLVIEW_DECLARE_ENTRY

private:
  explicit TOpenGLApi(HMODULE module) : FModule(module) {}
  HMODULE FModule;
};

} // namespace glview
