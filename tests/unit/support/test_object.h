// Small objects for the tests of the object protocols: a script object with
// no members whose constructions and destructions are counted, and an
// extension with the member words INSTALLPATH and COUNTER.
#pragma once

#include <cstdint>
#include <string>

#include "script/activation.h"
#include "script/member_words.h"
#include "values/extension.h"
#include "values/script_object.h"
#include "values/value.h"

namespace vorna::testing {

class NoteObject : public ScriptObject {
 public:
  NoteObject() { ++live; }
  ~NoteObject() override { --live; }

  bool GetMember(Activation&, Value&) override { return false; }
  bool SetMember(Activation&) override { return false; }
  bool CallStatement(Activation&) override { return false; }
  void NewArray(ScriptObject** cells, int32_t count) override {
    for (int32_t i = 0; i < count; ++i) cells[i] = new NoteObject;
  }

  /// A text the test sets, to tell objects apart.
  std::string note;
  /// Objects alive right now, to check that values free what they own.
  static inline int live = 0;
};

class PathExtension : public Extension {
 public:
  bool GetMember(Activation& activation, Value& result) override {
    switch (MatchMemberWord(activation.cursor(), kMembers)) {
      case 0:
        result.SetString("C:\\APP");
        return true;
      case 1:
        result.SetLong(++counter);
        return true;
      default:
        return false;
    }
  }
  int32_t counter = 0;

 private:
  static constexpr const char* kMembers[] = {"INSTALLPATH", "COUNTER"};
};

}  // namespace vorna::testing
