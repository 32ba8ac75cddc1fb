// The sandbox's transcript on a standard stream: the runner shows questions,
// answers and the copy's bar on standard error, beside its own messages.
#pragma once

#include <ostream>
#include <string_view>

#include "platform/text_sink.h"

namespace vorna {

class OstreamSink : public platform::TextSink {
 public:
  explicit OstreamSink(std::ostream& out) : out_(out) {}
  void Write(std::string_view text) override { out_ << text; }
  void Flush() override { out_.flush(); }

 private:
  std::ostream& out_;
};

}  // namespace vorna
