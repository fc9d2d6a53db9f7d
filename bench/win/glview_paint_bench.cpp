// Windows benchmark of the view module, run under Wine with Mesa's llvmpipe or on Windows:
// - one matrix operation computed directly against the same operation done as a push / load /
//   operate / read-back / pop round trip through OpenGL's matrix stack, in the same run;
// - one paint of a view (the About view's size) showing 5 and 1,000 objects of 37 triangles;
// - the two ways a frame reaches the screen, side by side, for the About view (455 x 361) and a
//   1280 x 1024 view: the whole paint of the About scene's five leaves, and the presenting step
//   alone (natively the buffer swap; through GDI the read-back and the copy into the window).
//
// Build: the win64 preset builds glview_win_bench.exe (tests/win/glview); run it with
// scripts/wine-run on an X display. Prints the median of 7 runs.
#include <algorithm>
#include <cstdio>
#include <vector>

#include <cmath>
#include <numbers>

#include "../tests/win/glview/scratch_context.h"
#include "glview/opengl_control.h"
#include "glview/view_matrix.h"
#include "ui/application.h"

namespace {

using namespace glview;

template <class F> double NanosecondsPerCall(int calls, F&& f) {
  LARGE_INTEGER frequency, start, stop;
  QueryPerformanceFrequency(&frequency);
  std::vector<double> runs;
  for (int run = 0; run < 7; ++run) {
    QueryPerformanceCounter(&start);
    for (int i = 0; i < calls; ++i)
      f();
    QueryPerformanceCounter(&stop);
    runs.push_back((stop.QuadPart - start.QuadPart) * 1e9 / frequency.QuadPart / calls);
  }
  std::sort(runs.begin(), runs.end());
  return runs[runs.size() / 2];
}

// The stack sequence: select the mode, push, load, operate, read back, pop.
template <class Op> void RoundTrip(const TOpenGLApi& gl, TViewMatrix& m, Op&& op) {
  gl.MatrixMode(m.MatrixMode());
  gl.PushMatrix();
  m.Load(gl);
  op();
  m.Fetch(gl);
  gl.PopMatrix();
}

// A leaf-like fan of 37 triangles around the origin, about 0.2 across.
void Leaf(const TOpenGLApi& gl) {
  gl.Begin(GL_TRIANGLES);
  for (int i = 0; i < 37; ++i) {
    const double a = 2 * std::numbers::pi * i / 37, b = 2 * std::numbers::pi * (i + 1) / 37;
    gl.Color3ub(static_cast<GLubyte>(100 + i * 4), 200, 60);
    gl.Vertex3f(0, 0, 0);
    gl.Vertex3f(static_cast<float>(0.1 * std::cos(a)), static_cast<float>(0.05 * std::sin(a)), 0);
    gl.Vertex3f(static_cast<float>(0.1 * std::cos(b)), static_cast<float>(0.05 * std::sin(b)), 0);
  }
  gl.End();
}

// Milliseconds per paint of a view with the given number of leaves, turned and scattered.
double PaintMilliseconds(ui::TForm& form, int leaves, int paints) {
  auto* view = new TOpenGL(&form);
  view->SetBounds(0, 0, 455, 361);
  view->SetParent(&form);
  view->OnCreate = [view, leaves](ui::TComponent*) {
    for (int n = 0; n < leaves; ++n) {
      const int i = view->BeginObject("Leaf" + std::to_string(n + 1), ui::clLime);
      Leaf(view->GL());
      view->EndObject(i);
      TViewMatrix& placement = view->GetVisualObject(i).ModelMatrix();
      placement.Translate(((n * 37) % 100) / 60.0f - 0.8f, ((n * 53) % 100) / 60.0f - 0.8f, 0);
      placement.Rotate({1, 1, 0}, static_cast<float>(n * 7));
    }
    view->ProjectionDynamic().Rotate(YAxis, 1);
    view->SetAnimationSpeed(1);
    view->EnableAnimation(false);
  };
  view->Invalidate();
  view->Update(); // the context and the scene
  const double ms = NanosecondsPerCall(paints,
                                       [view] {
                                         view->Invalidate();
                                         view->Update();
                                       }) /
                    1e6;
  delete view;
  return ms;
}

// Opens the way the frame is presented.
class TBenchView : public TOpenGL {
public:
  using TCustomOpenGL::MakeCurrent;
  using TOpenGL::TOpenGL;
  TOffscreenFrame* Offscreen() { return FOffscreen.get(); }
};

struct TWayFigures {
  double paintMs, presentMs;
  TPresentWay way;
};

// A view of the given size presenting the given way, with five leaves: milliseconds per whole
// paint and per presenting step alone.
TWayFigures PresentMilliseconds(ui::TForm& form, const char* way, int width, int height) {
  SetEnvironmentVariableA(kPresentWayVariable, way);
  auto* view = new TBenchView(&form);
  view->SetBounds(0, 0, width, height);
  view->SetParent(&form);
  view->OnCreate = [view](ui::TComponent*) {
    for (int n = 0; n < 5; ++n) {
      const int i = view->BeginObject("Leaf" + std::to_string(n + 1), ui::clLime);
      Leaf(view->GL());
      view->EndObject(i);
      view->GetVisualObject(i).ModelMatrix().Scale(4, 4, 4);
      view->GetVisualObject(i).ModelMatrix().Translate(n * 0.08f - 0.16f, 0, 0);
    }
  };
  view->Invalidate();
  view->Update();
  TWayFigures figures{};
  figures.way = view->PresentWay();
  figures.paintMs = NanosecondsPerCall(30,
                                       [view] {
                                         view->Invalidate();
                                         view->Update();
                                       }) /
                    1e6;
  view->MakeCurrent();
  HDC window = view->Canvas().Handle();
  figures.presentMs = NanosecondsPerCall(30,
                                         [view, window] {
                                           if (TOffscreenFrame* frame = view->Offscreen())
                                             frame->PaintInto(window);
                                           else
                                             SwapBuffers(window);
                                           GdiFlush();
                                         }) /
                      1e6;
  view->GL().wglMakeCurrent(nullptr, nullptr);
  delete view;
  SetEnvironmentVariableA(kPresentWayVariable, nullptr);
  return figures;
}

} // namespace

