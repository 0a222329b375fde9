#include <QFile>
#include <QResource>

#include "ui/form1.h"

namespace anod {

std::span<const std::uint8_t> Form1Description() {
  // The compiled layout is a resource of the executable, stored without
  // compression so its bytes can be read in place.
  static const QResource resource(QStringLiteral(":/anodisation/form1.anw"));
  if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression) return {};
  return {resource.data(), static_cast<std::size_t>(resource.size())};
}

}  // namespace anod
