// How the command-line calculator writes one result (UTF-8, one line or two).
//
// kCaptions, the default, writes the captions as the window's labels show
// them, spaces included. kTsv and kJson write plain fields for scripts: the
// surface in cm² as its caption shows it without padding or unit, the
// current in mA without its unit, and the message.
//
//   {" 244.92 Cm\xB2 ", "2450 mA ", ""}:
//     kCaptions, alone:  " 244.92 Cm² \n2450 mA \n"
//     kCaptions, batch:  " 244.92 Cm² \t2450 mA \t\n"
//     kTsv:              "244.92\t2450\t\n"
//     kJson:             "{\"surface\":244.92,\"current\":2450,\"message\":null}\n"
//   the initial captions with a message M (a refused field):
//     kTsv:              "\t0\tM\n"
//     kJson:             "{\"surface\":null,\"current\":0,\"message\":\"M\"}\n"
//
// In JSON a field is a number when its text is one, null when it is empty,
// and a string otherwise ("+Inf"). Echoed texts show control characters as
// escapes (visible_text.h), so no result ever spans more lines than these.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace anod {

enum class ResultFormat { kCaptions, kTsv, kJson };

// "tsv" and "json"; nothing for any other name.
std::optional<ResultFormat> ResultFormatByName(std::string_view name);

// One calculator run, in Windows-1252.
struct CalcResult {
  std::string surface;  // the caption
  std::string current;  // the caption
  std::string message;  // as the message box shows it; empty when none
};

// A whole run of the single form; `batch` chooses the batch line of kCaptions.
std::string FormatResult(ResultFormat format, const CalcResult& result, bool batch);

// A batch line that could not run: `problem` in the message's place, the
// surface and current empty.
std::string FormatUnusable(ResultFormat format, std::string_view problem);

// A blank or comment line of a batch: an empty line (null in JSON), so that
// output lines stay aligned with input lines.
std::string FormatSkipped(ResultFormat format);

}  // namespace anod
