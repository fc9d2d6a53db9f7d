// Windows benchmark of the conversation log, run under Wine or on Windows: the whole append a
// close performs (regional settings, date-time text, record, one write, flush, close) for
// conversations of 1 KB, 1 MB and 10 MB, into "Your.txt" in a fresh folder under the temporary
// directory. The log grows as it does in use. Prints the median and worst of the runs.
//
// Build: the win64 preset builds log_append_bench.exe (tests/win/app); run it with
// scripts/wine-run. An optional argument names another folder to work in.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "../tests/win/app/log_scratch_directory.h"
#include "app/log_file.h"
#include "bench_clock.h"

int wmain(int argc, wchar_t** argv) {
  testing_support::TScratchDirectory directory(argc > 1 ? argv[1] : L"");
  std::printf("folder: %ls\n", directory.Path().c_str());
  struct Size {
    const char* name;
    std::size_t bytes;
    int runs;
  };
  for (const Size& size :
       {Size{"1 KB", 1u << 10, 41}, Size{"1 MB", 1u << 20, 21}, Size{"10 MB", 10u << 20, 9}}) {
    const std::string conversation = bench::AnswerLines(size.bytes);
    std::vector<double> ms;
    for (int run = 0; run < size.runs; ++run) {
      const double start = bench::NowMs();
      app::AppendConversationRecord(conversation);
      ms.push_back(bench::NowMs() - start);
    }
    std::printf("%-6s median %8.2f ms   worst %8.2f ms   (%d runs)\n", size.name, bench::Median(ms),
                *std::max_element(ms.begin(), ms.end()), size.runs);
  }
  return 0;
}
