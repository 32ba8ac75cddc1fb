// The protocol of extensions: objects registered with the interpreter whose
// member words behave as global names of the language (the install object is
// one; the interpreter itself answers the same operations by asking each
// registered extension in turn).
//
// As with script objects, each member operation reads the member word at the
// activation's statement cursor and answers whether it was one of its own.
#pragma once

#include <cstdint>
#include <memory>

#include "values/node_list.h"

namespace vorna {

class Activation;
class Value;

class Extension : public NamedNode {
 public:
  // The operations stand in their fixed slot order, the destructor first.
  // Every default answers "not mine" or does nothing.
  ~Extension() override;

  /// Reads a property or calls a method with a result, written into result.
  virtual bool GetMember(Activation& activation, Value& result);
  /// Handles "member = expression".
  virtual bool SetMember(Activation& activation);
  /// Handles a member used as a statement.
  virtual bool CallStatement(Activation& activation);
  /// Unnamed operation kept for the slot order; answers 0.
  virtual int32_t Unnamed();
  /// When the type word at the cursor of a declaration is one this extension
  /// defines, consumes it and answers a new OBJECT value of that type.
  virtual std::unique_ptr<Value> MakeObject(Activation& activation);
  /// Called when the interpreter starts a run.
  virtual void Initialise();
  /// Called before each program line runs.
  virtual void BeforeStatement();
};

}  // namespace vorna
