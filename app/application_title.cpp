#include "app/application_title.h"

#include "core/codepage.h"

namespace anod {
namespace {

// Drops a UTF-8 sequence left incomplete at the end of a cut text, so that a
// character cut in two by the length limit does not turn into "?".
std::string_view DropIncompleteTail(std::string_view text) {
  std::size_t start = text.size();
  // Step back over at most three continuation bytes to the sequence's lead.
  for (int i = 0; i < 4 && start > 0; ++i) {
    --start;
    const auto byte = static_cast<unsigned char>(text[start]);
    if ((byte & 0xC0) == 0x80) continue;
    std::size_t need = 1;
    if ((byte & 0xE0) == 0xC0) need = 2;
    else if ((byte & 0xF0) == 0xE0) need = 3;
    else if ((byte & 0xF8) == 0xF0) need = 4;
    return text.size() - start < need ? text.substr(0, start) : text;
  }
  return text;
}

}  // namespace

unsigned char LowerCaseCp1252(unsigned char byte) {
  if (byte >= 'A' && byte <= 'Z') return static_cast<unsigned char>(byte + 0x20);
  if (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7) return static_cast<unsigned char>(byte + 0x20);
  switch (byte) {
    case 0x8A: return 0x9A;  // Š
    case 0x8C: return 0x9C;  // Œ
    case 0x8E: return 0x9E;  // Ž
    case 0x9F: return 0xFF;  // Ÿ
    default: return byte;
  }
}

std::string ApplicationTitleFromPath(std::string_view path) {
  if (path.size() > kMaxExecutablePathBytes) {
    path = DropIncompleteTail(path.substr(0, kMaxExecutablePathBytes));
  }
  if (const std::size_t slash = path.rfind('/'); slash != std::string_view::npos) {
    path.remove_prefix(slash + 1);
  }
  if (const std::size_t dot = path.find('.'); dot != std::string_view::npos) {
    path = path.substr(0, dot);
  }
  std::string title = Utf8ToCp1252(path);
  for (std::size_t i = 1; i < title.size(); ++i) {
    title[i] = static_cast<char>(LowerCaseCp1252(static_cast<unsigned char>(title[i])));
  }
  return title;
}

}  // namespace anod
