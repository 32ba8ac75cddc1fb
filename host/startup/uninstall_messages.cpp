#include "host/startup/uninstall_messages.h"

namespace vorna {

namespace {

std::string Listed(const std::vector<RemovalStep>& steps) {
  std::string text;
  for (size_t i = 0; i < steps.size() && i < kListedSteps; ++i) text += "\n" + StepLine(steps[i]);
  if (steps.size() > kListedSteps) {
    text += "\nand " + std::to_string(steps.size() - kListedSteps) + " more.";
  }
  return text;
}

}  // namespace

std::string UninstallCaption(const std::string& product) {
  return product + " Uninstall";
}

std::string UninstallQuestion(const std::string& product) {
  return "Remove " + product + " and all of its components?";
}

std::string StepLine(const RemovalStep& step) {
  std::string name = step.name;
  if (step.kind == EntryKind::Value) {
    name += step.valueName.empty() ? " (default value)" : "\\" + step.valueName;
  }
  return step.reason.empty() ? name : name + " (" + step.reason + ")";
}

std::string RemovedText(const std::string& product, const std::vector<RemovalStep>& kept) {
  std::string text = product + " was removed.";
  if (!kept.empty()) text += " These were kept:" + Listed(kept);
  return text;
}

std::string NotRemovedText(const std::string& product, const std::vector<RemovalStep>& remain) {
  return product + " was not removed completely. These remain:" + Listed(remain);
}

}  // namespace vorna
