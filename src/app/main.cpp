// Start-up: the application object, its title, the conversation window (the main window), the
// About window (hidden), then the message loop until the conversation window has closed.
#include "about/about_form.h"
#include "app/form1.h"
#include "ui/application.h"
#include "ui/error_text.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  ui::TApplication& application = ui::Application();
  application.Initialize();
  application.SetTitle("Тарвель (ver. 5.5.0.5)");
  app::TForm1* Form1 = nullptr;
  about::TAboutFrm* AboutFrm = nullptr;
  try {
    application.CreateForm(Form1);
    application.CreateForm(AboutFrm); // hidden; its colour pulse runs from now on
    Form1->HelpForm = AboutFrm;
  } catch (const std::exception& error) {
    // A start-up that cannot build its main window stops before showing anything.
    application.Seams().FatalErrorBox(ui::ErrorBoxText(error.what()));
    application.DestroyComponents();
    return 1;
  }
  application.Run();
  application.DestroyComponents();
  return 0;
}
