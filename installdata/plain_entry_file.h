// A plain file read the way a C stream reads it, for the entries that the
// container does not hold. In text mode (a mode without "b") a CR that stands
// before an LF is dropped, as the Windows C library does.
#pragma once

#include <cstddef>
#include <memory>

#include "installdata/buffered_file.h"

namespace vorna {

enum class TextMode { Binary, Text };

class PlainEntryFile {
 public:
  PlainEntryFile(std::unique_ptr<platform::File> file, TextMode mode);

  /// The next character (0..255), or -1 at the end.
  int ReadByte();
  /// Reads up to count items of size bytes and answers the number of whole items.
  size_t ReadBlock(void* buffer, size_t size, size_t count);
  /// Reads at most limit - 1 characters, up to and including an LF; nullptr
  /// when the end comes before any character.
  char* ReadLine(char* buffer, size_t limit);
  /// The end-of-file indicator: set by a read that met the end.
  bool eof() const { return file_.eof(); }

 private:
  BufferedFile file_;
  TextMode mode_;
};

}  // namespace vorna
