// Where running text goes: the transcript of an answered run, the copy's
// progress bar. The runtime carries no std::ostream: the standard streams
// bring the whole locale machinery with them, most of a statically linked
// program's size. Hosts that have a stream hand one in behind a sink of
// their own.
#pragma once

#include <string>
#include <string_view>

namespace vorna::platform {

class TextSink {
 public:
  virtual ~TextSink() = default;
  /// Writes text exactly as it is.
  virtual void Write(std::string_view text) = 0;
  /// Passes on what was written so far (a terminal shows it now).
  virtual void Flush() {}
};

/// Writes text to sink; chains like a stream ("sink << a << b"). Numbers are
/// written as text (std::to_string) by the caller.
inline TextSink& operator<<(TextSink& sink, std::string_view text) {
  sink.Write(text);
  return sink;
}

/// Drops everything: a run with nowhere to show its transcript.
class DiscardSink : public TextSink {
 public:
  void Write(std::string_view /*text*/) override {}
};

/// Keeps everything written, in order.
class StringSink : public TextSink {
 public:
  void Write(std::string_view text) override { text_.append(text); }
  const std::string& str() const { return text_; }

 private:
  std::string text_;
};

}  // namespace vorna::platform
