// Building one log record in memory, for conversations of 1 KB, 1 MB and 10 MB.
#include "app/log_record.h"

#include <benchmark/benchmark.h>

namespace {

void BM_LogRecord(benchmark::State& state) {
  const app::TRegionalSettings settings{.ShortDatePattern = "dd.MM.yyyy",
                                        .DateSeparator = ".",
                                        .TimeSeparator = ":",
                                        .HourLeadingZero = true};
  const app::TLocalDateTime when{2024, 3, 5, 7, 8, 9, 0};
  const std::string conversation(static_cast<std::size_t>(state.range(0)), 'x');
  for (auto _ : state) {
    std::string record = app::LogRecord(app::LogDateTimeText(when, settings), conversation);
    benchmark::DoNotOptimize(record.data());
  }
  state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_LogRecord)->Arg(1 << 10)->Arg(1 << 20)->Arg(10 << 20);

} // namespace
