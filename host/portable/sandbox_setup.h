// The host folders of a vorna-run sandbox.
//
// Without --root the sandbox is a fresh temporary folder, removed when the run
// ends. (Without --image the working folder's files appear in C:\ as the
// script names them: working_folder_files.h.)
#pragma once

#include <string>

namespace vorna {

/// Creates a fresh temporary sandbox root; throws std::runtime_error on failure.
std::string MakeTemporaryRoot();

/// Removes a folder and everything in it; silent when it is already gone.
void RemoveTree(const std::string& folder);

}  // namespace vorna
