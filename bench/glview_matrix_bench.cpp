// The view matrix's arithmetic, computed directly (no OpenGL involved).
#include <benchmark/benchmark.h>

#include "glview/view_matrix.h"

namespace {

using namespace glview;

const TAlwaysCurrent kContext;

void BM_Rotate(benchmark::State& state) {
  TViewMatrix m(kProjectionMode, kContext);
  for (auto _ : state) {
    m.Rotate(YAxis, 1.0f);
    benchmark::DoNotOptimize(m);
  }
}
BENCHMARK(BM_Rotate);

void BM_RotateArbitraryAxis(benchmark::State& state) {
  TViewMatrix m(kProjectionMode, kContext);
  for (auto _ : state) {
    m.Rotate({0.3f, 1.0f, -0.2f}, 1.0f);
    benchmark::DoNotOptimize(m);
  }
}
BENCHMARK(BM_RotateArbitraryAxis);

void BM_Multiply(benchmark::State& state) {
  TViewMatrix m(kModelViewMode, kContext), step(kModelViewMode, kContext);
  step.Rotate({1, 1, 0}, 2.0f);
  for (auto _ : state) {
    m.Multiply(step.Values());
    benchmark::DoNotOptimize(m);
  }
}
BENCHMARK(BM_Multiply);

void BM_Invert(benchmark::State& state) {
  TViewMatrix base(kModelViewMode, kContext);
  base.Rotate({1, 2, 3}, 30.0f);
  base.Translate(1, 2, 3);
  for (auto _ : state) {
    TViewMatrix m = base;
    m.Invert();
    benchmark::DoNotOptimize(m);
  }
}
BENCHMARK(BM_Invert);

} // namespace
