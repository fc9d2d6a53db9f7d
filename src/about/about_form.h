#pragma once
// The About window: instructions, three web links, pulsing captions, the animated leaf scene and
// a star-shaped close button. Created hidden at start-up; closing it only hides it.
#include "about/colour_pulse.h"
#include "glview/leaf_model.h"
#include "glview/opengl_control.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/memo.h"
#include "ui/timer.h"
#include "widgets/fc_label.h"
#include "widgets/fc_shape_btn.h"

#include <string>

namespace about {

// The links' addresses. The names are reserved example names that can belong to no one.
inline constexpr const char* kSiteAddress = "http://www.sorvein.example/";
inline constexpr const char* kForumAddress = "http://forum.sorvein.example/";
inline constexpr const char* kMailerAddress = "http://www.sorvein.example/Mailer.htm";

class TAboutFrm : public ui::TForm {
public:
  explicit TAboutFrm(ui::TComponent* owner);

  glview::TOpenGL* OpenGL1;
  ui::TMemo* Memo1;
  ui::TLabel* Label1; // "Форум", pulsing
  ui::TLabel* Label2; // forum link
  ui::TLabel* Label3; // "Рассылка", pulsing
  ui::TLabel* Label4; // mailing-list link
  ui::TLabel* Label5; // "Cайт", pulsing
  ui::TLabel* Label6; // site link
  ui::TTimer* Timer1;
  widgets::TfcShapeBtn* ButtonSpeedStar;
  widgets::TfcLabel* fcLabel1;

  TColourPulse& Pulse() { return FPulse; }

  void Timer1Timer(ui::TComponent* Sender);
  void Label6MouseEnter(ui::TComponent* Sender);
  void Label6MouseLeave(ui::TComponent* Sender);
  void Label2MouseEnter(ui::TComponent* Sender);
  void Label2MouseLeave(ui::TComponent* Sender);
  void Label4MouseEnter(ui::TComponent* Sender);
  void Label4MouseLeave(ui::TComponent* Sender);
  void Label6Click(ui::TComponent* Sender);
  void Label2Click(ui::TComponent* Sender);
  void Label4Click(ui::TComponent* Sender);
  void BitBtn1Click(ui::TComponent* Sender);
  void FormClose(ui::TComponent* Sender, ui::TCloseAction& Action);
  void OpenGL1Create(ui::TComponent* Sender);

private:
  ui::TLabel* MakeLabel(const char* name, int left, int top, const std::string& caption);
  void OpenLink(const char* address);

  TColourPulse FPulse;
  glview::TLeafRandom FRandom{0}; // reseeded from the clock at every build of the scene
};

// The five leaves: name, turn per tick about their own X axis (degrees), uniform scale, and the
// translation applied after the scale.
struct TLeafPlacement {
  const char* Name;
  float Turn, Scale, X, Y, Z;
};
inline constexpr TLeafPlacement kLeaves[5] = {
    {"Leaf1", 2.3f, 0.45f, 0, 0, 0},
    {"Leaf2", 1.3f, 0.6f, 0.8f, 0.8f, 0.8f},
    {"Leaf3", 3.3f, 0.3f, -0.8f, -0.8f, -0.8f},
    {"Leaf4", 2.1f, 0.5f, 0, -1.2f, 0.3f},
    {"Leaf5", 5.1f, 0.2f, 0, 1.2f, -0.3f},
};

// The instruction text, one entry per line as the memo shows it.
extern const char* const kInstructionLines[34];

} // namespace about
