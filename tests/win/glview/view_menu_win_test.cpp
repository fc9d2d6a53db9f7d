// The view's popup menu on a real form: what a right click shows, what each command does with
// the colour and material choosers answered through the framework's seams, the material
// chooser's own window, and the animation-speed window.
#include "menu_fixture.h"

#include <algorithm>
#include <memory>

#include "glview/material_chooser.h"
#include "glview/materials.h"
#include "ui/exception.h"

namespace glview::test {
namespace {

using TCaptions = std::vector<std::string>;

TCaptions CaptionsOf(const std::vector<TShownItem>& items) {
  TCaptions captions;
  for (const TShownItem& item : items)
    captions.push_back(item.Caption);
  return captions;
}

bool AllPlain(const std::vector<TShownItem>& items) {
  return std::all_of(items.begin(), items.end(),
                     [](const TShownItem& item) { return item.Plain && AllPlain(item.Items); });
}

class ViewMenuTest : public ViewTest {
protected:
  void SetUp() override {
    ViewTest::SetUp();
    menuView = AddView<TMenuTestView>(0, 0, 200, 100);
    PaintNow(menuView);
  }

  TMenuTestView* menuView = nullptr;
};

TEST_F(ViewMenuTest, RightClickShowsTheMenuBuiltFromTheSceneAtTheClick) {
  AddSquare(menuView, "Leaf1", ui::clLime);
  const int silent = AddSquare(menuView, "Silent", ui::clRed);
  menuView->GetVisualObject(silent).SetMenuOptions({});
  const int leaf2 = AddSquare(menuView, "Leaf2", ui::clYellow);
  menuView->GetVisualObject(leaf2).SetVisible(false);
  menuView->GetVisualObject(leaf2).SetWireframe(true);
  menuView->SetLighting(true);

  TMenuWatcher watcher(menuView);
  watcher.RightClick(30, 20);
  ASSERT_TRUE(watcher.Shown);
  const auto& items = watcher.Items;
  ASSERT_EQ(CaptionsOf(items), (TCaptions{"Leaf1", "Leaf2 (скрыт)", "Опции"}));
  EXPECT_EQ(CaptionsOf(items[0].Items), (TCaptions{"Цвет", "Материал", "Скрыть", "Каркас"}));
  EXPECT_EQ(CaptionsOf(items[1].Items), (TCaptions{"Цвет", "Материал", "Показать", "Сплошной"}));
  EXPECT_EQ(CaptionsOf(items[2].Items), (TCaptions{"Цвет фона", "Выкл. свет", "Анимация"}));
  EXPECT_TRUE(AllPlain(items));
  // The menu opens where the mouse was pressed.
  POINT at{30, 20};
  ClientToScreen(menuView->Handle(), &at);
  EXPECT_EQ(watcher.MenuRect.left, at.x);
  EXPECT_EQ(watcher.MenuRect.top, at.y);
  // The object's commands carry its index in the list, which counts the object left out.
  for (ui::TMenuItem* item :
       {menuView->Item({"Leaf2 (скрыт)", "Цвет"}), menuView->Item({"Leaf2 (скрыт)", "Сплошной"})}) {
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->Tag(), 2);
  }

