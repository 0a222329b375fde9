// Compiles the readable window layout (ui/form1.layout) into the byte stream
// the program is built from (ui/description_stream.h). Runs at build time.
//
// The source is UTF-8 text, compiled to Windows-1252. Its lines:
//
//   # a comment, to the end of the line (outside quotes)
//   window Form1 TForm1                the window; its properties follow
//   style field-label                  a named group of properties
//   Label1  TLabel  24 336 89 25  field-label          a control: name, kind,
//   Image4  TImage   4   4 233 193 step-picture in Panel2   left, top, width,
//                                      height, optional style, optional parent
//     Caption  "Rayon: "               an indented line: a property of the
//                                      window, style or control above it
//
// Values: 42 or -16 (integer); "text" with \r \n \t \" \\ escapes, where a
// following indented line holding only quoted text continues it (so each line
// of a multi-line caption stays on its own source line); true, false; an
// identifier (clNavy, taCenter, btn1Click); [fsBold] (a set); file "path"
// (the bytes of a file); picture TJPEGImage "path" (a picture value: class
// name, then the JPEG stream's length and bytes).
//
// A control's properties are written as Left, Top, Width, Height, then its own
// lines, then its style's lines that it does not set itself, so a picture is
// read before its Proportional or Stretch flag. Controls are written in
// source order; a control with "in Parent" becomes a child of that earlier
// control. Errors throw LayoutError "<file>:<line>: <what>".
#pragma once

#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace anod {

class LayoutError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// `load_file` returns the bytes of a file named in the source (relative to
// the source's folder); the command-line compiler reads them from disk.
using FileLoader = std::function<std::string(const std::string& path)>;

std::string CompileLayout(std::string_view source, std::string_view source_name, const FileLoader& load_file);

}  // namespace anod
