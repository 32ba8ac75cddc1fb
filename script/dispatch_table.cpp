#include "script/dispatch_table.h"

#include <stdexcept>
#include <string>

namespace vorna {

namespace {

bool HasRowOfClass(KeywordId id, KeywordClass klass) {
  const Keyword* table = KeywordTable();
  for (int32_t row = 0; row < kKeywordCount; ++row) {
    if (table[row].id == id && table[row].klass == klass) return true;
  }
  return false;
}

std::string NameOf(KeywordId id) {
  const Keyword* keyword = FindKeywordById(id);
  return keyword ? keyword->name : "keyword " + std::to_string(IndexOf(id));
}

}  // namespace

int32_t RegistrationSlot(KeywordId id, KeywordClass klass) {
  if (!HasRowOfClass(id, klass)) {
    throw std::logic_error(NameOf(id) + " cannot be registered in this table: wrong keyword class");
  }
  return IndexOf(id);
}

void RefuseSecondHandler(KeywordId id) {
  throw std::logic_error(NameOf(id) + " has a handler already");
}

}  // namespace vorna
