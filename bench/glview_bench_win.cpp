// Windows benchmark of the view module, run under Wine with Mesa's llvmpipe or on Windows:
// one matrix operation computed directly against the same operation done the way the view
// control once did it, as a push / load / operate / read-back / pop round trip through OpenGL's
// matrix stack, measured in the same run.
//
// Build: the win64 preset builds glview_win_bench.exe (tests/win/glview); run it with
// scripts/wine-run on an X display. Prints nanoseconds per operation (median of 7 runs).
#include <algorithm>
#include <cstdio>
#include <vector>

#include "../tests/win/glview/scratch_context.h"
#include "glview/view_matrix.h"

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

} // namespace

int main() {
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
  return 0;
}
