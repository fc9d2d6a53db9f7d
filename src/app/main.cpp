// Start-up: the application object, its title, the conversation window (the main window), the
// About window (hidden), then the message loop until the conversation window has closed.
#include "about/about_form.h"
#include "app/form1.h"
#include "ui/application.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  ui::TApplication& application = ui::Application();
  application.Initialize();
  application.SetTitle("Тарвель (ver. 5.5.0.5)");
  return application.Execute([&application] {
    app::TForm1* Form1 = nullptr;
    about::TAboutFrm* AboutFrm = nullptr;
    application.CreateForm(Form1);
    application.CreateForm(AboutFrm); // hidden; its colour pulse runs from now on
    Form1->HelpForm = AboutFrm;
  });
}
