#pragma once
// The conversation window made as start-up makes it, in a fresh current directory (it writes
// "Your.txt" and "untitled.ini" there), with the error box replaced by a recorder.
#include "app/form1.h"
#include "ui/application.h"

#include "log_scratch_directory.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace app::test {

const std::string kTitle = "Тарвель (ver. 5.5.0.5)";

struct ErrorBoxCall {
  std::string text, caption;
};

class ConversationTest : public ::testing::Test {
protected:
  void SetUp() override {
    saved_ = ui::Application().Seams();
    ui::Application().Seams().ErrorBox = [this](HWND, const std::string& text,
                                                const std::string& caption) {
      errors_.push_back({text, caption});
    };
    ui::Application().SetTitle(kTitle);
    ui::Application().ResetTerminated();
  }

  void TearDown() override {
    ui::Application().SetMainForm(nullptr);
    form_.reset();
    ui::Application().ProcessMessages(); // takes the WM_QUIT a closing main form posted
    ui::Application().ResetTerminated();
    ui::Application().Seams() = saved_;
  }

  // Creates the window as start-up does, after the test has laid out the folder. Restored and
  // wide: an answer line fits on one displayed line, as in the maximised window.
  void Create() {
    form_ = std::make_unique<TForm1>(&ui::Application());
    ui::Application().SetMainForm(form_.get());
    form_->AfterConstruction();
    form_->SetWindowState(ui::TWindowState::wsNormal);
    form_->SetBounds(0, 0, 1260, 600);
    form_->Show();
    ui::Application().ProcessMessages();
  }

  // What a key press delivers to the focused EDIT: key down, the character TranslateMessage
  // makes of it, key up. Modifier keys are held through the keyboard state.
  void PressEnter(bool shift = false, bool ctrl = false, bool keypad = false) {
    HWND memo = form_->Memo1->Handle();
    BYTE state[256];
    GetKeyboardState(state);
    BYTE held[256];
    memcpy(held, state, sizeof held);
    held[VK_SHIFT] = shift ? 0x80 : 0;
    held[VK_CONTROL] = ctrl ? 0x80 : 0;
    SetKeyboardState(held);
    const LPARAM flags = 1 | (0x1C << 16) | (keypad ? (1 << 24) : 0);
    // As the message loop delivers it: TranslateMessage queues the character before the key
    // down is dispatched.
    PostMessageW(memo, WM_CHAR, ctrl ? L'\n' : L'\r', flags);
    SendMessageW(memo, WM_KEYDOWN, VK_RETURN, flags);
    ui::Application().ProcessMessages();
    SendMessageW(memo, WM_KEYUP, VK_RETURN, flags | (3u << 30));
    SetKeyboardState(state);
  }

  testing_support::TScratchDirectory directory_;
  std::vector<ErrorBoxCall> errors_;
  std::unique_ptr<TForm1> form_;

private:
  ui::TSeams saved_;
};

} // namespace app::test
