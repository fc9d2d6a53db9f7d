// The program itself, started in a fresh folder the way a person starts it: a whole conversation
// ends in "Your.txt", the end of a session logs it once, a running instance's journal is left to
// it and recovered once it has died, and a folder that cannot take the layout file stops start-up
// with the fatal box and exit code 1.
#include "app/log_file.h"
#include "journal/journal_names.h"

#include "../toolbar/designed_layout.h"
#include "log_scratch_directory.h"
#include "log_test_clock.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

#include <windows.h>

namespace app {
namespace {

using testing_support::FileBytes;
using testing_support::TextsBetween;
using testing_support::TScratchDirectory;

const wchar_t kTitle[] = L"Тарвель (ver. 5.5.0.5)";
// Generous: a slow machine must not fail these; they only guard against a hang.
constexpr DWORD kPatienceMs = 60000;

std::wstring ProgramPath() {
  using ToDos = wchar_t*(CDECL*)(const char*);
  const auto toDos = reinterpret_cast<ToDos>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_dos_file_name")));
  if (!toDos)
    return {};
  wchar_t* dos = toDos(TARVEL_EXE);
  std::wstring path = dos ? dos : L"";
  HeapFree(GetProcessHeap(), 0, dos);
  return path;
}

// Waits, pumping nothing, until found() gives a window, or gives up.
HWND WaitForWindow(const std::function<HWND()>& found) {
  for (DWORD waited = 0; waited < kPatienceMs; waited += 50) {
    if (HWND window = found())
      return window;
    Sleep(50);
  }
  return nullptr;
}

// The program started in the current directory; ended by force if a test leaves it running.
class TRunningProgram {
public:
  TRunningProgram() {
    std::wstring command = L"\"" + ProgramPath() + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    started_ = CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                              &startup, &info_) != FALSE;
  }
  TRunningProgram(const TRunningProgram&) = delete;
  TRunningProgram& operator=(const TRunningProgram&) = delete;
  ~TRunningProgram() {
    if (!started_)
      return;
    if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT)
      TerminateProcess(info_.hProcess, 99);
    WaitForSingleObject(info_.hProcess, kPatienceMs);
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
  }
  bool Started() const { return started_; }
  unsigned long Id() const { return info_.dwProcessId; }
  // Ends it outright, as a crash would: nothing of its own runs any more.
  void Kill() {
    TerminateProcess(info_.hProcess, 99);
    WaitForSingleObject(info_.hProcess, kPatienceMs);
  }

  // A visible top-level window of the program with this title.
  HWND TopWindow(const wchar_t* title) const {
    TSearch search{info_.dwProcessId, title, nullptr};
    EnumWindows(Match, reinterpret_cast<LPARAM>(&search));
    return search.found;
  }

  // The exit code once the program has ended, or STILL_ACTIVE when it does not end.
  DWORD ExitCode() const {
    WaitForSingleObject(info_.hProcess, kPatienceMs);
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(info_.hProcess, &code);
    return code;
  }

private:
  struct TSearch {
    DWORD process;
    const wchar_t* title;
    HWND found;
  };
  static BOOL CALLBACK Match(HWND window, LPARAM data) {
    auto& search = *reinterpret_cast<TSearch*>(data);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    if (process == search.process && IsWindowVisible(window) && wcscmp(text, search.title) == 0) {
      search.found = window;
      return FALSE;
    }
    return TRUE;
  }

  PROCESS_INFORMATION info_{};
  bool started_ = false;
};

std::wstring TextOf(HWND window) {
  const LRESULT length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(length));
  return text;
}

class LogProcessTest : public ::testing::Test {
protected:
  void SetUp() override {
    if (ProgramPath().empty())
      GTEST_SKIP() << "runs under Wine only";
  }

  // The conversation window of a started program and its text area, once both are shown.
  static bool FindWindows(const TRunningProgram& program, HWND& form, HWND& area) {
    form = WaitForWindow([&] { return program.TopWindow(kTitle); });
    area = form ? FindWindowExW(form, nullptr, L"Edit", nullptr) : nullptr;
    return form && area;
  }

  // Keys as the keyboard gives them: the program's loop turns a key down into its character.
  static void Type(HWND area, const wchar_t* text) {
    for (; *text; ++text)
      PostMessageW(area, WM_CHAR, *text, 1);
  }
  static void PressEnter(HWND area) {
    PostMessageW(area, WM_KEYDOWN, VK_RETURN, 1 | (0x1C << 16));
    PostMessageW(area, WM_KEYUP, VK_RETURN, 1 | (0x1C << 16) | (3u << 30));
  }
  // Waits until the area's text has reached the given number of lines.
  static bool WaitForLines(HWND area, int lines) {
    return WaitForWindow([&]() -> HWND {
             return SendMessageW(area, EM_GETLINECOUNT, 0, 0) >= lines ? area : nullptr;
           }) != nullptr;
  }

  TScratchDirectory directory_;
};

