#include "pictures/picture.h"

#include <string>

#include "pictures/byte_reader.h"
#include "core/failures.h"
#include "pictures/file_formats.h"

namespace anod {

void TPicture::SetGraphic(std::unique_ptr<TGraphic> graphic) {
  graphic_ = std::move(graphic);
  if (graphic_) {
    graphic_->OnChange = [this](TGraphic&) { Changed(); };
    graphic_->OnProgress = [this](TGraphic& sender, TProgressStage stage, std::uint8_t percent, bool redraw,
                                  const Rect& r, const std::string& msg) {
      if (OnProgress) OnProgress(sender, stage, percent, redraw, r, msg);
    };
  }
  Changed();
}

void TPicture::ReadData(ByteReader& reader) {
  const std::uint8_t length = reader.ReadByte();
  std::string name(length, '\0');
  name.resize(reader.Read(name.data(), length));  // a short name is what was read
  std::unique_ptr<TGraphic> graphic;
  if (const GraphicClass* kind = TFileFormatsList::Instance().FindClassName(name)) {
    if (kind->create == nullptr) throw EInvalidGraphic("Format d'image non pris en charge");
    graphic = kind->create();
    graphic->ReadData(reader);  // on failure the new object goes, the old one stays
  }
  SetGraphic(std::move(graphic));
}

void TPicture::Changed() {
  if (OnChange) OnChange(*this);
}

}  // namespace anod
