// Time from an Enter press to the answer line standing in the conversation area, for
// conversations of growing size, measured on the real window under the real EDIT control. Two
// windows hold the same conversation, one with its journal switched off (the window as it was
// before it kept one) and one with it on; their Enters alternate, so that both meet the same
// load on the shared machine. Runs in a fresh folder under the temporary directory. Prints one
// line per size and window: the median and the worst of the repetitions, the time the
// user-interface thread spends reading the area's text for a snapshot, and the time to fill the
// area, in milliseconds.
#include "../tests/win/app/log_scratch_directory.h"
#include "app/form1.h"
#include "ui/application.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include <windows.h>

#include "bench_clock.h"

namespace {

// A conversation of about `bytes` bytes: thoughts and answer-length lines.
std::wstring Conversation(std::size_t bytes) {
  const std::wstring thought = L"Я думаю о том, что будет завтра, и спрашиваю совета.\r\n";
  const std::wstring answer = L"59233347 - Ты чувствуешь практичную направленность. Ограничивай "
                              L"логичный критерий в чем-то еще.\r\n";
  std::wstring text;
  while (text.size() < bytes)
    text += thought + answer;
  return text;
}

struct TWindow {
  app::TForm1* Form = nullptr;
  double FillMs = 0;
  std::vector<double> Times;
};

// Times one Enter after a typed character (a new thought, so that Enter answers).
double TimeEnter(HWND memo) {
  SendMessageW(memo, WM_CHAR, L'x', 1);
  const double start = bench::NowMs();
  PostMessageW(memo, WM_CHAR, L'\r', 1);
  SendMessageW(memo, WM_KEYDOWN, VK_RETURN, 1);
  ui::Application().ProcessMessages();
  return bench::NowMs() - start;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
  testing_support::TScratchDirectory directory(argc > 1 ? argv[1] : L"");
  ui::TApplication& application = ui::Application();
  application.SetTitle("bench");
  application.Seams().ErrorBox = [](HWND, const std::string&, const std::string&) {};
  std::printf("%-10s %-8s %10s %10s %10s %10s\n", "size", "journal", "median ms", "worst ms",
              "text ms", "fill ms");
  for (std::size_t size :
       {std::size_t(0), std::size_t(100000), std::size_t(1000000), std::size_t(10000000)}) {
    const std::wstring text = Conversation(size);
    TWindow windows[2];
    for (int journal = 0; journal < 2; ++journal) {
      TWindow& window = windows[journal];
      window.Form = new app::TForm1(&application);
      window.Form->AfterConstruction();
      if (!journal)
        window.Form->Journal.reset();
      window.Form->Show();
      application.ProcessMessages();
      const double fillStart = bench::NowMs();
      SendMessageW(window.Form->Memo1->Handle(), EM_REPLACESEL, FALSE,
                   reinterpret_cast<LPARAM>(text.c_str()));
      window.FillMs = bench::NowMs() - fillStart;
    }
    for (int i = 0; i < 21; ++i) {
      for (TWindow& window : windows) {
        window.Times.push_back(TimeEnter(window.Form->Memo1->Handle()));
        // The next Enter meets an idle journal, as at the speed of typing.
        while (window.Form->JournalTimer->Enabled()) {
          Sleep(1);
          application.ProcessMessages();
        }
        if (window.Form->Journal)
          window.Form->Journal->Wait();
      }
    }
    for (int journal = 0; journal < 2; ++journal) {
      TWindow& window = windows[journal];
      // What a snapshot costs this thread: the text read as the journal takes it.
      HWND memo = window.Form->Memo1->Handle();
      const double readStart = bench::NowMs();
      const int length = GetWindowTextLengthW(memo);
      std::wstring snapshot(static_cast<std::size_t>(length) + 1, L'\0');
      GetWindowTextW(memo, snapshot.data(), length + 1);
      const double readMs = bench::NowMs() - readStart;
      std::sort(window.Times.begin(), window.Times.end());
      std::printf("%-10zu %-8s %10.2f %10.2f %10.2f %10.0f\n", size, journal ? "on" : "off",
                  window.Times[window.Times.size() / 2], window.Times.back(), readMs,
                  window.FillMs);
      std::fflush(stdout);
      delete window.Form;
      application.ProcessMessages();
    }
  }
  return 0;
}
