// A program built line by line in memory and run by a real interpreter,
// with the console captured and the error dialog answered from a list.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "host/startup/language_setup.h"
#include "platform/installed_platform.h"
#include "platform/platform.h"
#include "script/interpreter.h"
#include "script/module_loader.h"
#include "script/program.h"
#include "values/errors.h"
#include "values/value.h"

namespace vorna::testing {

/// Answers each error dialog with the next scripted answer (Abort when none
/// is left) and keeps every report it was shown.
class DialogAnswers : public platform::Interaction {
 public:
  int MessageBox(platform::Owner, const std::string& text, const std::string&, unsigned) override {
    messages.push_back(text);
    return platform::id::Ok;
  }
  platform::ErrorAnswer ErrorDialog(const platform::ErrorReport& report) override {
    reports.push_back(report);
    if (answers.empty()) return platform::ErrorAnswer::Abort;
    platform::ErrorAnswer answer = answers.front();
    answers.pop_front();
    return answer;
  }

  std::deque<platform::ErrorAnswer> answers;
  std::vector<platform::ErrorReport> reports;
  std::vector<std::string> messages;
};

/// A console that keeps what is written while it is open and reads its
/// input from a list of lines.
class CapturingConsole : public platform::Console {
 public:
  bool Open() override { return open_ = true; }
  void Close() override { open_ = false; }
  bool IsOpen() const override { return open_; }
  bool Write(const std::string& text) override {
    if (open_) output += text;
    return open_;
  }
  std::optional<std::string> ReadLine() override {
    if (input.empty()) return std::nullopt;
    std::string line = input.front();
    input.pop_front();
    return line;
  }

  std::string output;
  std::deque<std::string> input;

 private:
  bool open_ = false;
};

class ProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = platform::Current();
    platform::Platform machine = saved_;
    machine.console = &console_;
    machine.interaction = &interaction_;
    platform::SetPlatform(machine);
    interpreter_ = std::make_unique<Interpreter>(platform::Current());
    RegisterKeywords(*interpreter_);
  }
  void TearDown() override {
    interpreter_.reset();
    platform::SetPlatform(saved_);
  }

  /// Adds a module of that name whose lines are text split at line ends.
  Module& AddModule(const char* name, const std::string& text) {
    auto* module = new Module;
    module->SetName(name);
    module->setNameField(name);
    interpreter_->modules().Append(module);
    std::istringstream lines(text);
    std::string line;
    for (int32_t number = 0; std::getline(lines, line); ++number) {
      if (line.find_first_not_of(" \t") != std::string::npos)
        AddLine(*module, line.c_str(), number);
    }
    return *module;
  }

  /// Initialises and runs MAIN with the console open; answers the output.
  std::string Run() {
    console_.Open();
    interpreter_->consoleFlag = 1;
    interpreter_->Initialise();
    Value result;
    EXPECT_TRUE(interpreter_->RunProcedureByName("MAIN", result));
    return console_.output;
  }

  /// The messages of the error dialogs shown so far.
  std::vector<std::string> DialogMessages() const {
    std::vector<std::string> messages;
    for (const platform::ErrorReport& report : interaction_.reports) {
      messages.push_back(report.message);
    }
    return messages;
  }

  platform::Platform saved_;
  CapturingConsole console_;
  DialogAnswers interaction_;
  std::unique_ptr<Interpreter> interpreter_;
};

}  // namespace vorna::testing
