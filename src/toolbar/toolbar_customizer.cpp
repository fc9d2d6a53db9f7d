#include "toolbar/toolbar_customizer.h"

#include "toolbar/profile_section.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace toolbar {
namespace {

constexpr const char* kButtonClass = "ADVTOOLBARBUTTON";
constexpr const char* kSeparatorClass = "ADVTOOLBARSEPARATOR";

// A hand-edited count must not keep start-up reading for ever; no toolbar holds this many items.
constexpr int kMaxLayoutItems = 65536;

std::string ItemKey(int index, const char* property = nullptr) {
  std::string key = "Name" + std::to_string(index);
  if (property) {
    key += '.';
    key += property;
  }
  return key;
}

int FirstButtonGlyphPosition(const TToolBarModel& toolbar) {
  for (const TToolBarItem& item : toolbar.Items)
    if (item.Kind == TToolBarItemKind::Button)
      return item.GlyphPosition;
  return 0;
}

char Lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9')
    return c - '0';
  c = Lower(c);
  return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

} // namespace

int ParseProfileInteger(const std::string& text, int fallback) {
  std::size_t i = 0;
  if (text.size() > 2 && text[0] == '0' && Lower(text[1]) == 'x') {
    std::uint64_t value = 0;
    for (i = 2; i < text.size(); ++i) {
      const int digit = HexDigit(text[i]);
      if (digit < 0 || (value = value * 16 + digit) > 0xFFFFFFFFu)
        return fallback;
    }
    return static_cast<int>(static_cast<std::uint32_t>(value)); // 0xFFFFFFFF is -1
  }
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+'))
    negative = text[i++] == '-';
  if (i == text.size())
    return fallback;
  std::int64_t value = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9')
      return fallback;
    value = value * 10 + (text[i] - '0');
    if (value > 2147483648LL)
      return fallback;
  }
  if (negative)
    value = -value;
  return value > 2147483647LL ? fallback : static_cast<int>(value);
}

const char* LayoutClassName(TToolBarItemKind kind) {
  switch (kind) {
  case TToolBarItemKind::Button:
    return kButtonClass;
  case TToolBarItemKind::Separator:
    return kSeparatorClass;
  default:
    return "-1";
  }
}

void UseConversationWindowSettings(TToolBarCustomizer& customizer) {
  customizer.Name = "AdvToolBarCustomizer1";
  customizer.Persistence = true;
  customizer.IniFileName = kConversationLayoutFile;
  customizer.CaptionEditing = true;
  customizer.GlyphPositionEditing = true;
  customizer.LargeIcons = false;
  customizer.ButtonProperties = {
      .Caption = true, .Glyph = true, .Hint = true, .ShowCaption = true, .Visible = false};
  customizer.HasLargeImageList = false;
  customizer.HasSmallImageList = false;
  customizer.CommandCount = 0;
}

void TToolBarCustomizer::Write(const std::string& section, const std::string& key,
                               const std::string& value) {
  if (!store_.WriteString(section, key, value))
    throw EIniFileError("Unable to write to " + IniFileName);
}

void TToolBarCustomizer::Write(const std::string& section, const std::string& key, int value) {
  Write(section, key, std::to_string(value));
}

int TToolBarCustomizer::ReadInteger(const TProfileSection& section, const std::string& key,
                                    int fallback) {
  return ParseProfileInteger(section.ReadString(key, ""), fallback);
}

void TToolBarCustomizer::WriteLayout(const std::string& section, const TToolBarModel& toolbar,
                                     bool designed) {
  // The designed section holds every key; the user's only what the dialog lets the user change.
  const TCustomizerButtonProperties all;
  const TCustomizerButtonProperties& props = designed ? all : ButtonProperties;
  if (designed || CaptionEditing)
    Write(section, "ATBCaption", toolbar.Caption);
  if (designed || GlyphPositionEditing)
    Write(section, "GlyphPosition", FirstButtonGlyphPosition(toolbar));
  if (designed || LargeIcons)
    Write(section, "LargeIcon", toolbar.LargeIcons ? 1 : 0);
  const int count = static_cast<int>(toolbar.Items.size());
  Write(section, "ToolBarItemCount", count);
  for (int i = 0; i < count; ++i) {
    const TToolBarItem& item = toolbar.Items[i];
    Write(section, ItemKey(i), item.Name);
    Write(section, ItemKey(i, "ClassName"), LayoutClassName(item.Kind));
    if (item.Kind != TToolBarItemKind::Button)
      continue;
    if (!designed && item.CommandID >= 0)
      Write(section, ItemKey(i, "CommandID"), item.CommandID);
    if (props.Glyph)
      Write(section, ItemKey(i, "ImageIndex"), item.ImageIndex);
    if (props.Visible)
      Write(section, ItemKey(i, "Visible"), item.Visible ? 1 : 0);
    if (props.ShowCaption)
      Write(section, ItemKey(i, "ShowCaption"), item.ShowCaption ? 1 : 0);
    if (props.Caption)
      Write(section, ItemKey(i, "Caption"), item.Caption);
    if (props.Hint)
      Write(section, ItemKey(i, "Hint"), item.Hint);
  }
}

