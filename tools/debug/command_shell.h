// The command language of the debugger client: one command per line, each
// run against the session, with a transcript written to out.
//
//   step | next | continue | skip | print EXPR | exec STATEMENT | list
//   break [MODULE:LINE] | delete [MODULE:LINE] | quit | help
//
// Line numbers on the client's side count from 1, as editors do; the
// runtime's reports count from 0.
#pragma once

#include <ostream>
#include <string>

#include "tools/debug/debug_session.h"
#include "tools/debug/source_library.h"

namespace vorna::debug {

/// One command of the language with its one-line help.
struct CommandHelp {
  const char* usage;
  const char* help;
};

/// The commands in the order help lists them.
extern const CommandHelp kCommands[];
extern const size_t kCommandCount;

/// How many lines list shows before and after the current line.
constexpr long kListContext = 4;

class CommandShell : public SessionEvents {
 public:
  CommandShell(SourceLibrary& sources, std::ostream& out) : sources_(sources), out_(out) {}

  /// The session the commands drive (set before the first command).
  void Attach(DebugSession& session) { session_ = &session; }

  /// Runs one command line; answers false once the user quit.
  bool Execute(const std::string& line);

  void Output(const std::string& text) override;
  void Stopped(const Location& location, StopKind kind) override;
  void Ended() override;

 private:
  void List();
  void Break(const std::string& argument);
  void Delete(const std::string& argument);
  void Help();
  /// "SETUP:12" with the line counted from 1.
  static std::string Describe(const Location& location);
  /// Reads "MODULE:LINE" (line from 1) into a runtime location.
  static std::optional<Location> ParseBreakpoint(const std::string& text);
  bool RequireRunning();

  SourceLibrary& sources_;
  std::ostream& out_;
  DebugSession* session_ = nullptr;
};

}  // namespace vorna::debug
