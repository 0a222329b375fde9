#include "ui/layout_compiler.h"

#include <cctype>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "core/codepage.h"
#include "ui/description_stream.h"

namespace anod {
namespace {

struct Property {
  std::string path;
  Value value;
};

struct Node {
  std::string name;
  std::string kind;
  std::vector<Property> properties;
  std::string style;
  std::vector<Node*> children;
};

bool IsIdentChar(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_' || c == '.' || c == '-';
}

class Compiler {
 public:
  Compiler(std::string_view source, std::string_view source_name, const FileLoader& load)
      : source_name_(source_name), load_(load) {
    std::size_t start = 0;
    while (start <= source.size()) {
      std::size_t end = source.find('\n', start);
      if (end == std::string_view::npos) end = source.size();
      std::string_view line = source.substr(start, end - start);
      if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
      lines_.emplace_back(line);
      start = end + 1;
    }
  }

  std::string Run() {
    for (line_no_ = 0; line_no_ < lines_.size(); ++line_no_) {
      text_ = lines_[line_no_];
      pos_ = 0;
      SkipSpaces();
      if (AtLineEnd()) continue;
      const bool indented = pos_ > 0;
      if (indented) {
        PropertyLine();
      } else {
        HeaderLine();
      }
    }
    if (window_ == nullptr) throw LayoutError(std::string(source_name_) + ": no window line");
    StreamWriter out;
    Emit(out, *window_);
    return out.Bytes();
  }

 private:
  [[noreturn]] void Fail(const std::string& what) const {
    throw LayoutError(std::string(source_name_) + ":" + std::to_string(line_no_ + 1) + ": " + what);
  }

  void SkipSpaces() {
    while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t')) ++pos_;
  }
  bool AtLineEnd() {
    SkipSpaces();
    return pos_ >= text_.size() || text_[pos_] == '#';
  }
  std::string Word() {
    SkipSpaces();
    const std::size_t start = pos_;
    while (pos_ < text_.size() && IsIdentChar(text_[pos_])) ++pos_;
    if (start == pos_) Fail("a name was expected");
    return text_.substr(start, pos_ - start);
  }
  std::int32_t Integer() {
    const std::string word = Word();
    std::size_t used = 0;
    long long v = 0;
    try {
      v = std::stoll(word, &used);
    } catch (const std::exception&) {
      Fail("a number was expected, not \"" + word + "\"");
    }
    if (used != word.size() || v < INT32_MIN || v > INT32_MAX) Fail("bad number \"" + word + "\"");
    return static_cast<std::int32_t>(v);
  }
  std::string Quoted() {
    SkipSpaces();
    if (pos_ >= text_.size() || text_[pos_] != '"') Fail("a quoted text was expected");
    ++pos_;
    std::string out;
    while (true) {
      if (pos_ >= text_.size()) Fail("unterminated text");
      const char c = text_[pos_++];
      if (c == '"') break;
      if (c != '\\') {
        out += c;
        continue;
      }
      if (pos_ >= text_.size()) Fail("unterminated text");
      const char e = text_[pos_++];
      switch (e) {
        case 'r': out += '\r'; break;
        case 'n': out += '\n'; break;
        case 't': out += '\t'; break;
        case '"': out += '"'; break;
        case '\\': out += '\\'; break;
        default: Fail(std::string("unknown escape \\") + e);
      }
    }
    return out;
  }
  // Quoted text, continued by following lines that hold only quoted text.
  std::string QuotedRun() {
    std::string out = Quoted();
    while (!AtLineEnd()) out += Quoted();
    while (line_no_ + 1 < lines_.size()) {
      const std::string& next = lines_[line_no_ + 1];
      const std::size_t first = next.find_first_not_of(" \t");
      if (first == std::string::npos || first == 0 || next[first] != '"') break;
      ++line_no_;
      text_ = next;
      pos_ = first;
      while (!AtLineEnd()) out += Quoted();
    }
    return out;
  }
  std::string Encoded(const std::string& utf8) {
    const std::string cp = Utf8ToCp1252(utf8);
    if (Cp1252ToUtf8(cp) != utf8) Fail("text has a character outside Windows-1252");
    return cp;
  }
  std::string LoadFile(const std::string& path) {
    try {
      return load_(path);
    } catch (const std::exception& e) {
      Fail("cannot read \"" + path + "\": " + e.what());
    }
  }

