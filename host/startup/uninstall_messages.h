// What an uninstall tells the user: its question, its closing message and
// the lines that list what it kept or could not remove.
#pragma once

#include <string>
#include <vector>

#include "uninstall/removal.h"

namespace vorna {

/// The most lines a message lists; the rest are counted.
constexpr size_t kListedSteps = 15;

/// "NAME Uninstall", the caption of the uninstall's message boxes.
std::string UninstallCaption(const std::string& product);
/// "Remove NAME and all of its components?"
std::string UninstallQuestion(const std::string& product);
/// One listed thing with the reason: "C:\App\README.TXT (it changed after the install)".
std::string StepLine(const RemovalStep& step);
/// "NAME was removed.", with what was kept listed after it.
std::string RemovedText(const std::string& product, const std::vector<RemovalStep>& kept);
/// "NAME was not removed completely.", with what remains listed after it.
std::string NotRemovedText(const std::string& product, const std::vector<RemovalStep>& remain);

}  // namespace vorna
