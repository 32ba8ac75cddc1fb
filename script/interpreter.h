// The run-wide record of the script engine: modules, registered extensions,
// the statement and function tables, global variables, the run's flags, the
// error record, and the platform its host handed it (the engine asks for no
// machine service any other way).
//
// The interpreter is itself an extension: its member operations ask every
// registered extension in registration order, so the evaluator and the
// statements need to ask only it.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

#include "script/error_record.h"
#include "script/file_table.h"
#include "script/function_table.h"
#include "script/stack_guard.h"
#include "script/statement_table.h"
#include "values/extension.h"
#include "values/node_list.h"

namespace vorna {

class Activation;
class Module;
class Value;

namespace platform {
struct Platform;
}

/// How many procedure calls may be active at once before a call fails with
/// "Out of Memory". The native stack budget usually ends a runaway recursion
/// earlier; this bound holds even where frames are small.
constexpr int32_t kMaxCallDepth = 100000;

class Interpreter : public Extension {
 public:
  /// An empty interpreter that reaches the machine through machine, which
  /// the host keeps alive for the interpreter's lifetime.
  explicit Interpreter(platform::Platform& machine);
  /// The lists destroy their nodes; an open console is closed last.
  ~Interpreter() override;
  Interpreter(const Interpreter&) = delete;
  Interpreter& operator=(const Interpreter&) = delete;

  /// The platform the host handed in: every machine service of the run.
  platform::Platform& machine() const { return machine_; }

  /// The first extension that knows the member word at the cursor reads it.
  bool GetMember(Activation& activation, Value& result) override;
  /// The first extension that knows the member word at the cursor assigns it.
  bool SetMember(Activation& activation) override;
  /// The first extension that knows the member word at the cursor runs it.
  bool CallStatement(Activation& activation) override;
  /// The first extension that defines the type word at the cursor makes an object of it.
  std::unique_ptr<Value> MakeObject(Activation& activation) override;
  /// Tells every extension, in registration order, that a line is about to run.
  void BeforeStatement() override;
  /// Starts a run: empties the globals, resets every extension and runs each
  /// module's global area in load order. Raises the internal error "CAN'T
  /// EXECUTE PROGRAM" when a global area fails.
  void Initialise() override;

  /// Adds an extension at the end of the list; the interpreter owns it.
  void RegisterExtension(Extension* extension);

  /// Calls the user FUNCTION or SUB called name with the arguments at the
  /// caller's cursor and assigns its result (if it set one) to result.
  /// Answers false when no loaded module has a procedure of that name. The
  /// procedure-call machinery of the run loop provides the calls; an
  /// interpreter without it knows no procedures.
  virtual bool CallFunction(Activation& caller, const char* name, Value& result);

  /// Runs the procedure name of the first module (in load order) that has
  /// one, with no caller: its parameters and result clause are not read.
  /// Answers false when no module has it.
  bool RunProcedureByName(const char* name, Value& result);
  /// Calls the procedure name of the first module that has one; caller is
  /// the activation whose cursor stands after the name (nullptr for none).
  bool CallProcedureByName(const char* name, Value& result, Activation* caller);
  /// Calls procedure name of module in a fresh activation: binds the
  /// caller's arguments, runs the procedure's lines and assigns the function
  /// result. Answers false when the module has no such procedure.
  bool CallProcedure(Module& module, const char* name, Value& result, Activation* caller);

  /// Raises "Out of Memory" when the native stack has grown past its budget.
  void CheckStack() const { stackGuard_.Check(); }
  /// How many procedure calls are active now.
  int32_t callDepth() const { return callDepth_; }

  /// Every activation alive now, oldest first (kept by the activations).
  const std::vector<Activation*>& liveActivations() const { return live_; }
  void AddLiveActivation(Activation* activation) { live_.push_back(activation); }
  void RemoveLiveActivation(Activation* activation);

  /// 1 once END or Abort stopped the run; read by the main thread too.
  std::atomic<int32_t>& stopFlag() { return stopFlag_; }
  bool stopped() const { return stopFlag_.load() != 0; }

  /// The activation whose statement is being parsed (nullptr between runs).
  Activation* current() const { return current_; }
  void setCurrent(Activation* activation) { current_ = activation; }

  NodeList& globals() { return globals_; }
  NodeList& modules() { return modules_; }
  NodeList& extensions() { return extensions_; }
  ErrorRecord& errorRecord() { return errorRecord_; }
  FileTable& files() { return files_; }
  /// The statement handlers by keyword; empty until start-up registers them.
  StatementTable& statements() { return statements_; }
  /// The built-in functions by keyword; empty until start-up registers them.
  FunctionTable& functions() { return functions_; }
  /// Always -1: the type word of the interpreter record.
  int32_t typeWord() const { return typeWord_; }

  /// 1 while OPTION CONSOLE has a console open.
  int32_t consoleFlag = 0;
  /// 1 while a debugger is attached.
  int32_t connectedFlag = 0;
  /// 1 while the debugger steps line by line.
  int32_t steppingFlag = 0;
  /// 1 when the next line report to the debugger follows an error (Debug).
  int32_t errorReportFlag = 0;
  /// Lines handed to the statement dispatcher so far (for measurements).
  uint64_t executedLines = 0;

 private:
  platform::Platform& machine_;
  int32_t typeWord_ = -1;
  std::atomic<int32_t> stopFlag_{0};
  Activation* current_ = nullptr;
  NodeList globals_;
  FileTable files_;
  ErrorRecord errorRecord_;
  NodeList modules_;
  NodeList extensions_;
  StatementTable statements_;
  FunctionTable functions_;
  StackGuard stackGuard_;
  int32_t callDepth_ = 0;
  std::vector<Activation*> live_;

  friend class CallDepthScope;
};

}  // namespace vorna
