#include "tools/pack/authoring/resource_tree.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

namespace vorna::authoring {

namespace {

constexpr uint32_t kHighBit = 0x80000000;
constexpr size_t kTableHeaderSize = 16;
constexpr size_t kEntrySize = 8;
constexpr size_t kDataEntrySize = 16;
constexpr int kLevels = 3;  // type, name, language

std::u16string Upper(const std::u16string& text) {
  std::u16string upper = text;
  for (char16_t& c : upper) {
    if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
  }
  return upper;
}

uint16_t Get16(const std::vector<uint8_t>& bytes, size_t at) {
  if (at + 2 > bytes.size()) throw std::runtime_error("damaged resource directory");
  return static_cast<uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

uint32_t Get32(const std::vector<uint8_t>& bytes, size_t at) {
  return Get16(bytes, at) | static_cast<uint32_t>(Get16(bytes, at + 2)) << 16;
}

void Put16(std::vector<uint8_t>& bytes, size_t at, uint32_t value) {
  bytes[at] = static_cast<uint8_t>(value);
  bytes[at + 1] = static_cast<uint8_t>(value >> 8);
}

void Put32(std::vector<uint8_t>& bytes, size_t at, uint32_t value) {
  Put16(bytes, at, value);
  Put16(bytes, at + 2, value >> 16);
}

size_t Align(size_t value, size_t alignment) {
  return (value + alignment - 1) / alignment * alignment;
}

/// Reads the tree from the directory's bytes; data come through the program.
class TreeReader {
 public:
  TreeReader(const PeFile& program, const std::vector<uint8_t>& directory)
      : program_(program), directory_(directory) {}

  ResourceTree Read() {
    ResourceTree tree;
    ForEachEntry(0, 0, [&](const ResourceId& type, uint32_t typeTable) {
      ForEachEntry(typeTable, 1, [&](const ResourceId& name, uint32_t nameTable) {
        ForEachEntry(nameTable, 2, [&](const ResourceId& language, uint32_t dataEntry) {
          tree[type][name][language] = ReadData(dataEntry);
        });
      });
    });
    return tree;
  }

 private:
  template <typename Visit>
  void ForEachEntry(uint32_t table, int level, Visit visit) {
    size_t count = size_t{Get16(directory_, table + 12)} + Get16(directory_, table + 14);
    for (size_t i = 0; i < count; ++i) {
      size_t entry = table + kTableHeaderSize + i * kEntrySize;
      uint32_t target = Get32(directory_, entry + 4);
      bool isTable = (target & kHighBit) != 0;
      // Tables point to tables down to the language level, which points to data.
      if (isTable != (level < kLevels - 1)) throw std::runtime_error("damaged resource directory");
      visit(ReadId(Get32(directory_, entry)), target & ~kHighBit);
    }
  }

  ResourceId ReadId(uint32_t field) {
    ResourceId id;
    if ((field & kHighBit) == 0) {
      id.id = static_cast<uint16_t>(field);
      return id;
    }
    size_t at = field & ~kHighBit;
    uint16_t length = Get16(directory_, at);
    for (uint16_t i = 0; i < length; ++i)
      id.name += static_cast<char16_t>(Get16(directory_, at + 2 + 2 * i));
    if (id.name.empty()) throw std::runtime_error("damaged resource directory: an empty name");
    return id;
  }

  ResourceData ReadData(uint32_t entry) {
    uint32_t rva = Get32(directory_, entry);
    uint32_t size = Get32(directory_, entry + 4);
    std::optional<std::vector<uint8_t>> bytes = program_.ReadRva(rva, size);
    if (!bytes) throw std::runtime_error("damaged resource directory: data outside the program");
    return ResourceData{std::move(*bytes), Get32(directory_, entry + 8)};
  }

  const PeFile& program_;
  const std::vector<uint8_t>& directory_;
};

/// Writes a table of entries at at: counts, then one entry per child.
template <typename Children, typename Target>
void WriteTable(std::vector<uint8_t>& out, size_t at, const Children& children,
                const std::map<std::u16string, size_t>& strings, Target target) {
  uint32_t named = static_cast<uint32_t>(std::count_if(
      children.begin(), children.end(), [](const auto& c) { return c.first.named(); }));
  Put16(out, at + 12, named);
  Put16(out, at + 14, static_cast<uint32_t>(children.size()) - named);
  size_t entry = at + kTableHeaderSize;
  for (const auto& [id, child] : children) {
    Put32(out, entry, id.named() ? kHighBit | static_cast<uint32_t>(strings.at(id.name)) : id.id);
    Put32(out, entry + 4, target(child));
    entry += kEntrySize;
  }
}

size_t TableSize(size_t entries) {
  return kTableHeaderSize + entries * kEntrySize;
}

}  // namespace

bool operator<(const ResourceId& a, const ResourceId& b) {
  if (a.named() != b.named()) return a.named();
  if (a.named()) return Upper(a.name) < Upper(b.name);
  return a.id < b.id;
}

ResourceTree ReadResources(const PeFile& program) {
  uint32_t rva = program.DirectoryAddress(PeDirectory::Resource);
  uint32_t size = program.DirectorySize(PeDirectory::Resource);
  if (rva == 0 || size == 0) return ResourceTree();
  std::optional<std::vector<uint8_t>> directory = program.ReadRva(rva, size);
  if (!directory) throw std::runtime_error("the resource directory lies outside the program");
  return TreeReader(program, *directory).Read();
}

// Layout: every table (types, names, languages), the data entries, the
// texts of named entries, then the data, each at a multiple of 8.
std::vector<uint8_t> WriteResources(const ResourceTree& tree, uint32_t sectionRva) {
  std::map<const void*, size_t> tables;  // a map of children -> its table's offset
  size_t at = TableSize(tree.size());
  size_t leaves = 0;
  std::map<std::u16string, size_t> strings;
  auto noteId = [&](const ResourceId& id) {
    if (id.named()) strings[id.name] = 0;
  };
  for (const auto& [type, names] : tree) {
    noteId(type);
    tables[&names] = at;
    at += TableSize(names.size());
  }
  for (const auto& [type, names] : tree) {
    for (const auto& [name, languages] : names) {
      noteId(name);
      tables[&languages] = at;
      at += TableSize(languages.size());
      for (const auto& [language, data] : languages) noteId(language);
      leaves += languages.size();
    }
  }
  size_t dataEntriesAt = at;
  at += leaves * kDataEntrySize;
  for (auto& [text, offset] : strings) {
    offset = at;
    at += 2 + 2 * text.size();
  }
  std::map<const ResourceData*, std::pair<size_t, size_t>> places;  // data -> entry, bytes
  size_t entry = dataEntriesAt;
  at = Align(at, 8);
  for (const auto& [type, names] : tree) {
    for (const auto& [name, languages] : names) {
      for (const auto& [language, data] : languages) {
        places[&data] = {entry, at};
        entry += kDataEntrySize;
        at = Align(at + data.bytes.size(), 8);
      }
    }
  }

  std::vector<uint8_t> out(at, 0);
  WriteTable(out, 0, tree, strings,
             [&](const auto& names) { return kHighBit | static_cast<uint32_t>(tables[&names]); });
  for (const auto& [type, names] : tree) {
    WriteTable(out, tables[&names], names, strings, [&](const auto& languages) {
      return kHighBit | static_cast<uint32_t>(tables[&languages]);
    });
    for (const auto& [name, languages] : names) {
      WriteTable(out, tables[&languages], languages, strings, [&](const ResourceData& data) {
        return static_cast<uint32_t>(places[&data].first);
      });
    }
  }
  for (const auto& [text, offset] : strings) {
    Put16(out, offset, static_cast<uint32_t>(text.size()));
    for (size_t i = 0; i < text.size(); ++i) Put16(out, offset + 2 + 2 * i, text[i]);
  }
  for (const auto& [data, place] : places) {
    Put32(out, place.first, sectionRva + static_cast<uint32_t>(place.second));
    Put32(out, place.first + 4, static_cast<uint32_t>(data->bytes.size()));
    Put32(out, place.first + 8, data->codePage);
    std::copy(data->bytes.begin(), data->bytes.end(),
              out.begin() + static_cast<ptrdiff_t>(place.second));
  }
  return out;
}

}  // namespace vorna::authoring
