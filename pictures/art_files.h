// The eight JPEG streams and the icon file the window carries, built into the
// program from pictures/art:
//   cylinder.jpg box.jpg sphere.jpg pyramid.jpg          (289 x 289, baseline)
//   degreasing.jpg electrolysis.jpg colouring.jpg        (354 x 289, baseline)
//   fixing.jpg                                           (354 x 289, progressive)
//   icon.ico                                             (32 x 32, 4,286 bytes)
//
//   ArtFile("icon.ico").size()  -> 4286
//   ArtFile("nothing.jpg")      -> empty
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace anod {

std::span<const std::uint8_t> ArtFile(std::string_view name);

}  // namespace anod
