#include "app/win32/application.h"

#include <functional>

#include "platform/win32/stop_box.h"
#include "platform/win32/window_guard.h"
#include "app/win32/module_title.h"
#include "widgets/vivid_application.h"

namespace anod {
namespace {

constexpr const char* kClassName = "TApplication";
// lparam: a heap AfterEventTask, freed by the handler.
constexpr UINT kRunAfterEvent = WM_APP + 1;

struct AfterEventTask {
  HWND sender;
  std::function<void(EventSender)> task;
};

TApplication* running = nullptr;

void ReportWindowFailure(HWND window, std::exception_ptr thrown) {
  if (running != nullptr) running->Reporter().Report(window, std::move(thrown));
}

BOOL CALLBACK FirstShown(HWND window, LPARAM found) {
  if (!IsWindowVisible(window)) return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

// The failure box belongs to the program's window that is active when it
// opens (the main window), so that the desktop keeps it above that window:
// a box of the hidden window fell behind the main window as soon as its
// title bar was clicked, and the disabled main window then took no input at
// all. While another program is active, the first shown window of the
// program's own; the hidden window when none shows.
HWND FailureBoxOwner(HWND hidden) {
  if (const HWND active = GetActiveWindow(); active != nullptr && IsWindowVisible(active)) {
    return GetAncestor(active, GA_ROOT);
  }
  HWND shown = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FirstShown, reinterpret_cast<LPARAM>(&shown));
  return shown != nullptr ? shown : hidden;
}

}  // namespace

class TApplication::Boxes final : public MessageBoxService {
 public:
  explicit Boxes(HWND hidden) : hidden_(hidden) {}
  void ShowStop(std::string_view caption, std::string_view text, BoxOwner owner) override {
    if (owner == BoxOwner::kApplication) {
      ShowStopBox(FailureBoxOwner(hidden_), caption, text, 0);
    } else {
      ShowStopBox(nullptr, caption, text, MB_TASKMODAL);
    }
  }

 private:
  HWND hidden_;
};

class TApplication::Windows final : public WindowServices {
 public:
  explicit Windows(HWND app_window) : app_window_(app_window) {}

  void CancelMouseGrab() override {
    if (const HWND holder = GetCapture()) SendMessageA(holder, WM_CANCELMODE, 0, 0);
  }

  std::unique_ptr<SavedActivation> SaveActivation() override {
    class Saved final : public SavedActivation {
     public:
      Saved() : active_(GetActiveWindow()), focus_(GetFocus()) {}
      void Restore() override {
        if (active_ != nullptr && IsWindow(active_) && IsWindowVisible(active_)) SetActiveWindow(active_);
        if (focus_ != nullptr && IsWindow(focus_) && IsWindowVisible(focus_)) SetFocus(focus_);
      }

     private:
      HWND active_;
      HWND focus_;
    };
    return std::make_unique<Saved>();
  }

  void PostAfterEvent(EventSender sender, std::function<void(EventSender)> task) override {
    auto* posted = new AfterEventTask{static_cast<HWND>(sender), std::move(task)};
    if (!PostMessageA(app_window_, kRunAfterEvent, 0, reinterpret_cast<LPARAM>(posted))) delete posted;
  }

 private:
  HWND app_window_;
};

class TApplication::PrimaryScreen final : public ScreenService {
 public:
  int ColorDepth() const override {
    const HDC screen = GetDC(nullptr);
    const int bits = screen != nullptr ? GetDeviceCaps(screen, BITSPIXEL) * GetDeviceCaps(screen, PLANES) : 0;
    if (screen != nullptr) ReleaseDC(nullptr, screen);
    return bits;
  }
};

LRESULT CALLBACK TApplication::WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  return GuardWindowProc(window, 0, [&]() -> LRESULT {
    if (message != kRunAfterEvent) return DefWindowProcA(window, message, wparam, lparam);
    const std::unique_ptr<AfterEventTask> posted(reinterpret_cast<AfterEventTask*>(lparam));
    const HWND sender = posted->sender != nullptr && IsWindow(posted->sender) ? posted->sender : nullptr;
    posted->task(sender);
    return 0;
  });
}

TApplication::TApplication(const std::string& executable_path) {
  const std::string title = TitleFromModulePath(executable_path);
  WNDCLASSA c{};
  c.lpfnWndProc = WindowProc;
  c.hInstance = GetModuleHandleA(nullptr);
  c.lpszClassName = kClassName;
  c.hIcon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1));
  RegisterClassA(&c);
  // Hidden, zero size; its system menu has no Maximize, Size or Move.
  window_ = CreateWindowExA(0, kClassName, title.c_str(), WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 0, 0,
                            0, 0, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  if (const HMENU menu = GetSystemMenu(window_, FALSE)) {
    DeleteMenu(menu, SC_MAXIMIZE, MF_BYCOMMAND);
    DeleteMenu(menu, SC_SIZE, MF_BYCOMMAND);
    DeleteMenu(menu, SC_MOVE, MF_BYCOMMAND);
  }
  boxes_ = std::make_unique<Boxes>(window_);
  windows_ = std::make_unique<Windows>(window_);
  screen_ = std::make_unique<PrimaryScreen>();
  // The boxes read the title back from the hidden window, as long as it has one.
  char shown[256] = {};
  const std::string caption = GetWindowTextA(window_, shown, sizeof shown) > 0 ? std::string(shown) : title;
  reporter_ = std::make_unique<FailureReporter>(caption, *boxes_, *windows_);
  running = this;
  SetWindowFailureSink(ReportWindowFailure);
  TVividApplication::Instance().OnFailure = [](const Exception& failure) {
    if (running != nullptr) running->Reporter().ReportAfterEvent(GetFocus(), failure);
  };
}

TApplication::~TApplication() {
  TVividApplication::Instance().OnFailure = nullptr;
  SetWindowFailureSink(nullptr);
  running = nullptr;
  if (window_ != nullptr) DestroyWindow(window_);
}

TApplication* TApplication::Running() { return running; }

const ScreenService& TApplication::Screen() const { return *screen_; }

}  // namespace anod
