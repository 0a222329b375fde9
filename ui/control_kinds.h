// The kinds of control the window description may name, and how each is
// created inside its parent and given its click handler.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "ui/form1.h"

namespace anod {

// Creates a control of `class_name` (TLabel, TBevel, TShape, TImage, TEdit,
// TButton, TStaticText, TPanel, TVividButton) as a child of `parent` (a
// windowed control) or of `host` (a drawn control). An unknown class gives
// an entry without target.
ControlEntry CreateControlKind(std::string_view class_name, std::string name, QWidget& parent, DrawnHost& host,
                               TForm1& form);

// Binds OnClick; false for a kind without clicks.
bool BindClick(ControlEntry& entry, std::function<void()> handler);

}  // namespace anod
