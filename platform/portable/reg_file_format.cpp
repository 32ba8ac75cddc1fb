#include "platform/portable/reg_file_format.h"

#include <cstdio>
#include <optional>
#include <vector>

namespace vorna::platform {

namespace {

constexpr const char* kHeader = "REGEDIT4";
constexpr const char* kLineEnd = "\r\n";
constexpr size_t kWrapColumn = 76;  // hex data continues on the next line past this

// ---------------------------------------------------------------------------
// Reading

std::string TrimRight(std::string text) {
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) {
    text.pop_back();
  }
  return text;
}

std::string TrimLeft(const std::string& text) {
  size_t at = text.find_first_not_of(" \t");
  return at == std::string::npos ? std::string() : text.substr(at);
}

/// One line of the file with hex continuations joined, and where it started.
struct LogicalLine {
  std::string text;
  size_t number;
};

/// Splits the text into lines and joins the continuation lines of long hex
/// data (a line ending in ",\" goes on in the next one).
std::vector<LogicalLine> LogicalLines(const std::string& text) {
  std::vector<LogicalLine> lines;
  bool continues = false;
  size_t number = 0;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = TrimRight(text.substr(start, end - start));
    start = end + 1;
    ++number;
    if (continues) {
      lines.back().text += TrimLeft(line);
    } else {
      lines.push_back({line, number});
    }
    std::string& joined = lines.back().text;
    continues = joined.size() >= 2 && joined.compare(joined.size() - 2, 2, ",\\") == 0;
    if (continues) joined.pop_back();
  }
  return lines;
}

/// Reads a quoted text at pos (which holds the opening quote), undoing the
/// backslash escapes; pos ends after the closing quote.
std::optional<std::string> ReadQuoted(const std::string& line, size_t* pos) {
  std::string text;
  size_t at = *pos + 1;
  while (at < line.size()) {
    char c = line[at++];
    if (c == '"') {
      *pos = at;
      return text;
    }
    if (c == '\\' && at < line.size()) c = line[at++];
    text += c;
  }
  return std::nullopt;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

/// Reads a hexadecimal number of 1 to maxDigits digits that fills the whole text.
std::optional<uint32_t> ReadHexNumber(const std::string& text, size_t maxDigits) {
  if (text.empty() || text.size() > maxDigits) return std::nullopt;
  uint32_t number = 0;
  for (char c : text) {
    int digit = HexDigit(c);
    if (digit < 0) return std::nullopt;
    number = number * 16 + static_cast<uint32_t>(digit);
  }
  return number;
}

/// Reads comma-separated bytes such as "01,ab, ff"; the empty text is no bytes.
std::optional<std::vector<uint8_t>> ReadHexBytes(const std::string& text) {
  std::vector<uint8_t> bytes;
  if (TrimLeft(text).empty()) return bytes;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find(',', start);
    if (end == std::string::npos) end = text.size();
    std::optional<uint32_t> byte =
        ReadHexNumber(TrimRight(TrimLeft(text.substr(start, end - start))), 2);
    if (!byte) return std::nullopt;
    bytes.push_back(static_cast<uint8_t>(*byte));
    start = end + 1;
  }
  return bytes;
}

/// What the right-hand side of a value line says: a value, or its deletion.
struct ValueData {
  bool remove = false;
  RegType type = RegType::None;
  std::vector<uint8_t> bytes;
};

