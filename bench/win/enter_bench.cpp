// Time from an Enter press to the answer line standing in the conversation area, for
// conversations of growing size, measured on the real window under the real EDIT control.
// Prints one line per size: the median and the worst of the repetitions, in milliseconds.
#include "app/form1.h"
#include "ui/application.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include <windows.h>

namespace {

double Now() {
  LARGE_INTEGER counter, frequency;
  QueryPerformanceCounter(&counter);
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

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

} // namespace

int wmain() {
  ui::TApplication& application = ui::Application();
  application.SetTitle("bench");
  application.Seams().ErrorBox = [](HWND, const std::string&, const std::string&) {};
  std::printf("%-10s %12s %12s %14s\n", "size", "median ms", "worst ms", "fill ms");
  for (std::size_t size :
       {std::size_t(0), std::size_t(100000), std::size_t(1000000), std::size_t(10000000)}) {
    auto* form = new app::TForm1(&application);
    form->AfterConstruction();
    form->Show();
    application.ProcessMessages();
    HWND memo = form->Memo1->Handle();
    const double fillStart = Now();
    const std::wstring text = Conversation(size);
    SendMessageW(memo, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
    const double fillMs = Now() - fillStart;
    std::vector<double> times;
    for (int i = 0; i < 15; ++i) {
      SendMessageW(memo, WM_CHAR, L'x', 1); // a new thought, so that Enter answers
      const double start = Now();
      PostMessageW(memo, WM_CHAR, L'\r', 1);
      SendMessageW(memo, WM_KEYDOWN, VK_RETURN, 1);
      application.ProcessMessages();
      times.push_back(Now() - start);
    }
    std::sort(times.begin(), times.end());
    std::printf("%-10zu %12.2f %12.2f %14.0f\n", size, times[times.size() / 2], times.back(),
                fillMs);
    std::fflush(stdout);
    delete form;
    application.ProcessMessages();
  }
  return 0;
}
