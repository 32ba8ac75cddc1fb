// What "vorna-pack build" refuses before it writes anything: an output that
// would replace a folder or be packed into its own payload, and a stub that
// is no runtime to put in front of the scripts.
#pragma once

#include <filesystem>
#include <string>

namespace vorna::pack {

/// Throws PackError for an output that is an existing folder, or that lies
/// inside the files folder (empty: none), where the half-written setup would
/// be packed into its own payload.
void RefuseOutput(const std::filesystem::path& out, const std::string& files);

/// Throws PackError for a stub that cannot be read, that is no Windows
/// program (no MZ and PE headers), that is a packed setup already (it ends
/// in a trailer), or that is the output itself.
void RefuseStub(const std::filesystem::path& stub, const std::filesystem::path& out);

}  // namespace vorna::pack
