// Feeds arbitrary bytes to anodisation-calc --batch, in each output format:
// nothing may crash, no sanitizer may complain, the exit code is one the
// help promises, and the output is valid UTF-8 with exactly one line for
// each input line.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/calc_command.h"
#include "core/float_environment.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

// Well-formed UTF-8 as the Unicode standard defines it (no overlong forms,
// no surrogates, nothing beyond U+10FFFF).
bool IsValidUtf8(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t length = 1;
    unsigned char low = 0x80, high = 0xBF;
    if (lead < 0x80) {
      ++i;
      continue;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3;
      if (lead == 0xE0) low = 0xA0;
      if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4;
      if (lead == 0xF0) low = 0x90;
      if (lead == 0xF4) high = 0x8F;
    } else {
      return false;
    }
    if (i + length > text.size()) return false;
    for (std::size_t k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      if (next < (k == 1 ? low : 0x80) || next > (k == 1 ? high : 0xBF)) return false;
    }
    i += length;
  }
  return true;
}

// Lines as the batch reads them: a final line without its line feed counts,
// and a byte-order mark at the very start is not text ("\xEF\xBB\xBF" alone
// is no line at all).
std::size_t CountLines(std::string_view text) {
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  std::size_t lines = 0;
  for (const char c : text) lines += c == '\n';
  return lines + (!text.empty() && text.back() != '\n');
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  for (const char* format : {"captions", "tsv", "json"}) {
    std::vector<std::string> args{"--batch"};
    if (std::string_view(format) != "captions") args.insert(args.begin(), {"--format", format});
    anod::ResetFloatingPointUnit();
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = anod::RunCalcCommand(args, in, out, err);
    Check(status == anod::kExitOk || status == anod::kExitFailure || status == anod::kExitUsage);
    Check(IsValidUtf8(out.str()) && IsValidUtf8(err.str()));
    Check(CountLines(out.str()) == CountLines(input));
    Check(out.str().empty() || out.str().back() == '\n');
  }
  return 0;
}
