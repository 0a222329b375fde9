#include "widgets/vivid_glyph.h"

#include <algorithm>

namespace anod {

// ----- GlyphBitmap -----

GlyphBitmap GlyphBitmap::Solid(int width, int height, TColor color) {
  GlyphBitmap b;
  b.width = std::max(0, width);
  b.height = std::max(0, height);
  b.bgr.resize(static_cast<std::size_t>(b.width) * static_cast<std::size_t>(b.height) * 3);
  const Rgb c = ColorToRgb(color);
  for (std::size_t i = 0; i < b.bgr.size(); i += 3) {
    b.bgr[i] = c.b;
    b.bgr[i + 1] = c.g;
    b.bgr[i + 2] = c.r;
  }
  return b;
}

Rgb GlyphBitmap::Pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width || y >= height) return {};
  const std::size_t i = (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)) * 3;
  return {bgr[i + 2], bgr[i + 1], bgr[i]};
}

void GlyphBitmap::SetPixel(int x, int y, Rgb c) {
  if (x < 0 || y < 0 || x >= width || y >= height) return;
  const std::size_t i = (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)) * 3;
  bgr[i] = c.b;
  bgr[i + 1] = c.g;
  bgr[i + 2] = c.r;
}

Rgb GlyphBitmap::TransparentColor() const {
  if (transparent) return *transparent;
  return Pixel(0, height - 1);
}

GlyphBitmap GlyphBitmap::Cut(int x, int w) const {
  GlyphBitmap out = Solid(w, height, clBlack);
  out.transparent = TransparentColor();
  for (int y = 0; y < height; ++y) {
    for (int i = 0; i < w; ++i) out.SetPixel(i, y, Pixel(x + i, y));
  }
  return out;
}

BitmapView GlyphBitmap::View() const {
  BitmapView v;
  v.width = width;
  v.height = height;
  v.bits_per_pixel = 24;
  v.stride = static_cast<std::ptrdiff_t>(width) * 3;
  v.bits = bgr.data();
  return v;
}

// ----- Derived images -----

namespace {
int Luminance(Rgb c) { return (c.r * 77 + c.g * 151 + c.b * 28) >> 8; }
}  // namespace

GlyphBitmap DisabledGlyph(const GlyphBitmap& image) {
  const Rgb key = image.TransparentColor();
  const Rgb highlight = ColorToRgb(clBtnHighlight);
  const Rgb shadow = ColorToRgb(clBtnShadow);
  GlyphBitmap out = image;
  out.transparent = key;
  for (std::size_t i = 0; i < out.bgr.size(); i += 3) {
    out.bgr[i] = key.b;
    out.bgr[i + 1] = key.g;
    out.bgr[i + 2] = key.r;
  }
  auto dark = [&](int x, int y) {
    const Rgb c = image.Pixel(x, y);
    return !(c == key) && Luminance(c) < 128;
  };
  // Highlight first, one pixel right and down, then the shadow over it.
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      if (dark(x, y)) out.SetPixel(x + 1, y + 1, highlight);
    }
  }
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      if (dark(x, y)) out.SetPixel(x, y, shadow);
    }
  }
  return out;
}

GlyphBitmap GreyGlyph(const GlyphBitmap& image) {
  const Rgb key = image.TransparentColor();
  GlyphBitmap out = image;
  out.transparent = key;
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      const Rgb c = image.Pixel(x, y);
      if (c == key) continue;
      const auto l = static_cast<std::uint8_t>(Luminance(c));
      out.SetPixel(x, y, {l, l, l});
    }
  }
  return out;
}

// ----- The shared cache -----

namespace {
TVividGlyphCache* g_cache = nullptr;
}

TVividGlyphCache* TVividGlyphCache::Instance() { return g_cache; }

int TVividGlyphCache::EntryCount() const {
  int n = 0;
  for (const List& l : lists_) n += static_cast<int>(l.entries.size());
  return n;
}

void TVividGlyphCache::AddGlyph() {
  if (g_cache == nullptr) g_cache = new TVividGlyphCache;
  ++g_cache->glyphs_;
}

void TVividGlyphCache::RemoveGlyph() {
  if (g_cache == nullptr) return;
  --g_cache->glyphs_;
  if (g_cache->glyphs_ <= 0 && g_cache->EntryCount() == 0) {
    delete g_cache;
    g_cache = nullptr;
  }
}

const GlyphBitmap* TVividGlyphCache::Find(const TVividGlyph* owner, int index, Size size) const {
  for (const List& l : lists_) {
    if (!(l.size == size)) continue;
    for (const Entry& e : l.entries) {
      if (e.owner == owner && e.index == index) return e.image.get();
    }
  }
  return nullptr;
}

const GlyphBitmap* TVividGlyphCache::Add(const TVividGlyph* owner, int index, GlyphBitmap image) {
  const Size size{image.width, image.height};
  auto it = std::find_if(lists_.begin(), lists_.end(), [&](const List& l) { return l.size == size; });
  if (it == lists_.end()) {
    lists_.push_back(List{size, {}});
    it = std::prev(lists_.end());
  }
  // Each image has its own allocation, so the pointers handed out stay valid
  // while other glyphs add or drop theirs.
  it->entries.push_back(Entry{owner, index, std::make_unique<GlyphBitmap>(std::move(image))});
  return it->entries.back().image.get();
}

