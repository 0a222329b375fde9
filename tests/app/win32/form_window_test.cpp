// The main window on Win32, built from the real description with the real
// wiring, shown on the virtual desktop and driven with window messages: its
// 72 controls where the model puts them, the focus keys, a calculation, the
// failure box for "1e400" found by its title and answered, Ctrl+A, and the
// page keys and the wheel scrolling a reduced window.
#include "ui/win32/form_window.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tests/support/win32/box_answerer.h"
#include "pictures/jpeg_module.h"
#include "ui/form1_description.h"
#include "app/win32/application.h"
#include "app/win32/main_window_host.h"

namespace anod {
namespace {

class Win32Window : public testing::Test {
 protected:
  static void SetUpTestSuite() { RegisterJPEGFormats(); }
  static void TearDownTestSuite() { UnregisterJPEGFormats(); }

  void SetUp() override {
    BuildMainWindow(host_, app_.Reporter(), Form1Description());
    host_.Show(ShowRequest::kNormal);
    // The desktop activates the window a moment later; the focus follows.
    for (int waited = 0; GetFocus() == nullptr && waited < 5000; waited += 50) {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
      Pump();
    }
  }
  void TearDown() override { host_.Destroy(); }

  win32::TForm1& Form() { return *host_.Form(); }
  HWND Window(const char* name) { return Form().ChildWindow(name); }
  std::string FocusedName() {
    const HWND focus = GetFocus();
    for (const FormControl& c : Form().Model().Controls()) {
      if (c.windowed != nullptr && Window(c.name.c_str()) == focus) return c.name;
    }
    return "(none)";
  }
  // Every pending message, as the program's loop handles it.
  void Pump() {
    MSG m;
    for (int idle = 0; idle < 3; ++idle) {
      while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
        host_.Dispatch(m);
        idle = 0;
      }
      Sleep(10);
    }
  }
  void Type(const char* name, const char* text) {
    SendMessageA(Window(name), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
    for (const char* c = text; *c != '\0'; ++c) PostMessageA(Window(name), WM_CHAR, static_cast<unsigned char>(*c), 1);
    Pump();
  }
  void Click(const char* name) {
    const HWND b = Window(name);
    PostMessageA(b, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    PostMessageA(b, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
    Pump();
  }
  // `key` typed with `modifier` (VK_SHIFT, VK_CONTROL) held down, or alone.
  void Key(WORD key, WORD modifier = 0) {
    SetForegroundWindow(Form().Handle());
    std::vector<INPUT> input;
    auto add = [&](WORD k, bool up) {
      INPUT i{};
      i.type = INPUT_KEYBOARD;
      i.ki.wVk = k;
      i.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
      input.push_back(i);
    };
    if (modifier != 0) add(modifier, false);
    add(key, false);
    add(key, true);
    if (modifier != 0) add(modifier, true);
    SendInput(static_cast<UINT>(input.size()), input.data(), sizeof(INPUT));
    Pump();
  }

  TApplication app_{"C:\\Outils\\OUTIL.DE.CALCUL.EXE"};
  Win32MainWindowHost host_{app_.Reporter()};
};

// Wine lacks the Windows faces: the window font's "0" decides the scale.
TEST_F(Win32Window, SeventyTwoControlsWhereTheModelPutsThem) {
  const std::vector<FormControl>& controls = Form().Model().Controls();
  ASSERT_EQ(controls.size(), 72u);
  const Rect edit1 = Form().Model().Find("Edit1")->bounds;
  std::printf("Edit1 at (%d, %d) %d x %d: scaled by %d/81 across\n", edit1.left, edit1.top, edit1.Width(),
              edit1.Height(), edit1.Width());
  int windowed = 0;
  for (const FormControl& c : controls) {
    SCOPED_TRACE(c.name);
    if (c.windowed == nullptr) {
      ASSERT_NE(c.drawn, nullptr);
      EXPECT_EQ(c.drawn->Bounds(), c.bounds);
      continue;
    }
    ++windowed;
    const HWND w = Window(c.name.c_str());
    ASSERT_NE(w, nullptr);
    RECT r;
    GetWindowRect(w, &r);
    MapWindowPoints(nullptr, GetParent(w), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ((Rect{r.left, r.top, r.right, r.bottom}), c.bounds);
    EXPECT_TRUE(IsWindowVisible(w));
  }
  EXPECT_EQ(windowed, 26);  // tab orders 0 to 25
}

// The orders themselves are the model's tests: each focus key asks it, and
// an edit box keeps its arrows.
TEST_F(Win32Window, FocusKeysAskTheModel) {
  struct Step {
    WORD key, modifier;
    const char* focused;
  };
  const Step steps[] = {
      {VK_RIGHT, 0, "Edit1"}, {VK_TAB, 0, "btn1"},  {VK_DOWN, 0, "edt1"},
      {VK_TAB, VK_SHIFT, "btn1"}, {VK_LEFT, 0, "Edit1"}, {VK_TAB, VK_SHIFT, "VividButton4"},
  };
  EXPECT_EQ(FocusedName(), "Edit1");
  for (const Step& step : steps) {
    Key(step.key, step.modifier);
    EXPECT_EQ(FocusedName(), step.focused) << "key " << step.key << " with " << step.modifier;
  }
}

TEST_F(Win32Window, CylinderThreeByTenWritesBothLabels) {
  Type("Edit1", "3");
  Type("edt1", "10");
  Click("VividButton1");
  EXPECT_EQ(Form().Model().LabelCaption("lbl4"), " 244.92 Cm\xB2 ");
  EXPECT_EQ(Form().Model().LabelCaption("Label19"), "2450 mA ");
}

TEST_F(Win32Window, OverflowShowsTheBoxUnderTheTitleAndLeavesTheLabels) {
  const std::string before = Form().Model().LabelCaption("lbl4");
  Type("Edit1", "1e400");
  Type("edt1", "10");
  testing_support::BoxAnswerer answerer("Outil");
  Click("VividButton1");
  answerer.Join();
  EXPECT_TRUE(answerer.Seen()) << "no box titled \"Outil\"";
  EXPECT_EQ(answerer.Text(), "D\xE9" "bordement en virgule flottante.");
  EXPECT_EQ(answerer.Owner(), Form().Handle()) << "the box belongs to the main window, so stays above it";
  EXPECT_EQ(Form().Model().LabelCaption("lbl4"), before);
  EXPECT_EQ(Form().Model().LabelCaption("Label19"), "0 mA");
  // The window goes on working.
  Type("Edit1", "3");
  Click("VividButton1");
  EXPECT_EQ(Form().Model().LabelCaption("Label19"), "2450 mA ");
}

// The common controls' edit box (the test program carries the program's
// manifest) selects its whole text on Ctrl+A.
TEST_F(Win32Window, ControlASelectsTheWholeField) {
  Type("Edit1", "1e400");
  SendMessageA(Window("Edit1"), EM_SETSEL, 2, 2);
  Key('A', VK_CONTROL);
  DWORD from = 9, to = 9;
  SendMessageA(Window("Edit1"), EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
  EXPECT_EQ(from, 0u);
  EXPECT_EQ(to, 5u);
}

// A window lower than the controls: Page Down and Page Up scroll it a page
// unless an edit box holds the focus; the wheel turned over an edit box
// scrolls it too.
TEST_F(Win32Window, PageKeysAndTheWheelScrollAReducedWindow) {
  SetWindowPos(Form().Handle(), nullptr, 0, 0, 700, 400, SWP_NOMOVE | SWP_NOZORDER);
  Pump();
  RECT client;
  GetClientRect(Form().Handle(), &client);
  ASSERT_LT(2 * client.bottom, Form().Model().ScrollRange().cy) << "two pages down are still inside the controls";
  Key(VK_NEXT);
  EXPECT_EQ(FocusedName(), "Edit1");
  EXPECT_EQ(Form().ScrollPosition().y, 0) << "Page Down stays in an edit box";
  Key(VK_TAB);
  Key(VK_NEXT);
  EXPECT_EQ(FocusedName(), "btn1");
  EXPECT_EQ(Form().ScrollPosition().y, client.bottom);
  RECT button;
  GetWindowRect(Window("btn1"), &button);
  MapWindowPoints(nullptr, Form().Handle(), reinterpret_cast<POINT*>(&button), 2);
  EXPECT_EQ(button.top, Form().Model().Find("btn1")->bounds.top - client.bottom) << "the controls moved up";
  Key(VK_PRIOR);
  EXPECT_EQ(Form().ScrollPosition().y, 0);
  // Wheel messages go to the focused control, which passes them up.
  PostMessageA(Window("Edit1"), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
  Pump();
  const int after_notch = Form().ScrollPosition().y;
  EXPECT_GT(after_notch, 0);
  EXPECT_LT(after_notch, client.bottom);
  PostMessageA(Window("Edit1"), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
  Pump();
  EXPECT_EQ(Form().ScrollPosition().y, 0);
}

}  // namespace
}  // namespace anod