TEST_F(LogProcessTest, AWholeConversationEndsInTheLogAndTheLayoutFile) {
  TRunningProgram program;
  ASSERT_TRUE(program.Started());
  HWND form, area;
  ASSERT_TRUE(FindWindows(program, form, area));
  const TLocalDateTime before = LocalNow();
  Type(area, L"Что меня ждёт?");
  PressEnter(area);
  ASSERT_TRUE(WaitForLines(area, 3));
  PressEnter(area); // nothing new since the answer: answered once more, and the end
  EXPECT_EQ(program.ExitCode(), 0u);
  const TLocalDateTime after = LocalNow();

  const std::string log = FileBytes(L"Your.txt");
  const std::size_t head = log.find("\r\n");
  ASSERT_NE(head, std::string::npos) << log;
  // The date-time line is the present local time in the user's settings.
  const std::vector<std::string> possible = TextsBetween(before, after);
  EXPECT_NE(std::find(possible.begin(), possible.end(), log.substr(0, head)), possible.end())
      << log.substr(0, head);
  // D CRLF T CRLF A1 CRLF A2 CRLF CRLF
  std::string rest = log.substr(head + 2);
  ASSERT_EQ(rest.rfind("Что меня ждёт?\r\n", 0), 0u) << rest;
  rest = rest.substr(std::string("Что меня ждёт?\r\n").size());
  const std::size_t a1 = rest.find("\r\n");
  ASSERT_NE(a1, std::string::npos);
  const std::size_t a2 = rest.find("\r\n", a1 + 2);
  ASSERT_NE(a2, std::string::npos);
  EXPECT_EQ(rest.substr(a2), "\r\n\r\n");
  EXPECT_EQ(rest.substr(8, 3), " - ");
  EXPECT_EQ(rest.substr(a1 + 2 + 8, 3), " - ");

  EXPECT_EQ(FileBytes(L"untitled.ini"), toolbar::test::kDesignedSection);
}

TEST_F(LogProcessTest, LoggingOffWritesTheRecordOnce) {
  TRunningProgram program;
  ASSERT_TRUE(program.Started());
  HWND form, area;
  ASSERT_TRUE(FindWindows(program, form, area));
  Type(area, L"x");
  ASSERT_TRUE(WaitForWindow([&]() -> HWND { return TextOf(area) == L"x" ? area : nullptr; }));

  DWORD_PTR answer = FALSE;
  ASSERT_TRUE(SendMessageTimeoutW(form, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_BLOCK,
                                  kPatienceMs, &answer));
  EXPECT_EQ(answer, DWORD_PTR{TRUE});
  EXPECT_EQ(FileBytes(L"Your.txt"), "<missing>"); // the log-off may still be called off
  SendMessageTimeoutW(form, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_BLOCK, kPatienceMs,
                      &answer);
  EXPECT_EQ(program.ExitCode(), 0u); // it ends by itself, once the record is in the log
  const std::string log = FileBytes(L"Your.txt");
  ASSERT_NE(log.find("\r\n"), std::string::npos) << log;
  EXPECT_EQ(log.substr(log.find("\r\n")), "\r\nx\r\n");
}

TEST_F(LogProcessTest, ASecondInstanceLeavesALiveOnesJournalAndAThirdRecoversItOnceItDied) {
  TRunningProgram first;
  ASSERT_TRUE(first.Started());
  HWND form, area;
  ASSERT_TRUE(FindWindows(first, form, area));
  Type(area, L"первый");
  PressEnter(area);
  const std::wstring journalName = journal::JournalNames(L"Your.txt", first.Id()).Journal;
  ASSERT_TRUE(WaitForWindow([&]() -> HWND {
    return GetFileAttributesW(journalName.c_str()) != INVALID_FILE_ATTRIBUTES ? area : nullptr;
  }));

  {
    TRunningProgram second; // the same folder, while the first still runs
    ASSERT_TRUE(second.Started());
    HWND secondForm, secondArea;
    ASSERT_TRUE(FindWindows(second, secondForm, secondArea));
    EXPECT_EQ(FileBytes(L"Your.txt"), "<missing>");
    EXPECT_NE(GetFileAttributesW(journalName.c_str()), INVALID_FILE_ATTRIBUTES);
  } // ended by force: it had nothing to keep

  first.Kill();
  TRunningProgram third;
  ASSERT_TRUE(third.Started());
  ASSERT_TRUE(FindWindows(third, form, area));
  const std::string log = FileBytes(L"Your.txt");
  const std::size_t head = log.find("\r\n");
  ASSERT_NE(head, std::string::npos) << log;
  EXPECT_EQ(log.substr(head + 2, 8), "первый\r\n") << log;
  EXPECT_EQ(GetFileAttributesW(journalName.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(LogProcessTest, AFolderThatCannotTakeTheLayoutFileStopsStartUp) {
  ASSERT_TRUE(CreateDirectoryW(L"untitled.ini", nullptr));
  TRunningProgram program;
  ASSERT_TRUE(program.Started());
  HWND box = WaitForWindow([&] { return program.TopWindow(L"Application Error"); });
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(TextOf(GetDlgItem(box, 0xFFFF)), L"Unable to write to .\\untitled.ini.");
  EXPECT_EQ(program.TopWindow(kTitle), nullptr); // the conversation window never shows
  PostMessageW(box, WM_COMMAND, IDOK, 0);
  EXPECT_EQ(program.ExitCode(), 1u);
  EXPECT_EQ(FileBytes(L"Your.txt"), "<missing>");
}

} // namespace
} // namespace app
