// The windowed controls as the description sets them: what each kind shows,
// without the toolkit's child window that shows it. A shell creates its
// native control from one of these (WindowedControlFactory in
// ui/form_model.h), paints through the looks of ui/control_looks.h and keeps
// the model for the window's lifetime.
#pragma once

#include <functional>
#include <string>

#include "platform/canvas.h"
#include "ui/control_looks.h"
#include "ui/drawn_host.h"
#include "ui/property_target.h"

namespace anod {

// TEdit: the starting text, the font and the background colour. The user's
// text lives in the toolkit's edit box from then on.
struct EditBoxModel final : PropertyTarget {
  std::string text;  // Windows-1252
  FontSpec font;
  TColor color = clWindow;

  // Font.*, Color, Text, BorderStyle (bsSingle); AutoSize, ParentFont and
  // ParentColor only as false.
  bool ApplyProperty(std::string_view path, const Value& value) override;
  void ScaleFont(int num, int den) override;
};

// TButton: a push button with a caption; neither default nor cancel (Enter
// and Escape typed in an edit box click nothing).
struct PushButtonModel final : PropertyTarget {
  PushButtonLook look;  // pressed and focused come from the toolkit at paint time
  std::function<void()> on_click;  // bound by the builder, failures routed

  void Click() const {
    if (on_click) on_click();
  }
  // Enter typed on the push button that holds the focus clicks it once per
  // press, never on the key's repeats while it is held (as the colored
  // button's key rule): KeyClicks(true, false) -> true,
  // KeyClicks(true, true) -> false, KeyClicks(false, false) -> false.
  static constexpr bool KeyClicks(bool enter, bool auto_repeat) { return enter && !auto_repeat; }
  bool ApplyProperty(std::string_view path, const Value& value) override;
  void ScaleFont(int num, int den) override;
};

// TStaticText: a centred caption inside a one-pixel sunken edge.
struct StaticTextModel final : PropertyTarget {
  std::string caption;
  TColor color = clBtnFace;
  FontSpec font;

  bool ApplyProperty(std::string_view path, const Value& value) override;
  void ScaleFont(int num, int den) override;
};

// TPanel: bevels, colour and caption, and the drawn controls it holds.
struct PanelModel final : PropertyTarget {
  PanelModel() {
    look.has_outer = true;
    look.has_inner = false;
  }
  PanelLook look;
  bool parent_font = true;  // follows the window font until it has its own
  DrawnHost host;

  bool ApplyProperty(std::string_view path, const Value& value) override;
  void ScaleFont(int num, int den) override;
};

}  // namespace anod
