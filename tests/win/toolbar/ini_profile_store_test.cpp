#include "toolbar/ini_profile_store_win.h"
#include "toolbar/profile_section.h"
#include "toolbar/toolbar_customizer.h"

#include "../app/log_scratch_directory.h"
#include "designed_layout.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace toolbar {
namespace {

using test::kDesignedSection;

const wchar_t kIni[] = L"untitled.ini";

// A fresh current directory for each test, so ".\untitled.ini" is the test's own.
class IniLayoutTest : public ::testing::Test {
protected:
  IniLayoutTest() { UseConversationWindowSettings(customizer); }

  static std::string IniBytes() { return testing_support::FileBytes(kIni); }
  static void WriteIni(const std::string& bytes) { testing_support::WriteFileBytes(kIni, bytes); }

  // The conversation window's toolbar: one unnamed menu button.
  static TToolBarModel Designed() {
    TToolBarModel toolbar;
    TToolBarItem help;
    help.Kind = TToolBarItemKind::MenuButton;
    help.Caption = "&Справка ";
    toolbar.Items.push_back(help);
    return toolbar;
  }

  testing_support::TScratchDirectory directory_;
  TIniProfileStore store{".\\untitled.ini"};
  TToolBarCustomizer customizer{store};
};

TEST_F(IniLayoutTest, EveryStartWritesTheSameSixLinesInPlace) {
  TToolBarModel toolbar = Designed();
  customizer.Loaded(toolbar);
  EXPECT_EQ(IniBytes(), kDesignedSection);
  ASSERT_EQ(toolbar.Items.size(), 1u);
  EXPECT_EQ(toolbar.Items[0].Caption, "&Справка ");

  TToolBarModel again = Designed();
  customizer.Loaded(again);
  EXPECT_EQ(IniBytes(), kDesignedSection);
}

TEST_F(IniLayoutTest, AUserSectionIsReadBackAndApplied) {
  // As a person might leave it: other case, blanks around the signs, a hexadecimal number.
  const std::string user = "[advtoolbarcustomizer1]\r\n"
                           "ATBCaption = Main\r\n"
                           "toolbaritemcount=0x3\r\n"
                           "Name0=NewSep\r\n"
                           "Name0.ClassName=ADVTOOLBARSEPARATOR\r\n"
                           "Name1=Find\r\n"
                           "Name1.ClassName=ADVTOOLBARBUTTON\r\n"
                           "Name1.Caption=&Find\r\n"
                           "Name1.ShowCaption=1\r\n"
                           "Name1.ImageIndex=7\r\n"
                           "Name2=HELP\r\n"
                           "Name2.ClassName=-1\r\n";
  WriteIni(user);
  TToolBarModel toolbar = Designed();
  toolbar.Items[0].Name = "Help";
  TToolBarItem old;
  old.Name = "Old";
  toolbar.Items.push_back(old);
  customizer.Loaded(toolbar);

  ASSERT_EQ(toolbar.Items.size(), 3u);
  EXPECT_EQ(toolbar.Items[0].Kind, TToolBarItemKind::Separator);
  EXPECT_EQ(toolbar.Items[0].Name, "NewSep");
  EXPECT_EQ(toolbar.Items[1].Kind, TToolBarItemKind::Button);
  EXPECT_EQ(toolbar.Items[1].Caption, "&Find");
  EXPECT_EQ(toolbar.Items[1].ImageIndex, 7);
  EXPECT_TRUE(toolbar.Items[1].ShowCaption);
  EXPECT_EQ(toolbar.Items[2].Name, "Help");
  ASSERT_EQ(toolbar.SetAside.size(), 1u);
  EXPECT_EQ(toolbar.SetAside[0].Name, "Old");
  EXPECT_EQ(toolbar.Caption, "Main");
  // The user's section is only read (the file may be rewritten, values stay); the designed one
  // follows it.
  EXPECT_EQ(store.ReadString("AdvToolBarCustomizer1", "Name1.Caption", ""), "&Find");
  const std::string bytes = IniBytes();
  EXPECT_LT(bytes.find("[advtoolbarcustomizer1]\r\n"), bytes.find(kDesignedSection));
}

TEST_F(IniLayoutTest, AValueIsReadUpTo2047Characters) {
  WriteIni("[AdvToolBarCustomizer1]\r\nATBCaption=" + std::string(3000, 'x') + "\r\n");
  TToolBarModel toolbar = Designed();
  customizer.ApplySavedLayout(toolbar);
  EXPECT_EQ(toolbar.Caption, std::string(2047, 'x'));
}

TEST_F(IniLayoutTest, SavedUserLayoutAndResetGoThroughTheFile) {
  TToolBarModel toolbar = Designed();
  customizer.Loaded(toolbar);
  TToolBarModel arranged = toolbar;
  TToolBarItem button;
  button.Name = "Find";
  button.Caption = "Find";
  button.ImageIndex = 2;
  arranged.Items.insert(arranged.Items.begin(), button);
  customizer.SaveUserLayout(arranged);
  EXPECT_EQ(IniBytes(), kDesignedSection + "[AdvToolBarCustomizer1]\r\n"
                                           "ATBCaption=\r\n"
                                           "GlyphPosition=0\r\n"
                                           "ToolBarItemCount=2\r\n"
                                           "Name0=Find\r\n"
                                           "Name0.ClassName=ADVTOOLBARBUTTON\r\n"
                                           "Name0.ImageIndex=2\r\n"
                                           "Name0.ShowCaption=1\r\n"
                                           "Name0.Caption=Find\r\n"
                                           "Name0.Hint=\r\n"
                                           "Name1=\r\n"
                                           "Name1.ClassName=-1\r\n");
  customizer.Reset(toolbar);
  EXPECT_EQ(IniBytes(), kDesignedSection);
}

// The section read whole gives each key what the profile functions give it one key at a time,
// for the ways a person might write the file by hand.
TEST_F(IniLayoutTest, ASectionReadOnceGivesEveryKeyItsOwnReadsValue) {
  const std::string longValue(3000, 'x');
  WriteIni("[Other]\r\nName0=another section\r\n"
           "[advtoolbarcustomizer1]\r\n"
           "; Name1=a comment\r\n"
           "  Name0  =  blanks around  \r\n"
           "NAME0=the second of two\r\n"
           "Name1=\"quoted\"\r\nName2='single'\r\nName3=\"unbalanced\r\nName4=\"\"\r\n"
           "Name5=a=b\r\nName6\r\nName7=\r\nName8=\" inner blanks \"\r\nName9=\xC3\xEB\r\n"
           "Name10=" +
           longValue + "\r\nName11=\"" + longValue +
           "\"\r\n"
           "\tName12\t=\ttabs\t\r\n"
           "[AdvToolBarCustomizer1]\r\nName13=a section named twice\r\nName0=again\r\n");
  const std::vector<std::string> keys = {"name0",  "Name1",  "Name2",  "Name3",  "Name4",
                                         "Name5",  "Name6",  "Name7",  "Name8",  "Name9",
                                         "Name10", "Name11", "Name12", "Name13", "Missing"};
  auto compare = [&](const std::string& section) {
    SCOPED_TRACE(section);
    const TProfileSection read(store, section);
    for (const std::string& key : keys)
      EXPECT_EQ(read.ReadString(key, "(fallback)"), store.ReadString(section, key, "(fallback)"))
          << key;
  };
  compare("AdvToolBarCustomizer1");
  compare("Other");
  compare("Absent");
  EXPECT_EQ(TProfileSection(store, "AdvToolBarCustomizer1").ReadString("Name0", ""),
            "blanks around");
  DeleteFileW(kIni); // and no file at all
  compare("AdvToolBarCustomizer1");
}

// The profile functions keep the file in the system's ANSI code page: Russian text is written
// and read as Windows-1251 bytes where that is the code page (the Russian run of this test).
TEST_F(IniLayoutTest, RussianTextIsKeptAsWindows1251Bytes) {
  if (GetACP() != 1251)
    GTEST_SKIP() << "the system's ANSI code page is " << GetACP();
  ASSERT_TRUE(store.WriteString("S", "Caption", "Главная"));
  EXPECT_EQ(IniBytes(), "[S]\r\nCaption=Главная\r\n");
  EXPECT_EQ(store.ReadString("S", "caption", ""), "Главная");
}

TEST_F(IniLayoutTest, AFileThatCannotBeWrittenIsAnError) {
  ASSERT_TRUE(CreateDirectoryW(kIni, nullptr));
  TToolBarModel toolbar = Designed();
  try {
    customizer.Loaded(toolbar);
    ADD_FAILURE() << "no error";
  } catch (const EIniFileError& error) {
    EXPECT_EQ(error.Message(), "Unable to write to .\\untitled.ini");
  }
  EXPECT_EQ(toolbar.Items.size(), 1u);
}

} // namespace
} // namespace toolbar
