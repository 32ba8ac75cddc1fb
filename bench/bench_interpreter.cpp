// The interpreter's speed in executed lines per second on three scripts: a
// counting loop with integer arithmetic and an IF, string concatenation,
// and FUNCTION calls. Lines are re-read each time they run, so this measures
// the dispatcher, the keyword lookup, the evaluator and the calls together.
#include <chrono>
#include <cstdio>
#include <memory>
#include <sstream>
#include <string>

#include "host/startup/language_setup.h"
#include "platform/installed_platform.h"
#include "script/interpreter.h"
#include "script/module_loader.h"
#include "script/program.h"
#include "values/value.h"

namespace {

struct Script {
  const char* title;
  const char* text;
};

const Script kScripts[] = {
    {"FOR loop, 1,000,000 iterations, integer arithmetic and an IF",
     "SUB MAIN\n"
     "  DIM I AS LONG, S AS LONG\n"
     "  FOR I = 1 TO 1000000\n"
     "    S = S + I * 2\n"
     "    IF S > 100000 THEN S = S - 100000\n"
     "  NEXT\n"
     "END SUB\n"},
    {"100,000 string concatenations",
     "SUB MAIN\n"
     "  DIM I AS LONG, T AS STRING, A AS STRING, B AS STRING\n"
     "  A = \"install \"\n"
     "  B = \"C:\\PROGRAM FILES\\PRODUCT\"\n"
     "  FOR I = 1 TO 100000\n"
     "    T = A + B\n"
     "  NEXT\n"
     "END SUB\n"},
    {"200,000 FUNCTION calls",
     "SUB MAIN\n"
     "  DIM I AS LONG, X AS LONG\n"
     "  FOR I = 1 TO 200000\n"
     "    X = F(I)\n"
     "  NEXT\n"
     "END SUB\n"
     "FUNCTION F(N AS LONG) AS LONG\n"
     "  F = N + 1\n"
     "END FUNCTION\n"},
};

void AddModule(vorna::Interpreter& interpreter, const char* text) {
  auto* module = new vorna::Module;
  module->SetName("BENCH");
  module->setNameField("BENCH");
  interpreter.modules().Append(module);
  std::istringstream lines(text);
  std::string line;
  for (int32_t number = 0; std::getline(lines, line); ++number) {
    vorna::AddLine(*module, line.c_str(), number);
  }
}

void Measure(const Script& script) {
  vorna::Interpreter interpreter(vorna::platform::Current());
  vorna::RegisterKeywords(interpreter);
  AddModule(interpreter, script.text);
  interpreter.Initialise();
  vorna::Value result;
  auto start = std::chrono::steady_clock::now();
  interpreter.RunProcedureByName("MAIN", result);
  std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
  double lines = static_cast<double>(interpreter.executedLines);
  std::printf("%-62s %9.0f lines in %6.3f s: %10.0f lines/s\n", script.title, lines,
              elapsed.count(), lines / elapsed.count());
}

}  // namespace

int main() {
  std::printf("Interpreter: executed lines per second (target: 1,000,000 on the FOR loop)\n");
  for (const Script& script : kScripts) Measure(script);
  return 0;
}
