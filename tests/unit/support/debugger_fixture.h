// A program run under a scripted debugger: an in-memory channel that keeps
// every record the runtime sends and answers with scripted replies, and a
// system whose process end is observable.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "program_fixture.h"
#include "script/debug_record.h"
#include "script/interpreter.h"
#include "tests/unit/support/inert_system.h"

namespace vorna::testing {

/// Thrown by ExitRecordingSystem::ExitProcess in place of ending the process.
struct ProcessEnded {
  int code;
};

/// A system whose ExitProcess throws ProcessEnded.
class ExitRecordingSystem : public InertSystem {
 public:
  [[noreturn]] void ExitProcess(int code) override { throw ProcessEnded{code}; }
};

/// The debugger's end in memory: replies come from the queue; once it is
/// empty, a read fails as it does when the debugger is gone.
class ScriptedDebugger : public platform::DebugChannel {
 public:
  bool Write(const platform::DebugRecordBytes& record) override {
    if (failWrites) return false;
    sent.push_back(DecodeDebugRecord(record));
    return true;
  }
  platform::ChannelRead Read(platform::DebugRecordBytes& record) override {
    if (emptyReads > 0) {
      --emptyReads;
      return platform::ChannelRead::Nothing;
    }
    if (replies.empty()) return platform::ChannelRead::Failed;
    DebugMessage reply = replies.front();
    replies.pop_front();
    record = EncodeDebugRecord(reply.letter, reply.text);
    return platform::ChannelRead::Record;
  }

  /// The sent records as "F SETUP|1" lines, for compact expectations.
  std::vector<std::string> Transcript() const {
    std::vector<std::string> lines;
    for (const DebugMessage& message : sent) lines.push_back(message.letter + (" " + message.text));
    return lines;
  }

  std::deque<DebugMessage> replies;
  int emptyReads = 0;
  bool failWrites = false;
  std::vector<DebugMessage> sent;
};

class DebuggerTest : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    platform::Platform machine = platform::Current();
    machine.system = &system_;
    machine.debugChannel = &debugger_;
    platform::SetPlatform(machine);
    interpreter_->connectedFlag = 1;
    interpreter_->steppingFlag = 1;
  }

  /// Queues replies given as "I", "W 1+2", "X PRINT 5" (letter, blank, text).
  void Reply(std::initializer_list<const char*> replies) {
    for (const char* reply : replies) {
      std::string text(reply);
      debugger_.replies.push_back({text[0], text.size() > 2 ? text.substr(2) : ""});
    }
  }

  /// Runs MAIN with no console open, as a debugged installer runs; answers
  /// the exit code when the run ended the process.
  std::optional<int> RunDebugged() {
    try {
      interpreter_->Initialise();
      Value result;
      EXPECT_TRUE(interpreter_->RunProcedureByName("MAIN", result));
    } catch (const ProcessEnded& end) {
      return end.code;
    }
    return std::nullopt;
  }

  ExitRecordingSystem system_;
  ScriptedDebugger debugger_;
};

}  // namespace vorna::testing
