// Names and texts at the packer's host boundary.
//
// The install data holds names and texts in Windows-1252, the ANSI code page
// the runtime reads them in; a Linux host names its files in UTF-8. So the
// packer converts a host's UTF-8 into Windows-1252 when it builds, refusing
// what the code page cannot hold, and converts back when it prints. On
// Windows the system hands the packer ANSI names already, and nothing is
// converted.
#pragma once

#include <string>

namespace vorna::authoring {

/// The name the install data stores for a host file name; throws
/// std::runtime_error with a one-line reason naming it when Windows-1252
/// cannot hold it.
std::string SetNameOf(const std::string& hostName);

/// Whether a text entry was converted on its way into the install data.
enum class TextConversion { Unchanged, FromUtf8 };

/// Makes a text entry's bytes Windows-1252: a text that is valid UTF-8 and
/// not plain ASCII is converted (a leading byte-order mark dropped); any other
/// text is taken to be Windows-1252 already. Throws std::runtime_error naming
/// the entry and the character when the code page cannot hold one.
TextConversion ConvertTextEntry(const std::string& entryName, std::string& text);

/// A name or text of the install data as a terminal should show it: in the
/// host's encoding, with every control character written as "\xHH" so that
/// no name can move the cursor or hide other lines.
std::string Printable(const std::string& setText);

}  // namespace vorna::authoring
