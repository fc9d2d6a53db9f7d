#pragma once
// The conversation window: one large black text area in which the user types thoughts; each
// Enter is answered at once with one answer line, and an Enter with nothing new since the last
// answer is answered once more and ends the conversation.
#include "journal/conversation_journal.h"
#include "journal/journal_schedule.h"
#include "toolbar/dock_panel.h"
#include "toolbar/ini_profile_store_win.h"
#include "toolbar/tool_bar.h"
#include "toolbar/toolbar_customizer.h"
#include "ui/form.h"
#include "ui/memo.h"
#include "ui/menus.h"
#include "ui/timer.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace app {

class TForm1 : public ui::TForm {
public:
  explicit TForm1(ui::TComponent* owner);

  ui::TMemo* Memo1;
  ui::TMainMenu* MainMenu1;
  ui::TMenuItem* N2;
  toolbar::TDockPanel* AdvDockPanel1; // top, carries the toolbar
  toolbar::TDockPanel* AdvDockPanel2; // left
  toolbar::TDockPanel* AdvDockPanel3; // right
  toolbar::TDockPanel* AdvDockPanel4; // bottom
  toolbar::TToolBar* AdvToolBar1;
  // Keeps the toolbar's layout in ".\untitled.ini" (saved as designed, the user's applied).
  toolbar::TIniProfileStore AdvToolBarCustomizer1File{toolbar::kConversationLayoutFile};
  toolbar::TToolBarCustomizer AdvToolBarCustomizer1{AdvToolBarCustomizer1File};
  // Writes the journal once an answer is drawn, and two seconds after the first change not
  // journaled yet (journal::TJournalSchedule).
  ui::TTimer* JournalTimer;

  // The conversation's journal, kept from start-up; empty when it could not be started (the
  // error box said why).
  std::unique_ptr<journal::TConversationJournal> Journal;

  // The line count recorded right after the last answer line was added.
  std::int32_t CountAfterAnswer = 0;

  // The window shown by the Help item; set by start-up once it exists.
  ui::TForm* HelpForm = nullptr;

  void FormCreate(ui::TComponent* Sender);
  void Memo1KeyDown(ui::TComponent* Sender, std::uint16_t& Key, ui::TShiftState Shift);
  void N8Click(ui::TComponent* Sender);
  void FormClose(ui::TComponent* Sender, ui::TCloseAction& Action);
  void Memo1Change(ui::TComponent* Sender);
  void JournalTimerTimer(ui::TComponent* Sender);

  // Builds the answer line for the code, adds it as the area's new last line, returns its index.
  std::int32_t AddAnswerLine(std::uint32_t answerCode);

  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
  // Recovers what earlier instances left in the journals, then starts this one's journal;
  // problems are reported once the window shows.
  void StartJournal();
  // Sets the journal's timer when the schedule moved it.
  void ScheduleJournal(std::optional<unsigned> delayMs);
  void SaveJournal();
  // Appends the close's record to the log (through the journal, which then goes).
  void LogConversation();

  std::string startupReport_;
  journal::TJournalSchedule journalSchedule_;
  // The session ends: the conversation was logged (or its journal kept) and the window closes
  // without logging again.
  bool sessionEnded_ = false;
};

} // namespace app
