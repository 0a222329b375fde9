// One good request per calculator's column, as typed into its edit boxes,
// with the captions it writes: shared by the rule tests and the Qt window's
// tests so both drive the columns with the same inputs.
#pragma once

#include <utility>
#include <vector>

namespace anod::testing_support {

using Fields = std::vector<std::pair<const char*, const char*>>;  // edit box, UTF-8 text

struct ColumnExample {
  Fields fields;
  const char* surface_label;
  const char* surface;  // UTF-8
  const char* current;
};

inline const ColumnExample kCylinder{{{"Edit1", "3"}, {"edt1", "10"}}, "lbl4", " 244.92 Cm² ", "2450 mA "};
inline const ColumnExample kBox{{{"edt2", "2"}, {"edt3", "3"}, {"edt4", "4"}}, "lbl10", " 52.00 Cm² ", "520 mA "};
inline const ColumnExample kSphere{{{"Edit2", "2"}}, "Label8", " 50.24 Cm² ", "500 mA "};
inline const ColumnExample kPyramid{{{"Edit5", "5"}, {"Edit6", "4"}}, "Label16", " 56.00 Cm² ", "560 mA "};

}  // namespace anod::testing_support
