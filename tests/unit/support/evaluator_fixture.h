// An interpreter with one activation, for tests that evaluate statement text.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "error_of.h"
#include "host/startup/language_setup.h"
#include "platform/installed_platform.h"
#include "script/activation.h"
#include "script/evaluator.h"
#include "script/interpreter.h"
#include "values/errors.h"
#include "values/value.h"

namespace vorna::testing {

class EvaluatorTest : public ::testing::Test {
 protected:
  EvaluatorTest() { RegisterKeywords(interpreter_); }

  /// Evaluates text into result and answers the text the evaluator left.
  std::string Evaluate(const char* text, Value& result) {
    activation_.MakeCurrent(text);
    EvaluateExpression(activation_, result);
    return activation_.cursor().rest();
  }

  /// The error number an evaluation of text into result raises, or 0.
  int ErrorOf(const char* text, Value& result) {
    return testing::ErrorOf([&] { Evaluate(text, result); });
  }
  int ErrorOf(const char* text) {
    Value result;
    return ErrorOf(text, result);
  }

  /// The text form of text evaluated into a fresh value.
  std::string Text(const char* text) {
    Value result;
    Evaluate(text, result);
    char buffer[256];
    result.FormatValue(buffer, sizeof buffer);
    return buffer;
  }

  /// Declares a variable in list (the locals when none is given).
  Value& Declare(const char* name, Value* value, NodeList* list = nullptr) {
    value->SetName(name);
    (list ? *list : activation_.locals()).Append(value);
    return *value;
  }

  Interpreter interpreter_{platform::Current()};
  Activation activation_{interpreter_, nullptr};
};

}  // namespace vorna::testing
