#include "app/form1.h"

#include "app/log_file.h"
#include "journal/journal_recovery.h"
#include "oracle/answer_code.h"
#include "oracle/answer_phrase.h"
#include "oracle/time_stamp.h"
#include "ui/application.h"
#include "ui/win_text.h"

#include <utility>
#include <vector>

namespace app {
namespace {

// Posted to the window: the start-up's report, shown once the window is up; a journal write
// failed.
constexpr UINT kShowStartupReport = WM_APP + 1;
constexpr UINT kJournalWriteFailed = WM_APP + 2;

// After an answer the shortest timer: a timer's message comes after the window's paint, so the
// answer is on the screen before its snapshot is taken, and its line break is in it.
static_assert(journal::TJournalSchedule::kAfterAnswerMs == USER_TIMER_MINIMUM);

// A control's text as it holds it. The journal's snapshot is read this way because turning it
// into Windows-1251 costs twice the read and can be left to the journal's own thread.
std::wstring WideText(HWND window) {
  const int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(window, text.data(), length + 1);
  text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
  return text;
}

} // namespace

TForm1::TForm1(ui::TComponent* owner) : ui::TForm(owner) {
  SetName("Form1");
  SetText("Тарвель (ver. 5.5.0.5)");
  SetBounds(297, 112, 767, 522); // restored bounds; the window opens maximised
  SetWindowState(ui::TWindowState::wsMaximized);
  SetColor(ui::clBtnFace);
  Font().SetName("MS Sans Serif");
  Font().SetHeight(-11);
  HandleNeeded();

  MainMenu1 = new ui::TMainMenu(this);
  MainMenu1->SetName("MainMenu1");
  N2 = new ui::TMenuItem(this);
  N2->SetName("N2");
  N2->SetCaption("&Справка ");
  N2->SetImageIndex(0);
  N2->OnClick = ui::Bind(this, &TForm1::N8Click);
  MainMenu1->Items()->Add(N2);
  MainMenu1->AttachTo(this);

  // Dock strips: the top one carries the toolbar with the main menu; the others stay empty.
  AdvDockPanel1 = new toolbar::TDockPanel(this, ui::TAlign::alTop, 41);
  AdvDockPanel1->SetName("AdvDockPanel1");
  AdvDockPanel1->SetParent(this);
  AdvDockPanel2 = new toolbar::TDockPanel(this, ui::TAlign::alLeft, 15);
  AdvDockPanel2->SetName("AdvDockPanel2");
  AdvDockPanel2->SetParent(this);
  AdvDockPanel3 = new toolbar::TDockPanel(this, ui::TAlign::alRight, 15);
  AdvDockPanel3->SetName("AdvDockPanel3");
  AdvDockPanel3->SetParent(this);
  AdvDockPanel4 = new toolbar::TDockPanel(this, ui::TAlign::alBottom, 13);
  AdvDockPanel4->SetName("AdvDockPanel4");
  AdvDockPanel4->SetParent(this);

  AdvToolBar1 = new toolbar::TToolBar(this);
  AdvToolBar1->SetName("AdvToolBar1");
  AdvToolBar1->SetBounds(3, 3, 200, 35);
  AdvToolBar1->SetParent(AdvDockPanel1);
  AdvToolBar1->AddMenuButton(N2);
  // As the toolbar loads: the designed layout is saved and the user's applied. A refused write
  // raises toolbar::EIniFileError, which stops start-up before the window shows (main.cpp).
  toolbar::UseConversationWindowSettings(AdvToolBarCustomizer1);
  AdvToolBarCustomizer1.Loaded(AdvToolBar1->Model());
  AdvToolBar1->ModelChanged();

  Memo1 = new ui::TMemo(this);
  Memo1->SetName("Memo1");
  Memo1->SetAlign(ui::TAlign::alClient);
  Memo1->SetColor(ui::clBlack);
  Memo1->Font().SetName("Georgia");
  Memo1->Font().SetHeight(-16);
  Memo1->Font().SetStyle(ui::fsItalic);
  Memo1->Font().SetColor(ui::clWhite);
  Memo1->Font().SetCharset(RUSSIAN_CHARSET);
  Memo1->SetWordWrap(true);
  Memo1->SetScrollBars(ui::TScrollStyle::ssNone);
  Memo1->SetTabOrder(0);
  Memo1->OnKeyDown = ui::Bind(this, &TForm1::Memo1KeyDown);
  Memo1->OnChange = ui::Bind(this, &TForm1::Memo1Change);
  Memo1->SetParent(this);
  SetActiveControl(Memo1);

  JournalTimer = new ui::TTimer(this);
  JournalTimer->SetName("JournalTimer");
  JournalTimer->SetEnabled(false);
  JournalTimer->SetInterval(journal::TJournalSchedule::kAfterChangeMs);
  JournalTimer->OnTimer = ui::Bind(this, &TForm1::JournalTimerTimer);

  OnCreate = ui::Bind(this, &TForm1::FormCreate);
  OnClose = ui::Bind(this, &TForm1::FormClose);
}

void TForm1::FormCreate(ui::TComponent* /*Sender*/) {
  CountAfterAnswer = 0;
  StartJournal();
}

void TForm1::StartJournal() {
  std::vector<std::string> problems;
  // Nothing here may stop the start: what goes wrong is reported.
  try {
    problems = journal::RecoverJournals(ConversationLog());
  } catch (const std::exception& error) {
    problems.push_back(error.what());
  }
  try {
    HWND window = Handle();
    Journal = std::make_unique<journal::TConversationJournal>(
        ConversationLog(), GetCurrentProcessId(),
        [window] { PostMessageW(window, kJournalWriteFailed, 0, 0); });
  } catch (const std::exception& error) {
    problems.push_back(std::string("Журнал разговора не ведётся: ") + error.what() +
                       ". Сбой программы унесёт разговор с собой.");
  }
  for (const std::string& problem : problems)
    startupReport_ += (startupReport_.empty() ? "" : "\n") + problem;
  if (!startupReport_.empty())
    PostMessageW(Handle(), kShowStartupReport, 0, 0);
}

void TForm1::ScheduleJournal(std::optional<unsigned> delayMs) {
  if (!delayMs || !Journal || sessionEnded_)
    return;
  JournalTimer->SetEnabled(false);
  JournalTimer->SetInterval(*delayMs);
  JournalTimer->SetEnabled(true);
}

void TForm1::SaveJournal() {
  if (Journal)
    Journal->Save([text = WideText(Memo1->Handle()), when = LocalNow()] {
      return ConversationRecord(ui::FromWide(text), when);
    });
}

void TForm1::Memo1Change(ui::TComponent* /*Sender*/) {
  ScheduleJournal(journalSchedule_.Changed());
}

void TForm1::JournalTimerTimer(ui::TComponent* /*Sender*/) {
  JournalTimer->SetEnabled(false);
  journalSchedule_.Taken();
  SaveJournal();
}

void TForm1::Memo1KeyDown(ui::TComponent* /*Sender*/, std::uint16_t& Key,
                          ui::TShiftState /*Shift*/) {
  if (Key != VK_RETURN)
    return;
  const std::int32_t previous = CountAfterAnswer;
  const std::uint32_t answerCode = oracle::DrawAnswerCode(oracle::ReadTimeStamp());
  const std::int32_t index = AddAnswerLine(answerCode);
  CountAfterAnswer = index + 1;
  ScheduleJournal(journalSchedule_.Answered());
  if (previous == index)
    Close(); // the log is written inside; a failure leaves the conversation open
  // The key goes on: the area inserts the line break after the answer line.
}

std::int32_t TForm1::AddAnswerLine(std::uint32_t answerCode) {
  return Memo1->AddLine(oracle::AnswerLine(answerCode));
}

void TForm1::N8Click(ui::TComponent* /*Sender*/) {
  if (HelpForm)
    HelpForm->Show(); // shows it, or brings it to the front when already shown
}

void TForm1::FormClose(ui::TComponent* /*Sender*/, ui::TCloseAction& /*Action*/) {
  // A failure raises ui::EInOutError: the close is abandoned and the conversation goes on.
  if (!sessionEnded_)
    LogConversation();
}

void TForm1::LogConversation() {
  const std::string record = ConversationRecord(Memo1->Text(), LocalNow());
  if (!Journal) {
    AppendToLogFile(kLogFileName, record);
    return;
  }
  std::string report;
  try {
    report = Journal->AppendToLog(record);
  } catch (...) {
    ScheduleJournal(journalSchedule_.WriteFailed()); // the conversation goes on: journal it again
    throw;
  }
  JournalTimer->SetEnabled(false); // logged: nothing is journaled any more
  if (!report.empty() && !sessionEnded_)
    ui::Application().ShowException(report); // the close goes on: the record is in the log
}

LRESULT TForm1::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
  case WM_QUERYENDSESSION:
    // Logging off or shutting down may end the program without a close, or be called off by
    // another program: the journal is made to hold the close's record now, and nothing is
    // logged until the end is certain. A journal that cannot be written does not hold the
    // session up: the end logs the conversation all the same.
    if (Journal && !sessionEnded_) {
      try {
        Journal->WriteNow(ConversationRecord(Memo1->Text(), LocalNow()));
      } catch (const std::exception&) {
      }
    }
    return TRUE;
  case WM_ENDSESSION:
    // Called off (FALSE): the conversation goes on as if nothing had been asked.
    if (wParam && !sessionEnded_) {
      // The end is certain: the record is appended, and the program ends. Should the append
      // fail, the journal keeps the record for the next start; nobody is left to be told.
      sessionEnded_ = true;
      try {
        LogConversation();
      } catch (const std::exception&) {
      }
      JournalTimer->SetEnabled(false);
      Close();
    }
    return 0;
  case kShowStartupReport:
    if (const std::string report = std::exchange(startupReport_, {}); !report.empty())
      ui::Application().QueueException(report);
    return 0;
  case kJournalWriteFailed:
    ScheduleJournal(journalSchedule_.WriteFailed()); // the snapshot that failed is due again
    if (Journal) // told once per run of failures: it waits for a box open now, not dropped
      if (const std::string failure = Journal->TakeFailure(); !failure.empty())
        ui::Application().QueueException(failure);
    return 0;
  default:
    return TForm::WndProc(message, wParam, lParam);
  }
}

} // namespace app