  Value ParseValue() {
    SkipSpaces();
    if (pos_ >= text_.size()) Fail("a value was expected");
    const char c = text_[pos_];
    if (c == '"') return Value::Str(Encoded(QuotedRun()));
    if (c == '-' || std::isdigit(static_cast<unsigned char>(c)) != 0) return Value::Int(Integer());
    if (c == '[') {
      ++pos_;
      std::vector<std::string> members;
      SkipSpaces();
      while (pos_ < text_.size() && text_[pos_] != ']') {
        members.push_back(Word());
        SkipSpaces();
        if (pos_ < text_.size() && text_[pos_] == ',') ++pos_;
        SkipSpaces();
      }
      if (pos_ >= text_.size()) Fail("unterminated set");
      ++pos_;
      return Value::Members(std::move(members));
    }
    const std::string word = Word();
    if (word == "true") return Value::Bool(true);
    if (word == "false") return Value::Bool(false);
    if (word == "file") return Value::Raw(LoadFile(Quoted()));
    if (word == "picture") {
      const std::string class_name = Word();
      if (class_name.size() > 63) Fail("picture class name longer than 63 characters");
      const std::string stream = LoadFile(Quoted());
      std::string bytes;
      bytes += static_cast<char>(class_name.size());
      bytes += class_name;
      const auto j = static_cast<std::uint32_t>(stream.size());
      for (int i = 0; i < 4; ++i) bytes += static_cast<char>((j >> (8 * i)) & 0xFF);
      bytes += stream;
      return Value::Raw(std::move(bytes));
    }
    return Value::Id(word);
  }

  void PropertyLine() {
    if (current_ == nullptr) Fail("a property outside a window, style or control");
    const std::string path = Word();
    Value value = ParseValue();
    if (!AtLineEnd()) Fail("unexpected text after the value");
    for (const Property& p : *current_) {
      if (p.path == path) Fail("property " + path + " given twice");
    }
    current_->push_back({path, std::move(value)});
  }

  void HeaderLine() {
    const std::string first = Word();
    if (first == "window") {
      if (window_ != nullptr) Fail("a second window line");
      auto node = std::make_unique<Node>();
      node->name = Word();
      node->kind = Word();
      window_ = node.get();
      by_name_[node->name] = node.get();
      current_ = &node->properties;
      nodes_.push_back(std::move(node));
    } else if (first == "style") {
      const std::string name = Word();
      if (styles_.count(name) != 0) Fail("style " + name + " defined twice");
      current_ = &styles_[name];
    } else {
      ControlLine(first);
    }
    if (!AtLineEnd()) Fail("unexpected text at the end of the line");
  }

  void ControlLine(const std::string& name) {
    if (window_ == nullptr) Fail("a control before the window line");
    if (by_name_.count(name) != 0) Fail("control " + name + " defined twice");
    auto node = std::make_unique<Node>();
    node->name = name;
    node->kind = Word();
    const std::int32_t left = Integer(), top = Integer(), width = Integer(), height = Integer();
    node->properties = {{"Left", Value::Int(left)},
                        {"Top", Value::Int(top)},
                        {"Width", Value::Int(width)},
                        {"Height", Value::Int(height)}};
    Node* parent = window_;
    while (!AtLineEnd()) {
      const std::string word = Word();
      if (word == "in") {
        const std::string parent_name = Word();
        const auto it = by_name_.find(parent_name);
        if (it == by_name_.end()) Fail("unknown parent " + parent_name);
        parent = it->second;
      } else {
        if (styles_.count(word) == 0) Fail("unknown style " + word);
        node->style = word;
      }
    }
    parent->children.push_back(node.get());
    by_name_[name] = node.get();
    current_ = &node->properties;
    nodes_.push_back(std::move(node));
  }

  void Emit(StreamWriter& out, const Node& node) {
    out.BeginObject(node.kind, node.name);
    for (const Property& p : node.properties) out.Property(p.path, p.value);
    if (!node.style.empty()) {
      for (const Property& p : styles_.at(node.style)) {
        bool own = false;
        for (const Property& q : node.properties) own = own || q.path == p.path;
        if (!own) out.Property(p.path, p.value);
      }
    }
    out.EndProperties();
    for (const Node* child : node.children) Emit(out, *child);
    out.EndObject();
  }

  std::string_view source_name_;
  const FileLoader& load_;
  std::vector<std::string> lines_;
  std::size_t line_no_ = 0;
  std::string text_;
  std::size_t pos_ = 0;
  std::vector<std::unique_ptr<Node>> nodes_;
  std::map<std::string, Node*> by_name_;
  std::map<std::string, std::vector<Property>> styles_;
  Node* window_ = nullptr;
  std::vector<Property>* current_ = nullptr;
};

}  // namespace

std::string CompileLayout(std::string_view source, std::string_view source_name, const FileLoader& load_file) {
  return Compiler(source, source_name, load_file).Run();
}

}  // namespace anod
