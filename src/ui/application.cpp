#include "ui/application.h"

#include "ui/error_text.h"
#include "ui/form.h"
#include "ui/menus.h"
#include "ui/win_text.h"

#include <algorithm>
#include <cctype>
#include <float.h>

namespace ui {

namespace {

// One more message loop running inside the others, for as long as it runs.
struct TLoopLevel {
  int& depth;
  explicit TLoopLevel(int& loops) : depth(loops) { ++depth; }
  ~TLoopLevel() { --depth; }
};

} // namespace

TApplication& Application() {
  static TApplication application;
  return application;
}

TApplication::TApplication() : TComponent(nullptr), seams_(TSeams::Real()) {}

TApplication::~TApplication() = default;

void TApplication::Initialize() {
  // Restrict DLL loading to the system directory before any other library is loaded; this also
  // keeps the current and the program's directory out of the search. Looked up at run time:
  // systems without the loader update keep their default order.
  using SetDirectoriesFn = BOOL(WINAPI*)(DWORD);
  if (HMODULE kernel = GetModuleHandleW(L"kernel32.dll"))
    if (auto setDirectories = reinterpret_cast<SetDirectoriesFn>(
            reinterpret_cast<void*>(GetProcAddress(kernel, "SetDefaultDllDirectories"))))
      setDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);

  // Division by zero and invalid operations give infinities and NaNs, never a fault.
  _control87(_MCW_EM, _MCW_EM);
#if defined(__i386__)
  _control87(_PC_64, _MCW_PC); // x87 extended precision, control word 0x133F
#endif
}

void TApplication::SetTitle(const std::string& title) {
  title_ = title;
}

void TApplication::Run() {
  if (!mainForm_)
    return;
  try {
    mainForm_->Show();
  } catch (...) {
    HandleException(this);
  }
  RunModalLoop([] { return false; });
}

int TApplication::Execute(const std::function<void()>& createForms) {
  try {
    createForms();
  } catch (const std::exception& error) {
    if (seams_.FatalErrorBox)
      seams_.FatalErrorBox(ErrorBoxText(error.what()));
    DestroyComponents();
    return 1;
  }
  Run();
  DestroyComponents();
  return 0;
}

void TApplication::Terminate() {
  if (!terminated_) {
    terminated_ = true;
    PostQuitMessage(0);
  }
}

bool TApplication::PreTranslate(MSG& message) {
  if (message.message == WM_KEYDOWN &&
      (message.wParam == VK_RETURN || message.wParam == VK_ESCAPE)) {
    HWND root = GetAncestor(message.hwnd, GA_ROOT);
    if (auto* form = dynamic_cast<TForm*>(TWinControl::FromHandle(root))) {
      // A multi-line text area, for one, wants its Enter; only unwanted keys go to the form.
      // No message is passed along: given one, the system's EDIT switches to a dialog mode
      // that acts on Enter and Escape itself (and closes its parent on Escape).
      const LRESULT wants = SendMessageW(message.hwnd, WM_GETDLGCODE, message.wParam, 0);
      if (!(wants & (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE)) &&
          form->DialogKey(static_cast<WORD>(message.wParam)))
        return true;
    }
  }
  if (message.message == WM_SYSCHAR) {
    HWND root = GetAncestor(message.hwnd, GA_ROOT);
    if (auto* form = dynamic_cast<TForm*>(TWinControl::FromHandle(root)))
      if (DispatchAccelerator(form, static_cast<wchar_t>(message.wParam)))
        return true;
  }
  return false;
}

void TApplication::RunModalLoop(const std::function<bool()>& done) {
  const TLoopLevel level(loopDepth_);
  MSG message;
  while (!terminated_ && !done()) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0) {
      terminated_ = true;
      PostQuitMessage(static_cast<int>(message.wParam)); // let outer loops see it too
      break;
    }
    if (got < 0)
      break;
    Deliver(message);
    FreeReleased();
  }
}

void TApplication::ProcessMessages() {
  const TLoopLevel level(loopDepth_);
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      terminated_ = true;
      break;
    }
    Deliver(message);
  }
  FreeReleased();
}

