// Answers the stop box of the window under test from a second thread: waits
// for a dialog box with the given title, reads its text, presses OK.
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

  // After Join(): whether a box came within ten seconds, and its text.
  void Join();
  bool Seen() const { return seen_; }
  const std::string& Text() const { return text_; }

 private:
  std::string title_;
  bool seen_ = false;
  std::string text_;
  std::thread thread_;
};

}  // namespace anod::testing_support
