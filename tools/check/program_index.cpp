#include "tools/check/program_index.h"

namespace vorna::check {

void ProgramIndex::AddProcedure(ProcedureInfo procedure) {
  if (FindProcedure(procedure.name) != nullptr) return;
  procedures_.push_back(std::move(procedure));
}

const ProcedureInfo* ProgramIndex::FindProcedure(const std::string& name) const {
  for (const ProcedureInfo& procedure : procedures_) {
    if (procedure.name == name) return &procedure;
  }
  return nullptr;
}

std::vector<std::string> ProgramIndex::ProcedureNames() const {
  std::vector<std::string> names;
  for (const ProcedureInfo& procedure : procedures_) names.push_back(procedure.name);
  return names;
}

}  // namespace vorna::check
