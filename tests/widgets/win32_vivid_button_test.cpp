// The colored button on Win32, driven with real window messages: the states
// it paints (pixels read from a memory DC that the parent's WM_DRAWITEM
// draws into), the clicks the platform button reports, the repeat timer on
// SetTimer, and a failing OnClick caught in the parent's window procedure.
#include "widgets/win32/vivid_button.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/failures.h"
#include "platform/win32/uxtheme_service.h"
#include "platform/win32/window_guard.h"
#include "tests/widgets/main_window_button.h"
#include "widgets/vivid_application.h"
#include "widgets/win32/button_notifications.h"

namespace anod {
namespace {

constexpr int kWidth = 226, kHeight = 24, kId = 69;

LRESULT CALLBACK ParentProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  return GuardWindowProc(window, 0, [&] {
    LRESULT result = 0;
    if (HandleButtonNotification(message, wparam, lparam, result)) return result;
    return DefWindowProcA(window, message, wparam, lparam);
  });
}

HWND MakeParent() {
  static const ATOM registered = [] {
    WNDCLASSA c{};
    c.lpfnWndProc = ParentProc;
    c.hInstance = GetModuleHandleA(nullptr);
    c.lpszClassName = "anodButtonTestParent";
    c.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    return RegisterClassA(&c);
  }();
  EXPECT_NE(registered, 0);
  const HWND parent = CreateWindowExA(0, "anodButtonTestParent", "parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10,
                                      300, 120, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  SetForegroundWindow(parent);
  return parent;
}

void Pump() {
  MSG m;
  while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
}

LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

// The main window's button on a parent of its own, painted on request into
// a 24-bit memory DC; with the classic frames unless `themed` (Wine runs a
// theme of its own).
class ButtonOnWindow {
 public:
  explicit ButtonOnWindow(bool themed = false) : parent_(MakeParent()) {
    TVividApplication::Instance().SetThemedDrawingAllowed(themed);
    testing_support::SetUpAsMainWindowButton(button_);
    button_.OnClick = [this] { ++clicks_; };
    EXPECT_TRUE(button_.Create(parent_, kId, {10, 10, 10 + kWidth, 10 + kHeight}));
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, kWidth, -kHeight, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
    previous_ = SelectObject(dc_, bitmap_);
    Pump();
  }
  ~ButtonOnWindow() {
    SelectObject(dc_, previous_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
    DestroyWindow(button_.Handle());
    DestroyWindow(parent_);
  }
  ButtonOnWindow(const ButtonOnWindow&) = delete;
  ButtonOnWindow& operator=(const ButtonOnWindow&) = delete;

  HWND Handle() const { return button_.Handle(); }
  TVividButton& Button() { return button_; }
  int Clicks() const { return clicks_; }
  LRESULT Send(UINT message, WPARAM wparam = 0, LPARAM lparam = 0) {
    const LRESULT answer = SendMessageA(Handle(), message, wparam, lparam);
    Pump();
    return answer;
  }

  // The parent's WM_DRAWITEM with the platform button's own selected and
  // focus bits.
  void Paint() {
    const HWND b = Handle();
    UINT state = 0;
    if ((SendMessageA(b, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0) state |= ODS_SELECTED;
    if (GetFocus() == b) state |= ODS_FOCUS;
    DRAWITEMSTRUCT request{ODT_BUTTON, kId, 0, ODA_DRAWENTIRE, state, b, dc_, {0, 0, kWidth, kHeight}, 0};
    SendMessageA(parent_, WM_DRAWITEM, kId, reinterpret_cast<LPARAM>(&request));
    GdiFlush();
  }
  COLORREF Pixel(int x, int y) const {
    const std::uint8_t* p = bits_ + y * kStride + x * 3;
    return RGB(p[2], p[1], p[0]);
  }
  // The smallest rectangle holding every pixel of `colour`.
  RECT BoxOf(COLORREF colour) const {
    RECT box{kWidth, kHeight, -1, -1};
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0; x < kWidth; ++x) {
        if (Pixel(x, y) != colour) continue;
        box = {std::min<LONG>(box.left, x), std::min<LONG>(box.top, y), std::max<LONG>(box.right, x + 1),
               std::max<LONG>(box.bottom, y + 1)};
      }
    }
    return box;
  }

 private:
  static constexpr int kStride = (kWidth * 3 + 3) & ~3;
  HWND parent_;
  TVividButton button_;
  int clicks_ = 0;
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ previous_;
  std::uint8_t* bits_ = nullptr;
};

constexpr COLORREF kBlack = RGB(0, 0, 0), kWhite = RGB(255, 255, 255), kLime = RGB(0, 255, 0);
COLORREF Highlight() { return GetSysColor(COLOR_BTNHIGHLIGHT); }
COLORREF Shadow() { return GetSysColor(COLOR_BTNSHADOW); }
COLORREF Frame() { return GetSysColor(COLOR_WINDOWFRAME); }

struct Expected {
  int x, y;
  std::function<COLORREF()> colour;
};

struct StateRow {
  const char* name;
  std::function<void(ButtonOnWindow&)> input;
  std::vector<Expected> pixels;
};
void PrintTo(const StateRow& row, std::ostream* os) { *os << row.name; }

class Win32ButtonPaints : public testing::TestWithParam<StateRow> {};

// Corners of the outer ring and the focus rectangle's first dot (black
// inverted to white) tell the states apart.
TEST_P(Win32ButtonPaints, StatePixels) {
  ButtonOnWindow b;
  GetParam().input(b);
  b.Paint();
  for (const Expected& e : GetParam().pixels) {
    SCOPED_TRACE(testing::Message() << "(" << e.x << ", " << e.y << ")");
    EXPECT_EQ(b.Pixel(e.x, e.y), e.colour());
  }
  const RECT caption = b.BoxOf(kLime);
  EXPECT_LT(caption.left, caption.right) << "no lime caption";
  EXPECT_GE(caption.left, 3);
  EXPECT_LE(caption.right, kWidth - 3);
}

const auto black = [] { return kBlack; };
const auto white = [] { return kWhite; };

INSTANTIATE_TEST_SUITE_P(
    Win32, Win32ButtonPaints,
    testing::Values(
        StateRow{"at_rest", [](ButtonOnWindow&) {},
                 {{0, 0, black}, {kWidth - 1, kHeight - 1, black}, {4, 4, black}}},
        StateRow{"pointer_over",
                 [](ButtonOnWindow& b) { b.Send(WM_MOUSEMOVE, 0, At(20, 10)); },
                 {{0, 0, Highlight}, {kWidth - 1, kHeight - 1, Shadow}, {1, 1, black}, {4, 4, black}}},
        StateRow{"pointer_over_then_left",
                 [](ButtonOnWindow& b) {
                   b.Send(WM_MOUSEMOVE, 0, At(20, 10));
                   b.Send(WM_MOUSELEAVE);
                 },
                 {{0, 0, black}, {kWidth - 1, kHeight - 1, black}}},
        StateRow{"held_down",
                 [](ButtonOnWindow& b) {
                   b.Send(WM_MOUSEMOVE, 0, At(20, 10));
                   b.Send(WM_LBUTTONDOWN, MK_LBUTTON, At(20, 10));
                 },
                 {{0, 0, Shadow}, {kWidth - 1, kHeight - 1, Highlight}, {4, 4, white}, {3, 3, black}}},
        StateRow{"focused_by_keyboard",
                 [](ButtonOnWindow& b) { SetFocus(b.Handle()); },
                 {{0, 0, Frame}, {4, 4, white}, {5, 4, black}, {3, 3, black}}}),
    [](const testing::TestParamInfo<StateRow>& info) { return std::string(info.param.name); });

TEST(Win32Button, PressedCaptionMovesOneRightOneDown) {
  ButtonOnWindow b;
  SetFocus(b.Handle());
  b.Paint();
  const RECT rest = b.BoxOf(kLime);
  b.Send(WM_LBUTTONDOWN, MK_LBUTTON, At(20, 10));
  b.Paint();
  const RECT pressed = b.BoxOf(kLime);
  EXPECT_EQ(pressed.left, rest.left + 1);
  EXPECT_EQ(pressed.top, rest.top + 1);
}

struct ClickRow {
  const char* name;
  std::vector<std::pair<UINT, LPARAM>> messages;
  int clicks;
};
void PrintTo(const ClickRow& row, std::ostream* os) { *os << row.name; }

class Win32ButtonClicks : public testing::TestWithParam<ClickRow> {};

TEST_P(Win32ButtonClicks, Count) {
  ButtonOnWindow b;
  for (const auto& [message, lparam] : GetParam().messages) {
    const WPARAM wparam = message == WM_KEYDOWN || message == WM_KEYUP ? static_cast<WPARAM>(lparam)
                          : message == WM_LBUTTONUP                    ? 0
                                                                       : MK_LBUTTON;
    b.Send(message, wparam, message == WM_KEYDOWN || message == WM_KEYUP ? 1 : lparam);
  }
  EXPECT_EQ(b.Clicks(), GetParam().clicks);
}

const LPARAM kInside = MAKELPARAM(20, 10), kOutside = MAKELPARAM(400, 10);

INSTANTIATE_TEST_SUITE_P(
    Win32, Win32ButtonClicks,
    testing::Values(
        ClickRow{"press_release_inside", {{WM_LBUTTONDOWN, kInside}, {WM_LBUTTONUP, kInside}}, 1},
        ClickRow{"double_click_is_two_clicks",
                 {{WM_LBUTTONDOWN, kInside}, {WM_LBUTTONUP, kInside}, {WM_LBUTTONDBLCLK, kInside},
                  {WM_LBUTTONUP, kInside}},
                 2},
        ClickRow{"dragged_off_and_released_outside",
                 {{WM_LBUTTONDOWN, kInside}, {WM_MOUSEMOVE, kOutside}, {WM_LBUTTONUP, kOutside}},
                 0},
        ClickRow{"dragged_off_and_back",
                 {{WM_LBUTTONDOWN, kInside}, {WM_MOUSEMOVE, kOutside}, {WM_MOUSEMOVE, kInside},
                  {WM_LBUTTONUP, kInside}},
                 1},
        ClickRow{"space_down_up", {{WM_LBUTTONDOWN, kInside}, {WM_LBUTTONUP, kInside},
                                   {WM_KEYDOWN, VK_SPACE}, {WM_KEYUP, VK_SPACE}}, 2},
        ClickRow{"enter_on_the_focused_button", {{WM_LBUTTONDOWN, kInside}, {WM_LBUTTONUP, kInside},
                                                  {WM_KEYDOWN, VK_RETURN}}, 2}),
    [](const testing::TestParamInfo<ClickRow>& info) { return std::string(info.param.name); });

TEST(Win32Button, HeldWithRepeatedClickClicksOnItsTimer) {
  ButtonOnWindow b;
  b.Button().SetRepeatedClick(true);
  b.Button().SetRepeatingDelay(50);
  b.Send(WM_MOUSEMOVE, 0, kInside);
  b.Send(WM_LBUTTONDOWN, MK_LBUTTON, kInside);
  ASSERT_NE(b.Button().RepeatTimer(), nullptr);
  for (int waited = 0; b.Clicks() == 0 && waited < 5000; waited += 10) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    Pump();
  }
  EXPECT_GE(b.Clicks(), 1) << "no tick of the repeat timer";
  b.Send(WM_LBUTTONUP, 0, kInside);
  EXPECT_EQ(b.Button().RepeatTimer(), nullptr);
}

std::vector<std::string> caught;
void Record(HWND, std::exception_ptr thrown) {
  try {
    std::rethrow_exception(thrown);
  } catch (const Exception& failure) {
    caught.push_back(failure.Message());
  }
}

// The failure stops in the parent's procedure; the button goes on working.
TEST(Win32Button, FailingClickIsCaughtInTheWindowProcedure) {
  caught.clear();
  SetWindowFailureSink(Record);
  ButtonOnWindow b;
  int runs = 0;
  b.Button().OnClick = [&] {
    if (++runs == 1) throw EOverflow("D\xE9" "bordement en virgule flottante");
  };
  for (int i = 0; i < 2; ++i) {
    b.Send(WM_LBUTTONDOWN, MK_LBUTTON, kInside);
    b.Send(WM_LBUTTONUP, 0, kInside);
  }
  SetWindowFailureSink(nullptr);
  EXPECT_EQ(runs, 2);
  EXPECT_EQ(caught, std::vector<std::string>{"D\xE9" "bordement en virgule flottante"});
}

// Wine ships the theme library and a theme of its own: the toolbar button's
// background is drawn under the pointer, and the pressed caption stays.
TEST(Win32Themes, ThemedFrameUnderThePointerCaptionStaysWhenPressed) {
  ButtonOnWindow b(true);
  ThemeService* service = UxThemeService();
  ASSERT_NE(service, nullptr) << "uxtheme.dll or one of its entry points is missing";
  EXPECT_EQ(TVividApplication::Instance().Themes(), service);
  EXPECT_EQ(b.Button().UseThemedDrawing(), service->IsThemeActive());
  if (!service->IsThemeActive()) GTEST_SKIP() << "no theme active: the classic frames are tested above";
  b.Paint();
  const COLORREF rest = b.Pixel(kWidth / 2, 1);
  const RECT rest_caption = b.BoxOf(kLime);
  b.Send(WM_MOUSEMOVE, 0, At(20, 10));
  b.Paint();
  EXPECT_NE(b.Pixel(kWidth / 2, 1), rest) << "no hot toolbar background";
  b.Send(WM_LBUTTONDOWN, MK_LBUTTON, At(20, 10));
  b.Paint();
  EXPECT_EQ(b.BoxOf(kLime).left, rest_caption.left);
  EXPECT_EQ(b.BoxOf(kLime).top, rest_caption.top);
}

}  // namespace
}  // namespace anod
