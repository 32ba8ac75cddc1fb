#include "tools/pack/authoring/version_block.h"

#include <cstdlib>
#include <stdexcept>
#include <string>

namespace vorna::authoring {

namespace {

constexpr uint32_t kFixedSignature = 0xFEEF04BD;
constexpr uint16_t kFixedInfoSize = 52;
constexpr uint32_t kWindowsNt32 = 0x40004;  // VOS_NT_WINDOWS32
constexpr uint32_t kApplication = 1;        // VFT_APP
constexpr const char* kUsEnglishUnicode = "040904B0";
constexpr uint32_t kTranslation = 0x04B00409;  // language 0x409, code page 1200

void Append16(std::vector<uint8_t>& out, uint32_t value) {
  out.push_back(static_cast<uint8_t>(value));
  out.push_back(static_cast<uint8_t>(value >> 8));
}

void Append32(std::vector<uint8_t>& out, uint32_t value) {
  Append16(out, value);
  Append16(out, value >> 16);
}

void AppendText(std::vector<uint8_t>& out, const std::u16string& text) {
  for (char16_t c : text) Append16(out, c);
  Append16(out, 0);
}

void PadTo4(std::vector<uint8_t>& out) {
  while (out.size() % 4 != 0) out.push_back(0);
}

/// One block: its length, the value's length (in valueUnits), its type (1
/// text, 0 binary), its key, the value, then the children, each at a
/// multiple of 4.
std::vector<uint8_t> Block(const std::string& key, const std::vector<uint8_t>& value,
                           uint16_t valueLength, uint16_t type,
                           const std::vector<std::vector<uint8_t>>& children) {
  std::vector<uint8_t> out(6, 0);
  AppendText(out, Utf16(key));
  PadTo4(out);
  out.insert(out.end(), value.begin(), value.end());
  for (const std::vector<uint8_t>& child : children) {
    PadTo4(out);
    out.insert(out.end(), child.begin(), child.end());
  }
  // A block's length is a 16-bit field: a longer one would be cut short.
  if (out.size() > 0xFFFF) {
    throw std::runtime_error("the version texts are too long (" + std::to_string(out.size()) +
                             " bytes; the version information holds 65535)");
  }
  out[0] = static_cast<uint8_t>(out.size());
  out[1] = static_cast<uint8_t>(out.size() >> 8);
  out[2] = static_cast<uint8_t>(valueLength);
  out[3] = static_cast<uint8_t>(valueLength >> 8);
  out[4] = static_cast<uint8_t>(type);
  return out;
}

std::vector<uint8_t> FixedInfo(const std::array<uint16_t, 4>& n) {
  std::vector<uint8_t> out;
  uint32_t high = uint32_t{n[0]} << 16 | n[1], low = uint32_t{n[2]} << 16 | n[3];
  for (uint32_t field : {kFixedSignature, 0x10000u, high, low, high, low, 0x3Fu, 0u, kWindowsNt32,
                         kApplication, 0u, 0u, 0u}) {
    Append32(out, field);
  }
  return out;
}

/// Reads blocks: the key and the value of the block at at, and where its
/// children are. Throws for a block that does not fit.
struct BlockView {
  size_t end = 0;
  std::u16string key;
  size_t valueAt = 0;
  uint16_t valueLength = 0;
  uint16_t type = 0;
  size_t childrenAt = 0;
};

uint16_t Get16(const std::vector<uint8_t>& bytes, size_t at) {
  if (at + 2 > bytes.size()) throw std::runtime_error("damaged version information");
  return static_cast<uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

size_t Align4(size_t value) {
  return (value + 3) / 4 * 4;
}

BlockView ReadBlock(const std::vector<uint8_t>& bytes, size_t at, size_t limit) {
  BlockView view;
  uint16_t length = Get16(bytes, at);
  view.end = at + length;
  if (length < 6 || view.end > limit) throw std::runtime_error("damaged version information");
  view.valueLength = Get16(bytes, at + 2);
  view.type = Get16(bytes, at + 4);
  size_t p = at + 6;
  for (char16_t c; p < view.end && (c = Get16(bytes, p)) != 0; p += 2) view.key += c;
  view.valueAt = Align4(p + 2);
  size_t valueBytes = view.type == 1 ? 2 * size_t{view.valueLength} : view.valueLength;
  view.childrenAt = Align4(view.valueAt + valueBytes);
  return view;
}

std::u16string TextAt(const std::vector<uint8_t>& bytes, size_t at, size_t end) {
  std::u16string text;
  for (char16_t c; at + 2 <= end && (c = Get16(bytes, at)) != 0; at += 2) text += c;
  return text;
}

/// Calls visit with each child block of parent.
template <typename Visit>
void ForEachChild(const std::vector<uint8_t>& bytes, const BlockView& parent, Visit visit) {
  for (size_t at = parent.childrenAt; at + 6 <= parent.end; at = Align4(at)) {
    BlockView child = ReadBlock(bytes, at, parent.end);
    visit(child);
    at = child.end;
  }
}

/// How many continuation bytes a UTF-8 lead byte announces; -1 when it is none.
int ContinuationCount(unsigned char lead) {
  if (lead < 0x80) return 0;
  if ((lead >> 5) == 6) return 1;
  if ((lead >> 4) == 14) return 2;
  if ((lead >> 3) == 30) return 3;
  return -1;
}

void AppendUtf16(std::u16string& out, uint32_t code) {
  if (code < 0x10000) {
    out += static_cast<char16_t>(code);
    return;
  }
  code -= 0x10000;
  out += static_cast<char16_t>(0xD800 + (code >> 10));
  out += static_cast<char16_t>(0xDC00 + (code & 0x3FF));
}

}  // namespace

std::vector<uint8_t> EncodeVersionInfo(const VersionInfo& info) {
  std::vector<std::vector<uint8_t>> strings;
  for (const auto& [name, text] : info.strings) {
    std::vector<uint8_t> value;
    std::u16string wide = Utf16(text);
    AppendText(value, wide);
    strings.push_back(Block(name, value, static_cast<uint16_t>(wide.size() + 1), 1, {}));
  }
  std::vector<uint8_t> table = Block(kUsEnglishUnicode, {}, 0, 1, strings);
  std::vector<uint8_t> stringInfo = Block("StringFileInfo", {}, 0, 1, {table});
  std::vector<uint8_t> translation;
  Append32(translation, kTranslation);
  std::vector<uint8_t> var = Block("Translation", translation, 4, 0, {});
  std::vector<uint8_t> varInfo = Block("VarFileInfo", {}, 0, 1, {var});
  return Block("VS_VERSION_INFO", FixedInfo(info.numbers), kFixedInfoSize, 0,
               {stringInfo, varInfo});
}

VersionInfo DecodeVersionInfo(const std::vector<uint8_t>& bytes) {
  BlockView root = ReadBlock(bytes, 0, bytes.size());
  if (root.key != u"VS_VERSION_INFO" || root.valueLength != kFixedInfoSize ||
      root.valueAt + kFixedInfoSize > root.end) {
    throw std::runtime_error("no version information");
  }
  VersionInfo info;
  uint16_t n[4] = {Get16(bytes, root.valueAt + 10), Get16(bytes, root.valueAt + 8),
                   Get16(bytes, root.valueAt + 14), Get16(bytes, root.valueAt + 12)};
  info.numbers = {n[0], n[1], n[2], n[3]};
  bool tableRead = false;
  ForEachChild(bytes, root, [&](const BlockView& child) {
    if (child.key != u"StringFileInfo") return;
    ForEachChild(bytes, child, [&](const BlockView& table) {
      if (tableRead) return;
      tableRead = true;
      ForEachChild(bytes, table, [&](const BlockView& entry) {
        info.strings.emplace_back(Utf8(entry.key), Utf8(TextAt(bytes, entry.valueAt, entry.end)));
      });
    });
  });
  return info;
}

std::array<uint16_t, 4> ParseVersionNumbers(const std::string& text) {
  std::array<uint16_t, 4> numbers{};
  size_t count = 0, at = 0;
  while (count < 4) {
    size_t end = text.find('.', at);
    std::string part = text.substr(at, end == std::string::npos ? std::string::npos : end - at);
    bool digits = !part.empty() && part.size() <= 5 &&
                  part.find_first_not_of("0123456789") == std::string::npos;
    if (!digits || std::strtoul(part.c_str(), nullptr, 10) > 65535) break;
    numbers[count++] = static_cast<uint16_t>(std::strtoul(part.c_str(), nullptr, 10));
    if (end == std::string::npos) return numbers;
    at = end + 1;
  }
  throw std::runtime_error("the version '" + text +
                           "' is not one to four numbers of 0 to 65535 joined by dots (1.2.3)");
}

std::u16string Utf16(const std::string& text) {
  std::u16string out;
  for (size_t i = 0; i < text.size();) {
    unsigned char lead = static_cast<unsigned char>(text[i]);
    int extra = ContinuationCount(lead);
    if (extra < 0 || text.size() - i <= static_cast<size_t>(extra)) {
      throw std::runtime_error("'" + text + "' is no UTF-8 text");
    }
    uint32_t code = extra == 0 ? lead : lead & (0x3F >> extra);
    for (int k = 1; k <= extra; ++k) {
      unsigned char next = static_cast<unsigned char>(text[i + k]);
      if ((next & 0xC0) != 0x80) throw std::runtime_error("'" + text + "' is no UTF-8 text");
      code = code << 6 | (next & 0x3F);
    }
    AppendUtf16(out, code);
    i += 1 + static_cast<size_t>(extra);
  }
  return out;
}

std::string Utf8(const std::u16string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    uint32_t code = text[i];
    if (code >= 0xD800 && code < 0xDC00 && i + 1 < text.size()) {
      code = 0x10000 + ((code - 0xD800) << 10) + (text[++i] - 0xDC00);
    }
    if (code < 0x80) {
      out += static_cast<char>(code);
    } else if (code < 0x800) {
      out += static_cast<char>(0xC0 | code >> 6);
      out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
      out += static_cast<char>(0xE0 | code >> 12);
      out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
      out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | code >> 18);
      out += static_cast<char>(0x80 | (code >> 12 & 0x3F));
      out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
      out += static_cast<char>(0x80 | (code & 0x3F));
    }
  }
  return out;
}

}  // namespace vorna::authoring
