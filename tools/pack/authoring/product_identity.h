// The product's own identity in a setup's program resources: its version
// information (name, version, company, copyright), its icon and the
// application manifest with the execution level it asks for. The packer
// stamps them into a copy of the runtime before the install data is
// appended, rebuilding the resource section as a new last section of the
// image (the old one stays, renamed and no longer used), and reads them back
// for "vorna-pack list".
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/pack/authoring/app_manifest.h"
#include "tools/pack/authoring/pe_file.h"

namespace vorna::authoring {

struct ProductIdentity {
  /// The product's name; empty: the version information stays the runtime's.
  std::string product;
  /// With a product: its version ("1.2.3"), company and copyright (may be empty).
  std::string version;
  std::string company;
  std::string copyright;
  /// The icon file's bytes; empty: no icon.
  std::vector<uint8_t> icon;
  ExecutionLevel level = ExecutionLevel::Admin;
};

/// The program with identity in its resources, its own signature (if any)
/// removed. Throws std::runtime_error with the reason when the version, the
/// icon or the program's resources cannot be used.
PeFile StampIdentity(PeFile program, const ProductIdentity& identity);

/// What a program's resources say about it, one line each: "product: ...",
/// "icon: ...", "execution level: ...". Throws std::runtime_error for
/// damaged resources.
std::vector<std::string> DescribeIdentity(const PeFile& program);

}  // namespace vorna::authoring
