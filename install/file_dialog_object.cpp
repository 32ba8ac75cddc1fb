#include "install/file_dialog_object.h"

#include <cstring>
#include <iterator>

#include "platform/platform.h"
#include "script/activation.h"
#include "script/evaluator.h"
#include "script/interpreter.h"
#include "script/member_words.h"
#include "values/errors.h"
#include "values/value.h"

namespace vorna {

namespace {

// Reads try the methods first, then the properties in the write order.
constexpr const char* kReadMembers[] = {"GETOPENNAME", "GETSAVENAME", "FILTER",     "CUSTOMFILTER",
                                        "FILE",        "FILETITLE",   "INITIALDIR", "TITLE",
                                        "DEFEXT",      "FLAGS"};
constexpr int32_t kGetOpenName = 0;
constexpr int32_t kGetSaveName = 1;
constexpr int32_t kFirstReadProperty = 2;

constexpr const char* kWriteMembers[] = {"FILTER",     "CUSTOMFILTER", "FILE",   "FILETITLE",
                                         "INITIALDIR", "TITLE",        "DEFEXT", "FLAGS"};
constexpr int32_t kFlags = 7;

/// Copies text into a property buffer; a text that would not leave room for
/// its NUL raises "String Too Long" and leaves the buffer as it was.
void StoreText(char* buffer, const char* text) {
  size_t length = std::strlen(text);
  if (length >= kFileDialogTextSize) Raise(errorNumbers::StringTooLong);
  std::memcpy(buffer, text, length + 1);
}

}  // namespace

FileDialogObject::FileDialogObject() {
  record_.filter = dialogFilter_;
  record_.file = file_;
  record_.maxFile = kFileDialogTextSize;
  record_.fileTitle = fileTitle_;
  record_.maxFileTitle = kFileDialogTextSize;
  record_.initialDir = initialDir_;
  record_.title = title_;
  record_.defaultExtension = defaultExtension_;
}

char* FileDialogObject::TextBuffer(int32_t index) {
  char* const buffers[] = {filter_, dialogFilter_,    file_, fileTitle_, initialDir_,
                           title_,  defaultExtension_};
  return buffers[index];
}

// read member -> GETOPENNAME | GETSAVENAME | text property | FLAGS
bool FileDialogObject::GetMember(Activation& activation, Value& result) {
  int32_t member = MatchMemberWord(activation.cursor(), kReadMembers);
  if (member < 0) return false;
  if (member == kGetOpenName || member == kGetSaveName) {
    platform::Interaction& interaction = *activation.interpreter().machine().interaction;
    result.SetBoolean(ShowDialog(interaction, member == kGetSaveName) ? 1 : 0);
  } else if (member - kFirstReadProperty == kFlags) {
    result.SetLong(static_cast<int32_t>(record_.flags));
  } else {
    result.SetString(TextBuffer(member - kFirstReadProperty));
  }
  return true;
}

// write member -> property "=" expression
bool FileDialogObject::SetMember(Activation& activation) {
  int32_t member = MatchMemberWord(activation.cursor(), kWriteMembers);
  if (member < 0) return false;
  activation.cursor().ExpectChar('=');
  activation.cursor().SkipBlanks();
  Value value;
  EvaluateExpression(activation, value);
  if (member == kFlags) {
    record_.flags = static_cast<uint32_t>(value.AsLong());
  } else {
    StoreText(TextBuffer(member), value.AsString());
  }
  return true;
}

bool FileDialogObject::CallStatement(Activation&) {
  return false;
}

void FileDialogObject::NewArray(ScriptObject** cells, int32_t count) {
  for (int32_t i = 0; i < count; ++i) cells[i] = new FileDialogObject;
}

void FileDialogObject::RebuildFilter() {
  size_t length = std::strlen(filter_);
  std::memcpy(dialogFilter_, filter_, length + 1);
  dialogFilter_[length + 1] = '\0';
  for (size_t i = length; i-- > 0;) {
    if (dialogFilter_[i] == '|') dialogFilter_[i] = '\0';
  }
}

bool FileDialogObject::ShowDialog(platform::Interaction& interaction, bool save) {
  RebuildFilter();
  bool chosen = save ? interaction.SaveFileDialog(record_) : interaction.OpenFileDialog(record_);
  // The dialog writes within the sizes the record gives; the texts stay
  // terminated whatever it left in them.
  file_[kFileDialogTextSize - 1] = '\0';
  fileTitle_[kFileDialogTextSize - 1] = '\0';
  return chosen;
}

std::vector<const char*> FileDialogMemberWords() {
  return std::vector<const char*>(std::begin(kReadMembers), std::end(kReadMembers));
}

std::vector<const char*> FileDialogPropertyWords() {
  return std::vector<const char*>(std::begin(kWriteMembers), std::end(kWriteMembers));
}

std::unique_ptr<Value> MakeFileDialogObject() {
  return std::make_unique<Value>(static_cast<ScriptObject*>(new FileDialogObject));
}

}  // namespace vorna
