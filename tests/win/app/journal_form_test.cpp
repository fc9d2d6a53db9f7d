// The conversation window's journal on real files: written after each answer and after a pause
// in typing, gone after a close, kept after a failed one; and the start-up's recovery of what
// earlier instances left, byte for byte, with damaged journals, a live owner and a locked log.
#include "app/log_file.h"
#include "journal/conversation_journal.h"

#include "../journal/journal_files.h"
#include "conversation_fixture.h"

#include <functional>
#include <string>

namespace app {
namespace {

using journal::FrameJournal;
using journal::JournalNames;
using journal::TJournalNames;
using testing_support::Exists;
using testing_support::FileBytes;
using testing_support::Hidden;
using testing_support::JournalRecord;
using testing_support::OwnJournal;
using testing_support::PlantJournal;
using ui::Application;

const SYSTEMTIME kNow{2024, 3, 2, 5, 13, 4, 5, 250}; // Tuesday 5 March 2024, 13:04:05

// Instances that are not this process, as other programs would have left them.
constexpr unsigned long kGone = 4000000001;
constexpr unsigned long kGoneLater = 4000000002;
constexpr unsigned long kAlive = 4000000003;

class JournalFormTest : public test::ConversationTest {
protected:
  void SetUp() override {
    ConversationTest::SetUp();
    Application().Seams().LocalTime = [] { return kNow; };
  }

  static std::string Record(const std::string& conversation) {
    return ConversationRecord(conversation, {2024, 3, 5, 13, 4, 5, 250});
  }
  static TJournalNames Names(unsigned long instance) {
    return JournalNames(kLogFileName, instance);
  }

  void Type(const std::wstring& text) {
    for (wchar_t c : text)
      SendMessageW(form_->Memo1->Handle(), WM_CHAR, c, 1);
  }
  // Runs the message loop until done holds; false after 20 s without.
  static bool PumpUntil(const std::function<bool()>& done) {
    for (int waited = 0; waited < 20000; waited += 20) {
      Application().ProcessMessages();
      if (done())
        return true;
      Sleep(20);
    }
    return false;
  }

  // Lets the journal's timer run out and its write finish.
  void SettleJournal() {
    ASSERT_TRUE(PumpUntil([&] { return !form_->JournalTimer->Enabled(); }));
    form_->Journal->Wait();
  }

