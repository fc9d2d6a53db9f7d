#pragma once
// The application object: the program's title, its forms (the first created is the main form),
// the message loop, and the default handling of exceptions, which shows the error box and lets
// the program go on.
#include "ui/component.h"
#include "ui/exception.h"
#include "ui/seams.h"

#include <deque>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include <windows.h>

namespace ui {

class TForm;
class TMenuItem;

class TApplication : public TComponent {
public:
  TApplication();
  ~TApplication() override;

  // Before anything else: DLLs only from the system directory, floating-point exceptions masked.
  void Initialize();

  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& title);

  TForm* MainForm() const { return mainForm_; }
  void SetMainForm(TForm* form) { mainForm_ = form; }

  // Creates a form owned by the application; the first becomes the main form.
  template <typename Form> void CreateForm(Form*& reference) {
    reference = new Form(this);
    if (!mainForm_)
      mainForm_ = reference;
    reference->AfterConstruction();
  }

  // Shows the main form and runs the message loop until it has closed.
  void Run();
  // A whole program: creates its forms, runs the loop, frees every form, and returns the exit
  // code. A start-up that throws stops before anything is shown: the fatal box ("Application
  // Error") names the error and the code is 1.
  int Execute(const std::function<void()>& createForms);
  void Terminate();
  bool Terminated() const { return terminated_; }
  // Lets a test run the loop again after a main form it made has ended it.
  void ResetTerminated() { terminated_ = false; }
  // Dispatches every message now waiting (tests and long operations).
  void ProcessMessages();
  // Runs messages until done() holds or the program ends (modal forms).
  void RunModalLoop(const std::function<bool()>& done);

  // Call from a catch block: shows the current exception's message in the error box. While one
  // error box is open, further failures (paints, timer ticks) are not stacked on top of it.
  void HandleException(TComponent* sender);
  void ShowException(const std::string& message);
  // For news told once and never again (a journal that stopped being written): shown now, or
  // once the error box open now has closed.
  void QueueException(const std::string& message);
  bool ShowingError() const { return showingError_; }
  int SuppressedErrors() const { return suppressedErrors_; }

  TSeams& Seams() { return seams_; }

  // Menu commands: items get an id, a WM_COMMAND with it clicks the item.
  unsigned RegisterCommand(TMenuItem* item);
  void UnregisterCommand(unsigned id);
  bool DispatchCommand(unsigned id);
  // Access letters of the menus of a form ("&Справка" answers Alt+С), then of its controls.
  void RegisterMenu(TForm* form, TMenuItem* root);
  void UnregisterMenu(TMenuItem* root);
  bool DispatchAccelerator(TForm* form, wchar_t character);

  void ReleaseLater(TComponent* component);
  std::vector<HWND> DisableTopLevelWindowsExcept(HWND keep);

private:
  // One message through pre-translation and dispatch; an exception goes to the error box.
  void Deliver(MSG& message);
  bool PreTranslate(MSG& message);
  void FreeReleased();

  std::string title_;
  TForm* mainForm_ = nullptr;
  bool terminated_ = false;
  bool showingError_ = false;
  int suppressedErrors_ = 0;
  std::deque<std::string> queuedErrors_;
  TSeams seams_;
  unsigned nextCommand_ = 100;
  std::map<unsigned, TMenuItem*> commands_;
  std::set<unsigned> freeCommands_;
  std::vector<std::pair<TForm*, TMenuItem*>> menus_;
  std::vector<TComponent*> released_;
  int loopDepth_ = 0; // message loops running, one inside another
};

// The program's one application object.
TApplication& Application();

} // namespace ui
