// The binary shell link (.lnk) file: what the sandbox writes for a shortcut
// and reads back to check it.
//
// A file is a 76-byte header (size 0x4C, the shell link class id, flags that
// say which parts follow), an optional item-id list, an optional link-info
// block that holds the target's full local path, then counted strings (the
// description, the target relative to the link's folder, ...) and a terminal
// extra-data block. This writer emits the link-info block and the strings in
// the ANSI code page; the reader also accepts UTF-16 strings and skips the
// item-id list, so it reads links that Windows itself wrote.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vorna::platform {

/// Size of the fixed header at the start of every link file.
constexpr uint32_t kShellLinkHeaderSize = 0x4C;
/// The shell link class id {00021401-0000-0000-C000-000000000046} as stored.
extern const uint8_t kShellLinkClassId[16];

/// Which optional parts a link file holds (the header's LinkFlags).
namespace linkFlags {
constexpr uint32_t HasLinkTargetIdList = 0x01;
constexpr uint32_t HasLinkInfo = 0x02;
constexpr uint32_t HasName = 0x04;
constexpr uint32_t HasRelativePath = 0x08;
constexpr uint32_t HasWorkingDir = 0x10;
constexpr uint32_t HasArguments = 0x20;
constexpr uint32_t HasIconLocation = 0x40;
constexpr uint32_t IsUnicode = 0x80;
}  // namespace linkFlags

/// The parts of a link this system writes and reads; an empty text is absent.
struct ShellLink {
  std::string localBasePath;  // full local path of the target (the link-info block)
  std::string relativePath;   // target relative to the link's folder, e.g. "..\App\app.exe"
  std::string description;
  std::string workingDir;
  std::string arguments;
  std::string iconLocation;
  uint32_t showCommand = 1;  // SW_SHOWNORMAL
};

/// What a link file's header says, as read back.
struct ShellLinkHeader {
  uint32_t headerSize = 0;
  uint8_t classId[16] = {};
  uint32_t flags = 0;
  uint32_t showCommand = 0;
};

/// The bytes of a link file for the link; nullopt when a text is too long for
/// its 16-bit character count.
std::optional<std::vector<uint8_t>> EncodeShellLink(const ShellLink& link);

/// Reads a link file's bytes; nullopt with a reason when they are not a link
/// file or a part runs past the end.
std::optional<ShellLink> DecodeShellLink(const std::vector<uint8_t>& bytes, ShellLinkHeader* header,
                                         std::string* error);

}  // namespace vorna::platform
