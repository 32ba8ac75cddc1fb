// The program model: modules, their global-area lines and procedures, each
// line with its text, its line number and its label.
//
// A module's top list holds its global-area lines and its procedure nodes in
// file order. A procedure node is a program line too (the header), named "~"
// and the procedure name so that it never collides with a label; its own line
// list holds every line from its header up to the next header.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "values/node_list.h"

namespace vorna {

/// Type words that tell the records apart.
constexpr int32_t kModuleTypeWord = -1;
constexpr int32_t kProgramLineTypeWord = 9;

/// The name field of a module that has not been read yet.
constexpr const char* kUnreadModuleName = "<NONE>";
/// Longest module name (the module's name field).
constexpr size_t kMaxModuleNameLength = 255;
/// Longest procedure name: a call reads the name as a script name, which is
/// at most this long.
constexpr size_t kMaxProcedureNameLength = 32;

/// One non-empty source line; a procedure node when its name starts with "~".
class ProgramLine : public NamedNode {
 public:
  ProgramLine(const char* text, int32_t lineNumber, int32_t column = 0)
      : lineNumber_(lineNumber), column_(column), text_(text) {}

  /// Always kProgramLineTypeWord.
  int32_t typeWord() const { return typeWord_; }
  /// The procedure's lines, header first (used only by procedure nodes).
  NodeList& lines() { return lines_; }
  /// Zero-based number of the physical line in the module's text; the
  /// pieces of a line too long for one program line share its number.
  int32_t lineNumber() const { return lineNumber_; }
  /// Zero-based column of the text's first character in its physical line.
  int32_t column() const { return column_; }
  /// The line's text: upper-cased outside literals, no leading blanks, no label.
  const char* text() const { return text_.c_str(); }
  /// True for the node of a procedure in a module's top list or its header line.
  bool isProcedure() const { return name() != nullptr && name()[0] == '~'; }

 private:
  int32_t typeWord_ = kProgramLineTypeWord;
  NodeList lines_;
  int32_t lineNumber_;
  int32_t column_;
  std::string text_;
};

/// One loaded module; its node name is the upper-cased module name.
class Module : public NamedNode {
 public:
  Module() : appendTarget_(&top_) {}

  /// Always kModuleTypeWord.
  int32_t typeWord() const { return typeWord_; }
  /// "<NONE>" until the module has been read, the module name afterwards.
  const std::string& nameField() const { return nameField_; }
  void setNameField(const std::string& name) { nameField_ = name; }
  /// Global-area lines and procedure nodes, in file order.
  NodeList& top() { return top_; }
  /// The list that receives the next line the loader adds.
  NodeList& appendTarget() { return *appendTarget_; }
  void setAppendTarget(NodeList& list) { appendTarget_ = &list; }

 private:
  int32_t typeWord_ = kModuleTypeWord;
  std::string nameField_ = kUnreadModuleName;
  NodeList top_;
  NodeList* appendTarget_;
};

/// The procedure node of name (any case) in module; nullptr when there is none.
ProgramLine* FindProcedure(Module& module, const char* name);

/// The line labelled label in the module's top list; raises "Undefined Label"
/// when there is none (labels inside procedures are not seen).
ProgramLine* FindLabel(Module& module, const char* label);

/// A procedure and the module that holds it.
struct ProcedureRef {
  Module* module = nullptr;
  ProgramLine* procedure = nullptr;
};

/// The procedure of that name in the first module (in load order) that has
/// one; both members are nullptr when none has. modules holds Module nodes.
ProcedureRef FindProcedureInModules(NodeList& modules, const char* name);

}  // namespace vorna
