#pragma once
// The toolbar customizer's persistence: the toolbar's layout as designed and as the user last
// saved it, kept in two sections of an INI file named after the customizer ("<Name>Org" and
// "<Name>"). The layout as designed is written each time the toolbar is loaded so that a reset
// can restore it; the user's layout is read back and applied right after.
#include <string>

#include "toolbar/profile_store.h"
#include "toolbar/toolbar_model.h"
#include "ui/exception.h"

namespace toolbar {

class TProfileSection;

// A write to the layout file was refused: "Unable to write to <file name>".
class EIniFileError : public ui::Exception {
public:
  using Exception::Exception;
};

// The button properties the user may change, and so the ones the user's section carries.
struct TCustomizerButtonProperties {
  bool Caption = true;
  bool Glyph = true;
  bool Hint = true;
  bool ShowCaption = true;
  bool Visible = true;
};

class TToolBarCustomizer {
public:
  explicit TToolBarCustomizer(TProfileStore& store) : store_(store) {}

  std::string Name = "ToolBarCustomizer"; // names both sections
  bool Persistence = false;
  std::string IniFileName;
  bool CaptionEditing = true;
  bool GlyphPositionEditing = true;
  bool LargeIcons = false; // the user may switch the toolbar to large icons
  TCustomizerButtonProperties ButtonProperties;
  bool HasLargeImageList = false;
  bool HasSmallImageList = false;
  int CommandCount = 0;

  std::string DesignedSection() const { return Name + "Org"; }
  std::string UserSection() const { return Name; }

  // At the end of loading the toolbar: saves the designed layout, then applies the user's.
  void Loaded(TToolBarModel& toolbar);

  // Writes every key of the designed section from the toolbar's present state, in place.
  void SaveDesignedLayout(const TToolBarModel& toolbar);
  // Reads the user's section and applies it; a missing file or section changes nothing.
  void ApplySavedLayout(TToolBarModel& toolbar);
  // Replaces the user's section with the layout the user arranged.
  void SaveUserLayout(const TToolBarModel& layout);
  // Puts the set-aside items back, restores the designed layout (items beyond it are destroyed)
  // and deletes the user's section.
  void Reset(TToolBarModel& toolbar);

  // Each operation does nothing without persistence or a file name.
  bool Active() const { return Persistence && !IniFileName.empty(); }

private:
  enum class TRest { SetAside, Destroy };
  void ApplySection(TToolBarModel& toolbar, const std::string& section, TRest rest);
  void WriteLayout(const std::string& section, const TToolBarModel& toolbar, bool designed);
  void Write(const std::string& section, const std::string& key, const std::string& value);
  void Write(const std::string& section, const std::string& key, int value);
  static int ReadInteger(const TProfileSection& section, const std::string& key, int fallback);

  TProfileStore& store_;
};

// The conversation window's layout file, in the current directory.
inline constexpr char kConversationLayoutFile[] = ".\\untitled.ini";

// The settings of the conversation window's customizer "AdvToolBarCustomizer1": persistence to
// ".\untitled.ini", caption and glyph-position editing, no large icons, the button properties
// Caption, Glyph, Hint and ShowCaption, no commands and no image lists of its own.
void UseConversationWindowSettings(TToolBarCustomizer& customizer);

// A profile value read as an integer: decimal with an optional sign, or hexadecimal after "0x";
// anything else, or a value out of range, gives the fallback.
int ParseProfileInteger(const std::string& text, int fallback);

// The class name the layout file gives an item.
const char* LayoutClassName(TToolBarItemKind kind);

} // namespace toolbar
