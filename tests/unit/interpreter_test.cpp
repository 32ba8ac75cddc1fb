// The interpreter as an extension: its member operations ask the registered
// extensions in registration order.
#include "script/interpreter.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/installed_platform.h"
#include "script/activation.h"
#include "script/member_words.h"
#include "tests/unit/support/test_object.h"
#include "values/value.h"

namespace vorna {
namespace {

// Answers for one member word and records every question it is asked.
class WordExtension : public Extension {
 public:
  WordExtension(const char* word, const char* answer, std::vector<std::string>& log)
      : word_(word), answer_(answer), log_(log) {}

  bool GetMember(Activation& activation, Value& result) override {
    log_.push_back(std::string(answer_) + ".get");
    const char* words[] = {word_};
    if (MatchMemberWord(activation.cursor(), words) < 0) return false;
    result.SetString(answer_);
    return true;
  }
  bool CallStatement(Activation& activation) override {
    log_.push_back(std::string(answer_) + ".call");
    return activation.cursor().MatchWord(word_, Prefix::NotAllowed);
  }
  std::unique_ptr<Value> MakeObject(Activation& activation) override {
    if (!activation.cursor().MatchWord(word_, Prefix::NotAllowed)) return nullptr;
    return std::make_unique<Value>(new testing::NoteObject);
  }
  void BeforeStatement() override { log_.push_back(std::string(answer_) + ".before"); }

 private:
  const char* word_;
  const char* answer_;
  std::vector<std::string>& log_;
};

class InterpreterTest : public ::testing::Test {
 protected:
  std::vector<std::string> log_;
  Interpreter interpreter_{platform::Current()};
  Activation activation_{interpreter_, nullptr};
};

TEST_F(InterpreterTest, TheFirstExtensionThatKnowsTheWordAnswers) {
  interpreter_.RegisterExtension(new WordExtension("SHARED", "first", log_));
  interpreter_.RegisterExtension(new WordExtension("SHARED", "second", log_));
  interpreter_.RegisterExtension(new WordExtension("OWN", "third", log_));
  Value result;
  activation_.MakeCurrent("shared");
  EXPECT_TRUE(interpreter_.GetMember(activation_, result));
  EXPECT_STREQ(result.AsString(), "first");
  EXPECT_EQ(log_, (std::vector<std::string>{"first.get"}));
  log_.clear();
  Value own;
  activation_.MakeCurrent("OWN");
  EXPECT_TRUE(interpreter_.GetMember(activation_, own));
  EXPECT_STREQ(own.AsString(), "third");
  EXPECT_EQ(log_, (std::vector<std::string>{"first.get", "second.get", "third.get"}));
  activation_.MakeCurrent("NOBODY");
  EXPECT_FALSE(interpreter_.CallStatement(activation_));
  EXPECT_STREQ(activation_.cursor().rest(), "NOBODY");
}

TEST_F(InterpreterTest, MakeObjectAndBeforeStatement) {
  interpreter_.RegisterExtension(new WordExtension("KIND", "a", log_));
  activation_.MakeCurrent("KIND");
  std::unique_ptr<Value> made = interpreter_.MakeObject(activation_);
  ASSERT_NE(made, nullptr);
  EXPECT_EQ(made->type(), ValueType::OBJECT);
  activation_.MakeCurrent("OTHER");
  EXPECT_EQ(interpreter_.MakeObject(activation_), nullptr);
  interpreter_.RegisterExtension(new WordExtension("X", "b", log_));
  activation_.BeforeStatement();
  EXPECT_EQ(log_, (std::vector<std::string>{"a.before", "b.before"}));
}

}  // namespace
}  // namespace vorna
