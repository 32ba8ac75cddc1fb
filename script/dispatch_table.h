// What the statement table and the function table share: one handler slot per
// keyword id, filled once at start-up by the layers above the engine.
#pragma once

#include "script/keywords.h"

namespace vorna {

/// The slot of id in a table of handlers for keywords of klass. Throws
/// std::logic_error when no row of id has that class.
int32_t RegistrationSlot(KeywordId id, KeywordClass klass);

/// Throws std::logic_error naming the keyword: it has a handler already, and
/// with two the order of registration would decide which one runs.
[[noreturn]] void RefuseSecondHandler(KeywordId id);

/// Handlers of the keywords of class kClass, by id.
template <typename Handler, KeywordClass kClass>
class DispatchTable {
 public:
  /// Gives the keyword id its handler. Throws std::logic_error for a keyword
  /// that has no row of kClass or has a handler already.
  void Register(KeywordId id, Handler handler) {
    Handler& slot = handlers_[RegistrationSlot(id, kClass)];
    if (slot != nullptr) RefuseSecondHandler(id);
    slot = handler;
  }
  /// The handler of id, or nullptr when none is registered.
  Handler Find(KeywordId id) const {
    int32_t index = IndexOf(id);
    return index >= 0 && index < kKeywordIdCount ? handlers_[index] : nullptr;
  }

 private:
  Handler handlers_[kKeywordIdCount] = {};
};

}  // namespace vorna
