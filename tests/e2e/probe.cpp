// A small helper that runs inside Wine beside the program under test and looks at its windows
// from the same desktop, which X tools cannot see into:
//   probe wait TITLE MS      exit 0 once a visible top-level window's title contains TITLE
//   probe gone TITLE MS      exit 0 once no such window is left
//   probe front TITLE        bring that window to the front (for typing with xdotool)
//   probe text TITLE CLASS   print the text of its first child of that class, as UTF-8
//   probe rect TITLE [CLASS [N]]
//                            print "left top right bottom" on the screen of that window, or of
//                            its N-th (from 0) descendant of that class, parents before their
//                            children
//   probe close TITLE        send it a close command, as its close box does
//   probe send TITLE MSG WPARAM LPARAM
//                            send it a message (numbers), print the answer; exit 1 on no answer
//   probe type TEXT          type TEXT into the control with the keyboard focus of the window at
//                            the front: one WM_CHAR a character, each handled before the next, so
//                            none is lost however busy Wine is (xdotool types other than ASCII by
//                            remapping a spare key, which a loaded Wine may read too late)
//   probe typed TEXT MS      exit 0 once the text of that control ends with TEXT
//   probe texts TITLE        print the texts of that window and of its visible descendants, one
//                            a line, as UTF-8
//   probe link FILE.lnk      print a shortcut's target, arguments and working folder, one a line,
//                            as UTF-8, read through the shell's own shortcut interface
//   probe open FILE          open a file as the shell does (a shortcut: its target, started in
//                            its working folder)
#include <windows.h>

#include <shellapi.h>
#include <shlobj.h>

#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <cwchar>
#include <string>

