#include "script/module_loader.h"

#include <cstring>
#include <memory>
#include <string>

#include "installdata/container.h"
#include "script/keywords.h"
#include "script/line_text.h"
#include "values/char_class.h"
#include "values/errors.h"

namespace vorna {

namespace {

const char* SkipBlanks(const char* text) {
  while (IsBlank(*text)) ++text;
  return text;
}

// A label starts in the first column, is made of letters and digits, and
// ends on the line's first ":". Answers its length, 0 when there is none.
size_t LabelLength(const char* text) {
  const char* colon = std::strchr(text, ':');
  if (colon == nullptr) return 0;
  const char* scan = text;
  while (IsLetterOrDigit(*scan)) ++scan;
  return scan == colon ? static_cast<size_t>(colon - text) : 0;
}

int32_t OffsetIn(const std::string& line, const char* position) {
  return static_cast<int32_t>(position - line.c_str());
}

bool IsKeyword(const std::string& name) {
  return FindKeywordByName(name.c_str()) != nullptr;
}

// The name after SUB or FUNCTION when text is a procedure header; the
// keyword must be followed by a blank. False when text is no header.
bool ReadProcedureHeader(const char* text, std::string* name) {
  const char* keywordEnd = nullptr;
  if (StartsWithWord(text, "SUB")) {
    keywordEnd = text + 3;
  } else if (StartsWithWord(text, "FUNCTION")) {
    keywordEnd = text + 8;
  } else {
    return false;
  }
  const char* start = SkipBlanks(keywordEnd);
  const char* end = start;
  while (*end && !IsBlank(*end) && *end != '(') ++end;
  name->assign(start, end);
  return true;
}

void OpenProcedure(Module& module, const std::string& name, const char* text, int32_t lineNumber,
                   int32_t column) {
  if (name.empty() || name.size() > kMaxProcedureNameLength || IsKeyword(name)) {
    Raise(errorNumbers::IllegalFunctionName);
  }
  const std::string nodeName = "~" + name;
  if (module.top().FindByName(nodeName.c_str())) Raise(errorNumbers::NameAlreadyDeclared);
  auto* procedure = new ProgramLine(text, lineNumber, column);
  procedure->SetName(nodeName.c_str());
  module.top().Append(procedure);
  module.setAppendTarget(procedure->lines());
}

}  // namespace

void AddLine(Module& module, const char* text, int32_t lineNumber, int32_t column) {
  std::string line(text);
  UpperCaseOutsideLiterals(line);
  std::string nodeName;
  size_t labelLength = LabelLength(line.c_str());
  const char* body = line.c_str();
  if (labelLength > 0) {
    nodeName.assign(line, 0, labelLength);
    body = SkipBlanks(body + labelLength + 1);
    if (IsKeyword(nodeName)) Raise(errorNumbers::IllegalFunctionName);
  } else {
    body = SkipBlanks(body);
    std::string procedureName;
    if (ReadProcedureHeader(body, &procedureName)) {
      OpenProcedure(module, procedureName, body, lineNumber, column + OffsetIn(line, body));
      nodeName = "~" + procedureName;
    }
  }
  auto* node = new ProgramLine(body, lineNumber, column + OffsetIn(line, body));
  if (!nodeName.empty()) node->SetName(nodeName.c_str());
  module.appendTarget().Append(node);
}

void ReadModule(platform::FileSystem& files, Module& module, const char* name,
                const LineErrorHandler& onLineError) {
  ContainerReader reader(files);
  module.setAppendTarget(module.top());
  if (!reader.OpenEntry(name, "rb")) Raise(errorNumbers::FileNotFound);
  module.top().Clear();
  // The reader stores up to limit + 1 bytes and a terminator.
  char buffer[kMaxProgramLineLength + 2];
  // A physical line longer than one read comes in pieces; every piece keeps
  // the number of its physical line and where in it the piece starts.
  int32_t lineNumber = 0;
  int32_t pieceStart = 0;
  bool afterCarriageReturn = false;
  while (!reader.AtEndOfEntry()) {
    if (reader.ReadLine(buffer, kMaxProgramLineLength) == nullptr) break;
    const int32_t pieceLength = static_cast<int32_t>(std::strlen(buffer));
    // A plain-file read can stop between the CR and the LF of one line end.
    const bool tailOfLineEnd = afterCarriageReturn && std::strcmp(buffer, "\n") == 0;
    const bool endsLine = !tailOfLineEnd && buffer[std::strcspn(buffer, "\r\n")] != '\0';
    afterCarriageReturn = pieceLength > 0 && buffer[pieceLength - 1] == '\r';
    buffer[kMaxProgramLineLength] = '\0';
    buffer[std::strcspn(buffer, "\r\n")] = '\0';
    if (char* comment = FindComment(buffer, '\'')) *comment = '\0';
    // Lines of blanks are as empty as empty lines: they add nothing.
    if (*SkipBlanks(buffer) != '\0') {
      try {
        AddLine(module, buffer, lineNumber, pieceStart);
      } catch (errorNumbers number) {
        if (!onLineError) throw;
        onLineError(number, lineNumber, pieceStart);
      }
    }
    pieceStart = endsLine ? 0 : pieceStart + pieceLength;
    if (endsLine) ++lineNumber;
  }
  module.setNameField(name);
  reader.Close();
}

Module* LoadModule(platform::FileSystem& files, NodeList& modules, const char* name,
                   const LineErrorHandler& onLineError) {
  if (std::strlen(name) > kMaxModuleNameLength) Raise(errorNumbers::FileNotFound);
  std::string upper(name);
  for (char& c : upper) c = ToUpper(c);
  if (NamedNode* loaded = modules.FindByName(upper.c_str())) return static_cast<Module*>(loaded);
  auto module = std::make_unique<Module>();
  ReadModule(files, *module, upper.c_str(), onLineError);
  module->SetName(upper.c_str());
  modules.Append(module.get());
  return module.release();
}

}  // namespace vorna
