// The window's windowed controls as Win32 child windows, made by the form
// (ui/win32/form_window.h) while the description is read:
//   TEdit        -> "EDIT", a two-pixel sunken client edge, no inner margins,
//                   scrolling sideways past its edges
//   TButton      -> "BUTTON", a platform push button
//   TStaticText  -> "STATIC", centred, a one-pixel sunken edge
//   TVividButton -> the owner-drawn colored button (widgets/win32/)
// Each one's bounds are relative to its parent's client area; children of
// the form's client area move with its scroll position. Fonts are the
// description's, colours come back to the parent on WM_CTLCOLOR*.
#pragma once

#include <windows.h>

#include <string>

#include "ui/form_model.h"
#include "widgets/win32/vivid_button.h"

namespace anod::win32 {

// A child window that lies at its model's bounds, less `scroll` when its
// parent is the form's client area.
class NativeChild {
 public:
  NativeChild(HWND window, const Point* scroll) : window_(window), scroll_(scroll) {}
  virtual ~NativeChild();
  NativeChild(const NativeChild&) = delete;
  NativeChild& operator=(const NativeChild&) = delete;

  HWND Handle() const { return window_; }
  void PlaceAt(const Rect& bounds);
  // The colours WM_CTLCOLOREDIT / WM_CTLCOLORSTATIC answer with.
  TColor Back() const { return back_; }
  TColor Text() const { return text_; }

 protected:
  void SetColors(TColor back, TColor text) { back_ = back, text_ = text; }
  void SetFont(const FontSpec& font);

  HWND window_;

 private:
  const Point* scroll_;
  TColor back_ = clBtnFace;
  TColor text_ = clWindowText;
};

class TEdit final : public EditBoxControl, public NativeChild {
 public:
  TEdit(HWND parent, int id, const Point* scroll, const EditBoxModel& model);
  void SetBounds(const Rect& bounds) override { PlaceAt(bounds); }
  void ApplyLook() override;
  std::string Text() const override;
  void SetText(std::string_view text) override;

 private:
  const EditBoxModel& model_;
};

class TButton final : public WindowedControl, public NativeChild {
 public:
  TButton(HWND parent, int id, const Point* scroll, PushButtonModel& model);
  void SetBounds(const Rect& bounds) override { PlaceAt(bounds); }
  void ApplyLook() override;
  void Clicked() const { model_.Click(); }

 private:
  PushButtonModel& model_;
};

class TStaticText final : public WindowedControl, public NativeChild {
 public:
  TStaticText(HWND parent, int id, const Point* scroll, const StaticTextModel& model);
  void SetBounds(const Rect& bounds) override { PlaceAt(bounds); }
  void ApplyLook() override;

 private:
  const StaticTextModel& model_;
};

// The colored button is its own model; its window exists from the start so
// that the description's properties reach it.
class TWindowVividButton final : public TVividButton, public ColoredButtonControl {
 public:
  TWindowVividButton(HWND parent, int id, const Point* scroll);
  TVividButtonModel& Model() override { return *this; }
  void SetBounds(const Rect& bounds) override;

 private:
  const Point* scroll_;
};

}  // namespace anod::win32
