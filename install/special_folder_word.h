// SPECIALFOLDER(name [, allUsers]), the install-object word that finds a
// shell folder's path.
//
// The word's reading is a function of its own so that the install object's
// GetMember calls it once it matched the word; until the install object is
// registered, SpecialFolderWord offers the word to scripts as an extension of
// its own.
#pragma once

#include "values/extension.h"

namespace vorna {

class Activation;
class Value;

/// The member word.
constexpr const char* kSpecialFolderWord = "SPECIALFOLDER";

/// Reads "(" name ["," allUsers] ")" at the cursor (just after the word) and
/// writes the folder's path, or the empty text, into result as a STRING. The
/// all-users flag must be BOOLEAN ("Type Mismatch") and counts as true when
/// left out; a missing parenthesis or comma is "Illegal Use".
void EvaluateSpecialFolder(Activation& activation, Value& result);

/// The extension that answers the one word SPECIALFOLDER in expressions.
class SpecialFolderWord : public Extension {
 public:
  /// Reads SPECIALFOLDER(...) when the word at the cursor is SPECIALFOLDER.
  bool GetMember(Activation& activation, Value& result) override;
};

}  // namespace vorna