  // Every right click builds the menu again from the present state.
  menuView->GetVisualObject(0).SetVisible(false);
  menuView->SetLighting(false);
  TMenuWatcher again(menuView);
  again.RightClick(5, 5);
  ASSERT_TRUE(again.Shown);
  ASSERT_EQ(again.Items.size(), 3u);
  EXPECT_EQ(again.Items[0].Caption, "Leaf1 (скрыт)");
  EXPECT_EQ(again.Items[0].Items[2].Caption, "Показать");
  EXPECT_EQ(again.Items[2].Items[1].Caption, "Вкл. свет");
  EXPECT_EQ(menuView->FViewMenu->Items()->Count(), 3); // the earlier build's items are gone
  EXPECT_TRUE(errors.empty());
}

TEST_F(ViewMenuTest, WhatTheSetsLeaveOfTheMenu) {
  // No objects and every option: only "Опции".
  {
    TMenuWatcher watcher(menuView);
    watcher.RightClick(10, 10);
    ASSERT_TRUE(watcher.Shown);
    EXPECT_EQ(CaptionsOf(watcher.Items), (TCaptions{"Опции"}));
  }
  // No objects and no options: nothing to offer.
  menuView->SetOptionsPossibility({});
  {
    TMenuWatcher watcher(menuView);
    watcher.RightClick(10, 10);
    EXPECT_TRUE(watcher.Items.empty());
    EXPECT_EQ(menuView->FViewMenu->Items()->Count(), 0);
  }
  // The About window's view: dragging only, so a right click shows nothing; its options would
  // be the background and the light.
  AddSquare(menuView, "Leaf1", ui::clLime);
  menuView->SetPossibility({pMouseControl});
  menuView->SetOptionsPossibility({opBackground, opLight});
  {
    TMenuWatcher watcher(menuView);
    watcher.RightClick(10, 10);
    EXPECT_FALSE(watcher.Shown);
    EXPECT_EQ(menuView->FViewMenu->Items()->Count(), 0); // not even built
  }
  menuView->BuildPopupMenu();
  ASSERT_NE(menuView->Item({"Опции"}), nullptr);
  ui::TMenuItem* options = menuView->Item({"Опции"});
  ASSERT_EQ(options->Count(), 2);
  EXPECT_EQ(options->Items(0)->Caption(), "Цвет фона");
  EXPECT_EQ(options->Items(1)->Caption(), "Вкл. свет");
}

TEST_F(ViewMenuTest, ColourCommandsAskTheChooserWithTheColourPreselected) {
  const int leaf = AddSquare(menuView, "Leaf1", ui::clLime);
  TVisualObject& object = menuView->GetVisualObject(leaf);
  object.SetMaterial(5);
  HWND owner = nullptr;
  ui::TColor offered = -1;
  ui::TColor answer = 0x123456;
  bool confirm = false;
  ui::Application().Seams().PickColor = [&](HWND window, ui::TColor& color) {
    owner = window;
    offered = color;
    color = answer;
    return confirm;
  };

  // Cancelled: nothing changes.
  menuView->ClickMenuItem({"Leaf1", "Цвет"});
  EXPECT_EQ(offered, ui::clLime);
  EXPECT_EQ(owner, form->Handle());
  EXPECT_EQ(object.Color(), ui::clLime);
  EXPECT_EQ(object.Material(), 5);

  // Confirmed: the colour, and back to colour mode.
  confirm = true;
  ForgetRepaint(menuView);
  menuView->ClickMenuItem({"Leaf1", "Цвет"});
  EXPECT_EQ(object.Color(), 0x123456);
  EXPECT_EQ(object.Material(), 0);
  EXPECT_TRUE(RepaintPending(menuView));

  // The background: preselected, written on confirmation, shown at the next paint.
  menuView->SetBGColor(0x000080);
  object.SetVisible(false);
  confirm = false;
  menuView->ClickMenuItem({"Опции", "Цвет фона"});
  EXPECT_EQ(offered, 0x000080);
  EXPECT_EQ(menuView->BGColor(), 0x000080);
  confirm = true;
  answer = 0x00FF00;
  menuView->ClickMenuItem({"Опции", "Цвет фона"});
  EXPECT_EQ(menuView->BGColor(), 0x00FF00);
  PaintNow(menuView);
  EXPECT_EQ(PixelAt(menuView, 100, 50), (TRGB{0, 255, 0}));
}

TEST_F(ViewMenuTest, VisibilityFillModeAndLightToggle) {
  AddSquare(menuView, "Leaf1", ui::clLime);
  TVisualObject& object = menuView->GetVisualObject(0);
  menuView->ClickMenuItem({"Leaf1", "Скрыть"});
  EXPECT_FALSE(object.Visible());
  menuView->ClickMenuItem({"Leaf1 (скрыт)", "Показать"});
  EXPECT_TRUE(object.Visible());
  menuView->ClickMenuItem({"Leaf1", "Каркас"});
  EXPECT_TRUE(object.Wireframe());
  menuView->ClickMenuItem({"Leaf1", "Сплошной"});
  EXPECT_FALSE(object.Wireframe());
  menuView->ClickMenuItem({"Опции", "Вкл. свет"});
  EXPECT_TRUE(menuView->Lighting());
  menuView->ClickMenuItem({"Опции", "Выкл. свет"});
  EXPECT_FALSE(menuView->Lighting());
}

// A view whose context cannot be made current the next `Failures` times (a driver reset).
class TFailingMenuView : public TMenuTestView {
public:
  using TMenuTestView::TMenuTestView;
  int Failures = 0;

