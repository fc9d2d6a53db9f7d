#include "toolbar/toolbar_customizer.h"

#include "memory_profile_store.h"

#include <gtest/gtest.h>

namespace toolbar {
namespace {

using TKeys = TMemoryProfileStore::TKeys;
const std::string kUser = "AdvToolBarCustomizer1";
const std::string kDesigned = "AdvToolBarCustomizer1Org";

TToolBarItem Button(const std::string& name, const std::string& caption, int image = -1) {
  TToolBarItem item;
  item.Kind = TToolBarItemKind::Button;
  item.Name = name;
  item.Caption = caption;
  item.ImageIndex = image;
  return item;
}

TToolBarItem Separator(const std::string& name) {
  TToolBarItem item;
  item.Kind = TToolBarItemKind::Separator;
  item.Name = name;
  return item;
}

TToolBarItem MenuButton(const std::string& name) {
  TToolBarItem item;
  item.Kind = TToolBarItemKind::MenuButton;
  item.Name = name;
  item.Caption = "&Справка ";
  return item;
}

std::vector<std::string> Names(const std::vector<TToolBarItem>& items) {
  std::vector<std::string> names;
  for (const TToolBarItem& item : items)
    names.push_back(item.Name);
  return names;
}

void WriteSection(TMemoryProfileStore& store, const std::string& section, const TKeys& keys) {
  for (const auto& [key, value] : keys)
    store.WriteString(section, key, value);
}

class CustomizerTest : public ::testing::Test {
protected:
  CustomizerTest() { UseConversationWindowSettings(customizer); }

  // A toolbar with a named menu button, a separator and two buttons.
  static TToolBarModel FourItems() {
    TToolBarModel toolbar;
    toolbar.Items = {MenuButton("HelpButton"), Separator("Sep1"), Button("OpenBtn", "Открыть", 3),
                     Button("SaveBtn", "Save", 4)};
    return toolbar;
  }

