// The journal's work in memory: CRC-32 alone, and framing and checking a whole journal, for
// conversations of 1 KB, 1 MB and 10 MB.
#include "journal/crc32.h"
#include "journal/journal_format.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

std::string Record(std::size_t bytes) {
  std::string record = "05.03.2024 07:08:09\r\n";
  while (record.size() + 2 < bytes)
    record += "35418A99 - Не спеши с выводами. Всё решится само собой.\r\n";
  record.resize(bytes - 2);
  return record + "\r\n";
}

void BM_Crc32(benchmark::State& state) {
  const std::string bytes = Record(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state)
    benchmark::DoNotOptimize(journal::Crc32(bytes));
  state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_Crc32)->Arg(1 << 10)->Arg(1 << 20)->Arg(10 << 20);

void BM_FrameJournal(benchmark::State& state) {
  const std::string record = Record(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) {
    std::string journal = journal::FrameJournal(record);
    benchmark::DoNotOptimize(journal.data());
  }
  state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_FrameJournal)->Arg(1 << 10)->Arg(1 << 20)->Arg(10 << 20);

void BM_ParseJournal(benchmark::State& state) {
  const std::string framed =
      journal::FrameJournal(Record(static_cast<std::size_t>(state.range(0))));
  for (auto _ : state) {
    journal::TJournalContents contents = journal::ParseJournal(framed);
    benchmark::DoNotOptimize(contents.Record.data());
  }
  state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ParseJournal)->Arg(1 << 10)->Arg(1 << 20)->Arg(10 << 20);

} // namespace
