// The picture-kind list: which class a stored picture value's class name
// stands for. Created on first use with the four kinds every program knows
// (metafiles twice, icons, bitmaps); the JPEG module appends its two entries
// at start-up and removes them at shutdown (pictures/jpeg_module.h).
//
//   TFileFormatsList::Instance().FindClassName("TBitmap")     -> &kBitmapClass
//   ... after RegisterJPEGFormats():  FindClassName("TJPEGImage") -> &kJPEGImageClass
//   FindClassName("tjpegimage")  -> nullptr   (case matters)
//   FindClassName("TImage")      -> nullptr   (not a picture kind)
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "pictures/graphic.h"

namespace anod {

struct FileFormat {
  const GraphicClass* graphic_class;
  std::string extension;    // lower case, without the dot
  std::string description;  // Windows-1252, for file dialogs
};

class TFileFormatsList {
 public:
  // The process-wide list, created with its first four entries.
  static TFileFormatsList& Instance();

  TFileFormatsList();

  void Add(std::string extension, std::string description, const GraphicClass& graphic_class);
  // Removes every entry whose class is `graphic_class` or derived from it.
  void Remove(const GraphicClass& graphic_class);
  // Searches from the last entry to the first, comparing class names byte for
  // byte; the first match wins. Null when no entry matches.
  const GraphicClass* FindClassName(std::string_view name) const;

  const std::vector<FileFormat>& Entries() const { return entries_; }

 private:
  std::vector<FileFormat> entries_;
};

}  // namespace anod
