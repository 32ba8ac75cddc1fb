#include "tools/debug/command_shell.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace vorna::debug {

const CommandHelp kCommands[] = {
    {"step", "run the current line; stop at the next line that runs, inside calls too"},
    {"next", "run the current line with its calls; stop at the line after it"},
    {"continue", "run on to the next breakpoint, the next error stop or the end"},
    {"skip", "do not run the current line; stop at the next one"},
    {"print EXPR", "show the value of an expression in the current procedure"},
    {"exec STATEMENT", "run a statement line now in the current procedure"},
    {"list", "show the source lines around the current line"},
    {"break [MODULE:LINE]", "stop when that line is about to run; alone: list the breakpoints"},
    {"delete [MODULE:LINE]", "remove that breakpoint; alone: remove all of them"},
    {"quit", "end the program and the debugger"},
    {"help", "show this list"},
};
const size_t kCommandCount = sizeof kCommands / sizeof kCommands[0];

namespace {

std::string Trim(const std::string& text) {
  size_t first = text.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return "";
  size_t last = text.find_last_not_of(" \t\r\n");
  return text.substr(first, last - first + 1);
}

std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

}  // namespace

std::string CommandShell::Describe(const Location& location) {
  return location.module + ":" + std::to_string(location.line + 1);
}

std::optional<Location> CommandShell::ParseBreakpoint(const std::string& text) {
  size_t colon = text.rfind(':');
  if (colon == std::string::npos || colon == 0 || colon + 1 >= text.size()) return std::nullopt;
  const char* digits = text.c_str() + colon + 1;
  char* end = nullptr;
  long line = std::strtol(digits, &end, 10);
  if (*end != '\0' || line < 1) return std::nullopt;
  return Location{Upper(Trim(text.substr(0, colon))), line - 1};
}

bool CommandShell::Execute(const std::string& line) {
  std::string text = Trim(line);
  size_t blank = text.find_first_of(" \t");
  std::string verb = text.substr(0, blank);
  std::string argument = blank == std::string::npos ? "" : Trim(text.substr(blank));
  if (verb.empty()) return true;
  if (verb == "quit") return false;
  if (verb == "help") {
    Help();
  } else if (verb == "break") {
    Break(argument);
  } else if (verb == "delete") {
    Delete(argument);
  } else if (verb == "list") {
    List();
  } else if (verb == "step" || verb == "next" || verb == "continue" || verb == "skip") {
    if (!RequireRunning()) return true;
    if (verb == "step") session_->Step();
    if (verb == "next") session_->Next();
    if (verb == "continue") session_->Continue();
    if (verb == "skip") session_->Skip();
  } else if (verb == "print" || verb == "exec") {
    if (argument.empty()) {
      out_ << verb << " needs " << (verb == "print" ? "an expression" : "a statement") << "\n";
    } else if (RequireRunning()) {
      if (verb == "exec") {
        session_->Exec(argument);
      } else if (std::optional<std::string> value = session_->Print(argument)) {
        out_ << argument << " = " << *value << "\n";
      } else if (session_->running()) {
        out_ << "could not evaluate " << argument << "\n";
      }
    }
  } else {
    out_ << "unknown command \"" << verb << "\" (help lists the commands)\n";
  }
  return true;
}

bool CommandShell::RequireRunning() {
  if (session_ != nullptr && session_->running()) return true;
  out_ << "the program is not running\n";
  return false;
}

void CommandShell::Output(const std::string& text) {
  out_ << "output: " << text << "\n";
}

void CommandShell::Stopped(const Location& location, StopKind kind) {
  const char* what = kind == StopKind::Breakpoint ? "breakpoint at "
                     : kind == StopKind::Error    ? "error stop at "
                                                  : "at ";
  out_ << what << Describe(location);
  if (std::optional<std::string> source = sources_.Line(location.module, location.line)) {
    out_ << ": " << Trim(*source);
  }
  out_ << "\n";
  if (kind == StopKind::Error && session_ != nullptr && !session_->error().empty()) {
    out_ << "  " << session_->error() << "\n";
  }
}

void CommandShell::Ended() {
  out_ << "program ended\n";
}

void CommandShell::List() {
  if (session_ == nullptr || !session_->running()) {
    out_ << "the program is not running\n";
    return;
  }
  const Location& here = session_->location();
  const std::vector<std::string>* lines = sources_.Lines(here.module);
  if (lines == nullptr) {
    out_ << "no source for module " << here.module << "\n";
    return;
  }
  long last = static_cast<long>(lines->size()) - 1;
  for (long n = std::max(0L, here.line - kListContext);
       n <= std::min(last, here.line + kListContext); ++n) {
    std::string number = std::to_string(n + 1);
    out_ << (n == here.line ? "-> " : "   ")
         << std::string(number.size() < 4 ? 4 - number.size() : 0, ' ') << number << "  "
         << (*lines)[static_cast<size_t>(n)] << "\n";
  }
}

void CommandShell::Break(const std::string& argument) {
  if (argument.empty()) {
    if (session_ == nullptr || session_->breakpoints().empty()) out_ << "no breakpoints\n";
    if (session_ == nullptr) return;
    for (const Location& location : session_->breakpoints()) {
      out_ << "breakpoint " << Describe(location) << "\n";
    }
    return;
  }
  std::optional<Location> location = ParseBreakpoint(argument);
  if (!location) {
    out_ << "break needs MODULE:LINE, as in break SETUP:12\n";
    return;
  }
  session_->AddBreakpoint(*location);
  out_ << "breakpoint " << Describe(*location) << "\n";
}

void CommandShell::Delete(const std::string& argument) {
  if (argument.empty()) {
    session_->ClearBreakpoints();
    out_ << "all breakpoints deleted\n";
    return;
  }
  std::optional<Location> location = ParseBreakpoint(argument);
  if (!location) {
    out_ << "delete needs MODULE:LINE, as in delete SETUP:12\n";
  } else if (!session_->DeleteBreakpoint(*location)) {
    out_ << "no breakpoint at " << Describe(*location) << "\n";
  } else {
    out_ << "deleted breakpoint " << Describe(*location) << "\n";
  }
}

void CommandShell::Help() {
  for (size_t i = 0; i < kCommandCount; ++i) {
    std::string usage = kCommands[i].usage;
    out_ << usage << std::string(usage.size() < 22 ? 22 - usage.size() : 1, ' ')
         << kCommands[i].help << "\n";
  }
}

}  // namespace vorna::debug