  bool MakeCurrent() override {
    if (Failures > 0) {
      --Failures;
      ReleaseContext();
      return false;
    }
    return TMenuTestView::MakeCurrent();
  }
};

// The view paints behind a modal chooser, and a context failing there frees every object and
// builds the scene again: the answer reaches the object rebuilt at the clicked index.
TEST_F(ViewMenuTest, AChoosersAnswerReachesTheObjectRebuiltWhileItWasOpen) {
  auto* failing = AddView<TFailingMenuView>(0, 110, 80, 40);
  // Memory of the freed object's size taken before each rebuild, so that the rebuilt object
  // does not simply land where the freed one was (a write to the freed one would go unseen).
  std::vector<std::unique_ptr<char[]>> taken;
  int creates = 0;
  failing->OnCreate = [&](ui::TComponent*) {
    if (++creates > 1)
      for (int i = 0; i < 16; ++i)
        taken.push_back(std::make_unique<char[]>(sizeof(TVisualObject)));
    AddSquare(failing, "Leaf1", ui::clLime);
  };
  PaintNow(failing);
  const auto failWhileOpen = [&] {
    failing->Failures = 1;
    PaintNow(failing);
  };

  ui::Application().Seams().PickColor = [&](HWND, ui::TColor& color) {
    failWhileOpen();
    color = 0x123456;
    return true;
  };
  failing->ClickMenuItem({"Leaf1", "Цвет"});
  EXPECT_EQ(creates, 2);
  ASSERT_EQ(failing->ObjectCount(), 1);
  EXPECT_EQ(failing->GetVisualObject(0).Color(), 0x123456);

  ui::Application().Seams().RunModal = [&](ui::TForm& form) {
    failWhileOpen();
    ui::TListBox* list = dynamic_cast<TMaterialChooser&>(form).MaterialList();
    list->SetItemIndex(8);
    SendMessageW(list->Handle(), WM_KEYDOWN, VK_RETURN, 0);
    return form.ModalResult();
  };
  failing->ClickMenuItem({"Leaf1", "Материал"});
  EXPECT_EQ(creates, 3);
  ASSERT_EQ(failing->ObjectCount(), 1);
  EXPECT_EQ(failing->GetVisualObject(0).Material(), 9);
  EXPECT_TRUE(errors.empty());
}

// Answers the material chooser through the framework's modal seam, as a user would.
class MaterialChooserTest : public ViewMenuTest {
protected:
  void SetUp() override {
    ViewMenuTest::SetUp();
    AddSquare(menuView, "Leaf1", ui::clLime);
  }
  std::uint8_t Material() { return menuView->GetVisualObject(0).Material(); }
  static bool ChooserExists() { return FindWindowW(L"Tarvel.Form", L"Выбор материала") != nullptr; }
  void Answer(const std::function<void(TMaterialChooser&)>& user) {
    ui::Application().Seams().RunModal = [user](ui::TForm& form) {
      auto& chooser = dynamic_cast<TMaterialChooser&>(form);
      user(chooser);
      return form.ModalResult();
    };
  }
  static void Key(ui::TWinControl* control, WPARAM key) {
    SendMessageW(control->Handle(), WM_KEYDOWN, key, 0);
  }
};

TEST_F(MaterialChooserTest, TheWindowListsTheMaterialsInTwoColumns) {
  Answer([](TMaterialChooser& chooser) {
    EXPECT_EQ(ui::WindowText(chooser.Handle()), "Выбор материала");
    RECT frame;
    GetWindowRect(chooser.Handle(), &frame);
    const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    EXPECT_EQ(frame.left, w / 3);
    EXPECT_EQ(frame.top, h / 3);
    EXPECT_EQ(frame.right - frame.left, w / 3);
    EXPECT_EQ(frame.bottom - frame.top, h / 3);
    ui::TListBox* list = chooser.MaterialList();
    const RECT client = chooser.ClientRect();
    EXPECT_EQ(list->Width(), client.right);
    EXPECT_EQ(list->Height(), client.bottom);
    const LONG style = GetWindowLongW(list->Handle(), GWL_STYLE);
    EXPECT_TRUE(style & LBS_MULTICOLUMN);
    EXPECT_FALSE(style & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL));
    RECT item;
    SendMessageW(list->Handle(), LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(item.right - item.left, list->ClientWidth() / 2);
    ASSERT_EQ(list->Count(), 25);
    for (int i = 0; i < 25; ++i)
      EXPECT_EQ(list->Item(i), MaterialNames[i]);
    EXPECT_EQ(list->Item(8), "Бронза");
    list->SetItemIndex(8);
    Key(list, VK_RETURN);
  });
  menuView->ClickMenuItem({"Leaf1", "Материал"});
  EXPECT_EQ(Material(), 9);
  EXPECT_FALSE(ChooserExists()); // freed once chosen
}

TEST_F(MaterialChooserTest, EnterOrDoubleClickChoosesAnyOtherCloseGivesNone) {
  // A double click on the first entry.
  Answer([](TMaterialChooser& chooser) {
    ui::TListBox* list = chooser.MaterialList();
    RECT item;
    SendMessageW(list->Handle(), LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));
    const LPARAM at = MAKELPARAM(item.left + 2, item.top + 2);
    SendMessageW(list->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(list->Handle(), WM_LBUTTONUP, 0, at);
    SendMessageW(list->Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    SendMessageW(list->Handle(), WM_LBUTTONUP, 0, at);
  });
  menuView->ClickMenuItem({"Leaf1", "Материал"});
  EXPECT_EQ(Material(), 1);

  // Closed with its close box after moving the selection: no material, colour mode again.
  Answer([](TMaterialChooser& chooser) {
    chooser.MaterialList()->SetItemIndex(4);
    SendMessageW(chooser.Handle(), WM_CLOSE, 0, 0);
  });
  menuView->ClickMenuItem({"Leaf1", "Материал"});
  EXPECT_EQ(Material(), 0);

  // Enter with nothing selected chooses none; other keys choose nothing.
  menuView->GetVisualObject(0).SetMaterial(3);
  Answer([](TMaterialChooser& chooser) {
    Key(chooser.MaterialList(), VK_DOWN);
    chooser.MaterialList()->SetItemIndex(-1);
    Key(chooser.MaterialList(), VK_RETURN);
  });
  menuView->ClickMenuItem({"Leaf1", "Материал"});
  EXPECT_EQ(Material(), 0);

  // A failure while it is open leaves no window behind.
  ui::Application().Seams().RunModal = [](ui::TForm&) -> int { throw ui::Exception("broken"); };
  EXPECT_THROW(menuView->ClickMenuItem({"Leaf1", "Материал"}), ui::Exception);
  EXPECT_FALSE(ChooserExists());
}

// The real modal loop: the scene keeps turning while the chooser waits for its answer.
struct TModalUser {
  TMenuTestView* view;
  TMatrixValues atOpen{};
  bool sawChooser = false;
  bool turnedWhileOpen = false;
  int polls = 0;
};

LRESULT CALLBACK ModalUserProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                               DWORD_PTR data) {
  if (message != WM_TIMER || wParam != 0x4D55)
    return DefSubclassProc(window, message, wParam, lParam);
  auto* user = reinterpret_cast<TModalUser*>(data);
  HWND chooser = FindWindowW(L"Tarvel.Form", L"Выбор материала");
  if (!chooser || !IsWindowVisible(chooser))
    return 0;
  const TMatrixValues now = user->view->ProjectionMatrix().Values();
  if (!user->sawChooser) {
    user->sawChooser = true;
    user->atOpen = now;
    return 0;
  }
  user->turnedWhileOpen = now != user->atOpen;
  HWND list = FindWindowExW(chooser, nullptr, L"LISTBOX", nullptr);
  if (user->turnedWhileOpen) {
    SendMessageW(list, LB_SETCURSEL, 8, 0);
    SendMessageW(list, WM_KEYDOWN, VK_RETURN, 0);
  } else if (++user->polls > 400) { // the animation never ticked: give up rather than hang
    SendMessageW(chooser, WM_CLOSE, 0, 0);
  }
  return 0;
}

TEST_F(MaterialChooserTest, TheSceneKeepsTurningBehindTheModalChooser) {
  ui::Application().Seams().RunModal = nullptr; // the framework's own modal loop
  menuView->MakeCurrent();
  menuView->ProjectionDynamic().Rotate(YAxis, 5.0f);
  menuView->SetAnimationSpeed(1);
  TModalUser user{menuView};
  SetWindowSubclass(form->Handle(), &ModalUserProc, 1, reinterpret_cast<DWORD_PTR>(&user));
  SetTimer(form->Handle(), 0x4D55, 20, nullptr);
  menuView->ClickMenuItem({"Leaf1", "Материал"});
  KillTimer(form->Handle(), 0x4D55);
  RemoveWindowSubclass(form->Handle(), &ModalUserProc, 1);
  menuView->EnableAnimation(false);
  EXPECT_TRUE(user.sawChooser);
  EXPECT_TRUE(user.turnedWhileOpen);
  EXPECT_EQ(Material(), 9);
  EXPECT_FALSE(ChooserExists());
  EXPECT_TRUE(IsWindowEnabled(form->Handle())); // the rest of the program usable again
}

class SpeedWindowTest : public ViewMenuTest {
protected:
  // Selects the field's text and types over it, then presses Enter, as a user does.
  void Type(const std::string& text) {
    HWND edit = menuView->FSpeedEdit->Handle();
    SendMessageW(edit, EM_SETSEL, 0, -1);
    for (wchar_t c : ui::ToWide(text))
      SendMessageW(edit, WM_CHAR, c, 0);
    SendMessageW(edit, WM_KEYDOWN, VK_RETURN, 0);
    SendMessageW(edit, WM_CHAR, '\r', 0);
    SendMessageW(edit, WM_KEYUP, VK_RETURN, 0);
  }
};

TEST_F(SpeedWindowTest, TheWindowIsLaidOutAroundItsLabelAndField) {
  ui::TForm* speed = menuView->FSpeedForm;
  ui::TEdit* edit = menuView->FSpeedEdit;
  ASSERT_TRUE(speed->HandleAllocated());
  EXPECT_FALSE(IsWindowVisible(speed->Handle()));
  EXPECT_EQ(ui::WindowText(speed->Handle()), "Скорость анимации");
  EXPECT_EQ(edit->Text(), "0");
  HWND label = nullptr;
  for (HWND child = GetWindow(speed->Handle(), GW_CHILD); child;
       child = GetWindow(child, GW_HWNDNEXT))
    if (child != edit->Handle())
      label = child;
  ASSERT_NE(label, nullptr);
  auto* labelControl = dynamic_cast<ui::TWinControl*>(ui::TWinControl::FromHandle(label));
  ASSERT_NE(labelControl, nullptr);
  EXPECT_EQ(labelControl->Text(), "0 - нет анимации\r\nотриц. - обратное вращение");
  RECT labelRect, editRect, client;
  GetWindowRect(label, &labelRect);
  GetWindowRect(edit->Handle(), &editRect);
  MapWindowPoints(nullptr, speed->Handle(), reinterpret_cast<POINT*>(&labelRect), 2);
  MapWindowPoints(nullptr, speed->Handle(), reinterpret_cast<POINT*>(&editRect), 2);
  GetClientRect(speed->Handle(), &client);
  const int labelW = labelRect.right - labelRect.left, labelH = labelRect.bottom - labelRect.top;
  const int editH = editRect.bottom - editRect.top;
  EXPECT_EQ(labelRect.left, 3);
  EXPECT_EQ(labelRect.top, 3);
  EXPECT_GT(labelW, 100); // two lines of text
  EXPECT_GT(labelH, 0);
  EXPECT_EQ(editRect.left, 3);
  EXPECT_EQ(editRect.top, labelH + 6);
  EXPECT_EQ(editRect.right - editRect.left, labelW);
  EXPECT_GT(editH, 15);
  // The client area holds both with their margins, so the field is in sight.
  EXPECT_EQ(client.right, labelW + 6);
  EXPECT_EQ(client.bottom, editH + labelH + 9);
  // Dialog frame, a third of the way down and two thirds across the screen.
  const LONG style = GetWindowLongW(speed->Handle(), GWL_STYLE);
  EXPECT_FALSE(style & WS_THICKFRAME);
  EXPECT_TRUE(GetWindowLongW(speed->Handle(), GWL_EXSTYLE) & WS_EX_DLGMODALFRAME);
  RECT frame;
  GetWindowRect(speed->Handle(), &frame);
  EXPECT_EQ(frame.left, GetSystemMetrics(SM_CXSCREEN) / 3 * 2);
  EXPECT_EQ(frame.top, GetSystemMetrics(SM_CYSCREEN) / 3);
}

TEST_F(SpeedWindowTest, AnimationShowsTheWindowWithTheSpeedAndEnterSetsIt) {
  menuView->MakeCurrent();
  menuView->ProjectionDynamic().Rotate(YAxis, 10.0f);
  menuView->SetAnimationSpeed(3);
  menuView->FSpeedEdit->SetText("7");
  menuView->ClickMenuItem({"Опции", "Анимация"});
  EXPECT_TRUE(IsWindowVisible(menuView->FSpeedForm->Handle()));
  EXPECT_EQ(menuView->FSpeedEdit->Text(), "3");

  // Backwards at twice the step: the inverse of the motion squared.
  Type("-2");
  EXPECT_EQ(menuView->AnimationSpeed(), -2);
  EXPECT_TRUE(menuView->AnimationEnabled());
  TViewMatrix expected(kProjectionMode, menuView->GL());
  menuView->MakeCurrent();
  expected.Rotate(YAxis, -20.0f);
  for (int i = 0; i < 16; ++i)
    EXPECT_NEAR(menuView->ProjectionStep().Values()[i], expected.Values()[i], 1e-5) << i;
  EXPECT_TRUE(IsWindowVisible(menuView->FSpeedForm->Handle())); // open for the next try

  Type("0");
  EXPECT_EQ(menuView->AnimationSpeed(), 0);
  EXPECT_FALSE(menuView->AnimationEnabled());

  // Not a number: the conversion error, shown by the application; nothing changes.
  menuView->SetAnimationSpeed(2);
  Type("abc");
  EXPECT_EQ(errors, (std::vector<std::string>{"'abc' is not a valid integer value."}));
  EXPECT_EQ(menuView->AnimationSpeed(), 2);
  EXPECT_TRUE(menuView->AnimationEnabled());
  EXPECT_EQ(menuView->FSpeedEdit->Text(), "abc");
  std::uint16_t enter = VK_RETURN;
  EXPECT_THROW(menuView->SpeedEditKeyDown(menuView->FSpeedEdit, enter, 0), ui::EConvertError);

  // Other keys only edit the text.
  SendMessageW(menuView->FSpeedEdit->Handle(), WM_KEYDOWN, '5', 0);
  EXPECT_EQ(menuView->AnimationSpeed(), 2);
  menuView->EnableAnimation(false);
  menuView->FSpeedForm->Hide();
}

} // namespace
} // namespace glview::test
