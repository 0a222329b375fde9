#include "platform/draw_text.h"

#include <algorithm>
#include <optional>
#include <string>

namespace anod {
namespace {

// Removes the prefix marks of one line: "&&" -> "&", "&x" -> x underlined.
std::string StripPrefixes(std::string_view text, int* underline) {
  std::string out;
  out.reserve(text.size());
  *underline = -1;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '&') {
      out += text[i];
      continue;
    }
    if (i + 1 >= text.size()) break;  // a lone "&" at the end
    if (text[i + 1] != '&') *underline = static_cast<int>(out.size());
    out += text[i + 1];
    ++i;
  }
  return out;
}

struct Measurer {
  Canvas& canvas;
  bool expand_tabs;
  int tab_width;

  // Width of a run from a line's start, tabs moving to the next tab stop.
  int Width(std::string_view run) const {
    if (!expand_tabs || run.find('\t') == std::string_view::npos) return canvas.TextWidth(run);
    int x = 0;
    std::size_t start = 0;
    while (true) {
      const std::size_t tab = run.find('\t', start);
      x += canvas.TextWidth(run.substr(start, tab == std::string_view::npos ? run.npos : tab - start));
      if (tab == std::string_view::npos) return x;
      x = tab_width > 0 ? (x / tab_width + 1) * tab_width : x;
      start = tab + 1;
    }
  }
};

// A line as wrapping leaves it, with its width when wrapping has measured it.
struct RawLine {
  std::string text;
  std::optional<int> width;
};

void AppendWrapped(const Measurer& m, std::string_view paragraph, int width, bool wrap, std::vector<RawLine>& lines) {
  if (!wrap) {
    lines.push_back({std::string(paragraph), std::nullopt});
    return;
  }
  constexpr std::size_t kNone = std::string_view::npos;
  const std::size_t n = paragraph.size();
  std::size_t pos = 0;
  do {
    // Greedy: the longest run of whole words from pos that fits, at least one
    // word. Leading spaces of a paragraph belong to its first line. The
    // rest of the paragraph is measured once at every word's end (a tab
    // moves to its stop, so a rest with one is measured word by word).
    std::vector<std::size_t> word_ends;  // from pos
    for (std::size_t w = pos;;) {
      while (w < n && paragraph[w] == ' ') ++w;
      if (w >= n) break;  // only spaces remain: they end the paragraph unseen
      while (w < n && paragraph[w] != ' ') ++w;
      word_ends.push_back(w - pos);
    }
    const std::string_view rest = paragraph.substr(pos);
    const bool by_prefix = word_ends.size() > 1 && rest.find('\t') == kNone;
    std::size_t end = kNone;
    int end_width = -1;
    // Widths grow word by word, so a rest whose last word fits is one line.
    const int whole = by_prefix ? m.Width(rest.substr(0, word_ends.back())) : 0;
    if (by_prefix && whole <= width) {
      end = pos + word_ends.back();
      end_width = whole;
    } else {
      const std::vector<int> widths = by_prefix ? m.canvas.PrefixWidths(rest, word_ends) : std::vector<int>{};
      for (std::size_t i = 0; i < word_ends.size(); ++i) {
        const int w = i == 0 ? -1 : by_prefix ? widths[i] : m.Width(rest.substr(0, word_ends[i]));
        if (w > width) break;
        end = pos + word_ends[i];
        end_width = by_prefix ? widths[i] : w;
      }
    }
    if (end == kNone) end = n;  // an empty paragraph, or spaces alone
    RawLine line{std::string(paragraph.substr(pos, end - pos)), std::nullopt};
    if (end_width >= 0) line.width = end_width;
    lines.push_back(std::move(line));
    pos = end;
    while (pos < n && paragraph[pos] == ' ') ++pos;
  } while (pos < n);
}

}  // namespace

std::vector<TextLine> LayoutText(Canvas& canvas, std::string_view text, int width, unsigned flags) {
  const FontMetrics metrics = canvas.Metrics();
  const Measurer m{canvas, (flags & TextFormat::ExpandTabs) != 0, 8 * metrics.average_char_width};
  const bool single = (flags & TextFormat::SingleLine) != 0;
  const bool wrap = !single && (flags & TextFormat::WordBreak) != 0;

  std::vector<RawLine> raw;
  if (single) {
    raw.push_back({std::string(text), std::nullopt});
  } else {
    std::size_t start = 0;
    while (true) {
      std::size_t end = start;
      while (end < text.size() && text[end] != '\r' && text[end] != '\n') ++end;
      AppendWrapped(m, text.substr(start, end - start), width, wrap, raw);
      if (end >= text.size()) break;
      start = end + ((text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1);
    }
  }

  std::vector<TextLine> lines;
  lines.reserve(raw.size());
  for (RawLine& r : raw) {
    TextLine line;
    if ((flags & TextFormat::NoPrefix) != 0 || r.text.find('&') == std::string::npos) {
      line.text = std::move(r.text);
      line.width = r.width ? *r.width : m.Width(line.text);
    } else {
      line.text = StripPrefixes(r.text, &line.underline);
      line.width = m.Width(line.text);
    }
    lines.push_back(std::move(line));
  }
  return lines;
}

int DrawFormattedText(Canvas& canvas, std::string_view text, Rect& rect, unsigned flags, TColor color) {
  const std::vector<TextLine> lines = LayoutText(canvas, text, rect.Width(), flags);
  const FontMetrics metrics = canvas.Metrics();
  const int height = static_cast<int>(lines.size()) * metrics.height;

  if ((flags & TextFormat::CalcRect) != 0) {
    int widest = 0;
    for (const TextLine& line : lines) widest = std::max(widest, line.width);
    rect.right = rect.left + widest;
    rect.bottom = rect.top + height;
    return height;
  }

  int y = rect.top;
  if ((flags & TextFormat::SingleLine) != 0) {
    if ((flags & TextFormat::VCenter) != 0) y = rect.top + (rect.Height() - height) / 2;
    if ((flags & TextFormat::Bottom) != 0) y = rect.bottom - height;
  }

  CanvasStateSaver saver(canvas);
  if ((flags & TextFormat::NoClip) == 0) canvas.IntersectClip(rect);
  const Measurer m{canvas, (flags & TextFormat::ExpandTabs) != 0, 8 * metrics.average_char_width};
  for (const TextLine& line : lines) {
    int x = rect.left;
    if ((flags & TextFormat::Center) != 0) x = rect.left + (rect.Width() - line.width) / 2;
    if ((flags & TextFormat::Right) != 0) x = rect.right - line.width;

    // Draw tab-separated runs at their stops.
    std::string_view rest = line.text;
    std::size_t consumed = 0;
    while (true) {
      const std::size_t tab = m.expand_tabs ? rest.find('\t') : std::string_view::npos;
      const std::string_view run = rest.substr(0, tab);
      const int run_x = x + m.Width(std::string_view(line.text).substr(0, consumed));
      canvas.DrawTextRun(run_x, y, run, color);
      if (tab == std::string_view::npos) break;
      consumed += tab + 1;
      rest = rest.substr(tab + 1);
    }

    if (line.underline >= 0) {
      const std::string_view all = line.text;
      const auto index = static_cast<std::size_t>(line.underline);
      const int ux = x + m.Width(all.substr(0, index));
      const int uw = m.Width(all.substr(0, index + 1)) - (ux - x);
      const int uy = y + metrics.ascent + std::max(1, metrics.underline_offset);
      canvas.FillRect({ux, uy, ux + uw, uy + metrics.underline_thickness}, color);
    }
    y += metrics.height;
  }
  return height;
}

}  // namespace anod
