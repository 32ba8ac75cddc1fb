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

/// print -> (PRINT | WRITE) ["#" n ","] [item {; item} [;]]: to the host
/// output routine, or with "#" to an open file (PrintToFile).
StatementEnd PrintStatement(Activation& activation);

}  // namespace vorna
