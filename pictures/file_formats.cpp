#include "pictures/file_formats.h"

#include <algorithm>

#include "pictures/bitmap.h"

namespace anod {

TFileFormatsList& TFileFormatsList::Instance() {
  static TFileFormatsList list;
  return list;
}

TFileFormatsList::TFileFormatsList() {
  Add("wmf", "M\xE9tafichiers", kMetafileClass);
  Add("emf", "M\xE9tafichiers \xE9volu\xE9s", kMetafileClass);
  Add("ico", "Ic\xF4nes", kIconClass);
  Add("bmp", "Bitmaps", kBitmapClass);
}

void TFileFormatsList::Add(std::string extension, std::string description, const GraphicClass& graphic_class) {
  entries_.push_back({&graphic_class, std::move(extension), std::move(description)});
}

void TFileFormatsList::Remove(const GraphicClass& graphic_class) {
  std::erase_if(entries_, [&](const FileFormat& f) { return f.graphic_class->InheritsFrom(graphic_class); });
}

const GraphicClass* TFileFormatsList::FindClassName(std::string_view name) const {
  for (auto it = entries_.rbegin(); it != entries_.rend(); ++it) {
    if (it->graphic_class->name == name) return it->graphic_class;
  }
  return nullptr;
}

}  // namespace anod
