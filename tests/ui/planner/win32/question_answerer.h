// Answers the planner's questions in tests, from a second thread.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

#include "ui/planner/win32/plan_dialogs.h"

namespace anod {

// Answers the planner's question from a second thread: waits for the box
// titled "Plan de bain", keeps its buttons' texts, presses the one named.
class QuestionAnswerer {
 public:
  explicit QuestionAnswerer(std::wstring press) {
    thread_ = std::thread([this, press] {
      HWND box = nullptr;
      for (int waited = 0; box == nullptr && waited < 10000; waited += 20) {
        // Found once shown: its buttons are made while it is still hidden.
        box = FindWindowW(nullptr, win32::kPlanBoxCaption);
        if (box != nullptr && !IsWindowVisible(box)) box = nullptr;
        if (box == nullptr) Sleep(20);
      }
      if (box == nullptr) return;
      EnumChildWindows(box, &QuestionAnswerer::Button, reinterpret_cast<LPARAM>(this));
      for (const auto& [text, id] : buttons_) {
        if (text == press) PostMessageW(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
      }
    });
  }
  ~QuestionAnswerer() {
    if (thread_.joinable()) thread_.join();
  }
  // The buttons' texts, once the box was answered (or ten seconds passed).
  std::vector<std::wstring> Texts() {
    if (thread_.joinable()) thread_.join();
    std::vector<std::wstring> texts;
    for (const auto& [text, id] : buttons_) texts.push_back(text);
    return texts;
  }

 private:
  static BOOL CALLBACK Button(HWND child, LPARAM self) {
    wchar_t name[16] = {}, text[64] = {};
    GetClassNameW(child, name, 16);
    GetWindowTextW(child, text, 64);
    // Common controls 6 may name its version before the class.
    if (std::wstring_view(name).ends_with(L"Button") && IsWindowVisible(child) && text[0] != L'\0') {
      reinterpret_cast<QuestionAnswerer*>(self)->buttons_.emplace_back(text, GetDlgCtrlID(child));
    }
    return TRUE;
  }
  std::vector<std::pair<std::wstring, int>> buttons_;
  std::thread thread_;
};

}  // namespace anod
