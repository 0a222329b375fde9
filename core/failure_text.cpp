#include "core/failure_text.h"

namespace anod {

std::string MessageForDisplay(std::string_view message) {
  std::string text(message);
  if (!text.empty() && static_cast<unsigned char>(text.back()) > '.') text += '.';
  return text;
}

}  // namespace anod
