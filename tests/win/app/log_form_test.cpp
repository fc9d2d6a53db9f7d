// The conversation window's log and layout file, in a fresh current directory: what a close, an
// Enter that ends the conversation and the end of a session leave in "Your.txt", and what the
// toolbar leaves in and takes from ".\untitled.ini" as the window is created.
#include "app/log_file.h"
#include "journal/journal_file.h"
#include "ui/win_text.h"

#include "../toolbar/designed_layout.h"
#include "conversation_fixture.h"

#include <string>

namespace app {
namespace {

using test::kTitle;
using testing_support::FileBytes;
using testing_support::WriteFileBytes;
using toolbar::test::kDesignedSection;
using ui::Application;

const wchar_t kLog[] = L"Your.txt";
const wchar_t kIni[] = L"untitled.ini";
const SYSTEMTIME kClosingTime{2024, 3, 2, 5, 13, 4, 5, 250}; // Tuesday 5 March 2024, 13:04:05

class LogFormTest : public test::ConversationTest {
protected:
  void SetUp() override {
    ConversationTest::SetUp();
    Application().Seams().LocalTime = [] { return kClosingTime; };
  }

  LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return SendMessageW(form_->Handle(), message, wParam, lParam);
  }

  static std::string Record(const std::string& conversation) {
    const SYSTEMTIME& t = kClosingTime;
    const TLocalDateTime when{t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond, 0};
    return LogDateTimeText(when, UserRegionalSettings()) + "\r\n" + conversation + "\r\n";
  }
};

TEST_F(LogFormTest, EveryCloseCommandAppendsOneWholeRecord) {
  Create();
  EXPECT_EQ(FileBytes(kLog), "<missing>"); // nothing is written before a close
  form_->Memo1->SetText("Что меня ждёт?\r\n35418A99 - Ответ.\r\nА потом?");
  Send(WM_CLOSE);
  EXPECT_TRUE(Application().Terminated());
  const std::string first = Record("Что меня ждёт?\r\n35418A99 - Ответ.\r\nА потом?");
  EXPECT_EQ(FileBytes(kLog), first);

  // The next run's window, closed from its system menu.
  Application().SetMainForm(nullptr);
  form_.reset();
  Application().ProcessMessages(); // the first close's WM_QUIT
  Application().ResetTerminated();
  Create();
  Send(WM_SYSCOMMAND, SC_CLOSE);
  EXPECT_EQ(FileBytes(kLog), first + Record(""));
  EXPECT_TRUE(errors_.empty());
}

TEST_F(LogFormTest, AnEnterInTheEmptyAreaLogsItsAnswerAndAnEmptyLine) {
  Create();
  PressEnter();
  EXPECT_TRUE(Application().Terminated());
  // The record holds the area as it was at the close: the answer line and its line break (the
  // Enter's own line break comes after).
  const std::string text = form_->Memo1->Text();
  const std::string answer = text.substr(0, text.find("\r\n"));
  ASSERT_GE(answer.size(), 65u) << text;
  EXPECT_EQ(FileBytes(kLog), Record(answer + "\r\n"));
}

TEST_F(LogFormTest, AFailedCloseKeepsTheConversationAndALaterCloseWritesAWholeRecord) {
  Create();
  form_->Memo1->SetText("мысль");
  ASSERT_TRUE(CreateDirectoryW(kLog, nullptr));
  Send(WM_CLOSE);
  EXPECT_FALSE(Application().Terminated());
  ASSERT_EQ(errors_.size(), 1u);
  EXPECT_EQ(errors_[0].text, "File access denied.");
  EXPECT_EQ(errors_[0].caption, kTitle);
  EXPECT_TRUE(IsWindowVisible(form_->Handle()));

  ASSERT_TRUE(RemoveDirectoryW(kLog));
  Send(WM_CLOSE);
  EXPECT_TRUE(Application().Terminated());
  EXPECT_EQ(FileBytes(kLog), Record("мысль"));
  EXPECT_EQ(errors_.size(), 1u);
}

TEST_F(LogFormTest, TheEndOfASessionLogsTheConversationOnceAndEndsTheProgram) {
  Create();
  form_->Memo1->SetText("до выключения");
  EXPECT_EQ(Send(WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), TRUE);
  EXPECT_EQ(FileBytes(kLog), "<missing>"); // not before the end is certain
  Send(WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
  EXPECT_TRUE(Application().Terminated());
  EXPECT_EQ(FileBytes(kLog), Record("до выключения"));
  Send(WM_CLOSE); // whatever still closes the window, or ends the session once more
  Send(WM_ENDSESSION, TRUE, ENDSESSION_CRITICAL);
  EXPECT_EQ(FileBytes(kLog), Record("до выключения"));
  EXPECT_TRUE(errors_.empty());
}

TEST_F(LogFormTest, ALogOffThatIsCalledOffChangesNothing) {
  Create();
  form_->Memo1->SetText("раз");
  for (int attempt = 0; attempt < 2; ++attempt) { // another program refuses, twice
    EXPECT_EQ(Send(WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), TRUE);
    Send(WM_ENDSESSION, FALSE, ENDSESSION_LOGOFF);
  }
  EXPECT_FALSE(Application().Terminated());
  form_->Memo1->SetText("раз\r\nдва");
  Send(WM_CLOSE);
  EXPECT_EQ(FileBytes(kLog), Record("раз\r\nдва"));
  EXPECT_TRUE(errors_.empty());
}

TEST_F(LogFormTest, AnEndOfSessionThatCannotLogLeavesTheRecordInTheJournal) {
  Create();
  form_->Memo1->SetText("текст");
  ASSERT_TRUE(CreateDirectoryW(kLog, nullptr));
  EXPECT_EQ(Send(WM_QUERYENDSESSION), TRUE);
  Send(WM_ENDSESSION, TRUE);
  EXPECT_TRUE(Application().Terminated()); // nobody is left to read a box
  EXPECT_TRUE(errors_.empty());
  EXPECT_EQ(journal::ReadJournal(form_->Journal->Names().Journal).Record, Record("текст"));
  ASSERT_TRUE(RemoveDirectoryW(kLog));
}

TEST_F(LogFormTest, CreationWritesTheDesignedLayoutInPlaceAndLeavesTheToolbar) {
  Create();
  EXPECT_EQ(FileBytes(kIni), kDesignedSection);
  const toolbar::TToolBarModel& model = form_->AdvToolBar1->Model();
  ASSERT_EQ(model.Items.size(), 1u);
  EXPECT_EQ(model.Items[0].Kind, toolbar::TToolBarItemKind::MenuButton);
  EXPECT_EQ(model.Items[0].Caption, "&Справка ");

  // The next start rewrites the same values.
  Application().SetMainForm(nullptr);
  form_.reset();
  Create();
  EXPECT_EQ(FileBytes(kIni), kDesignedSection);
}

TEST_F(LogFormTest, CreationAppliesTheUsersLayout) {
  WriteFileBytes(kIni, "[AdvToolBarCustomizer1]\r\n"
                       "ToolBarItemCount=2\r\n"
                       "Name0=Find\r\n"
                       "Name0.ClassName=ADVTOOLBARBUTTON\r\n"
                       "Name0.Caption=Найти\r\n"
                       "Name1=Sep\r\n"
                       "Name1.ClassName=ADVTOOLBARSEPARATOR\r\n");
  Create();
  const toolbar::TToolBarModel& model = form_->AdvToolBar1->Model();
  ASSERT_EQ(model.Items.size(), 2u);
  EXPECT_EQ(model.Items[0].Name, "Find");
  EXPECT_EQ(model.Items[0].Kind, toolbar::TToolBarItemKind::Button);
  EXPECT_EQ(model.Items[1].Kind, toolbar::TToolBarItemKind::Separator);
  EXPECT_EQ(form_->AdvToolBar1->ItemRects().size(), 2u); // laid out anew
  // The unnamed menu button cannot be named by a saved layout: it is set aside.
  ASSERT_EQ(model.SetAside.size(), 1u);
  EXPECT_EQ(model.SetAside[0].Kind, toolbar::TToolBarItemKind::MenuButton);
  EXPECT_NE(FileBytes(kIni).find(kDesignedSection), std::string::npos);
}

TEST_F(LogFormTest, AnUnwritableLayoutFileStopsTheWindowBeingCreated) {
  ASSERT_TRUE(CreateDirectoryW(kIni, nullptr));
  try {
    TForm1 form(&Application());
    ADD_FAILURE() << "the window was created";
  } catch (const toolbar::EIniFileError& error) {
    EXPECT_EQ(error.Message(), "Unable to write to .\\untitled.ini");
  }
  EXPECT_EQ(FindWindowW(nullptr, ui::ToWide(kTitle).c_str()), nullptr);
}

} // namespace
} // namespace app