void TVividGlyphCache::Drop(const TVividGlyph* owner) {
  for (List& l : lists_) {
    std::erase_if(l.entries, [&](const Entry& e) { return e.owner == owner; });
  }
  std::erase_if(lists_, [](const List& l) { return l.entries.empty(); });
}

// ----- TVividGlyph -----

TVividGlyph::TVividGlyph(void* owner) : TVividObject(owner) { TVividGlyphCache::AddGlyph(); }

TVividGlyph::~TVividGlyph() {
  OnChange = nullptr;
  DropDerived();
  TVividGlyphCache::RemoveGlyph();
}

void TVividGlyph::Assign(const GlyphBitmap& bitmap) {
  if (bitmap == bitmap_) return;
  bitmap_ = bitmap;
  if (!bitmap_.Empty() && bitmap_.width % bitmap_.height == 0) {
    const int n = bitmap_.width / bitmap_.height;
    num_glyphs_ = n < 6 ? n : 1;
  }
  DropDerived();
  Changed();
}

void TVividGlyph::SetNumGlyphs(int n) {
  if (n < 1 || n > 5 || n == num_glyphs_) return;
  num_glyphs_ = n;
  DropDerived();
  Changed();
}

void TVividGlyph::SetUncoloured(bool on) {
  if (on == uncoloured_) return;
  uncoloured_ = on;
  DropDerived();
  Changed();
}

Size TVividGlyph::ImageSize() const {
  if (bitmap_.Empty()) return {};
  return {bitmap_.width / num_glyphs_, bitmap_.height};
}

void TVividGlyph::DropDerived() {
  cut_.clear();
  if (TVividGlyphCache* cache = TVividGlyphCache::Instance()) cache->Drop(this);
}

const GlyphBitmap* TVividGlyph::ImageFor(ButtonDrawState state) {
  if (bitmap_.Empty()) return nullptr;
  const Size size = ImageSize();
  if (cut_.empty()) {
    for (int i = 0; i < num_glyphs_; ++i) cut_.push_back(bitmap_.Cut(i * size.cx, size.cx));
  }
  int d = static_cast<int>(state);
  if (state != ButtonDrawState::Disabled && num_glyphs_ - 1 < d) d = uncoloured_ ? 2 : 0;
  if (d == 0 && uncoloured_) return Derived(0);
  if (d < num_glyphs_) return &cut_[static_cast<std::size_t>(d)];
  return Derived(d);
}

const GlyphBitmap* TVividGlyph::Derived(int index) {
  TVividGlyphCache* cache = TVividGlyphCache::Instance();
  const Size size = ImageSize();
  if (const GlyphBitmap* found = cache->Find(this, index, size)) return found;
  GlyphBitmap image;
  if (index == 1) {
    image = DisabledGlyph(cut_[0]);
  } else if (index == 0) {
    image = GreyGlyph(cut_[0]);  // uncoloured mode: grey until the pointer is over it
  } else {
    image = cut_[0];
  }
  ++derived_builds_;
  return cache->Add(this, index, std::move(image));
}

// ----- Image lists -----

TChangeLink::~TChangeLink() {
  if (sender_ != nullptr) sender_->UnRegisterChanges(*this);
}

TCustomImageList::~TCustomImageList() {
  const std::vector<TChangeLink*> links = links_;
  for (TChangeLink* link : links) {
    link->sender_ = nullptr;
    if (link->OnDestroy) link->OnDestroy();
  }
}

int TCustomImageList::Count(int list) const {
  if (list < 0 || list >= ListCount()) return 0;
  return static_cast<int>(lists_[static_cast<std::size_t>(list)].size());
}

int TCustomImageList::Add(const GlyphBitmap& image, int list) {
  if (list < 0) list = 0;
  while (ListCount() <= list) lists_.emplace_back();
  GlyphBitmap fitted = GlyphBitmap::Solid(width_, height_, clFuchsia);
  fitted.transparent = image.Empty() ? Rgb{255, 0, 255} : image.TransparentColor();
  const Rgb key = *fitted.transparent;
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      fitted.SetPixel(x, y, x < image.width && y < image.height ? image.Pixel(x, y) : key);
    }
  }
  auto& images = lists_[static_cast<std::size_t>(list)];
  images.push_back(std::move(fitted));
  Change();
  return static_cast<int>(images.size()) - 1;
}

void TCustomImageList::Clear() {
  lists_.clear();
  Change();
}

std::optional<GlyphBitmap> TCustomImageList::Image(int index, int list) const {
  if (list < 0 || list >= ListCount() || index < 0 || index >= Count(list)) return std::nullopt;
  return lists_[static_cast<std::size_t>(list)][static_cast<std::size_t>(index)];
}

void TCustomImageList::RegisterChanges(TChangeLink& link) {
  if (link.sender_ == this) return;
  if (link.sender_ != nullptr) link.sender_->UnRegisterChanges(link);
  link.sender_ = this;
  links_.push_back(&link);
}

void TCustomImageList::UnRegisterChanges(TChangeLink& link) {
  std::erase(links_, &link);
  if (link.sender_ == this) link.sender_ = nullptr;
}

void TCustomImageList::Change() {
  const std::vector<TChangeLink*> links = links_;
  for (TChangeLink* link : links) {
    if (link->OnChange) link->OnChange();
  }
}

}  // namespace anod
