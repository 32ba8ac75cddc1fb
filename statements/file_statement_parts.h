// The operands the file statements share: the file number of an open slot
// and the variable a statement reads into.
#pragma once

#include <cstdint>

namespace vorna {

class Activation;
class Value;
struct FileTable;

/// Reads a file number expression (converted to INTEGER) that must lie in
/// 1..511 ("Illegal Value").
int32_t ReadFileNumber(Activation& activation);

/// Reads a file number whose slot must hold an open file ("File Handle Undefined").
int32_t ReadOpenFileNumber(Activation& activation);

/// Reads a variable name (with its index list for an array) and answers the
/// variable; a name that is no variable becomes a new local STRING variable
/// holding the empty text. "Illegal Use" when no name stands at the cursor.
Value& ReadTargetVariable(Activation& activation);

/// Moves the file pointer of an open slot to position records from the start
/// of the file ("Disk" when the move fails).
void SeekRecord(FileTable& table, int32_t number, int32_t position);

}  // namespace vorna
