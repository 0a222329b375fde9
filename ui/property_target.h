// What the description reader sets on a control besides its bounds, tab
// order and click handler.
#pragma once

#include <string_view>

#include "ui/description_stream.h"

namespace anod {

class PropertyTarget {
 public:
  virtual ~PropertyTarget() = default;
  // False when the kind has no such property; EReadError on a bad value.
  virtual bool ApplyProperty(std::string_view path, const Value& value) = 0;
  // Fonts of the control's own scale with the window (measured / 13).
  virtual void ScaleFont(int /*num*/, int /*den*/) {}
  // Every property of the control has been read.
  virtual void Loaded() {}
};

}  // namespace anod
