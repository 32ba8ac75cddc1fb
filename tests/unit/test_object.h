// A small script object for the tests of the object protocol: one text
// property NOTE, counted construction and destruction.
#pragma once

#include <cstdint>
#include <string>

#include "values/script_object.h"

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

  std::string note;
  /// Objects alive right now, to check that values free what they own.
  static inline int live = 0;
};

}  // namespace vorna::testing