int main() {
  ui::Application().Initialize();
  test::TScratchContext context;
  if (!context.Valid()) {
    std::fprintf(stderr, "no OpenGL context\n");
    return 1;
  }
  const TOpenGLApi& gl = context.GL();
  std::printf("renderer: %s\n", reinterpret_cast<const char*>(gl.GetString(GL_RENDERER)));

  TViewMatrix step(kModelViewMode, gl);
  step.Rotate({1, 1, 0}, 2.0f);
  const TMatrixValues operand = step.Values();
  const int calls = 20000;

  struct Case {
    const char* name;
    double direct, roundTrip;
  };
  std::vector<Case> cases;
  {
    TViewMatrix m(kProjectionMode, gl);
    const double direct = NanosecondsPerCall(calls, [&] { m.Rotate(YAxis, 1.0f); });
    const double trip = NanosecondsPerCall(
        calls, [&] { RoundTrip(gl, m, [&] { gl.Rotatef(1.0f, 0.0f, 1.0f, 0.0f); }); });
    cases.push_back({"Rotate(YAxis, 1)", direct, trip});
  }
  {
    TViewMatrix m(kModelViewMode, gl);
    const double direct = NanosecondsPerCall(calls, [&] { m.Multiply(operand); });
    const double trip = NanosecondsPerCall(
        calls, [&] { RoundTrip(gl, m, [&] { gl.MultMatrixf(operand.data()); }); });
    cases.push_back({"Multiply(step)", direct, trip});
  }
  {
    TViewMatrix m(kProjectionMode, gl);
    const double direct = NanosecondsPerCall(calls, [&] { m.Scale(1.0001f, 1.0f, 0.9999f); });
    const double trip = NanosecondsPerCall(
        calls, [&] { RoundTrip(gl, m, [&] { gl.Scalef(1.0001f, 1.0f, 0.9999f); }); });
    cases.push_back({"Scale", direct, trip});
  }
  std::printf("%-20s %14s %18s %8s\n", "operation", "direct ns/op", "round trip ns/op", "ratio");
  for (const Case& c : cases)
    std::printf("%-20s %14.1f %18.1f %7.0fx\n", c.name, c.direct, c.roundTrip,
                c.roundTrip / c.direct);

  auto* form = new ui::TForm(nullptr);
  form->SetBounds(40, 40, 500, 420);
  form->Show();
  std::printf("\npaint of a 455 x 361 view, objects of 37 triangles (median of 7 runs):\n");
  std::printf("  5 objects:     %8.3f ms per paint\n", PaintMilliseconds(*form, 5, 40));
  std::printf("  1,000 objects: %8.3f ms per paint\n", PaintMilliseconds(*form, 1000, 3));
  delete form;

  // Large enough for the larger view (Wine lets a window exceed its desktop).
  form = new ui::TForm(nullptr);
  form->SetBounds(0, 0, 1300, 1100);
  form->Show();
  std::printf("\nthe two ways of presenting, 5 leaves (median of 7 runs of 30 paints):\n");
  std::printf("%-12s %-7s %14s %26s\n", "view", "way", "ms per paint",
              "ms per present (swap / read-back + copy)");
  struct Size {
    int width, height;
  };
  for (const Size size : {Size{455, 361}, Size{1280, 1024}})
    for (const char* way : {"native", "gdi"}) {
      const TWayFigures f = PresentMilliseconds(*form, way, size.width, size.height);
      std::printf("%4d x %-5d %-7s %14.3f %26.3f%s\n", size.width, size.height, way, f.paintMs,
                  f.presentMs,
                  (f.way == TPresentWay::Gdi) == (way[0] == 'g') ? "" : "  (fell back)");
    }
  delete form;
  return 0;
}
