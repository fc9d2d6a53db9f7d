// Windows benchmark of the conversation journal, run under Wine or on Windows: one whole
// journal write as the background writer does it (regional settings, date-time text, record,
// header with CRC-32, temporary file, flush, replace) for conversations of 1 KB, 1 MB and
// 10 MB, in a fresh folder under the temporary directory; split into the part in memory and
// the part on disk. Prints the median and worst of the runs.
//
// Run it with scripts/wine-run build/win64/bench/win/journal_write_bench.exe [FOLDER].
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "../tests/win/app/log_scratch_directory.h"
#include "app/log_file.h"
#include "journal/journal_file.h"
#include "journal/journal_format.h"

#include "bench_clock.h"

int wmain(int argc, wchar_t** argv) {
  testing_support::TScratchDirectory directory(argc > 1 ? argv[1] : L"");
  std::printf("folder: %ls\n", directory.Path().c_str());
  const journal::TJournalNames names =
      journal::JournalNames(app::kLogFileName, GetCurrentProcessId());
  struct Size {
    const char* name;
    std::size_t bytes;
    int runs;
  };
  std::printf("%-6s %12s %12s %14s %14s\n", "size", "median ms", "worst ms", "in memory ms",
              "on disk ms");
  for (const Size& size :
       {Size{"1 KB", 1u << 10, 41}, Size{"1 MB", 1u << 20, 21}, Size{"10 MB", 10u << 20, 9}}) {
    const std::string conversation = bench::AnswerLines(size.bytes);
    std::vector<double> total, memory, disk;
    for (int run = 0; run < size.runs; ++run) {
      const double start = bench::NowMs();
      const std::string bytes =
          journal::FrameJournal(app::ConversationRecord(conversation, app::LocalNow()));
      const double framed = bench::NowMs();
      journal::WriteJournalFile(names, bytes);
      const double stop = bench::NowMs();
      total.push_back(stop - start);
      memory.push_back(framed - start);
      disk.push_back(stop - framed);
    }
    std::printf("%-6s %12.2f %12.2f %14.2f %14.2f\n", size.name, bench::Median(total),
                *std::max_element(total.begin(), total.end()), bench::Median(memory),
                bench::Median(disk));
  }
  journal::DeleteJournalFiles(names);
  return 0;
}
