#include "install/file_dialog_type.h"

#include "install/file_dialog_object.h"
#include "script/activation.h"
#include "script/member_words.h"
#include "values/value.h"

namespace vorna {

std::unique_ptr<Value> FileDialogType::MakeObject(Activation& activation) {
  constexpr const char* kWords[] = {kFileDialogTypeWord};
  if (MatchMemberWord(activation.cursor(), kWords) < 0) return nullptr;
  return MakeFileDialogObject();
}

}  // namespace vorna