void TApplication::Deliver(MSG& message) {
  // Window procedures and timers catch their own exceptions; what runs here outside them (access
  // letters reaching menu handlers, Enter and Escape reaching buttons) gets the same error box,
  // and the message it came from is dropped.
  try {
    if (!PreTranslate(message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  } catch (...) {
    HandleException(this);
  }
}

void TApplication::HandleException(TComponent* sender) {
  (void)sender;
  std::string message;
  try {
    throw;
  } catch (const std::exception& e) {
    message = e.what();
  } catch (...) {
    message = "Unknown error";
  }
  ShowException(message);
}

void TApplication::ShowException(const std::string& message) {
  if (showingError_) {
    ++suppressedErrors_;
    return;
  }
  std::string text = message;
  for (;;) {
    {
      showingError_ = true;
      struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
      } reset{showingError_};
      HWND owner = GetActiveWindow();
      if (seams_.ErrorBox)
        seams_.ErrorBox(owner, ErrorBoxText(text), title_);
    }
    if (queuedErrors_.empty())
      return;
    text = std::move(queuedErrors_.front());
    queuedErrors_.pop_front();
  }
}

void TApplication::QueueException(const std::string& message) {
  if (showingError_)
    queuedErrors_.push_back(message);
  else
    ShowException(message);
}

// Ids of freed items are given out again, so that menus rebuilt at every click never run past
// the 16 bits a WM_COMMAND carries.
unsigned TApplication::RegisterCommand(TMenuItem* item) {
  unsigned id;
  if (!freeCommands_.empty()) {
    id = *freeCommands_.begin();
    freeCommands_.erase(freeCommands_.begin());
  } else {
    id = nextCommand_++;
  }
  commands_[id] = item;
  return id;
}

void TApplication::UnregisterCommand(unsigned id) {
  if (commands_.erase(id) > 0)
    freeCommands_.insert(id);
}

bool TApplication::DispatchCommand(unsigned id) {
  auto it = commands_.find(id);
  if (it == commands_.end())
    return false;
  it->second->Click();
  return true;
}

void TApplication::RegisterMenu(TForm* form, TMenuItem* root) {
  menus_.emplace_back(form, root);
}

void TApplication::UnregisterMenu(TMenuItem* root) {
  menus_.erase(std::remove_if(menus_.begin(), menus_.end(),
                              [root](const auto& entry) { return entry.second == root; }),
               menus_.end());
}

bool TApplication::DispatchAccelerator(TForm* form, wchar_t character) {
  for (const auto& [owner, root] : menus_) {
    if (owner != form)
      continue;
    for (int i = 0; i < root->Count(); ++i) {
      TMenuItem* item = root->Items(i);
      if (item->Visible() && item->Enabled() && item->MatchesAccelerator(character)) {
        item->Click();
        return true;
      }
    }
  }
  // Then the form's controls: a label's access letter focuses its control.
  const std::string narrow = FromWide(std::wstring(1, character));
  return narrow.size() == 1 && form->DialogChar(narrow[0]);
}

void TApplication::ReleaseLater(TComponent* component) {
  released_.push_back(component);
}

void TApplication::FreeReleased() {
  // A nested loop (a modal form, ProcessMessages in a handler) may run under a handler of the
  // very component released: the outermost loop frees it.
  if (loopDepth_ > 1)
    return;
  while (!released_.empty()) {
    TComponent* component = released_.back();
    released_.pop_back();
    delete component;
  }
}

namespace {

struct DisableContext {
  HWND keep;
  std::vector<HWND> disabled;
};

BOOL CALLBACK DisableOne(HWND window, LPARAM lParam) {
  auto* context = reinterpret_cast<DisableContext*>(lParam);
  if (window != context->keep && IsWindowVisible(window) && IsWindowEnabled(window)) {
    EnableWindow(window, FALSE);
    context->disabled.push_back(window);
  }
  return TRUE;
}

} // namespace

std::vector<HWND> TApplication::DisableTopLevelWindowsExcept(HWND keep) {
  DisableContext context{keep, {}};
  EnumThreadWindows(GetCurrentThreadId(), DisableOne, reinterpret_cast<LPARAM>(&context));
  return context.disabled;
}

} // namespace ui
