// The 3D view control's demo program: a window with one view that turns its scene and offers the
// mouse control and the popup menu with every option.
#include "demo/demo_form.h"
#include "ui/application.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  ui::TApplication& application = ui::Application();
  application.Initialize();
  application.SetTitle("GLViewer Demo");
  return application.Execute([&application] {
    demo::TDemoForm* DemoForm = nullptr;
    application.CreateForm(DemoForm);
  });
}
