// The abstract picture every picture kind derives from, and the class
// descriptors by which a stored picture value names its kind.
//
// A picture object reports two things to whoever holds it (a TPicture): a
// change (new bytes, a new palette) and progress while it decodes. Drawing
// goes through DrawScaled: the whole picture stretched into a rectangle of a
// canvas.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/canvas.h"
#include "platform/geometry.h"

namespace anod {

class ByteReader;
class TGraphic;

// A picture kind: its class name as stored ("TJPEGImage"), its base kind,
// and how to make an empty picture of it (null for kinds this program only
// lists, such as metafiles and icons).
struct GraphicClass {
  std::string_view name;
  const GraphicClass* parent = nullptr;
  std::unique_ptr<TGraphic> (*create)() = nullptr;

  // True for this class and every class derived from `base`.
  bool InheritsFrom(const GraphicClass& base) const;
};

extern const GraphicClass kGraphicClass;   // "TGraphic"
extern const GraphicClass kMetafileClass;  // "TMetafile", listed only
extern const GraphicClass kIconClass;      // "TIcon", listed only

enum class TProgressStage { psStarting, psRunning, psEnding };

// Sender, Stage, PercentDone (0 to 100), RedrawNow, R (rows just produced),
// Msg (always empty here).
using TProgressEvent = std::function<void(TGraphic& sender, TProgressStage stage, std::uint8_t percent_done,
                                          bool redraw_now, const Rect& r, const std::string& msg)>;
using TNotifyEvent = std::function<void(TGraphic& sender)>;

class TGraphic {
 public:
  virtual ~TGraphic() = default;
  TGraphic() = default;
  TGraphic(const TGraphic&) = delete;
  TGraphic& operator=(const TGraphic&) = delete;

  virtual const GraphicClass& ClassType() const = 0;

  virtual int Width() const = 0;
  virtual int Height() const = 0;
  virtual void SetWidth(int width) = 0;
  virtual void SetHeight(int height) = 0;
  virtual bool Empty() const = 0;

  // Draws the whole picture stretched into `r` of the canvas.
  virtual void DrawScaled(Canvas& canvas, const Rect& r) = 0;

  // Reads the rest of a stored picture value (what follows the class name).
  // The base raises EInvalidGraphic "Format d'image non pris en charge" for
  // kinds whose stored layout this program does not read.
  virtual void ReadData(ByteReader& reader);
  // Appends the same layout; the base raises like ReadData.
  virtual void WriteData(std::vector<std::uint8_t>& out) const;

  // The picture's palette (8-bit displays); empty when it has none.
  virtual std::vector<Rgb> Palette() { return {}; }

  bool Modified() const { return modified_; }
  void SetModified(bool value) { modified_ = value; }
  bool Transparent() const { return transparent_; }
  virtual void SetTransparent(bool value);
  bool PaletteModified() const { return palette_modified_; }
  void SetPaletteModified(bool value) { palette_modified_ = value; }

  TNotifyEvent OnChange;
  TProgressEvent OnProgress;

 protected:
  // Sets the modified flag and calls OnChange.
  void Changed();
  void Progress(TProgressStage stage, std::uint8_t percent_done, bool redraw_now, const Rect& r);

 private:
  bool modified_ = false;
  bool transparent_ = false;
  bool palette_modified_ = false;
};

}  // namespace anod
