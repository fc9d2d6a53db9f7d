// The view's animation-speed window: a label, a number field whose Enter sets the speed, and
// the window around them.
#include "glview/opengl_control.h"

#include "glview/speed_text.h"
#include "ui/handles.h"
#include "ui/label.h"

namespace glview {

namespace {

// The height a single-line edit takes for its font: the text height plus room for the sunken
// border, as standard edit fields size themselves.
int EditHeightFor(const ui::TFont& font) {
  ui::WindowDC dc(nullptr);
  ui::ScopedSelect select(dc.get(), font.Handle());
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc.get(), &metrics);
  return metrics.tmHeight + 8 * GetSystemMetrics(SM_CYBORDER);
}

} // namespace

void TCustomOpenGL::BuildSpeedForm() {
  FSpeedForm = new ui::TForm(this);
  // The frame style is fixed when the window is made, and the label measures its text on the
  // window, so the style comes first and the window is made before its children.
  FSpeedForm->SetBorderStyle(ui::TFormBorderStyle::bsDialog);
  // Made larger than its frame: the framework's SetClientSize measures the frame from the
  // window's present size, which a window smaller than its frame does not show.
  FSpeedForm->SetBounds(0, 0, 200, 100);
  FSpeedForm->SetCaption("Скорость анимации");
  FSpeedForm->HandleNeeded();

  FSpeedLabel = new ui::TLabel(FSpeedForm);
  FSpeedLabel->SetText("0 - нет анимации\r\nотриц. - обратное вращение");
  FSpeedLabel->SetParent(FSpeedForm); // sized to its text here

  FSpeedEdit = new ui::TEdit(FSpeedForm);
  FSpeedEdit->SetText(std::to_string(FAnimationSpeed));
  FSpeedEdit->SetParent(FSpeedForm);
  FSpeedEdit->OnKeyDown = ui::Bind(this, &TCustomOpenGL::SpeedEditKeyDown);

  // Shown at its monitor's DPI, placed by the screen's size (in the screen's own pixels), and
  // laid out around its label again whenever the DPI changes.
  FSpeedForm->ScaleToWindowDpi();
  FSpeedForm->SetBounds((GetSystemMetrics(SM_CXSCREEN) / 3) * 2, GetSystemMetrics(SM_CYSCREEN) / 3,
                        FSpeedForm->Width(), FSpeedForm->Height());
  LayoutSpeedForm();
  FSpeedForm->OnDpiChanged = [this](ui::TComponent*) { LayoutSpeedForm(); };
}

// The label at the top left, sized to its text; the edit below it, as wide; the window around
// both.
void TCustomOpenGL::LayoutSpeedForm() {
  const auto scaled = [this](int designed) { return FSpeedForm->Scaled(designed); };
  FSpeedLabel->SetBounds(scaled(3), scaled(3), FSpeedLabel->Width(), FSpeedLabel->Height());
  FSpeedEdit->SetBounds(scaled(3), FSpeedLabel->Height() + scaled(6), FSpeedLabel->Width(),
                        EditHeightFor(FSpeedEdit->Font()));
  FSpeedForm->SetClientSize(FSpeedLabel->Width() + scaled(6),
                            FSpeedEdit->Height() + FSpeedLabel->Height() + scaled(9));
}

// Enter sets the speed typed; the window stays open for the next try. A text that is not a
// whole number raises the conversion error and changes nothing.
void TCustomOpenGL::SpeedEditKeyDown(ui::TComponent*, std::uint16_t& Key, ui::TShiftState) {
  if (Key == VK_RETURN)
    SetAnimationSpeed(SpeedFromText(FSpeedEdit->Text()));
}

} // namespace glview
