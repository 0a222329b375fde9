// The picture an image control owns: at most one picture object, owned and
// destroyed when replaced. Change and progress notifications of the object
// are passed on to the owner.
#pragma once

#include <functional>
#include <memory>

#include "pictures/graphic.h"

namespace anod {

class ByteReader;

class TPicture {
 public:
  TPicture() = default;
  TPicture(const TPicture&) = delete;
  TPicture& operator=(const TPicture&) = delete;

  TGraphic* Graphic() const { return graphic_.get(); }
  // Replaces (and destroys) the picture object; one change notification.
  void SetGraphic(std::unique_ptr<TGraphic> graphic);

  // 0 without a picture object.
  int Width() const { return graphic_ ? graphic_->Width() : 0; }
  int Height() const { return graphic_ ? graphic_->Height() : 0; }

  // Reads a stored picture value: the N bytes after the value's type byte and
  // length, from the class-name length on (see pictures/stored_value.h).
  void ReadData(ByteReader& reader);

  std::function<void(TPicture&)> OnChange;
  TProgressEvent OnProgress;

 private:
  void Changed();

  std::unique_ptr<TGraphic> graphic_;
};

}  // namespace anod