std::optional<ValueData> ReadValueData(const std::string& text) {
  ValueData data;
  if (text == "-") {
    data.remove = true;
    return data;
  }
  if (!text.empty() && text[0] == '"') {
    size_t pos = 0;
    std::optional<std::string> quoted = ReadQuoted(text, &pos);
    if (!quoted || pos != text.size()) return std::nullopt;
    data.type = RegType::Sz;
    data.bytes.assign(quoted->begin(), quoted->end());
    data.bytes.push_back(0);
    return data;
  }
  if (text.compare(0, 6, "dword:") == 0) {
    std::optional<uint32_t> number = ReadHexNumber(text.substr(6), 8);
    if (!number) return std::nullopt;
    data.type = RegType::Dword;
    for (int shift = 0; shift < 32; shift += 8)
      data.bytes.push_back(static_cast<uint8_t>(*number >> shift));
    return data;
  }
  size_t colon = text.find(':');
  if (colon == std::string::npos) return std::nullopt;
  std::string kind = text.substr(0, colon);
  if (kind == "hex") {
    data.type = RegType::Binary;
  } else if (kind.size() > 5 && kind.compare(0, 4, "hex(") == 0 && kind.back() == ')') {
    std::optional<uint32_t> number = ReadHexNumber(kind.substr(4, kind.size() - 5), 8);
    if (!number) return std::nullopt;
    data.type = static_cast<RegType>(*number);
  } else {
    return std::nullopt;
  }
  std::optional<std::vector<uint8_t>> bytes = ReadHexBytes(text.substr(colon + 1));
  if (!bytes) return std::nullopt;
  data.bytes = std::move(*bytes);
  return data;
}

/// Reads the file line by line into a tree.
class RegFileReader {
 public:
  RegFileReader(RegTree* tree, std::string* error) : tree_(tree), error_(error) {}

  bool Read(const std::string& text) {
    tree_->Clear();
    bool seenHeader = false;
    for (const LogicalLine& line : LogicalLines(text)) {
      std::string body = TrimLeft(line.text);
      if (body.empty() || body[0] == ';') continue;
      bool ok = seenHeader ? ReadLine(body) : body == kHeader;
      if (!ok)
        return Fail(line.number, seenHeader ? "not a key, a value or a comment"
                                            : "the file does not start with REGEDIT4");
      seenHeader = true;
    }
    if (!seenHeader) return Fail(1, "the file does not start with REGEDIT4");
    return true;
  }

 private:
  bool ReadLine(const std::string& body) {
    if (body[0] == '[') return ReadKey(body);
    if (body[0] == '@' || body[0] == '"') return ReadValue(body);
    return false;
  }

  /// [ROOT\a\b] makes the key current (creating it); [-ROOT\a\b] deletes it.
  bool ReadKey(const std::string& body) {
    size_t close = body.rfind(']');
    if (close == std::string::npos || close + 1 != body.size()) return false;
    std::string path = body.substr(1, close - 1);
    bool remove = !path.empty() && path[0] == '-';
    if (remove) path.erase(0, 1);
    std::vector<std::string> names;
    size_t start = 0;
    while (start <= path.size()) {
      size_t end = path.find('\\', start);
      if (end == std::string::npos) end = path.size();
      if (end > start) names.push_back(path.substr(start, end - start));
      start = end + 1;
    }
    if (names.empty()) return false;
    RegNode* node = tree_->RootByName(names[0]);
    if (!node) return false;
    current_ = nullptr;
    for (size_t i = 1; i < names.size(); ++i) {
      if (remove && i + 1 == names.size()) {
        node->RemoveChild(names[i]);
        return true;
      }
      node = remove ? node->Child(names[i]) : node->AddChild(names[i]);
      if (!node) return true;  // deleting a key that is not there
    }
    if (!remove) current_ = node;
    return true;  // a root itself is never deleted
  }

  /// "name"=data or @=data below the current key.
  bool ReadValue(const std::string& body) {
    if (!current_) return false;
    std::string name;
    size_t pos = 1;
    if (body[0] == '"') {
      pos = 0;
      std::optional<std::string> quoted = ReadQuoted(body, &pos);
      if (!quoted) return false;
      name = *quoted;
    }
    size_t equals = body.find_first_not_of(" \t", pos);
    if (equals == std::string::npos || body[equals] != '=') return false;
    std::optional<ValueData> data = ReadValueData(TrimLeft(body.substr(equals + 1)));
    if (!data) return false;
    if (data->remove) {
      current_->RemoveValue(name);
    } else {
      current_->SetValue(RegValue{name, data->type, std::move(data->bytes)});
    }
    return true;
  }

