// Full Windows paths and registry key names as the install record keeps them.
//
// A record is data from disk: every path in it is read strictly, as a drive
// letter followed by names that pass the same rules as the names of a file
// set, so that no "..", device, stream or stray separator can move a removal
// somewhere else. Names compare without regard to ASCII letter case, as
// Windows compares them; a name that differs only in another letter of the
// code page compares unequal, which only ever makes a removal refuse.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/registry.h"

namespace vorna {

/// A full path taken apart: its drive letter (upper case) and the names below
/// the drive's root.
struct RecordPath {
  char drive = 'C';
  std::vector<std::string> parts;

  /// "C:\a\b", or "C:\" for a drive root.
  std::string Text() const;
  /// The folder that holds this path (a drive root holds itself).
  RecordPath Parent() const;
  /// This path with one more name below it.
  RecordPath Child(const std::string& name) const;
};

/// Reads "X:\a\b" (a drive root is "X:\"); nullopt for anything else.
std::optional<RecordPath> ParseRecordPath(const std::string& text);

/// Reads a path as the install wrote it ("c:/Apps//Tool\" included): forward
/// slashes and doubled or trailing separators are tidied, then it must be a
/// full path as ParseRecordPath reads it.
std::optional<RecordPath> TidyPath(const std::string& text);

/// True when the two names are the same, ASCII letter case aside.
bool SameName(const std::string& a, const std::string& b);

/// True when path is folder or lies below it.
bool IsAtOrBelow(const RecordPath& path, const RecordPath& folder);

/// True when path lies below folder (not folder itself).
bool IsBelow(const RecordPath& path, const RecordPath& folder);

/// A registry key named with its root: "HKEY_LOCAL_MACHINE\SOFTWARE\Hello".
struct RecordKey {
  platform::RootKey root = platform::RootKey::LocalMachine;
  std::vector<std::string> segments;

  /// The key's full name, its root spelled out.
  std::string Text() const;
  /// The subkey path below the root ("SOFTWARE\Hello").
  std::string Subkey() const;
};

/// Reads a key's full name: one of the five root names in full, then at least
/// one subkey name; names are not empty and hold no control character.
std::optional<RecordKey> ParseRecordKey(const std::string& text);

/// True when key is folder or lies below it.
bool IsAtOrBelow(const RecordKey& key, const RecordKey& folder);

}  // namespace vorna
