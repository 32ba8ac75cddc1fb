// An evaluator test on a sandbox machine: the portable file system over a
// fresh folder, an input dialog that answers from a list, and
// a system that records the programs it is asked to start.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "evaluator_fixture.h"
#include "inert_system.h"
#include "platform/installed_platform.h"
#include "platform/platform.h"
#include "platform/portable/portable_files.h"
#include "temp_folder.h"

namespace vorna::testing {

/// Answers message boxes with OK and input dialogs from a list, keeping the prompts.
class ListedInteraction : public platform::Interaction {
 public:
  int MessageBox(platform::Owner, const std::string&, const std::string&, unsigned) override {
    return platform::id::Ok;
  }
  platform::ErrorAnswer ErrorDialog(const platform::ErrorReport&) override {
    return platform::ErrorAnswer::Abort;
  }
  std::optional<std::string> InputDialog(const std::string& prompt) override {
    prompts.push_back(prompt);
    if (inputs.empty()) return std::nullopt;
    std::optional<std::string> answer = inputs.front();
    inputs.pop_front();
    return answer;
  }
  std::deque<std::optional<std::string>> inputs;
  std::vector<std::string> prompts;
};

/// Starts nothing: records each command line and answers a process id when
/// one is set; the environment is empty.
class ListedSystem : public InertSystem {
 public:
  std::optional<uint32_t> StartProcess(const std::string& commandLine, int showState) override {
    started.push_back({commandLine, showState});
    return processId;
  }
  [[noreturn]] void ExitProcess(int) override { std::abort(); }

  struct Start {
    std::string commandLine;
    int showState;
  };
  std::vector<Start> started;
  std::optional<uint32_t> processId;
};

class SandboxScriptTest : public EvaluatorTest {
 protected:
  SandboxScriptTest() : saved_(platform::Current()), files_(temp_.path(), "C:\\SETUP.EXE") {}

  void SetUp() override {
    platform::Platform machine = saved_;
    machine.files = &files_;
    machine.interaction = &interaction_;
    machine.system = &system_;
    platform::SetPlatform(machine);
  }
  void TearDown() override { platform::SetPlatform(saved_); }

  /// The host path of a file on drive C of the sandbox.
  std::string HostPath(const std::string& name) const { return temp_ / ("C/" + name); }
  /// Writes a file on drive C.
  void WriteFile(const std::string& name, const std::string& bytes) const {
    WriteHostFile(HostPath(name), bytes);
  }

  TempFolder temp_;
  platform::Platform saved_;
  platform::PortableFileSystem files_;
  ListedInteraction interaction_;
  ListedSystem system_;
};

}  // namespace vorna::testing
