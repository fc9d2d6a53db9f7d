// Composing one answer line from a fresh draw: the work done on the user-interface thread for
// every Enter before the text control is touched.
#include "oracle/answer_code.h"
#include "oracle/answer_phrase.h"
#include "oracle/time_stamp.h"

#include <benchmark/benchmark.h>

static void BM_DrawAndComposeAnswerLine(benchmark::State& state) {
  for (auto _ : state) {
    const std::uint32_t code = oracle::DrawAnswerCode(oracle::ReadTimeStamp());
    benchmark::DoNotOptimize(oracle::AnswerLine(code));
  }
}
BENCHMARK(BM_DrawAndComposeAnswerLine);

static void BM_ComposeAnswerLine(benchmark::State& state) {
  std::uint32_t code = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(oracle::AnswerLine(code));
    code = (code + 7919) % oracle::kAnswerCodeRange;
  }
}
BENCHMARK(BM_ComposeAnswerLine);

static void BM_ReadTimeStamp(benchmark::State& state) {
  for (auto _ : state)
    benchmark::DoNotOptimize(oracle::ReadTimeStamp());
}
BENCHMARK(BM_ReadTimeStamp);
