#include "statements/print_statement.h"

#include "script/activation.h"
#include "script/evaluator.h"
#include "script/host_output.h"
#include "script/interpreter.h"
#include "script/keywords.h"
#include "statements/file_statements.h"
#include "values/errors.h"
#include "values/value.h"

namespace vorna {

namespace {

constexpr int32_t kMaxTab = 255;
constexpr int32_t kTabWidth = 10;
// Numbers, flags and characters print in far fewer characters than this.
constexpr size_t kDisplayBufferSize = 256;

class HostOutputSink : public PrintSink {
 public:
  explicit HostOutputSink(Interpreter& interpreter) : interpreter_(interpreter) {}
  void Write(const std::string& text) override { HostOutput(interpreter_, text); }
  const char* LineEnd() const override { return "\n"; }

 private:
  Interpreter& interpreter_;
};

bool AtStatementEnd(StatementCursor& cursor) {
  cursor.SkipBlanks();
  return cursor.current() == '\0' || cursor.current() == ':';
}

// The display text of a value: a text whole, anything else as FormatValue
// shows it.
std::string DisplayText(const Value& value) {
  if (value.type() == ValueType::STRING) return value.AsString();
  char buffer[kDisplayBufferSize];
  value.FormatValue(buffer, sizeof buffer);
  return buffer;
}

// tab -> TAB "(" n ")": spaces up to the next multiple of ten after n - 1 tens.
void PrintTab(Activation& activation, PrintSink& sink) {
  StatementCursor& cursor = activation.cursor();
  cursor.ExpectChar('(');
  Value count;
  activation.ReadNumber(count, 0, 0);
  int32_t n = count.AsLong();
  if (n < 0 || n > kMaxTab) Raise(errorNumbers::IllegalValue);
  cursor.ExpectChar(')');
  if (n == 0) return;
  int32_t spaces = kTabWidth * n - activation.outputColumn % kTabWidth;
  for (int32_t i = 0; i < spaces; ++i) {
    sink.Write(" ");
    ++activation.outputColumn;
  }
}

void PrintItem(Activation& activation, PrintSink& sink) {
  StatementCursor& cursor = activation.cursor();
  if (cursor.MatchKeyword(KeywordId::Tab, Prefix::NotAllowed)) {
    PrintTab(activation, sink);
    return;
  }
  Value item;
  cursor.SkipBlanks();
  EvaluateExpression(activation, item);
  std::string text = DisplayText(item);
  activation.outputColumn += static_cast<int32_t>(text.size());
  sink.Write(text);
}

}  // namespace

void PrintItems(Activation& activation, PrintSink& sink) {
  StatementCursor& cursor = activation.cursor();
  activation.outputColumn = 0;
  if (!AtStatementEnd(cursor)) {
    PrintItem(activation, sink);
    while (cursor.MatchChar(';')) {
      // A closing ";" keeps the line open.
      if (AtStatementEnd(cursor)) return;
      PrintItem(activation, sink);
    }
  }
  sink.Write(sink.LineEnd());
}

StatementEnd PrintStatement(Activation& activation) {
  if (activation.cursor().MatchChar('#')) return PrintToFile(activation);
  HostOutputSink sink(activation.interpreter());
  PrintItems(activation, sink);
  return StatementEnd::Continue;
}

}  // namespace vorna
