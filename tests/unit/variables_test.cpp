// Variables: lookup order, implicit creation by assignment, assignment into
// known variables, array elements and object members as targets.
#include "script/variables.h"

#include <gtest/gtest.h>

#include "tests/unit/support/evaluator_fixture.h"
#include "tests/unit/support/test_object.h"

namespace vorna {
namespace {

using testing::EvaluatorTest;

class VariablesTest : public EvaluatorTest {
 protected:
  /// Runs "name = expression" the way an assignment statement does.
  void Assignment(const char* text) {
    activation_.MakeCurrent(text);
    NameBuffer name;
    activation_.cursor().ReadName(name);
    AssignToName(activation_, name);
  }
  int AssignmentError(const char* text) {
    try {
      Assignment(text);
    } catch (errorNumbers number) {
      return int(number);
    }
    return 0;
  }
};

TEST_F(VariablesTest, FirstAssignmentCreatesALocalOfTheExpressionsType) {
  Assignment("X = 5");
  Value* x = LookupVariable(activation_, "X");
  ASSERT_NE(x, nullptr);
  EXPECT_EQ(x->type(), ValueType::DOUBLE);
  EXPECT_EQ(x->AsDouble(), 5.0);
  Assignment("S = \"A\"");
  EXPECT_EQ(LookupVariable(activation_, "S")->type(), ValueType::STRING);
  EXPECT_EQ(activation_.locals().count(), 2);
  EXPECT_EQ(interpreter_.globals().count(), 0);
}

TEST_F(VariablesTest, InTheGlobalAreaTheLocalsAreTheGlobals) {
  activation_.UseGlobalsAsLocals();
  Assignment("G = 1");
  EXPECT_EQ(interpreter_.globals().count(), 1);
  Activation procedure(interpreter_, nullptr);
  procedure.MakeCurrent("G");
  Value seen;
  EvaluateExpression(procedure, seen);
  EXPECT_EQ(seen.AsLong(), 1);
}

TEST_F(VariablesTest, AKnownVariableKeepsItsType) {
  Declare("I", new Value(ValueType::INTEGER));
  Assignment("I = 70000");
  EXPECT_EQ(LookupVariable(activation_, "I")->type(), ValueType::INTEGER);
  EXPECT_EQ(LookupVariable(activation_, "I")->AsLong(), 4464);
  Declare("T", new Value(ValueType::STRING));
  EXPECT_EQ(AssignmentError("T = 1"), int(errorNumbers::TypeMismatch));
  EXPECT_STREQ(LookupVariable(activation_, "T")->AsString(), "");
}

TEST_F(VariablesTest, AssignmentToAGlobalFromAProcedure) {
  Declare("G", new Value(int32_t{1}), &interpreter_.globals());
  Assignment("G = G + 1");
  EXPECT_EQ(interpreter_.globals().count(), 1);
  EXPECT_EQ(activation_.locals().count(), 0);
  EXPECT_EQ(LookupVariable(activation_, "G")->AsLong(), 2);
}

TEST_F(VariablesTest, AFailedAssignmentCreatesNothing) {
  EXPECT_EQ(AssignmentError("X = 1 / 0"), int(errorNumbers::DivisionByZero));
  EXPECT_EQ(AssignmentError("Y 5"), int(errorNumbers::IllegalUse));
  EXPECT_EQ(activation_.locals().count(), 0);
}

TEST_F(VariablesTest, ArrayElementsAsTargets) {
  auto* array = new Value(ValueType::LONG);
  array->MakeArray(5, 0, 0);
  Declare("A", array);
  Assignment("A(2) = 7");
  // The right side selects another element of the same array; the store
  // still goes to the element named on the left.
  Assignment("A(1) = A(2) + 1");
  array->SelectElement(1, 1, 1);
  EXPECT_EQ(array->AsLong(), 8);
  array->SelectElement(2, 2, 2);
  EXPECT_EQ(array->AsLong(), 7);
  EXPECT_EQ(AssignmentError("A = 1"), int(errorNumbers::VariableIsAnArray));
  EXPECT_EQ(AssignmentError("A(6) = 1"), int(errorNumbers::ArrayBounds));
}

TEST_F(VariablesTest, ObjectMembersAsTargets) {
  auto* note = new testing::NoteObject;
  Declare("D", new Value(note));
  Assignment("D.NOTE = \"set\" & \"!\"");
  EXPECT_EQ(note->note, "set!");
  EXPECT_EQ(AssignmentError("D.NOSUCH = 1"), int(errorNumbers::UndefinedObjectMember));
  // Assigning one object variable to another copies nothing.
  auto* other = new testing::NoteObject;
  other->note = "other";
  Declare("E", new Value(other));
  Assignment("E = D");
  EXPECT_EQ(LookupVariable(activation_, "E")->AsObject(), other);
  EXPECT_EQ(other->note, "other");
  // An untyped new variable cannot take an object.
  try {
    Assignment("N = D");
    FAIL();
  } catch (const InternalError& error) {
    EXPECT_STREQ(error.text, "TYPE MISMATCH");
  }
  EXPECT_EQ(LookupVariable(activation_, "N"), nullptr);
}

TEST_F(VariablesTest, ReferenceWithoutIndicesForScalars) {
  Declare("X", new Value(int32_t{3}));
  activation_.MakeCurrent("(1)");
  Value* x = ReferenceVariable(activation_, "X");
  ASSERT_NE(x, nullptr);
  EXPECT_STREQ(activation_.cursor().rest(), "(1)");
  EXPECT_EQ(ReferenceVariable(activation_, "NOSUCH"), nullptr);
}

}  // namespace
}  // namespace vorna