  bool Fail(size_t line, const char* what) {
    if (error_) *error_ = "line " + std::to_string(line) + ": " + what;
    return false;
  }

  RegTree* tree_;
  std::string* error_;
  RegNode* current_ = nullptr;
};

// ---------------------------------------------------------------------------
// Writing

std::string Quote(const std::string& text) {
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '\\' || c == '"') quoted += '\\';
    quoted += c;
  }
  return quoted + '"';
}

/// A REG_SZ value that reads back the same from a quoted text: one zero at
/// the very end and no line break inside.
bool WritesAsQuotedText(const RegValue& value) {
  if (value.type != RegType::Sz || value.data.empty() || value.data.back() != 0) return false;
  for (size_t i = 0; i + 1 < value.data.size(); ++i) {
    uint8_t c = value.data[i];
    if (c == 0 || c == '\r' || c == '\n') return false;
  }
  return true;
}

std::string HexPrefix(const RegValue& value) {
  if (value.type == RegType::Binary) return "hex:";
  char prefix[24];
  std::snprintf(prefix, sizeof prefix, "hex(%x):", static_cast<unsigned>(value.type));
  return prefix;
}

void WriteHexData(const std::string& head, const std::vector<uint8_t>& bytes, std::string* out) {
  *out += head;
  size_t column = head.size();
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (i > 0 && column + 3 > kWrapColumn) {
      *out += "\\";
      *out += kLineEnd;
      *out += "  ";
      column = 2;
    }
    char byte[4];
    std::snprintf(byte, sizeof byte, "%02x", bytes[i]);
    *out += byte;
    column += 2;
    if (i + 1 < bytes.size()) {
      *out += ',';
      ++column;
    }
  }
}

void WriteValue(const RegValue& value, std::string* out) {
  std::string head = value.name.empty() ? "@=" : Quote(value.name) + "=";
  if (WritesAsQuotedText(value)) {
    std::string text(value.data.begin(), value.data.end() - 1);
    *out += head + Quote(text);
  } else if (value.type == RegType::Dword && value.data.size() == 4) {
    uint32_t number = 0;
    for (int i = 3; i >= 0; --i) number = number << 8 | value.data[static_cast<size_t>(i)];
    char text[16];
    std::snprintf(text, sizeof text, "dword:%08x", static_cast<unsigned>(number));
    *out += head + text;
  } else {
    WriteHexData(head + HexPrefix(value), value.data, out);
  }
  *out += kLineEnd;
}

/// Writes a key's section (roots only when they hold values) and then its children's.
void WriteKey(const RegNode& node, const std::string& path, bool isRoot, std::string* out) {
  if (!isRoot || !node.values().empty()) {
    *out += "[" + path + "]" + kLineEnd;
    for (const auto& [folded, value] : node.values()) WriteValue(value, out);
    *out += kLineEnd;
  }
  for (const auto& [folded, child] : node.children()) {
    WriteKey(*child, path + "\\" + child->name(), false, out);
  }
}

}  // namespace

bool ParseRegFile(const std::string& text, RegTree* tree, std::string* error) {
  RegFileReader reader(tree, error);
  if (reader.Read(text)) return true;
  tree->Clear();
  return false;
}

std::string FormatRegFile(const RegTree& tree) {
  std::string out = std::string(kHeader) + kLineEnd + kLineEnd;
  for (RootKey root : RegTree::RootKeys()) {
    const RegNode* node = tree.Root(root);
    WriteKey(*node, node->name(), true, &out);
  }
  return out;
}

bool IsStorableName(const std::string& name) {
  return name.find_first_of("\r\n") == std::string::npos;
}

}  // namespace vorna::platform
