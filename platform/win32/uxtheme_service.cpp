#include "platform/win32/uxtheme_service.h"

#include <windows.h>

#include <string>

#include "platform/win32/gdi_canvas.h"

namespace anod {
namespace {

using IsThemeActiveFn = BOOL(WINAPI*)();
using OpenThemeDataFn = HANDLE(WINAPI*)(HWND, LPCWSTR);
using CloseThemeDataFn = HRESULT(WINAPI*)(HANDLE);
using DrawThemeBackgroundFn = HRESULT(WINAPI*)(HANDLE, HDC, int, int, const RECT*, const RECT*);

// The library stays loaded for the whole run: theme handles opened from it
// are cached by the buttons until the theme changes.
class UxTheme final : public ThemeService {
 public:
  UxTheme() : library_(LoadLibraryA("uxtheme.dll")) {
    if (library_ == nullptr) return;
    is_theme_active_ = Entry<IsThemeActiveFn>("IsThemeActive");
    open_theme_data_ = Entry<OpenThemeDataFn>("OpenThemeData");
    close_theme_data_ = Entry<CloseThemeDataFn>("CloseThemeData");
    draw_theme_background_ = Entry<DrawThemeBackgroundFn>("DrawThemeBackground");
  }
  ~UxTheme() override {
    if (library_ != nullptr) FreeLibrary(library_);
  }
  UxTheme(const UxTheme&) = delete;
  UxTheme& operator=(const UxTheme&) = delete;

  bool Complete() const {
    return is_theme_active_ != nullptr && open_theme_data_ != nullptr && close_theme_data_ != nullptr &&
           draw_theme_background_ != nullptr;
  }

  bool IsThemeActive() override { return is_theme_active_() != FALSE; }

  ThemeHandle OpenThemeData(std::string_view class_name) override {
    // Class names are ASCII.
    const std::wstring wide(class_name.begin(), class_name.end());
    return reinterpret_cast<ThemeHandle>(open_theme_data_(nullptr, wide.c_str()));
  }

  void CloseThemeData(ThemeHandle handle) override {
    if (handle != 0) close_theme_data_(reinterpret_cast<HANDLE>(handle));
  }

  void DrawThemeBackground(ThemeHandle handle, Canvas& canvas, int part, int state, const Rect& rect) override {
    auto* gdi = dynamic_cast<GdiCanvas*>(&canvas);
    if (gdi == nullptr || handle == 0) return;
    const RECT r{rect.left, rect.top, rect.right, rect.bottom};
    draw_theme_background_(reinterpret_cast<HANDLE>(handle), gdi->Dc(), part, state, &r, nullptr);
  }

 private:
  template <typename Fn>
  Fn Entry(const char* name) {
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(library_, name)));
  }

  HMODULE library_;
  IsThemeActiveFn is_theme_active_ = nullptr;
  OpenThemeDataFn open_theme_data_ = nullptr;
  CloseThemeDataFn close_theme_data_ = nullptr;
  DrawThemeBackgroundFn draw_theme_background_ = nullptr;
};

}  // namespace

ThemeService* UxThemeService() {
  static UxTheme theme;
  return theme.Complete() ? &theme : nullptr;
}

}  // namespace anod
