#include "about/about_form.h"

#include "glview/leaf_builder.h"
#include "ui/application.h"

namespace about {

const char* const kInstructionLines[34] = {
    "    Здравствуйте!",
    "    Программа ",
    "предназначена для ",
    "Тарвель.",
    "    С помощью этой ",
    "программы вы сможете ",
    "поговорить со своим ",
    "ангелом-хранителем, ",
    "душами умерших и ",
    "живущих людей, со своей ",
    "душой (подсознанием), с ",
    "духами высокой иерархии.",
    "    Перед началом разговора ",
    "важно настроиться на ",
    "контакт. От ваших ",
    "способностей зависит, ",
    "сможете ли вы выйти на  ",
    "контакт с желаемым ",
    "духом, понимать ",
    "собеседника.",
    "    Написав свою мысль, ",
    "сосредоточьтесь на ней, ",
    "нажмите клавишу Enter. ",
    "Ответ придет в виде ",
    "числа с расшифрованным ",
    "смыслом.",
    "    Весь разговор ",
    "записывается в файл ",
    "Your.txt, автоматически ",
    "создающийся в том же ",
    "каталоге, откуда ",
    "запущена программа.",
    "",
    "    Счастливо! Ирна и Вельт.",
};

namespace {
constexpr ui::TColor kLinkViolet = 0xFF44AA;
constexpr ui::TColor kMemoViolet = 0xFF5FAF;
} // namespace

TAboutFrm::TAboutFrm(ui::TComponent* owner) : ui::TForm(owner) {
  SetName("AboutFrm");
  SetText("О программе \"Тарвель\" (ver. 5.5.0.5)");
  SetBorderStyle(ui::TFormBorderStyle::bsDialog);
  SetBounds(269, 145, 701, 499); // placed as designed; the client area is set below
  SetColor(ui::clBlack);
  Font().SetName("MS Sans Serif");
  Font().SetHeight(-11);
  HandleNeeded();
  SetClientSize(695, 470);

  Memo1 = new ui::TMemo(this);
  Memo1->SetName("Memo1");
  Memo1->SetBounds(0, 5, 241, 356);
  Memo1->SetColor(ui::clBlack);
  Memo1->SetCtl3D(false);
  Memo1->SetReadOnly(true);
  Memo1->SetScrollBars(ui::TScrollStyle::ssVertical);
  Memo1->SetTabOrder(1);
  Memo1->Font().SetName("Georgia");
  Memo1->Font().SetHeight(-16);
  Memo1->Font().SetStyle(ui::fsItalic);
  Memo1->Font().SetCharset(RUSSIAN_CHARSET);
  Memo1->Font().SetColor(kMemoViolet);
  Memo1->SetLines(
      std::vector<std::string>(std::begin(kInstructionLines), std::end(kInstructionLines)));
  Memo1->SetParent(this);

  OpenGL1 = new glview::TOpenGL(this);
  OpenGL1->SetName("OpenGL1");
  OpenGL1->SetBounds(240, 0, 455, 361);
  OpenGL1->SetModelScale(1);
  OpenGL1->SetPossibility({glview::pMouseControl});
  OpenGL1->SetOptionsPossibility({glview::opBackground, glview::opLight});
  OpenGL1->SetBGColor(ui::clBlack);
  OpenGL1->SetIsSwapBuffers(true);
  OpenGL1->SetLighting(false);
  OpenGL1->OnCreate = ui::Bind(this, &TAboutFrm::OpenGL1Create);
  OpenGL1->SetParent(this);

  fcLabel1 = new widgets::TfcLabel(this);
  fcLabel1->SetName("fcLabel1");
  fcLabel1->SetBounds(12, 366, 282, 33);
  fcLabel1->SetText("Проект \"Сорвейн\"");
  fcLabel1->SetColor(ui::clBlack);
  fcLabel1->Font().SetName("Georgia");
  fcLabel1->Font().SetHeight(-19);
  fcLabel1->Font().SetStyle(ui::fsItalic);
  fcLabel1->Font().SetColor(ui::clWhite);
  fcLabel1->Font().SetCharset(RUSSIAN_CHARSET);
  {
    widgets::TfcCaptionText& text = fcLabel1->TextOptions();
    text.SetAlignment(widgets::TAlignment::taLeftJustify);
    text.SetVAlignment(widgets::TfcVAlignment::vaTop);
    text.SetOptions({widgets::TfcTextOption::toShowAccel, widgets::TfcTextOption::toShowEllipsis,
                     widgets::TfcTextOption::toFullJustify});
    text.SetOutlineColor(ui::clSkyBlue);
    text.SetShadeColor(ui::clSkyBlue);
    text.ExtrudeEffects().SetEnabled(true);
    text.ExtrudeEffects().SetNearColor(ui::clFuchsia);
    text.ExtrudeEffects().SetFarColor(ui::clPurple);
    text.Shadow().SetColor(ui::clPurple); // the shadow itself stays off
    text.Shadow().SetXOffset(2);
    text.Shadow().SetYOffset(2);
  }
  fcLabel1->SetParent(this);

  Label5 = MakeLabel("Label5", 12, 400, "Cайт"); // the first letter is the Latin C
  Label6 = MakeLabel("Label6", 128, 400, kSiteAddress);
  Label1 = MakeLabel("Label1", 12, 422, "Форум");
  Label2 = MakeLabel("Label2", 128, 422, kForumAddress);
  Label3 = MakeLabel("Label3", 12, 444, "Рассылка");
  Label4 = MakeLabel("Label4", 128, 444, kMailerAddress);
  for (ui::TLabel* link : {Label6, Label2, Label4}) {
    link->Font().SetStyle(ui::fsItalic | ui::fsUnderline);
    link->Font().SetColor(kLinkViolet);
    link->SetCursor(ui::TCursor::crHandPoint);
  }
  Label6->OnMouseEnter = ui::Bind(this, &TAboutFrm::Label6MouseEnter);
  Label6->OnMouseLeave = ui::Bind(this, &TAboutFrm::Label6MouseLeave);
  Label6->OnClick = ui::Bind(this, &TAboutFrm::Label6Click);
  Label2->OnMouseEnter = ui::Bind(this, &TAboutFrm::Label2MouseEnter);
  Label2->OnMouseLeave = ui::Bind(this, &TAboutFrm::Label2MouseLeave);
  Label2->OnClick = ui::Bind(this, &TAboutFrm::Label2Click);
  Label4->OnMouseEnter = ui::Bind(this, &TAboutFrm::Label4MouseEnter);
  Label4->OnMouseLeave = ui::Bind(this, &TAboutFrm::Label4MouseLeave);
  Label4->OnClick = ui::Bind(this, &TAboutFrm::Label4Click);

  ButtonSpeedStar = new widgets::TfcShapeBtn(this);
  ButtonSpeedStar->SetName("ButtonSpeedStar");
  ButtonSpeedStar->SetBounds(601, 368, 88, 88);
  ButtonSpeedStar->SetText("Закрыть");
  ButtonSpeedStar->SetShape(widgets::TfcButtonShape::bsStar);
  ButtonSpeedStar->SetShadeStyle(widgets::TfcShadeStyle::fbsFlat);
  ButtonSpeedStar->SetRoundRectBias(20);
  ButtonSpeedStar->SetColor(0xFF00AA);
  ButtonSpeedStar->SetDitherColor(ui::clBlue);
  ButtonSpeedStar->Font().SetName("Georgia");
  ButtonSpeedStar->Font().SetHeight(-12);
  ButtonSpeedStar->Font().SetStyle(ui::fsItalic);
  ButtonSpeedStar->Font().SetColor(ui::clWhite);
  ButtonSpeedStar->Font().SetCharset(RUSSIAN_CHARSET);
  ButtonSpeedStar->SetAllowAllUp(true);
  ButtonSpeedStar->SetGroupIndex(9);
  ButtonSpeedStar->SetLayout(widgets::TButtonLayout::blGlyphTop);
  ButtonSpeedStar->SetNumGlyphs(2);
  {
    widgets::TfcImgDownOffsets offsets;
    offsets.GlyphY = 6;
    offsets.TextX = 1;
    offsets.TextY = 2;
    ButtonSpeedStar->SetOffsets(offsets);
  }
  ButtonSpeedStar->SetParentClipping(true);
  {
    widgets::TfcShadeColors colors;
    colors.Btn3DLight = ui::clFuchsia;
    colors.BtnHighlight = ui::clYellow;
    colors.BtnShadow = ui::clSilver;
    colors.BtnBlack = ui::clTeal;
    colors.BtnFocus = ui::clAqua;
    colors.Shadow = ui::clLime;
    ButtonSpeedStar->SetShadeColors(colors);
  }
  ButtonSpeedStar->TextOptions().SetAlignment(widgets::TAlignment::taCenter);
  ButtonSpeedStar->TextOptions().SetVAlignment(widgets::TfcVAlignment::vaVCenter);
  ButtonSpeedStar->TextOptions().ExtrudeEffects().SetEnabled(true);
  ButtonSpeedStar->TextOptions().ExtrudeEffects().SetDepth(3);
  ButtonSpeedStar->SetTabOrder(2);
  ButtonSpeedStar->OnClick = ui::Bind(this, &TAboutFrm::BitBtn1Click);
  ButtonSpeedStar->SetParent(this);

  Timer1 = new ui::TTimer(this);
  Timer1->SetName("Timer1");
  Timer1->SetInterval(100);
  Timer1->OnTimer = ui::Bind(this, &TAboutFrm::Timer1Timer);
  Timer1->SetEnabled(true);

  OnClose = ui::Bind(this, &TAboutFrm::FormClose);
}

ui::TLabel* TAboutFrm::MakeLabel(const char* name, int left, int top, const std::string& caption) {
  auto* label = new ui::TLabel(this);
  label->SetName(name);
  label->SetBounds(left, top, 10, 10);
  label->SetColor(ui::clBlack);
  label->Font().SetName("Georgia");
  label->Font().SetHeight(-16);
  label->Font().SetStyle(ui::fsItalic);
  label->Font().SetCharset(RUSSIAN_CHARSET);
  label->Font().SetColor(ui::clWhite);
  label->SetText(caption);
  label->SetParent(this);
  return label;
}

void TAboutFrm::Timer1Timer(ui::TComponent* /*Sender*/) {
  FPulse.Step();
  Label1->Font().SetColor(
      static_cast<ui::TColor>(FPulse.Colour(kForumPulse.Phase, kForumPulse.Base)));
  Label5->Font().SetColor(
      static_cast<ui::TColor>(FPulse.Colour(kSitePulse.Phase, kSitePulse.Base)));
  Label3->Font().SetColor(
      static_cast<ui::TColor>(FPulse.Colour(kMailerPulse.Phase, kMailerPulse.Base)));
}

void TAboutFrm::Label6MouseEnter(ui::TComponent*) {
  Label6->Font().SetColor(0x00A000);
}
void TAboutFrm::Label6MouseLeave(ui::TComponent*) {
  Label6->Font().SetColor(0x00FF00);
}
void TAboutFrm::Label2MouseEnter(ui::TComponent*) {
  Label2->Font().SetColor(0xFFA000);
}
void TAboutFrm::Label2MouseLeave(ui::TComponent*) {
  Label2->Font().SetColor(0xFFFF00);
}
void TAboutFrm::Label4MouseEnter(ui::TComponent*) {
  Label4->Font().SetColor(0x00A0FF);
}
void TAboutFrm::Label4MouseLeave(ui::TComponent*) {
  Label4->Font().SetColor(0x00FFFF);
}

void TAboutFrm::OpenLink(const char* address) {
  // The outcome is not examined: a browser that cannot start is not the window's concern.
  if (auto& open = ui::Application().Seams().OpenLink)
    open(Handle(), address);
}

void TAboutFrm::Label6Click(ui::TComponent*) {
  OpenLink(kSiteAddress);
}
void TAboutFrm::Label2Click(ui::TComponent*) {
  OpenLink(kForumAddress);
}
void TAboutFrm::Label4Click(ui::TComponent*) {
  OpenLink(kMailerAddress);
}

void TAboutFrm::BitBtn1Click(ui::TComponent*) {
  Close();
}

void TAboutFrm::FormClose(ui::TComponent* /*Sender*/, ui::TCloseAction& /*Action*/) {
  // Frees the leaves and builds a fresh scene at once; the window is then only hidden.
  OpenGL1->ResetScene();
}

void TAboutFrm::OpenGL1Create(ui::TComponent* /*Sender*/) {
  SYSTEMTIME now;
  GetLocalTime(&now);
  FRandom.Reseed(((now.wHour * 60u + now.wMinute) * 60u + now.wSecond) * 1000u + now.wMilliseconds);
  for (const TLeafPlacement& leaf : kLeaves) {
    const int index = glview::AddLeaf(*OpenGL1, leaf.Name, FRandom);
    glview::TVisualObject& object = OpenGL1->GetVisualObject(index);
    object.DynamicMatrix().Rotate(glview::XAxis, leaf.Turn);
    object.ModelMatrix().Scale(leaf.Scale, leaf.Scale, leaf.Scale);
    if (leaf.X != 0 || leaf.Y != 0 || leaf.Z != 0)
      object.ModelMatrix().Translate(leaf.X, leaf.Y, leaf.Z);
  }
  OpenGL1->ProjectionDynamic().Rotate(glview::YAxis, 1);
  OpenGL1->SetAnimationSpeed(1);
  OpenGL1->EnableAnimation(true);
}

} // namespace about