void TToolBarCustomizer::ApplySection(TToolBarModel& toolbar, const std::string& sectionName,
                                      TRest rest) {
  const TProfileSection section(store_, sectionName); // one read, whatever the count says
  if (CaptionEditing)
    toolbar.Caption = section.ReadString("ATBCaption", toolbar.Caption);
  const int glyphPosition = GlyphPositionEditing ? ReadInteger(section, "GlyphPosition", 0) : 0;
  const int largeIcon = LargeIcons && HasLargeImageList ? ReadInteger(section, "LargeIcon", 0) : 0;
  const int count = std::min(ReadInteger(section, "ToolBarItemCount", 0), kMaxLayoutItems);

  if (count > 0) {
    // Every item the saved list may name: those on the toolbar, then those set aside earlier
    // (found again rather than made twice under one name), then the ones made below.
    std::vector<TToolBarItem> pool = std::move(toolbar.Items);
    pool.insert(pool.end(), std::make_move_iterator(toolbar.SetAside.begin()),
                std::make_move_iterator(toolbar.SetAside.end()));
    const std::size_t known = pool.size();
    toolbar.Items.clear();
    toolbar.SetAside.clear();
    std::vector<bool> collected(known, false);
    std::vector<std::size_t> order;

    for (int i = 0; i < count; ++i) {
      const std::string name = section.ReadString(ItemKey(i), "");
      const std::string className = section.ReadString(ItemKey(i, "ClassName"), "");
      if (className.empty())
        continue;
      std::size_t at = pool.size();
      if (!name.empty())
        at = static_cast<std::size_t>(
            std::find_if(pool.begin(), pool.end(),
                         [&](const TToolBarItem& item) { return SameName(item.Name, name); }) -
            pool.begin());
      if (at == pool.size()) {
        TToolBarItem made;
        made.Name = name;
        if (className == kSeparatorClass) {
          made.Kind = TToolBarItemKind::Separator;
        } else if (className == kButtonClass) {
          made.Kind = TToolBarItemKind::Button;
          const int command = ReadInteger(section, ItemKey(i, "CommandID"), -1);
          if (command >= 0 && command < CommandCount)
            made.CommandID = command;
        } else {
          continue; // no item of that class can be made
        }
        pool.push_back(std::move(made));
        collected.push_back(false);
      }
      TToolBarItem& item = pool[at];
      if (item.Kind == TToolBarItemKind::Button) {
        if (ButtonProperties.Glyph)
          item.ImageIndex = ReadInteger(section, ItemKey(i, "ImageIndex"), item.ImageIndex);
        if (ButtonProperties.Visible)
          item.Visible = ReadInteger(section, ItemKey(i, "Visible"), item.Visible ? 1 : 0) != 0;
        if (ButtonProperties.ShowCaption)
          item.ShowCaption =
              ReadInteger(section, ItemKey(i, "ShowCaption"), item.ShowCaption ? 1 : 0) == 1;
        if (ButtonProperties.Caption)
          item.Caption = section.ReadString(ItemKey(i, "Caption"), item.Caption);
        if (ButtonProperties.Hint)
          item.Hint = section.ReadString(ItemKey(i, "Hint"), item.Hint);
      }
      if (!collected[at]) {
        collected[at] = true;
        order.push_back(at);
      }
    }

    for (std::size_t at : order) {
      TToolBarItem& item = pool[at];
      if (GlyphPositionEditing && item.Kind == TToolBarItemKind::Button)
        item.GlyphPosition = glyphPosition;
      toolbar.Items.push_back(std::move(item));
    }
    // What the list leaves out goes aside (toolbar items first, in their order) for a reset.
    if (rest == TRest::SetAside)
      for (std::size_t at = 0; at < known; ++at)
        if (!collected[at])
          toolbar.SetAside.push_back(std::move(pool[at]));
  }

  if (largeIcon == 1 && HasLargeImageList)
    toolbar.LargeIcons = true;
  else if (HasSmallImageList)
    toolbar.LargeIcons = false;
}

void TToolBarCustomizer::Loaded(TToolBarModel& toolbar) {
  SaveDesignedLayout(toolbar);
  ApplySavedLayout(toolbar);
}

void TToolBarCustomizer::SaveDesignedLayout(const TToolBarModel& toolbar) {
  if (Active())
    WriteLayout(DesignedSection(), toolbar, true);
}

void TToolBarCustomizer::ApplySavedLayout(TToolBarModel& toolbar) {
  if (Active())
    ApplySection(toolbar, UserSection(), TRest::SetAside);
}

void TToolBarCustomizer::SaveUserLayout(const TToolBarModel& layout) {
  if (!Active())
    return;
  if (!store_.DeleteSection(UserSection()))
    throw EIniFileError("Unable to write to " + IniFileName);
  WriteLayout(UserSection(), layout, false);
}

void TToolBarCustomizer::Reset(TToolBarModel& toolbar) {
  if (!Active())
    return;
  for (TToolBarItem& item : toolbar.SetAside)
    toolbar.Items.push_back(std::move(item));
  toolbar.SetAside.clear();
  ApplySection(toolbar, DesignedSection(), TRest::Destroy);
  if (!store_.DeleteSection(UserSection()))
    throw EIniFileError("Unable to write to " + IniFileName);
}

} // namespace toolbar
