// What start-up asks of the screen the window opens on.
#pragma once

namespace anod {

class ScreenService {
 public:
  virtual ~ScreenService() = default;
  // Bits per pixel of the primary screen (24 on a true-colour display), 0
  // when none is known; the pictures' default output depth follows it.
  virtual int ColorDepth() const = 0;
};

}  // namespace anod
