#include "about/about_form.h"

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
  // The scene is rebuilt here once the view control is on the window.
}

} // namespace about