namespace {

struct Search {
  const wchar_t* title;
  HWND found;
};

BOOL CALLBACK MatchTitle(HWND window, LPARAM lParam) {
  auto* search = reinterpret_cast<Search*>(lParam);
  wchar_t text[512] = {};
  GetWindowTextW(window, text, 511);
  if (IsWindowVisible(window) && wcsstr(text, search->title)) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

HWND Find(const wchar_t* title) {
  Search search{title, nullptr};
  EnumWindows(MatchTitle, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

bool WaitFor(const wchar_t* title, bool present, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < timeoutMs) {
    if ((Find(title) != nullptr) == present)
      return true;
    Sleep(50);
  }
  return false;
}

struct Descendants {
  const wchar_t* className;
  int wanted;
  HWND found;
};

BOOL CALLBACK MatchClass(HWND window, LPARAM lParam) {
  auto* search = reinterpret_cast<Descendants*>(lParam);
  wchar_t name[256] = {};
  GetClassNameW(window, name, 255);
  if (_wcsicmp(name, search->className) == 0 && search->wanted-- == 0) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

// The control with the keyboard focus in the window at the front of the desktop.
HWND FocusedControl() {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  const DWORD thread = GetWindowThreadProcessId(GetForegroundWindow(), nullptr);
  return thread && GetGUIThreadInfo(thread, &info) ? info.hwndFocus : nullptr;
}

std::wstring TextOf(HWND control) {
  const int length = static_cast<int>(SendMessageW(control, WM_GETTEXTLENGTH, 0, 0));
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const auto got =
      SendMessageW(control, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(got));
  return text;
}

bool EndsWith(const std::wstring& text, const std::wstring& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

bool WaitForEnd(const std::wstring& end, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  do {
    if (HWND control = FocusedControl(); control && EndsWith(TextOf(control), end))
      return true;
    Sleep(50);
  } while (GetTickCount() - start < timeoutMs);
  return false;
}

// Writes text as UTF-8, its line ends as they are.
void PrintUtf8(const std::wstring& text) {
  const int length = static_cast<int>(text.size());
  const int bytes =
      WideCharToMultiByte(CP_UTF8, 0, text.c_str(), length, nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(bytes), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), length, utf8.data(), bytes, nullptr, nullptr);
  _setmode(_fileno(stdout), _O_BINARY);
  fwrite(utf8.data(), 1, utf8.size(), stdout);
}

BOOL CALLBACK PrintText(HWND window, LPARAM) {
  if (IsWindowVisible(window) && GetWindowTextLengthW(window) > 0)
    PrintUtf8(TextOf(window) + L"\n");
  return TRUE;
}

int PrintLink(const wchar_t* path) {
  CoInitialize(nullptr);
  IShellLinkW* link = nullptr;
  IPersistFile* file = nullptr;
  wchar_t target[MAX_PATH] = {}, arguments[1024] = {}, folder[MAX_PATH] = {};
  const bool read =
      SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                 reinterpret_cast<void**>(&link))) &&
      SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
      SUCCEEDED(file->Load(path, STGM_READ)) &&
      SUCCEEDED(link->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH)) &&
      SUCCEEDED(link->GetArguments(arguments, 1024)) &&
      SUCCEEDED(link->GetWorkingDirectory(folder, MAX_PATH));
  if (file)
    file->Release();
  if (link)
    link->Release();
  if (read)
    PrintUtf8(std::wstring(target) + L"\n" + arguments + L"\n" + folder + L"\n");
  return read ? 0 : 1;
}

int Open(const wchar_t* path) {
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  SHELLEXECUTEINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = SEE_MASK_NOASYNC; // this process ends right after
  info.lpFile = path;
  info.nShow = SW_SHOWNORMAL;
  return ShellExecuteExW(&info) ? 0 : 1;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3)
    return 2;
  const std::wstring command = argv[1];
  const wchar_t* title = argv[2];
  const DWORD timeout = argc > 3 ? static_cast<DWORD>(_wtoi(argv[3])) : 10000;
  if (command == L"wait")
    return WaitFor(title, true, timeout) ? 0 : 1;
  if (command == L"gone")
    return WaitFor(title, false, timeout) ? 0 : 1;
  if (command == L"typed")
    return WaitForEnd(argv[2], timeout) ? 0 : 1;
  if (command == L"type") {
    HWND control = FocusedControl();
    if (!control)
      return 1;
    for (const wchar_t* c = argv[2]; *c; ++c)
      SendMessageW(control, WM_CHAR, *c, 1); // returns once the control has handled it
    return WaitForEnd(argv[2], 0) ? 0 : 1;
  }
  if (command == L"link")
    return PrintLink(argv[2]);
  if (command == L"open")
    return Open(argv[2]);
  HWND window = Find(title);
  if (!window)
    return 1;
  if (command == L"texts") {
    PrintText(window, 0);
    EnumChildWindows(window, PrintText, 0);
    return 0;
  }
  if (command == L"front") {
    SetForegroundWindow(window);
    return 0;
  }
  if (command == L"rect") {
    if (argc > 3) {
      Descendants search{argv[3], argc > 4 ? _wtoi(argv[4]) : 0, nullptr};
      EnumChildWindows(window, MatchClass, reinterpret_cast<LPARAM>(&search));
      if (!search.found)
        return 1;
      window = search.found;
    }
    RECT r;
    GetWindowRect(window, &r);
    std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right, r.bottom);
    return 0;
  }
  if (command == L"close") {
    PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    return 0;
  }
  if (command == L"send" && argc > 5) {
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutW(window, static_cast<UINT>(wcstoul(argv[3], nullptr, 0)),
                             wcstoul(argv[4], nullptr, 0), wcstol(argv[5], nullptr, 0), SMTO_BLOCK,
                             20000, &answer))
      return 1;
    _setmode(_fileno(stdout), _O_BINARY); // a bare line feed, for the shell
    std::printf("%llu\n", static_cast<unsigned long long>(answer));
    return 0;
  }
  if (command == L"text" && argc > 3) {
    HWND child = FindWindowExW(window, nullptr, argv[3], nullptr);
    if (!child)
      return 1;
    PrintUtf8(TextOf(child)); // the control's CR LF as they are
    return 0;
  }
  return 2;
}
