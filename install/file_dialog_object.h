// The file dialog object, the script type STDFILE: a script sets its filter,
// title, folder and name properties, reads D.GETOPENNAME or D.GETSAVENAME to
// show the system's Open or Save As dialog, and reads the chosen path from
// D.FILE.
//
// The object is a thin wrapper around the common dialog record and its seven
// text buffers; the dialog itself is the platform's (platform/interaction.h).
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/interaction.h"
#include "values/script_object.h"

namespace vorna {

class Value;

/// The type word of a declaration that makes a file dialog object.
constexpr const char* kFileDialogTypeWord = "STDFILE";

/// Bytes of each text buffer; a property holds at most one character less.
constexpr size_t kFileDialogTextSize = 2048;

class FileDialogObject : public ScriptObject {
 public:
  /// A fresh object: every text empty, the flags 0x80000.
  FileDialogObject();

  /// GETOPENNAME, GETSAVENAME and the properties, tried in that order.
  bool GetMember(Activation& activation, Value& result) override;
  /// "property = expression" for the text properties and FLAGS.
  bool SetMember(Activation& activation) override;
  /// The object has no statement members: always false.
  bool CallStatement(Activation& activation) override;
  /// Fills cells with fresh file dialog objects.
  void NewArray(ScriptObject** cells, int32_t count) override;

  /// The dialog record as the platform's dialogs see it.
  const platform::FileDialogRecord& record() const { return record_; }
  /// The dialog filter list (pairs, ended by two NULs) built before a dialog.
  const char* dialogFilter() const { return dialogFilter_; }

 private:
  /// Shows one of the two dialogs through interaction after rebuilding the filter list.
  bool ShowDialog(platform::Interaction& interaction, bool save);
  /// Copies FILTER into the dialog filter buffer as the dialog's pairs list:
  /// every "|" becomes a NUL and the list ends with two NULs.
  void RebuildFilter();
  /// The text buffer of a text property by its index in the write order.
  char* TextBuffer(int32_t index);

  platform::FileDialogRecord record_;
  char filter_[kFileDialogTextSize] = {};
  // One byte longer than a property needs, so that a filter of full length
  // still has room for the second NUL that ends the pairs list.
  char dialogFilter_[kFileDialogTextSize + 1] = {};
  char file_[kFileDialogTextSize] = {};
  char fileTitle_[kFileDialogTextSize] = {};
  char initialDir_[kFileDialogTextSize] = {};
  char title_[kFileDialogTextSize] = {};
  char defaultExtension_[kFileDialogTextSize] = {};
};

/// The object's member words: the two methods, then the properties.
std::vector<const char*> FileDialogMemberWords();
/// The member words that can be assigned: the properties.
std::vector<const char*> FileDialogPropertyWords();

/// A new OBJECT value holding a fresh file dialog object (DIM name AS STDFILE).
std::unique_ptr<Value> MakeFileDialogObject();

}  // namespace vorna
