#include "tools/pack/authoring/product_identity.h"

#include <stdexcept>

#include "tools/pack/authoring/icon_file.h"
#include "tools/pack/authoring/resource_tree.h"
#include "tools/pack/authoring/version_block.h"

namespace vorna::authoring {

namespace {

constexpr const char* kResourceSection = ".rsrc";
constexpr const char* kReplacedSection = ".oldrsrc";

ResourceId Id(uint16_t number) {
  ResourceId id;
  id.id = number;
  return id;
}

/// Replaces every resource of type with one resource, id 1 in US English.
void ReplaceType(ResourceTree& tree, uint16_t type, std::vector<uint8_t> bytes) {
  tree[Id(type)].clear();
  tree[Id(type)][Id(1)][Id(kEnglishUs)] = ResourceData{std::move(bytes), 0};
}

std::vector<uint8_t> ProductVersionInfo(const ProductIdentity& identity) {
  VersionInfo info;
  info.numbers = ParseVersionNumbers(identity.version);
  info.strings = {
      {"CompanyName", identity.company}, {"FileDescription", identity.product + " Setup"},
      {"FileVersion", identity.version}, {"LegalCopyright", identity.copyright},
      {"ProductName", identity.product}, {"ProductVersion", identity.version}};
  // Texts that were not given are left out.
  for (auto it = info.strings.begin(); it != info.strings.end();) {
    it = it->second.empty() ? info.strings.erase(it) : it + 1;
  }
  return EncodeVersionInfo(info);
}

/// The icon's images as icon resources 1, 2, ... and their group as group 1.
void PutIcon(ResourceTree& tree, const std::vector<uint8_t>& file) {
  std::vector<IconImage> images = ReadIconFile(file);
  tree[Id(resource_type::kIcon)].clear();
  for (size_t i = 0; i < images.size(); ++i) {
    tree[Id(resource_type::kIcon)][Id(static_cast<uint16_t>(i + 1))][Id(kEnglishUs)] =
        ResourceData{images[i].bytes, 0};
  }
  ReplaceType(tree, resource_type::kGroupIcon, EncodeIconGroup(images, 1));
}

/// The first resource of a type, or nullptr.
const ResourceData* First(const ResourceTree& tree, uint16_t type) {
  auto byType = tree.find(Id(type));
  if (byType == tree.end() || byType->second.empty()) return nullptr;
  const auto& languages = byType->second.begin()->second;
  return languages.empty() ? nullptr : &languages.begin()->second;
}

std::string Value(const VersionInfo& info, const std::string& name) {
  for (const auto& [key, text] : info.strings) {
    if (key == name) return text;
  }
  return std::string();
}

std::string DescribeVersion(const ResourceData* data) {
  if (data == nullptr) return "product: no version information";
  VersionInfo info = DecodeVersionInfo(data->bytes);
  std::string line = "product: " + Value(info, "ProductName") + " " + Value(info, "ProductVersion");
  for (const char* name : {"FileDescription", "CompanyName", "LegalCopyright"}) {
    std::string text = Value(info, name);
    if (!text.empty()) line += std::string(", ") + text;
  }
  return line;
}

std::string DescribeIcon(const ResourceData* group) {
  if (group == nullptr) return "icon: none";
  std::vector<IconImage> images = DecodeIconGroup(group->bytes);
  std::string line =
      "icon: " + std::to_string(images.size()) + " image" + (images.size() == 1 ? "" : "s");
  for (size_t i = 0; i < images.size(); ++i) {
    int width = images[i].width == 0 ? 256 : images[i].width;
    int height = images[i].height == 0 ? 256 : images[i].height;
    line += (i == 0 ? ": " : ", ") + std::to_string(width) + "x" + std::to_string(height);
  }
  return line;
}

std::string DescribeManifest(const ResourceData* manifest) {
  if (manifest == nullptr) return "execution level: none (no manifest)";
  std::optional<std::string> level =
      ManifestLevel(std::string(manifest->bytes.begin(), manifest->bytes.end()));
  return "execution level: " + level.value_or("none (the manifest names none)");
}

}  // namespace

PeFile StampIdentity(PeFile program, const ProductIdentity& identity) {
  program.RemoveSignature();
  ResourceTree tree = ReadResources(program);
  if (!identity.product.empty()) {
    ReplaceType(tree, resource_type::kVersion, ProductVersionInfo(identity));
  }
  if (!identity.icon.empty()) PutIcon(tree, identity.icon);
  std::string description = identity.product.empty() ? "Setup" : identity.product + " Setup";
  std::string manifest = ManifestText(identity.level, description);
  ReplaceType(tree, resource_type::kManifest,
              std::vector<uint8_t>(manifest.begin(), manifest.end()));
  std::vector<uint8_t> section = WriteResources(tree, program.NextSectionRva());
  program.RenameSection(kResourceSection, kReplacedSection);
  program.AddSection(kResourceSection, section, PeDirectory::Resource);
  return program;
}

std::vector<std::string> DescribeIdentity(const PeFile& program) {
  ResourceTree tree = ReadResources(program);
  return {DescribeVersion(First(tree, resource_type::kVersion)),
          DescribeIcon(First(tree, resource_type::kGroupIcon)),
          DescribeManifest(First(tree, resource_type::kManifest))};
}

}  // namespace vorna::authoring
