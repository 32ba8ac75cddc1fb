// The protocol of script objects: the data of OBJECT values, reached from a
// script as variable.MEMBER (the file dialog object is one).
//
// The member to act on is never passed in: each operation reads the member
// word at the activation's statement cursor itself (MatchMemberWord), parses
// what follows it, and answers whether the word was one of its members. A
// "no" leaves the cursor where it was.
#pragma once

#include <cstdint>

namespace vorna {

class Activation;
class Value;

class ScriptObject {
 public:
  ScriptObject() = default;
  ScriptObject(const ScriptObject&) = delete;
  ScriptObject& operator=(const ScriptObject&) = delete;

  // The operations stand in their fixed slot order; the destructor is last.

  /// Reads a property or calls a method with a result, written into result.
  virtual bool GetMember(Activation& activation, Value& result) = 0;
  /// Handles "member = expression".
  virtual bool SetMember(Activation& activation) = 0;
  /// Handles a member used as a statement; false when it is no statement member.
  virtual bool CallStatement(Activation& activation) = 0;
  /// Reserved; does nothing.
  virtual void Reserved1() {}
  /// Fills cells[0..count) with new objects of this object's class, each with
  /// default properties (the elements of an array of this class).
  virtual void NewArray(ScriptObject** cells, int32_t count) = 0;
  /// Reserved; does nothing.
  virtual void Reserved2() {}
  /// Hands this object to target (an assignment whose source is this object):
  /// a target that is no OBJECT raises the text error "TYPE MISMATCH"; a target
  /// that holds an object keeps it (objects are not copied); an empty OBJECT
  /// target gets a new object of this class with default properties.
  virtual void AssignTo(Value& target);
  virtual ~ScriptObject();
};

}  // namespace vorna
