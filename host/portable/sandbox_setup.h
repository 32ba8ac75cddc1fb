// The host folders of a vorna-run sandbox.
//
// Without --root the sandbox is a fresh temporary folder, removed when the run
// ends. Without --image the runtime reads its start-up control entry and its
// modules as plain files from its current folder C:\, so the regular files
// of the runner's working directory are copied there first: the script sees
// them, but nothing it does ever reaches the working directory itself.
#pragma once

#include <string>

namespace vorna {

/// Creates a fresh temporary sandbox root; throws std::runtime_error on failure.
std::string MakeTemporaryRoot();

/// Copies the regular files directly inside from into the folder to (created
/// when missing), replacing files of the same name; answers the count copied.
/// Throws std::runtime_error on a failed copy.
int CopyPlainFiles(const std::string& from, const std::string& to);

/// Removes a folder and everything in it; silent when it is already gone.
void RemoveTree(const std::string& folder);

}  // namespace vorna
