// Answers the stop box of the window under test from a second thread: waits
// for a dialog box with the given title, reads its text and owner, presses
// OK.
#pragma once

#include <windows.h>

#include <string>
#include <thread>

namespace anod::testing_support {

class BoxAnswerer {
 public:
  explicit BoxAnswerer(std::string title);
  ~BoxAnswerer();  // joins
  BoxAnswerer(const BoxAnswerer&) = delete;
  BoxAnswerer& operator=(const BoxAnswerer&) = delete;

  // After Join(): whether a box came within ten seconds, its text and its
  // owner window.
  void Join();
  bool Seen() const { return seen_; }
  const std::string& Text() const { return text_; }
  HWND Owner() const { return owner_; }

 private:
  std::string title_;
  bool seen_ = false;
  std::string text_;
  HWND owner_ = nullptr;
  std::thread thread_;
};

}  // namespace anod::testing_support
