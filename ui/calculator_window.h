// The window the four calculators run on, as the wiring sees it: edit boxes
// that give their texts and labels that take captions, found by name.
// Texts are Windows-1252. The window's model (ui/form_model.h) answers it
// for every toolkit.
#pragma once

#include <string>
#include <string_view>

namespace anod {

struct CalculatorInfo;

class CalculatorWindow {
 public:
  virtual ~CalculatorWindow() = default;
  // The text of the edit box `name` ("Edit1"); empty for an unknown name.
  virtual std::string EditText(std::string_view name) const = 0;
  // Shows `caption` in the label `name` ("lbl4") and repaints it; what
  // listens for caption changes (a screen reader) hears of it.
  virtual void SetLabelCaption(std::string_view name, std::string caption) = 0;
  // Told once `calculator` wrote both its captions from the edit boxes'
  // texts (not after a failure or a silent stop): the planner can add that
  // part. Nothing by default.
  virtual void Calculated(const CalculatorInfo&) {}
};

}  // namespace anod
