#pragma once
// The multi-line text control. It has no length limit, and it holds only what Windows-1251 can:
// any other character, typed or pasted, becomes "?" as it enters, so what the user sees is what
// is saved.
#include "ui/win_control.h"

namespace ui {

enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

class TMemo : public TWinControl {
public:
  explicit TMemo(TComponent* owner);

  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool wordWrap) { wordWrap_ = wordWrap; }
  TScrollStyle ScrollBars() const { return scrollBars_; }
  void SetScrollBars(TScrollStyle bars) { scrollBars_ = bars; }
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool readOnly);
  bool Ctl3D() const { return ctl3D_; }
  void SetCtl3D(bool ctl3D) { ctl3D_ = ctl3D; }

  // Lines as the control displays them, counted from 0: a wrapped text line counts once per
  // displayed line. The count leaves out a last displayed line that is empty.
  int LineCount();
  // Adds a line at the end of the text (see the .cpp) and returns its displayed-line index.
  int AddLine(const std::string& line);
  // Hard lines (between CR LF), for filling the control from a description.
  void SetLines(const std::vector<std::string>& lines);

  int SelStart();
  void SetSelStart(int position);

  // The text changed: typed, pasted, deleted or added by the program.
  TNotifyEvent OnChange;

  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  bool CommandNotify(WORD code) override;

private:
  void InsertAt(int position, const std::wstring& text);
  void PasteAsWindows1251();

  bool wordWrap_ = true;
  TScrollStyle scrollBars_ = TScrollStyle::ssNone;
  bool readOnly_ = false;
  bool ctl3D_ = true;
  bool pendingHighSurrogate_ = false;
};

} // namespace ui
