#include "widgets/win32/button_notifications.h"

#include <cstring>
#include <vector>

#include "platform/win32/uxtheme_service.h"
#include "widgets/focus_rule.h"
#include "widgets/vivid_application.h"
#include "widgets/win32/vivid_button.h"
#include "widgets/win32/win32_timers.h"

namespace anod {
namespace {

constexpr const char* kDefaultProperty = "anodDefault";

bool IsStandardPushButton(HWND window) {
  char name[8] = {};
  if (GetClassNameA(window, name, sizeof name) == 0 || lstrcmpiA(name, "Button") != 0) return false;
  const LONG_PTR type = GetWindowLongPtrA(window, GWL_STYLE) & BS_TYPEMASK;
  return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
}

bool IsPushButton(HWND window) {
  return window != nullptr && (TVividCustomButton::FromHandle(window) != nullptr || IsStandardPushButton(window));
}

BOOL CALLBACK Collect(HWND window, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  return TRUE;
}

}  // namespace

bool HandleButtonNotification(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) {
  if (message == WM_DRAWITEM) {
    const auto* request = reinterpret_cast<const DRAWITEMSTRUCT*>(lparam);
    TVividCustomButton* button = TVividCustomButton::FromHandle(request->hwndItem);
    if (request->CtlType != ODT_BUTTON || button == nullptr) return false;
    button->DrawItemRequest(*request);
    result = TRUE;
    return true;
  }
  if (message == WM_COMMAND && HIWORD(wparam) == BN_CLICKED) {
    TVividCustomButton* button = TVividCustomButton::FromHandle(reinterpret_cast<HWND>(lparam));
    if (button == nullptr) return false;
    button->PlatformClicked();
    result = 0;
    return true;
  }
  return false;
}

void ApplyFocusRule(HWND window, HWND focus) {
  if (window == nullptr) return;
  std::vector<HWND> children;
  EnumChildWindows(window, Collect, reinterpret_cast<LPARAM>(&children));
  const bool focus_is_push_button = IsPushButton(focus);
  for (HWND child : children) {
    if (TVividCustomButton* vivid = TVividCustomButton::FromHandle(child)) {
      vivid->SetIsActive(FocusRuleAnswer(focus_is_push_button, child == focus, vivid->Default()));
    } else if (IsStandardPushButton(child)) {
      const bool is_default = GetPropA(child, kDefaultProperty) != nullptr;
      const bool active = FocusRuleAnswer(focus_is_push_button, child == focus, is_default);
      const bool shown = (GetWindowLongPtrA(child, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
      if (active != shown) SendMessageA(child, BM_SETSTYLE, active ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
    }
  }
}

void SetDefaultPushButton(HWND button, bool on) {
  if (on) {
    SetPropA(button, kDefaultProperty, reinterpret_cast<HANDLE>(1));
  } else {
    RemovePropA(button, kDefaultProperty);
  }
}

void InstallWin32ButtonServices() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  TVividApplication& app = TVividApplication::Instance();
  app.SetPlatformTimers(&Win32Timers());
  app.SetThemeService(UxThemeService());
}

}  // namespace anod