  const TJournalNames own_ = OwnJournal();
};

TEST_F(JournalFormTest, AnAnswerIsJournaledAtOnceAsTheRecordACloseWouldAppend) {
  Create();
  EXPECT_FALSE(Exists(own_.Journal)); // nothing to keep yet
  EXPECT_TRUE(Hidden(own_.Lock));     // but the lock is held from the start
  Type(L"Что меня ждёт?");
  PressEnter();
  EXPECT_EQ(form_->JournalTimer->Interval(), static_cast<unsigned>(USER_TIMER_MINIMUM));
  ASSERT_TRUE(PumpUntil([&] { return Exists(own_.Journal); }));
  form_->Journal->Wait();
  // The thought, the answer line and the Enter's line break, as a close now would log them.
  EXPECT_EQ(JournalRecord(own_.Journal), Record(form_->Memo1->Text()));
  EXPECT_TRUE(Hidden(own_.Journal));
  EXPECT_FALSE(Exists(own_.Temporary));
  EXPECT_EQ(FileBytes(kLogFileName), "<missing>");
}

TEST_F(JournalFormTest, TypingIsJournaledAfterAPauseNotAtEveryKey) {
  Create();
  Type(L"мысль без Enter");
  EXPECT_TRUE(form_->JournalTimer->Enabled());
  EXPECT_EQ(form_->JournalTimer->Interval(), 2000u);
  EXPECT_FALSE(Exists(own_.Journal)); // no write per key
  ASSERT_TRUE(PumpUntil([&] { return Exists(own_.Journal); }));
  form_->Journal->Wait();
  EXPECT_EQ(JournalRecord(own_.Journal), Record("мысль без Enter"));
  EXPECT_FALSE(form_->JournalTimer->Enabled()); // one write per pause
}

TEST_F(JournalFormTest, ACloseLeavesNoJournalAndAFailedCloseKeepsItsRecord) {
  Create();
  Type(L"раз");
  PressEnter();
  Type(L"два");
  ASSERT_TRUE(CreateDirectoryW(kLogFileName, nullptr)); // the log cannot be written
  SendMessageW(form_->Handle(), WM_CLOSE, 0, 0);
  ASSERT_EQ(errors_.size(), 1u);
  const std::string conversation = form_->Memo1->Text();
  EXPECT_EQ(JournalRecord(own_.Journal), Record(conversation));

  ASSERT_TRUE(RemoveDirectoryW(kLogFileName));
  SendMessageW(form_->Handle(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(Application().Terminated());
  EXPECT_EQ(FileBytes(kLogFileName), Record(conversation));
  EXPECT_FALSE(Exists(own_.Journal));
  EXPECT_FALSE(Exists(own_.Temporary));
  // Nothing is journaled after the close, whatever still reaches the area.
  Type(L"!");
  form_->JournalTimer->Tick();
  form_->Journal->Wait();
  EXPECT_FALSE(Exists(own_.Journal));
  form_.reset();
  EXPECT_FALSE(Exists(own_.Lock));
}

TEST_F(JournalFormTest, AQueryToEndTheSessionJournalsTheClosesRecordAtOnce) {
  Create();
  Type(L"до выхода");
  SendMessageW(form_->Handle(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF);
  EXPECT_EQ(JournalRecord(own_.Journal), Record("до выхода")); // not left to the timer
  EXPECT_EQ(FileBytes(kLogFileName), "<missing>");
  SendMessageW(form_->Handle(), WM_ENDSESSION, FALSE, 0);
  Type(L" и дальше"); // called off: the conversation and its journal go on
  SettleJournal();
  EXPECT_EQ(JournalRecord(own_.Journal), Record("до выхода и дальше"));
}

TEST_F(JournalFormTest, SteadyTypingIsJournaledWithinTwoSecondsOfTheFirstKey) {
  Create();
  // A key every 1.5 s, never a pause of two seconds: the first key's time runs out regardless.
  for (const wchar_t* key : {L"а", L"б", L"в"}) {
    Type(key);
    const DWORD typed = GetTickCount();
    PumpUntil([&] { return GetTickCount() - typed >= 1500; });
  }
  form_->Journal->Wait();
  ASSERT_TRUE(Exists(own_.Journal)); // at 2 s, with the second key; the third is still waiting
  const std::string record = JournalRecord(own_.Journal);
  EXPECT_TRUE(record == Record("аб") || record == Record("абв")) << record; // slow machine: both
}

TEST_F(JournalFormTest, AFailingJournalIsReportedOnceAndTheConversationGoesOn) {
  Create();
  const TJournalNames own = form_->Journal->Names();
  ASSERT_TRUE(CreateDirectoryW(own.Temporary.c_str(), nullptr));
  Type(L"раз");
  PressEnter();
  SettleJournal();
  Type(L"два");
  PressEnter();
  SettleJournal();
  Application().ProcessMessages();
  ASSERT_EQ(errors_.size(), 1u);
  EXPECT_EQ(errors_[0].text.rfind("Журнал разговора не записан: File access denied.", 0), 0u)
      << errors_[0].text;
  EXPECT_TRUE(form_->JournalTimer->Enabled()); // tried again, without a word
  EXPECT_EQ(form_->JournalTimer->Interval(), 2000u);
  // Once the disk takes it again, a later failure is news again.
  RemoveDirectoryW(own.Temporary.c_str());
  Type(L"три");
  PressEnter();
  SettleJournal();
  EXPECT_TRUE(Exists(own.Journal));
  ASSERT_TRUE(CreateDirectoryW(own.Temporary.c_str(), nullptr));
  Type(L"четыре");
  PressEnter();
  SettleJournal();
  Application().ProcessMessages();
  EXPECT_EQ(errors_.size(), 2u);
  RemoveDirectoryW(own.Temporary.c_str());
}

TEST_F(JournalFormTest, AJournalFailureWhileAnotherBoxIsOpenIsToldOnceItCloses) {
  Create();
  const TJournalNames own = form_->Journal->Names();
  Type(L"раз");
  ASSERT_TRUE(CreateDirectoryW(kLogFileName, nullptr)); // the close fails with a box
  Application().Seams().ErrorBox = [&](HWND, const std::string& text, const std::string& caption) {
    errors_.push_back({text, caption});
    if (errors_.size() > 1)
      return;
    // While the box is open the same disk refuses the journal's snapshot.
    CreateDirectoryW(own.Temporary.c_str(), nullptr);
    form_->JournalTimer->Tick();
    form_->Journal->Wait();
    Application().ProcessMessages();
  };
  SendMessageW(form_->Handle(), WM_CLOSE, 0, 0);
  ASSERT_EQ(errors_.size(), 2u);
  EXPECT_EQ(errors_[0].text, "File access denied."); // the close's
  EXPECT_EQ(errors_[1].text.rfind("Журнал разговора не записан: File access denied.", 0), 0u)
      << errors_[1].text;
  RemoveDirectoryW(own.Temporary.c_str());
  RemoveDirectoryW(kLogFileName);
}

TEST_F(JournalFormTest, ALogOffWhileACloseIsReportedLogsTheConversationOnce) {
  Create();
  const TJournalNames own = form_->Journal->Names();
  Type(L"раз");
  // The close appends, but its temporary file (a folder here) stays: a box says so.
  ASSERT_TRUE(CreateDirectoryW(own.Temporary.c_str(), nullptr));
  bool journaledAgain = false;
  Application().Seams().ErrorBox = [&](HWND, const std::string& text, const std::string& caption) {
    errors_.push_back({text, caption});
    // The user deletes it, as told, and logs off before closing the box.
    RemoveDirectoryW(own.Temporary.c_str());
    SendMessageW(form_->Handle(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF);
    journaledAgain = Exists(own.Journal);
    SendMessageW(form_->Handle(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
  };
  SendMessageW(form_->Handle(), WM_CLOSE, 0, 0);
  ASSERT_EQ(errors_.size(), 1u);
  EXPECT_EQ(errors_[0].text.rfind("Разговор записан, но его журнал", 0), 0u) << errors_[0].text;
  EXPECT_FALSE(journaledAgain);
  EXPECT_EQ(FileBytes(kLogFileName), Record("раз"));
  EXPECT_FALSE(Exists(own.Journal));
  EXPECT_TRUE(Application().Terminated());
}

TEST_F(JournalFormTest, StartUpAppendsLeftJournalsOldestFirstByteForByte) {
  testing_support::WriteFileBytes(kLogFileName, "earlier\r\n");
  const std::string first = "1.1.2024 9:00:00\r\nпервый\r\n12345678 - Ответ.\r\n\r\n";
  const std::string second = "2.1.2024 9:00:00\r\nвторой\r\n";
  PlantJournal(Names(kGoneLater).Journal, FrameJournal(second), 5);
  PlantJournal(Names(kGone).Journal, FrameJournal(first), 10);
  PlantJournal(Names(kGone).Temporary, "unfinished", 10);
  PlantJournal(Names(kGoneLater).Lock, "", 5); // a power cut left it; nobody holds it
  Create();
  EXPECT_EQ(FileBytes(kLogFileName), "earlier\r\n" + first + second);
  for (unsigned long instance : {kGone, kGoneLater}) {
    EXPECT_FALSE(Exists(Names(instance).Journal));
    EXPECT_FALSE(Exists(Names(instance).Temporary));
    EXPECT_FALSE(Exists(Names(instance).Lock));
  }
  EXPECT_TRUE(errors_.empty());
}

TEST_F(JournalFormTest, StartUpDropsAnEmptyConversationAndARecordAlreadyLogged) {
  const std::string logged = "1.1.2024 9:00:00\r\nуже в журнале\r\n";
  testing_support::WriteFileBytes(kLogFileName, logged);
  // The run that appended it died before deleting its journal.
  PlantJournal(Names(kGone).Journal, FrameJournal(logged), 10);
  PlantJournal(Names(kGoneLater).Journal, FrameJournal("2.1.2024 9:00:00\r\n\r\n"), 5);
  Create();
  EXPECT_EQ(FileBytes(kLogFileName), logged);
  EXPECT_FALSE(Exists(Names(kGone).Journal));
  EXPECT_FALSE(Exists(Names(kGoneLater).Journal));
  EXPECT_TRUE(errors_.empty());
}

TEST_F(JournalFormTest, ADamagedJournalIsSetAsideAndReportedOnceTheWindowShows) {
  const std::string whole = FrameJournal("1.1.2024 9:00:00\r\nцелый\r\n");
  PlantJournal(Names(kGone).Journal, whole.substr(0, whole.size() - 3), 10); // torn
  PlantJournal(Names(kGoneLater).Journal, "посторонний файл", 5);
  form_ = std::make_unique<TForm1>(&Application());
  Application().SetMainForm(form_.get());
  form_->AfterConstruction();
  EXPECT_TRUE(errors_.empty()); // not before the window shows
  form_->Show();
  Application().ProcessMessages();
  ASSERT_EQ(errors_.size(), 1u);
  const std::string expected =
      "Журнал \"Your.txt.4000000001.journal\" не дописан в \"Your.txt\": журнал оборван. Он "
      "отложен как \"Your.txt.4000000001.journal.bad\".\n"
      "Журнал \"Your.txt.4000000002.journal\" не дописан в \"Your.txt\": это не журнал "
      "разговора. Он отложен как \"Your.txt.4000000002.journal.bad\".";
  EXPECT_EQ(errors_[0].text, expected);
  EXPECT_EQ(FileBytes(L"Your.txt.4000000001.journal.bad"), whole.substr(0, whole.size() - 3));
  EXPECT_EQ(FileBytes(kLogFileName), "<missing>");
  EXPECT_TRUE(IsWindowVisible(form_->Handle()));
}

TEST_F(JournalFormTest, ALiveInstancesJournalIsLeftAloneUntilItsOwnerIsGone) {
  auto alive = std::make_unique<journal::TConversationJournal>(ConversationLog(), kAlive, nullptr);
  alive->Save([] { return Record("жив\r\n"); });
  alive->Wait();
  Create();
  EXPECT_TRUE(Exists(Names(kAlive).Journal));
  EXPECT_EQ(FileBytes(kLogFileName), "<missing>");

  alive.reset(); // its owner ends without a close: the journal stays behind
  Application().SetMainForm(nullptr);
  form_.reset();
  Create();
  EXPECT_EQ(FileBytes(kLogFileName), Record("жив\r\n"));
  EXPECT_FALSE(Exists(Names(kAlive).Journal));
}

TEST_F(JournalFormTest, ALockedLogKeepsTheJournalsForTheNextStartAndSaysSo) {
  const std::string first = "1.1.2024 9:00:00\r\nпервый\r\n";
  const std::string second = "2.1.2024 9:00:00\r\nвторой\r\n";
  PlantJournal(Names(kGone).Journal, FrameJournal(first), 10);
  PlantJournal(Names(kGoneLater).Journal, FrameJournal(second), 5);
  {
    // Another program has the log open for writing.
    HANDLE log = CreateFileW(kLogFileName, GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_NEW,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(log, INVALID_HANDLE_VALUE);
    Create();
    CloseHandle(log);
  }
  ASSERT_EQ(errors_.size(), 1u);
  EXPECT_EQ(errors_[0].text,
            "Разговор из журнала \"Your.txt.4000000001.journal\" не дописан в \"Your.txt\": I/O "
            "error 32. Журнал остаётся до следующего запуска, как и более поздние.");
  EXPECT_TRUE(IsWindowVisible(form_->Handle()));
  EXPECT_TRUE(Exists(Names(kGone).Journal));
  EXPECT_TRUE(Exists(Names(kGoneLater).Journal));

  Application().SetMainForm(nullptr);
  form_.reset();
  Create();
  EXPECT_EQ(FileBytes(kLogFileName), first + second);
  EXPECT_EQ(errors_.size(), 1u);
}

} // namespace
} // namespace app
