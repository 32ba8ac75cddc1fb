// Registry key paths as scripts write them: an optional root prefix, then the
// subkey path.
//
// The prefix is matched as a plain, case-insensitive prefix, so
// "HKEY_USERSX\Y" names X\Y under HKEY_USERS; a path without a known prefix
// names a key under HKEY_LOCAL_MACHINE.
#pragma once

#include <string>
#include <vector>

#include "platform/registry.h"

namespace vorna {

/// A key path taken apart: the root key and the subkey path below it.
struct KeyPath {
  platform::RootKey root = platform::RootKey::LocalMachine;
  std::string subkey;  // segments separated by backslashes; empty for the root itself
};

/// Splits a script's key path into its root and subkey; the text ends at its
/// first carriage return or line feed.
KeyPath ScanKeyPath(const std::string& path);

/// The full name of a key: the root's name, then the subkey path
/// ("HKEY_CURRENT_USER\\Software\\Hello"; the root's name alone for an empty subkey).
std::string KeyName(platform::RootKey root, const std::string& subkey);

/// The non-empty segments of a subkey path, in order from the root.
std::vector<std::string> SubkeySegments(const std::string& subkey);

}  // namespace vorna
