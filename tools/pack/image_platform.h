// The machine as the packer's extract, verify and list commands see it: the
// image is read and the files are written through the same platform
// interface the runtime uses, so the runtime's own extraction code runs.
// Message boxes (a missing image, a read error) are written to standard
// error and answered with Cancel.
#pragma once

#include <memory>
#include <string>

#include "platform/platform.h"

namespace vorna::pack {

class ImagePlatform {
 public:
  /// A platform that reads the host file image and writes below the host
  /// folder outputFolder (empty when nothing is written).
  ImagePlatform(const std::string& image, const std::string& outputFolder);
  ~ImagePlatform();
  ImagePlatform(const ImagePlatform&) = delete;
  ImagePlatform& operator=(const ImagePlatform&) = delete;

  /// The image's path as the platform names it.
  const std::string& imagePath() const { return imagePath_; }
  /// The output folder's path as the platform names it.
  const std::string& outputFolder() const { return outputFolder_; }
  /// The platform to hand to the install data readers.
  const platform::Platform& machine() const { return machine_; }

 private:
  struct Parts;
  std::unique_ptr<Parts> parts_;
  std::string imagePath_;
  std::string outputFolder_;
  platform::Platform machine_;
};

}  // namespace vorna::pack
