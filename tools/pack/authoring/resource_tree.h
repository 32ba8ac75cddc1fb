// The resources of a Windows program as a tree: type, name, language, data.
//
// In the file they are a resource directory: three levels of tables whose
// entries are named by a number or a text and point to the next table or,
// at the last level, to a data entry that gives the data's address (an RVA)
// and size. The packer reads the runtime's tree, changes it, and writes it
// out again as a section of its own (pe_file.h).
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "tools/pack/authoring/pe_file.h"

namespace vorna::authoring {

/// A table entry's name: a number, or a text (UTF-16) when named.
struct ResourceId {
  std::u16string name;
  uint16_t id = 0;

  bool named() const { return !name.empty(); }
  /// Named entries first, in the order of their upper-cased texts; then numbers.
  friend bool operator<(const ResourceId& a, const ResourceId& b);
};

/// The data of one resource in one language.
struct ResourceData {
  std::vector<uint8_t> bytes;
  uint32_t codePage = 0;
};

/// type -> name -> language -> data.
using ResourceTree = std::map<ResourceId, std::map<ResourceId, std::map<ResourceId, ResourceData>>>;

/// Resource types by their numbers.
namespace resource_type {
constexpr uint16_t kIcon = 3;
constexpr uint16_t kGroupIcon = 14;
constexpr uint16_t kVersion = 16;
constexpr uint16_t kManifest = 24;
}  // namespace resource_type

/// English (United States), the language of the runtime's resources.
constexpr uint16_t kEnglishUs = 0x409;

/// The resources of program (an empty tree when it has none). Throws
/// std::runtime_error for a directory that is damaged.
ResourceTree ReadResources(const PeFile& program);

/// The resource section's bytes for tree, its data addressed as if the
/// section starts at the RVA sectionRva.
std::vector<uint8_t> WriteResources(const ResourceTree& tree, uint32_t sectionRva);

}  // namespace vorna::authoring
