// The numeric functions: INT, FIX and SGN around zero, ABS keeping its type,
// the argument type rules, and RND's fixed sequence.
#include <gtest/gtest.h>

#include <cmath>
#include <thread>
#include <vector>

#include "script/random.h"
#include "tests/unit/support/evaluator_fixture.h"

namespace vorna {
namespace {

using testing::EvaluatorTest;

constexpr int kIllegalUse = int(errorNumbers::IllegalUse);
constexpr int kTypeMismatch = int(errorNumbers::TypeMismatch);

struct TextCase {
  const char* expression;
  const char* text;
};

TEST_F(EvaluatorTest, IntFixAndSgnAroundZero) {
  const TextCase cases[] = {
      {"INT(-2.5)", "-3"}, {"INT(-2)", "-2"},   {"INT(-0.5)", "0"},    {"INT(2.7)", "2"},
      {"INT(0)", "0"},     {"FIX(-2.5)", "-2"}, {"FIX(2.9)", "2"},     {"SGN(-3)", "-1"},
      {"SGN(0.4)", "0"},   {"SGN(-0.4)", "0"},  {"SGN(7)", "1"},       {"SGN(0)", "0"},
      {"INT(-1.0)", "-1"}, {"FIX(-0.9)", "0"},  {"INT(-7 / 2)", "-4"},
  };
  for (const TextCase& c : cases) EXPECT_EQ(Text(c.expression), c.text) << c.expression;
  Value sign, whole;
  Evaluate("SGN(-3)", sign);
  EXPECT_EQ(sign.type(), ValueType::INTEGER);
  Evaluate("INT(2.5)", whole);
  EXPECT_EQ(whole.type(), ValueType::LONG);
}

TEST_F(EvaluatorTest, AbsKeepsTheTypeOfItsArgument) {
  Declare("I", new Value(int16_t{-7}));
  Declare("R", new Value(-2.5f));
  Value integer, real;
  Evaluate("ABS(I)", integer);
  EXPECT_EQ(integer.type(), ValueType::INTEGER);
  EXPECT_EQ(integer.AsLong(), 7);
  Evaluate("ABS(R)", real);
  EXPECT_EQ(real.type(), ValueType::REAL);
  EXPECT_EQ(real.AsDouble(), 2.5);
  EXPECT_EQ(Text("ABS(3)"), "3");
  EXPECT_EQ(ErrorOf("ABS(\"-3\")"), kTypeMismatch);
  EXPECT_EQ(ErrorOf("ABS(TRUE)"), kTypeMismatch);
  EXPECT_EQ(ErrorOf("ABS(CHR(65))"), kTypeMismatch);
}

TEST_F(EvaluatorTest, MathematicalFunctions) {
  const TextCase cases[] = {
      {"SQR(16)", "4"}, {"EXP(0)", "1"}, {"LOG(1)", "0"}, {"ATN(0)", "0"},
      {"COS(0)", "1"},  {"SIN(0)", "0"}, {"TAN(0)", "0"}, {"LOG(0)", "-inf"},
  };
  for (const TextCase& c : cases) EXPECT_EQ(Text(c.expression), c.text) << c.expression;
  Value root;
  Evaluate("SQR(-1)", root);
  EXPECT_TRUE(std::isnan(root.AsDouble()));
  Value pi;
  Evaluate("ATN(1) * 4", pi);
  EXPECT_DOUBLE_EQ(pi.AsDouble(), 3.14159265358979323846);
  EXPECT_EQ(ErrorOf("SIN(\"1\")"), kTypeMismatch);
  EXPECT_EQ(ErrorOf("SIN$(1)"), kIllegalUse);
}

TEST_F(EvaluatorTest, RndRequiresAnEmptyPairOfParentheses) {
  EXPECT_EQ(ErrorOf("RND"), kIllegalUse);
  EXPECT_EQ(ErrorOf("RND(1)"), kIllegalUse);
  EXPECT_EQ(ErrorOf("RND("), kIllegalUse);
  EXPECT_EQ(ErrorOf("RND ( )"), 0);
}

TEST_F(EvaluatorTest, RndScalesTheGeneratorIntoZeroToOne) {
  SeedRandom(1);
  Value first;
  Evaluate("RND()", first);
  EXPECT_EQ(first.type(), ValueType::DOUBLE);
  EXPECT_DOUBLE_EQ(first.AsDouble(), 41.0 / 32767.0);
  for (int i = 0; i < 1000; ++i) {
    Value result;
    Evaluate("RND()", result);
    EXPECT_GE(result.AsDouble(), 0.0);
    EXPECT_LE(result.AsDouble(), 1.0);
  }
}

TEST(RandomTest, SeedingRestartsTheSequence) {
  SeedRandom(1);
  int32_t first = NextRandom();
  int32_t second = NextRandom();
  EXPECT_EQ(first, 41);
  EXPECT_EQ(second, 18467);
  SeedRandom(1);
  EXPECT_EQ(NextRandom(), first);
  SeedRandom(12345);
  EXPECT_NE(NextRandom(), first);
  // Another thread keeps its own state, untouched by this thread's seed, and
  // starts as if seeded with 1.
  std::vector<int32_t> other;
  std::thread([&] {
    for (int i = 0; i < 3; ++i) other.push_back(NextRandom());
  }).join();
  EXPECT_EQ(other, (std::vector<int32_t>{41, 18467, 6334}));
}

}  // namespace
}  // namespace vorna
