// The window's four click handlers, each counting its clicks, for tests that
// build the main window with or without a toolkit.
#pragma once

#include "ui/form_model.h"

namespace anod::testing_support {

struct Counts {
  int btn1 = 0, btn2 = 0, button1 = 0, button2 = 0;
};

inline HandlerTable Handlers(Counts& counts) {
  return {{"btn1Click", [&] { ++counts.btn1; }},
          {"btn2Click", [&] { ++counts.btn2; }},
          {"Button1Click", [&] { ++counts.button1; }},
          {"Button2Click", [&] { ++counts.button2; }}};
}

}  // namespace anod::testing_support
