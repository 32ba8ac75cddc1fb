#include "values/extension.h"

#include "values/value.h"

namespace vorna {

Extension::~Extension() = default;

bool Extension::GetMember(Activation&, Value&) {
  return false;
}
bool Extension::SetMember(Activation&) {
  return false;
}
bool Extension::CallStatement(Activation&) {
  return false;
}
int32_t Extension::Unnamed() {
  return 0;
}
std::unique_ptr<Value> Extension::MakeObject(Activation&) {
  return nullptr;
}
void Extension::Initialise() {}
void Extension::BeforeStatement() {}

}  // namespace vorna
