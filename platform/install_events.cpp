#include "platform/install_events.h"

#include <algorithm>

#include "platform/platform.h"

namespace vorna::platform {

void InstallEvents::Attach(InstallEventSink& sink) {
  std::lock_guard<std::mutex> lock(mutex_);
  sinks_.push_back(&sink);
}

void InstallEvents::Detach(InstallEventSink& sink) {
  std::lock_guard<std::mutex> lock(mutex_);
  sinks_.erase(std::remove(sinks_.begin(), sinks_.end(), &sink), sinks_.end());
}

void InstallEvents::Emit(const InstallEvent& event) {
  // One event at a time: a sink never sees two threads at once, and every
  // sink sees the events in the same order.
  std::lock_guard<std::mutex> lock(mutex_);
  for (InstallEventSink* sink : sinks_) sink->Receive(event);
}

void Emit(const Platform& machine, const InstallEvent& event) {
  if (machine.events != nullptr) machine.events->Emit(event);
}

}  // namespace vorna::platform
