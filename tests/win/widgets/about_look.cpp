// A window with the About window's title label and star button, placed and set up as there,
// for looking at them as a user does (screenshots). Clicking the star toggles it.
#include "about_config.h"

#include "ui/application.h"
#include "ui/form.h"

namespace {

class TLookForm : public ui::TForm {
public:
  explicit TLookForm(ui::TComponent* owner) : ui::TForm(owner) {
    SetBorderStyle(ui::TFormBorderStyle::bsDialog);
    SetText("About look (ver. 5.5.0.5)");
    SetBounds(0, 0, 701, 496);
    SetColor(ui::clBlack);
    fcLabel1 = new widgets::TfcLabel(this);
    fcLabel1->SetParent(this);
    widgets::test::ConfigureAboutTitle(*fcLabel1);
    ButtonSpeedStar = new widgets::TfcShapeBtn(this);
    ButtonSpeedStar->SetParent(this);
    widgets::test::ConfigureAboutStar(*ButtonSpeedStar);
  }

  widgets::TfcLabel* fcLabel1;
  widgets::TfcShapeBtn* ButtonSpeedStar;
};

} // namespace

int main() {
  ui::TApplication& app = ui::Application();
  app.Initialize();
  app.SetTitle("About look");
  TLookForm* form = nullptr;
  app.CreateForm(form);
  form->SetClientSize(695, 470);
  app.Run();
  return 0;
}
