// How long the real program takes from its start until its conversation window shows, started
// in a fresh folder with no layout file, with the layout file a normal start leaves, with a
// hand-edited one whose user section claims 999,999,999 toolbar items, and with the normal
// layout file beside a 3 GiB junk file named like a journal (sparse: no disk is written, but a
// program that read it would read 3 GiB of zeros). The cases alternate, so
// that the shared machine's load falls on all of them alike. Then the layout step of start-up
// alone (save the designed layout, apply the user's), in this process, for the same files.
//   startup_bench TARVEL_EXE [RUNS]      default: 5 runs of each case
#include "../../tests/win/app/log_scratch_directory.h"
#include "toolbar/ini_profile_store_win.h"
#include "toolbar/toolbar_customizer.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <windows.h>

#include "bench_clock.h"

namespace {

struct Search {
  DWORD process;
  HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM lParam) {
  auto* search = reinterpret_cast<Search*>(lParam);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  wchar_t title[256] = {};
  GetWindowTextW(window, title, 255);
  if (process == search->process && IsWindowVisible(window) && wcsstr(title, L"ver. 5.5.0.5")) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

void WriteFile(const wchar_t* name, const std::string& bytes) {
  HANDLE file = CreateFileW(name, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

const std::string kDesigned =
    "[AdvToolBarCustomizer1Org]\r\nATBCaption=\r\nGlyphPosition=0\r\n"
    "LargeIcon=0\r\nToolBarItemCount=1\r\nName0=\r\nName0.ClassName=-1\r\n";

// A sparse file of 3 GiB named as an instance's journal.
void PlantJunkJournal() {
  HANDLE file =
      CreateFileW(L"Your.txt.4242.journal", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  LARGE_INTEGER size;
  size.QuadPart = 3LL << 30;
  SetFilePointerEx(file, size, nullptr, FILE_BEGIN);
  SetEndOfFile(file);
  CloseHandle(file);
}

// Seconds from the start of the process to its conversation window showing, in a fresh folder
// holding `ini` as ".\untitled.ini" (none when empty) and, with junk, a junk journal; negative
// when it did not show in 120 s.
double StartUp(const std::wstring& exe, const std::string& ini, bool junk = false) {
  testing_support::TScratchDirectory folder;
  if (!ini.empty())
    WriteFile(L"untitled.ini", ini);
  if (junk)
    PlantJunkJournal();
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::wstring command = L"\"" + exe + L"\"";
  const double start = bench::NowSeconds();
  if (!CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process))
    return -1;
  Search search{process.dwProcessId, nullptr};
  while (!search.found && bench::NowSeconds() - start < 120) {
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    if (!search.found)
      Sleep(2);
  }
  const double shown = bench::NowSeconds() - start;
  if (search.found && junk)
    TerminateProcess(process.hProcess, 0); // the box that tells of the junk waits for a click
  else if (search.found)
    PostMessageW(search.found, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0)
    TerminateProcess(process.hProcess, 1);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return search.found ? shown : -1;
}

// Seconds the conversation window's toolbar takes to save and apply its layout with `ini` as
// the file it finds.
double LayoutStep(const std::string& ini) {
  testing_support::TScratchDirectory folder;
  if (!ini.empty())
    WriteFile(L"untitled.ini", ini);
  toolbar::TIniProfileStore store(toolbar::kConversationLayoutFile);
  toolbar::TToolBarCustomizer customizer(store);
  toolbar::UseConversationWindowSettings(customizer);
  toolbar::TToolBarModel model;
  toolbar::TToolBarItem help;
  help.Kind = toolbar::TToolBarItemKind::MenuButton;
  help.Caption = "&Справка ";
  model.Items.push_back(help);
  const double start = bench::NowSeconds();
  customizer.Loaded(model);
  return bench::NowSeconds() - start;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) {
    std::printf("usage: startup_bench TARVEL_EXE [RUNS]\n");
    return 2;
  }
  wchar_t full[MAX_PATH];
  GetFullPathNameW(argv[1], MAX_PATH, full, nullptr);
  const std::wstring exe = full;
  const int runs = argc > 2 ? _wtoi(argv[2]) : 5;
  struct Case {
    const char* name;
    std::string ini;
    bool junk;
    std::vector<double> seconds;
  } cases[] = {
      {"no layout file", "", false, {}},
      {"layout file of a normal start", kDesigned, false, {}},
      {"hand-edited: ToolBarItemCount=999999999",
       kDesigned + "[AdvToolBarCustomizer1]\r\nToolBarItemCount=999999999\r\n",
       false,
       {}},
      {"3 GiB junk journal beside the log", kDesigned, true, {}},
  };
  StartUp(exe, ""); // the first start loads what later ones find cached
  for (int run = 0; run < runs; ++run)
    for (Case& c : cases) {
      const double s = StartUp(exe, c.ini, c.junk);
      if (s < 0) {
        std::printf("%s: the window did not show\n", c.name);
        return 1;
      }
      c.seconds.push_back(s);
    }
  std::printf("%-42s %10s %10s %10s\n", "start-up until the window shows", "median s", "min s",
              "max s");
  for (const Case& c : cases)
    std::printf("%-42s %10.3f %10.3f %10.3f\n", c.name, bench::Median(c.seconds),
                *std::min_element(c.seconds.begin(), c.seconds.end()),
                *std::max_element(c.seconds.begin(), c.seconds.end()));
  if (std::getenv("STARTUP_BENCH_ALL"))
    for (const Case& c : cases) {
      std::printf("%s:", c.name);
      for (double v : c.seconds)
        std::printf(" %.3f", v);
      std::printf("\n");
    }
  std::printf("hand-edited / normal (medians): %.2f\n",
              bench::Median(cases[2].seconds) / bench::Median(cases[1].seconds));
  std::printf("junk journal / normal (medians): %.2f\n",
              bench::Median(cases[3].seconds) / bench::Median(cases[1].seconds));

  std::printf("\n%-42s %10s %10s %10s\n", "layout step alone (in this process)", "median ms",
              "min ms", "max ms");
  for (Case& c : cases) {
    if (c.junk)
      continue; // the layout step does not see the journals
    std::vector<double> ms;
    for (int run = 0; run < runs; ++run)
      ms.push_back(1000 * LayoutStep(c.ini));
    std::printf("%-42s %10.2f %10.2f %10.2f\n", c.name, bench::Median(ms),
                *std::min_element(ms.begin(), ms.end()), *std::max_element(ms.begin(), ms.end()));
  }
  return 0;
}
