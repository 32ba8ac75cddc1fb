#include "host/startup/unattended_console.h"

#include <gtest/gtest.h>

namespace vorna {
namespace {

/// The console lines the run reported.
struct ConsoleLines : platform::InstallEventSink {
  void Receive(const platform::InstallEvent& event) override {
    if (auto* output = std::get_if<platform::event::ConsoleOutput>(&event)) {
      lines.push_back(output->text);
    }
  }
  std::vector<std::string> lines;
};

TEST(UnattendedConsole, WritesWholeLinesToTheEventsAndReadsInputAnswers) {
  platform::InstallEvents events;
  ConsoleLines seen;
  events.Attach(seen);
  platform::Platform machine;
  machine.events = &events;
  platform::StringSink transcript;
  platform::AnswerPolicy policy;
  policy.whenUsedUp = platform::WhenUsedUp::Fail;
  platform::AnswerSource answers(platform::AnswersFile::Parse("input OK Ann Smith\n"), transcript,
                                 policy);
  int failures = 0;
  UnattendedConsole console(machine, answers, [&](const platform::AnswersError&) { ++failures; });
  ASSERT_TRUE(console.Open());
  console.Write("one\r\ntw");
  console.Write("o\n\nName? ");
  EXPECT_EQ(console.ReadLine(), std::optional<std::string>("Ann Smith"));
  console.Write("unfinished");
  EXPECT_EQ(console.ReadLine(), std::nullopt);  // no answer left: the run ends
  EXPECT_EQ(failures, 1);
  console.Write(" at the end");
  console.Close();
  EXPECT_EQ(seen.lines,
            (std::vector<std::string>{"one", "two", "", "Name? ", "unfinished", " at the end"}));
}

}  // namespace
}  // namespace vorna