  TMemoryProfileStore store;
  TToolBarCustomizer customizer{store};
};

TEST_F(CustomizerTest, TheConversationToolbarSavesSixLinesAndStaysAsItIs) {
  TToolBarModel toolbar;
  toolbar.Items = {MenuButton("")};
  customizer.Loaded(toolbar);
  const TKeys expected = {{"ATBCaption", ""}, {"GlyphPosition", "0"},
                          {"LargeIcon", "0"}, {"ToolBarItemCount", "1"},
                          {"Name0", ""},      {"Name0.ClassName", "-1"}};
  EXPECT_EQ(store.Section(kDesigned), expected);
  EXPECT_FALSE(store.HasSection(kUser));
  ASSERT_EQ(toolbar.Items.size(), 1u);
  EXPECT_EQ(toolbar.Items[0].Caption, "&Справка ");
  EXPECT_TRUE(toolbar.SetAside.empty());

  // A later start rewrites the same keys in place.
  customizer.Loaded(toolbar);
  EXPECT_EQ(store.Section(kDesigned), expected);
}

TEST_F(CustomizerTest, TheDesignedSectionHoldsEveryButtonKeyButNoCommand) {
  TToolBarModel toolbar = FourItems();
  toolbar.Caption = "Главная";
  toolbar.Items[2].GlyphPosition = 1;
  toolbar.Items[2].CommandID = 0;
  toolbar.Items[3].Visible = false;
  toolbar.Items[3].ShowCaption = false;
  toolbar.Items[3].Hint = "Сохранить";
  customizer.SaveDesignedLayout(toolbar);
  const TKeys expected = {
      {"ATBCaption", "Главная"},
      {"GlyphPosition", "1"},
      {"LargeIcon", "0"},
      {"ToolBarItemCount", "4"},
      {"Name0", "HelpButton"},
      {"Name0.ClassName", "-1"},
      {"Name1", "Sep1"},
      {"Name1.ClassName", "ADVTOOLBARSEPARATOR"},
      {"Name2", "OpenBtn"},
      {"Name2.ClassName", "ADVTOOLBARBUTTON"},
      {"Name2.ImageIndex", "3"},
      {"Name2.Visible", "1"},
      {"Name2.ShowCaption", "1"},
      {"Name2.Caption", "Открыть"},
      {"Name2.Hint", ""},
      {"Name3", "SaveBtn"},
      {"Name3.ClassName", "ADVTOOLBARBUTTON"},
      {"Name3.ImageIndex", "4"},
      {"Name3.Visible", "0"},
      {"Name3.ShowCaption", "0"},
      {"Name3.Caption", "Save"},
      {"Name3.Hint", "Сохранить"},
  };
  EXPECT_EQ(store.Section(kDesigned), expected);
}

TEST_F(CustomizerTest, AMissingOrEmptyUserLayoutChangesNothing) {
  const TToolBarModel designed = FourItems();
  auto apply = [&] {
    TToolBarModel toolbar = designed;
    customizer.ApplySavedLayout(toolbar);
    EXPECT_EQ(Names(toolbar.Items), Names(designed.Items));
    EXPECT_EQ(toolbar.Items[2].Caption, "Открыть");
    EXPECT_TRUE(toolbar.SetAside.empty());
  };
  apply(); // no section at all
  WriteSection(store, kUser, {{"Name0", "SaveBtn"}, {"Name0.ClassName", "ADVTOOLBARBUTTON"}});
  apply(); // no count
  store.WriteString(kUser, "ToolBarItemCount", "0");
  apply();
  store.WriteString(kUser, "ToolBarItemCount", "-3");
  apply();
  store.WriteString(kUser, "ToolBarItemCount", "many");
  apply();
}

TEST_F(CustomizerTest, AppliedLayoutAddsByNameReordersAndSetsTheRestAside) {
  TToolBarModel toolbar = FourItems();
  WriteSection(store, kUser,
               {{"ATBCaption", "Мой"},
                {"GlyphPosition", "2"},
                {"ToolBarItemCount", "5"},
                {"Name0", "SAVEBTN"}, // found without regard to case
                {"Name0.ClassName", "ADVTOOLBARBUTTON"},
                {"Name0.Caption", "Записать"},
                {"Name0.ShowCaption", "0"},
                {"Name0.Visible", "0"}, // not a switch of this customizer: ignored
                {"Name1", "NewSep"},
                {"Name1.ClassName", "ADVTOOLBARSEPARATOR"},
                {"Name2", "helpbutton"},
                {"Name2.ClassName", "-1"},
                {"Name3", "NewBtn"},
                {"Name3.ClassName", "ADVTOOLBARBUTTON"},
                {"Name3.ImageIndex", "0x0A"},
                {"Name3.ShowCaption", "2"}, // on only for 1
                {"Name3.Hint", "Новая"},
                {"Name4", "Ghost"},
                {"Name4.ClassName", "-1"}}); // not found, cannot be made: no item
  customizer.ApplySavedLayout(toolbar);

  EXPECT_EQ(toolbar.Caption, "Мой");
  EXPECT_EQ(Names(toolbar.Items),
            (std::vector<std::string>{"SaveBtn", "NewSep", "HelpButton", "NewBtn"}));
  const TToolBarItem& save = toolbar.Items[0];
  EXPECT_EQ(save.Caption, "Записать");
  EXPECT_FALSE(save.ShowCaption);
  EXPECT_TRUE(save.Visible);
  EXPECT_EQ(save.ImageIndex, 4); // key missing: present value kept
  EXPECT_EQ(save.GlyphPosition, 2);
  EXPECT_EQ(toolbar.Items[1].Kind, TToolBarItemKind::Separator);
  EXPECT_EQ(toolbar.Items[2].Kind, TToolBarItemKind::MenuButton);
  EXPECT_EQ(toolbar.Items[2].Caption, "&Справка ");
  const TToolBarItem& made = toolbar.Items[3];
  EXPECT_EQ(made.Kind, TToolBarItemKind::Button);
  EXPECT_EQ(made.ImageIndex, 10);
  EXPECT_FALSE(made.ShowCaption);
  EXPECT_EQ(made.Hint, "Новая");
  EXPECT_EQ(made.GlyphPosition, 2);
  EXPECT_EQ(made.CommandID, -1);
  EXPECT_EQ(Names(toolbar.SetAside), (std::vector<std::string>{"Sep1", "OpenBtn"}));

  // Applying again finds the set-aside item by name instead of making a second one.
  store.WriteString(kUser, "Name4", "openbtn");
  customizer.ApplySavedLayout(toolbar);
  EXPECT_EQ(Names(toolbar.Items),
            (std::vector<std::string>{"SaveBtn", "NewSep", "HelpButton", "NewBtn", "OpenBtn"}));
  EXPECT_EQ(Names(toolbar.SetAside), (std::vector<std::string>{"Sep1"}));
}

TEST_F(CustomizerTest, UnnamedAndUnknownEntriesFindNothing) {
  TToolBarModel toolbar;
  toolbar.Items = {MenuButton(""), Separator(""), Button("B", "b")};
  WriteSection(store, kUser,
               {{"ToolBarItemCount", "4"},
                {"Name0", ""}, // an empty name finds nothing, even an unnamed item
                {"Name0.ClassName", "-1"},
                {"Name1", ""},
                {"Name1.ClassName", "ADVTOOLBARSEPARATOR"}, // made anew, unnamed
                {"Name2", "B"},                             // no class name: skipped
                {"Name3", "b"},
                {"Name3.ClassName", "ADVTOOLBARBUTTON"},
                {"Name3.CommandID", "0"}}); // found: the command is for made buttons only
  customizer.CommandCount = 1;
  customizer.ApplySavedLayout(toolbar);
  ASSERT_EQ(toolbar.Items.size(), 2u);
  EXPECT_EQ(toolbar.Items[0].Kind, TToolBarItemKind::Separator);
  EXPECT_EQ(toolbar.Items[1].Name, "B");
  EXPECT_EQ(toolbar.Items[1].CommandID, -1);
  ASSERT_EQ(toolbar.SetAside.size(), 2u);
  EXPECT_EQ(toolbar.SetAside[0].Kind, TToolBarItemKind::MenuButton);
  EXPECT_EQ(toolbar.SetAside[1].Kind, TToolBarItemKind::Separator);
}

TEST_F(CustomizerTest, MadeButtonsGetOnlyCommandsTheCustomizerHas) {
  customizer.CommandCount = 2;
  TToolBarModel toolbar;
  WriteSection(store, kUser,
               {{"ToolBarItemCount", "3"},
                {"Name0", "C1"},
                {"Name0.ClassName", "ADVTOOLBARBUTTON"},
                {"Name0.CommandID", "1"},
                {"Name1", "C2"},
                {"Name1.ClassName", "ADVTOOLBARBUTTON"},
                {"Name1.CommandID", "2"},
                {"Name2", "C1"}, // listed twice: one item, placed once
                {"Name2.ClassName", "ADVTOOLBARBUTTON"}});
  customizer.ApplySavedLayout(toolbar);
  EXPECT_EQ(Names(toolbar.Items), (std::vector<std::string>{"C1", "C2"}));
  EXPECT_EQ(toolbar.Items[0].CommandID, 1);
  EXPECT_EQ(toolbar.Items[1].CommandID, -1);
}

TEST_F(CustomizerTest, AHandEditedItemCountIsAppliedFromOneReadOfTheSection) {
  TToolBarModel toolbar = FourItems();
  WriteSection(store, kUser,
               {{"ToolBarItemCount", "999999999"}, // capped at 65,536 items
                {"Name2", "SaveBtn"},
                {"Name2.ClassName", "ADVTOOLBARBUTTON"},
                {"Name2.Caption", "Keep"},
                {"NAME7.classname", "ADVTOOLBARSEPARATOR"}, // keys in any case
                {"Name65536", "OpenBtn"},                   // beyond the cap
                {"Name65536.ClassName", "ADVTOOLBARBUTTON"}});
  auto apply = [&] {
    TToolBarModel applied = toolbar;
    store.ReadCount = 0;
    customizer.ApplySavedLayout(applied);
    return applied;
  };
  const TToolBarModel applied = apply();
  EXPECT_EQ(store.ReadCount, 1);
  EXPECT_EQ(Names(applied.Items), (std::vector<std::string>{"SaveBtn", ""}));
  EXPECT_EQ(applied.Items[0].Caption, "Keep");
  EXPECT_EQ(applied.Items[1].Kind, TToolBarItemKind::Separator);
  EXPECT_EQ(Names(applied.SetAside), (std::vector<std::string>{"HelpButton", "Sep1", "OpenBtn"}));

  // A store that cannot hand the section over whole is read key by key, to the same result.
  store.RefuseSectionReads = true;
  const TToolBarModel keyByKey = apply();
  EXPECT_GT(store.ReadCount, 65536);
  EXPECT_EQ(Names(keyByKey.Items), Names(applied.Items));
  EXPECT_EQ(Names(keyByKey.SetAside), Names(applied.SetAside));
  EXPECT_EQ(keyByKey.Items[0].Caption, "Keep");
}

TEST_F(CustomizerTest, UserLayoutIsWrittenAnewWithTheSwitchedOnKeysAndReadsBack) {
  store.WriteString(kUser, "Stale", "x");
  TToolBarModel arranged = FourItems();
  std::swap(arranged.Items[0], arranged.Items[3]);
  arranged.Items[0].CommandID = 1;
  arranged.Caption = "Мой";
  customizer.SaveUserLayout(arranged);
  const TKeys expected = {
      {"ATBCaption", "Мой"},
      {"GlyphPosition", "0"},
      {"ToolBarItemCount", "4"},
      {"Name0", "SaveBtn"},
      {"Name0.ClassName", "ADVTOOLBARBUTTON"},
      {"Name0.CommandID", "1"},
      {"Name0.ImageIndex", "4"},
      {"Name0.ShowCaption", "1"},
      {"Name0.Caption", "Save"},
      {"Name0.Hint", ""},
      {"Name1", "Sep1"},
      {"Name1.ClassName", "ADVTOOLBARSEPARATOR"},
      {"Name2", "OpenBtn"},
      {"Name2.ClassName", "ADVTOOLBARBUTTON"},
      {"Name2.ImageIndex", "3"},
      {"Name2.ShowCaption", "1"},
      {"Name2.Caption", "Открыть"},
      {"Name2.Hint", ""},
      {"Name3", "HelpButton"},
      {"Name3.ClassName", "-1"},
  };
  EXPECT_EQ(store.Section(kUser), expected);

  TToolBarModel toolbar = FourItems();
  customizer.ApplySavedLayout(toolbar);
  EXPECT_EQ(toolbar.Caption, "Мой");
  EXPECT_EQ(Names(toolbar.Items), Names(arranged.Items));
  EXPECT_TRUE(toolbar.SetAside.empty());
}

TEST_F(CustomizerTest, ResetRestoresTheDesignedLayoutAndForgetsTheUsers) {
  TToolBarModel toolbar = FourItems();
  customizer.Loaded(toolbar);
  WriteSection(store, kUser,
               {{"ToolBarItemCount", "2"},
                {"Name0", "Extra"},
                {"Name0.ClassName", "ADVTOOLBARBUTTON"},
                {"Name1", "SaveBtn"},
                {"Name1.ClassName", "ADVTOOLBARBUTTON"},
                {"Name1.Caption", "Записать"}});
  customizer.ApplySavedLayout(toolbar);
  ASSERT_EQ(Names(toolbar.Items), (std::vector<std::string>{"Extra", "SaveBtn"}));
  ASSERT_EQ(toolbar.SetAside.size(), 3u);

  customizer.Reset(toolbar);
  EXPECT_EQ(Names(toolbar.Items), Names(FourItems().Items));
  EXPECT_EQ(toolbar.Items[3].Caption, "Save");
  EXPECT_TRUE(toolbar.SetAside.empty()); // "Extra" is beyond the designed list: destroyed
  EXPECT_FALSE(store.HasSection(kUser));
  EXPECT_TRUE(store.HasSection(kDesigned));
}

TEST_F(CustomizerTest, ARefusedWriteIsAnErrorNamingTheFile) {
  TToolBarModel toolbar;
  toolbar.Items = {MenuButton("")};
  store.RefuseWrites = true;
  using Operation = void (*)(TToolBarCustomizer&, TToolBarModel&);
  const Operation operations[] = {
      [](TToolBarCustomizer& c, TToolBarModel& t) { c.Loaded(t); },
      [](TToolBarCustomizer& c, TToolBarModel& t) { c.SaveUserLayout(t); },
      [](TToolBarCustomizer& c, TToolBarModel& t) { c.Reset(t); },
  };
  for (Operation operation : operations) {
    try {
      operation(customizer, toolbar);
      ADD_FAILURE() << "no error";
    } catch (const EIniFileError& error) {
      EXPECT_EQ(error.Message(), "Unable to write to .\\untitled.ini");
    }
  }
}

TEST_F(CustomizerTest, WithoutPersistenceOrFileNameNothingIsTouched) {
  WriteSection(
      store, kUser,
      {{"ToolBarItemCount", "1"}, {"Name0", "New"}, {"Name0.ClassName", "ADVTOOLBARSEPARATOR"}});
  const int writes = store.WriteCount;
  for (int variant = 0; variant < 2; ++variant) {
    UseConversationWindowSettings(customizer);
    if (variant == 0)
      customizer.Persistence = false;
    else
      customizer.IniFileName.clear();
    TToolBarModel toolbar = FourItems();
    customizer.Loaded(toolbar);
    customizer.SaveUserLayout(toolbar);
    customizer.Reset(toolbar);
    EXPECT_EQ(Names(toolbar.Items), Names(FourItems().Items));
  }
  EXPECT_EQ(store.WriteCount, writes);
}

TEST(ParseProfileInteger, DecimalOrHexadecimalElseTheFallback) {
  EXPECT_EQ(ParseProfileInteger("0", 7), 0);
  EXPECT_EQ(ParseProfileInteger("42", 7), 42);
  EXPECT_EQ(ParseProfileInteger("-5", 7), -5);
  EXPECT_EQ(ParseProfileInteger("+5", 7), 5);
  EXPECT_EQ(ParseProfileInteger("0x1F", 7), 31);
  EXPECT_EQ(ParseProfileInteger("0XfF", 7), 255);
  EXPECT_EQ(ParseProfileInteger("0xFFFFFFFF", 7), -1);
  EXPECT_EQ(ParseProfileInteger("2147483647", 7), 2147483647);
  EXPECT_EQ(ParseProfileInteger("-2147483648", 7), -2147483647 - 1);
  for (const char* bad : {"", "-", "0x", "1x", "12 ", "2147483648", "0x100000000", "0xG", "one"})
    EXPECT_EQ(ParseProfileInteger(bad, 7), 7) << bad;
}

} // namespace
} // namespace toolbar
