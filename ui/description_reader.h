// Reads a compiled window description (ui/description_stream.h) and hands
// every object and property, in creation order, to a sink that builds them.
//
// Failures are EReadError:
//   - a stream that ends early, or does not start with the signature:
//     "Erreur de lecture du flux";
//   - a value of unknown type: "Valeur de propriété incorrecte";
//   - anything failing while a property is read or applied (including the
//     two above and whatever the sink raises, such as a JPEG failure) is
//     passed on as "Erreur lors de la lecture de <object>.<path>: <message>";
//   - a failure while the sink creates an object as
//     "Erreur lors de la lecture de <object>: <message>".
//   Bytes after the root object's end are ignored.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "ui/description_stream.h"

namespace anod {

class DescriptionSink {
 public:
  virtual ~DescriptionSink() = default;
  // Creates the object as a child of the object begun last and not yet ended
  // (or as the root) and makes it the current one.
  virtual void BeginObject(std::string_view class_name, std::string_view name) = 0;
  // Applies one property to the current object.
  virtual void SetProperty(std::string_view path, const Value& value) = 0;
  // The current object's properties are all read (its children follow).
  virtual void EndProperties() {}
  virtual void EndObject() = 0;
};

void ReadDescription(std::span<const std::uint8_t> bytes, DescriptionSink& sink);

}  // namespace anod
