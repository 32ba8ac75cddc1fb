// The "User Input Needed" dialog of the INPUT statement.
#pragma once

#include <optional>
#include <string>

namespace vorna::platform {

/// Runs the "INPUT" dialog, owned by no window, with prompt in its static
/// control; the text of the edit control on OK, nullopt on Cancel or when
/// the dialog cannot be created.
std::optional<std::string> RunInputDialog(const std::string& prompt);

}  // namespace vorna::platform
