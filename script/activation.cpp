#include "script/activation.h"

#include "script/evaluator.h"
#include "script/interpreter.h"
#include "values/errors.h"
#include "values/value.h"

namespace vorna {

Activation::Activation(Interpreter& interpreter, Module* module)
    : module(module), interpreter_(interpreter) {
  (void)typeWord_;
  interpreter_.AddLiveActivation(this);
}

Activation::~Activation() {
  interpreter_.RemoveLiveActivation(this);
}

void Activation::BeforeStatement() {
  interpreter_.BeforeStatement();
}

bool Activation::MakeCurrent(const char* text) {
  interpreter_.setCurrent(this);
  return cursor_.LoadStatement(text);
}

void Activation::UseGlobalsAsLocals() {
  ownLocals_.Clear();
  locals_ = &interpreter_.globals();
}

void Activation::ReadNumber(Value& value, int32_t low, int32_t high) {
  cursor_.SkipBlanks();
  EvaluateExpression(*this, value);
  if (low == 0 && high == 0) return;
  int32_t number = value.AsLong();
  if (number < low || number > high) Raise(errorNumbers::IllegalValue);
}

std::string Activation::ReadText() {
  cursor_.SkipBlanks();
  Value value;
  EvaluateExpression(*this, value);
  return value.AsString();
}

void Activation::EnterExpression() {
  if (expressionDepth_ >= kMaxExpressionNesting) Raise(errorNumbers::OutOfMemory);
  interpreter_.CheckStack();
  ++expressionDepth_;
}

void Activation::setSelectValue(std::unique_ptr<Value> value) {
  selectValue_ = std::move(value);
}

}  // namespace vorna
