// PRINT and WRITE (the same statement): items separated by ";", TAB(n) and
// the output column. The console form writes through the host output
// routine; the file form ("#n,") gives the items a file sink instead.
#pragma once

#include <string>

#include "script/statement_table.h"

namespace vorna {

class Activation;

/// Where printed text goes.
class PrintSink {
 public:
  virtual ~PrintSink() = default;
  /// Writes text (raising a script error if the target fails).
  virtual void Write(const std::string& text) = 0;
  /// The line end written after the items: "\n" to the host, "\r\n" to a file.
  virtual const char* LineEnd() const = 0;
};

/// Prints the item list at the cursor to sink, counting the activation's
/// output column from 0, and the line end unless a ";" ends the statement.
void PrintItems(Activation& activation, PrintSink& sink);

/// print -> (PRINT | WRITE) [item {; item} [;]] to the host output routine.
/// The "#number," form is not implemented here: the file statements register
/// their own PRINT and WRITE handler (after this one), which reads the file
/// number and calls PrintItems with a file sink, and hands the console form
/// back to PrintStatement.
StatementEnd PrintStatement(Activation& activation);

}  // namespace vorna
