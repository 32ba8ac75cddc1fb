// Where the runtime loads libraries from after its start.
//
// A setup program usually runs from a download folder that anyone can put
// files into; a library named like one the system loads on demand, planted
// there, would otherwise be loaded before the system's own.
#pragma once

namespace vorna {

/// Limits the search for libraries loaded from now on to the system folder
/// (SetDefaultDllDirectories with LOAD_LIBRARY_SEARCH_SYSTEM32 where the
/// system has it, else at least takes the current folder out of the search
/// with SetDllDirectoryA("")). Both are looked up at run time, so the
/// program still starts on systems that lack them.
void RestrictLibrarySearch();

}  // namespace vorna
