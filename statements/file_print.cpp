// PRINT #n, and WRITE #n,: the print items written to a file, each line
// ended with a carriage return and a line feed. The print statement hands
// its file form here once it has read the "#".
#include <string>

#include "script/activation.h"
#include "script/file_slots.h"
#include "script/interpreter.h"
#include "statements/file_statement_parts.h"
#include "statements/file_statements.h"
#include "statements/print_statement.h"
#include "values/errors.h"

namespace vorna {

namespace {

class FileSink : public PrintSink {
 public:
  explicit FileSink(platform::File& file) : file_(file) {}
  /// A failed or short write is "Disk"; what was written before stays.
  void Write(const std::string& text) override {
    if (!file_.Write(text.data(), text.size())) Raise(errorNumbers::Disk);
  }
  const char* LineEnd() const override { return "\r\n"; }

 private:
  platform::File& file_;
};

}  // namespace

StatementEnd PrintToFile(Activation& activation) {
  StatementCursor& cursor = activation.cursor();
  activation.outputColumn = 0;
  int32_t number = ReadOpenFileNumber(activation);
  cursor.ExpectChar(',');
  FileSink sink(OpenFileOf(activation.interpreter().files(), number));
  PrintItems(activation, sink);
  return StatementEnd::Continue;
}

}  // namespace vorna
