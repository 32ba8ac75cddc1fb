// Reading the directory of an install image without the runtime: what
// "vorna-pack list" shows and what the tests check the writer against.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

#include "installdata/image_layout.h"

namespace vorna::authoring {

/// One directory record as found in an image.
struct DirectoryEntry {
  std::string name;
  uint32_t size = 0;
  uint64_t dataOffset = 0;  // file offset of the entry's first data byte
};

/// The image's trailer fields and directory.
struct ImageDirectory {
  uint32_t base = 0;
  uint32_t fileSetOffset = 0;
  std::vector<DirectoryEntry> entries;
  ImageLayout layout;
};

/// Where the image's install data lies, as the runtime finds it (image_layout.h).
ImageLayout InspectImageStream(std::istream& image);

/// Finds the trailer as the runtime does and walks the directory up to the
/// end record. Throws std::runtime_error with a one-line reason for an image
/// without install data, a damaged image or a damaged directory.
ImageDirectory ReadImageDirectory(std::istream& image, const std::string& key);

}  // namespace vorna::authoring
