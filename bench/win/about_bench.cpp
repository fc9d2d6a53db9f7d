// What the About window costs the running program: processor time per second of wall time with
// the About window never shown, shown (leaf animation every 55 ms, colour pulse every 100 ms) and
// hidden again, and memory after the first and after the last of many open/close cycles (each
// close frees and rebuilds the leaf scene). The program's two windows are made as start-up makes
// them and run in its message loop; Wine reports processor time and private bytes only for the
// calling process, so the program runs inside this one.
//   about_bench [CYCLES] [SECONDS]      defaults: 1000 cycles, 5 seconds per processor figure
#include "../../tests/win/app/log_scratch_directory.h"
#include "about/about_form.h"
#include "app/form1.h"
#include "ui/application.h"

#include <cstdio>
#include <string>

#include <windows.h>
// Included after windows.h, which it needs.
#include <psapi.h>

#include "bench_clock.h"

namespace {

// User plus kernel time of this process so far, in seconds.
double CpuSeconds() {
  FILETIME created, exited, kernel, user;
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  auto seconds = [](const FILETIME& t) {
    return static_cast<double>((static_cast<unsigned long long>(t.dwHighDateTime) << 32) |
                               t.dwLowDateTime) /
           1e7;
  };
  return seconds(kernel) + seconds(user);
}

// Runs the program's message loop for the given time.
void RunFor(double seconds) {
  const double end = bench::NowSeconds() + seconds;
  ui::Application().RunModalLoop([end] { return bench::NowSeconds() >= end; });
}

// Processor milliseconds per second of wall time while the loop runs.
double CpuPerSecond(double seconds) {
  const double cpu0 = CpuSeconds(), wall0 = bench::NowSeconds();
  RunFor(seconds);
  return 1000 * (CpuSeconds() - cpu0) / (bench::NowSeconds() - wall0);
}

// GDI objects of this process: GetGuiResources, or where it reports none (Wine), the live entries
// of the process's GDI handle table.
DWORD GdiObjects() {
  DWORD count = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  if (count != 0)
    return count;
  for (UINT_PTR entry = 1; entry < 0x10000; ++entry)
    count += GetObjectType(reinterpret_cast<HGDIOBJ>(entry)) != 0 ? 1 : 0;
  return count;
}

// Windows of this thread, children included.
BOOL CALLBACK CountOne(HWND, LPARAM counter) {
  ++*reinterpret_cast<int*>(counter);
  return TRUE;
}
BOOL CALLBACK CountWithChildren(HWND window, LPARAM counter) {
  CountOne(window, counter);
  EnumChildWindows(window, CountOne, counter);
  return TRUE;
}
int ThreadWindows() {
  int count = 0;
  EnumThreadWindows(GetCurrentThreadId(), CountWithChildren, reinterpret_cast<LPARAM>(&count));
  return count;
}

// Private bytes are the commit charge, which GetProcessMemoryInfo also reports as the page-file
// usage (the one of the two that Wine fills in).
struct Memory {
  double workingSetMb, privateMb;
  DWORD gdiObjects;
  int windows;
};
Memory MemoryNow() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  return {counters.WorkingSetSize / 1048576.0, counters.PagefileUsage / 1048576.0, GdiObjects(),
          ThreadWindows()};
}

// The Help item's access letter, as the user's Alt+С reaches the loop; back once the About
// window is up and painted.
void OpenAbout(app::TForm1& form, about::TAboutFrm& about) {
  PostMessageW(form.Memo1->Handle(), WM_SYSCHAR, L'с', 1 << 29);
  ui::Application().ProcessMessages();
  RedrawWindow(about.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

// The close box: hides the window and rebuilds the scene.
void CloseAbout(about::TAboutFrm& about) {
  SendMessageW(about.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
  ui::Application().ProcessMessages();
}

} // namespace

int wmain(int argc, wchar_t** argv) {
  const int cycles = argc > 1 ? _wtoi(argv[1]) : 1000;
  const double seconds = argc > 2 ? _wtof(argv[2]) : 5.0;
  testing_support::TScratchDirectory scratch; // "Your.txt" and "untitled.ini" go here

  ui::TApplication& application = ui::Application();
  application.Initialize();
  application.SetTitle("Тарвель (ver. 5.5.0.5)");
  app::TForm1* Form1 = nullptr;
  about::TAboutFrm* AboutFrm = nullptr;
  application.CreateForm(Form1);
  Form1->Show();
  RunFor(1); // the conversation window settles
  std::printf("CPU time per second of wall time (%.0f s each):\n", seconds);
  std::printf("  conversation window alone:  %6.1f ms/s\n", CpuPerSecond(seconds));
  std::fflush(stdout);
  application.CreateForm(AboutFrm);
  Form1->HelpForm = AboutFrm;
  RunFor(1);
  std::printf("  About never shown:          %6.1f ms/s\n", CpuPerSecond(seconds));
  std::fflush(stdout);
  const Memory beforeAbout = MemoryNow();
  OpenAbout(*Form1, *AboutFrm);
  if (!IsWindowVisible(AboutFrm->Handle())) {
    std::printf("the About window did not open\n");
    return 1;
  }
  RunFor(0.5);
  std::printf("  About shown (animating):    %6.1f ms/s\n", CpuPerSecond(seconds));
  std::fflush(stdout);
  CloseAbout(*AboutFrm);
  RunFor(0.5);
  std::printf("  About hidden after showing: %6.1f ms/s\n", CpuPerSecond(seconds));
  std::fflush(stdout);

  const Memory afterFirst = MemoryNow();
  const double start = bench::NowSeconds();
  int done = 1; // the cycle above was the first
  for (; done < cycles; ++done) {
    OpenAbout(*Form1, *AboutFrm);
    if (!IsWindowVisible(AboutFrm->Handle()))
      break;
    CloseAbout(*AboutFrm);
  }
  const double perCycle = (bench::NowSeconds() - start) / (done > 1 ? done - 1 : 1);
  const Memory afterLast = MemoryNow();
  std::printf("Memory: working set MB / private MB / GDI objects / windows\n");
  auto print = [](const char* when, const Memory& m) {
    std::printf("  %-26s %7.1f / %7.1f / %5lu / %3d\n", when, m.workingSetMb, m.privateMb,
                static_cast<unsigned long>(m.gdiObjects), m.windows);
  };
  print("before the first showing:", beforeAbout);
  print("after 1 open/close cycle:", afterFirst);
  const std::string last = "after " + std::to_string(done) + " cycles:";
  print(last.c_str(), afterLast);
  std::printf("  %.1f ms per open/close cycle\n", perCycle * 1000);
  std::printf("  objects in the scene: %d\n", AboutFrm->OpenGL1->ObjectCount());

  application.SetMainForm(nullptr);
  application.DestroyComponents();
  return done == cycles ? 0 : 1;
}
