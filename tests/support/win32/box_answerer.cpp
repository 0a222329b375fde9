#include "tests/support/win32/box_answerer.h"

namespace anod::testing_support {

BoxAnswerer::BoxAnswerer(std::string title) : title_(std::move(title)) {
  thread_ = std::thread([this] {
    HWND box = nullptr;
    for (int waited = 0; box == nullptr && waited < 10000; waited += 20) {
      box = FindWindowA("#32770", title_.c_str());
      if (box == nullptr) Sleep(20);
    }
    if (box == nullptr) return;
    char text[512] = {};
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);  // the box's static text
    text_ = text;
    owner_ = GetWindow(box, GW_OWNER);
    seen_ = true;
    PostMessageA(box, WM_COMMAND, IDOK, 0);
  });
}

BoxAnswerer::~BoxAnswerer() { Join(); }

void BoxAnswerer::Join() {
  if (thread_.joinable()) thread_.join();
}

}  // namespace anod::testing_support
