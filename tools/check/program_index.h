// What the checker knows of a whole program before it checks any statement:
// the procedures of every module with their parameters, and the names that
// some declaration makes arrays or file dialog objects.
#pragma once

#include <set>
#include <string>
#include <vector>

namespace vorna::check {

/// One parameter of a procedure header.
struct Parameter {
  std::string name;
  bool byReference = false;
};

/// One SUB or FUNCTION, from its header.
struct ProcedureInfo {
  std::string name;    // upper-case
  std::string module;  // the module that holds it
  bool isFunction = false;
  std::vector<Parameter> parameters;
};

class ProgramIndex {
 public:
  /// Adds a procedure; a name already known (from a module loaded earlier)
  /// keeps the first, as calls do.
  void AddProcedure(ProcedureInfo procedure);
  /// The procedure that a call of name (upper-case) reaches; nullptr for none.
  const ProcedureInfo* FindProcedure(const std::string& name) const;
  /// Every procedure name, in the order added.
  std::vector<std::string> ProcedureNames() const;

  /// Notes that name is declared with bounds somewhere (or is a parameter,
  /// which may stand for an array).
  void AddArray(const std::string& name) { arrays_.insert(name); }
  bool IsArray(const std::string& name) const { return arrays_.count(name) > 0; }
  /// Every name that may be an array.
  std::vector<std::string> ArrayNames() const { return {arrays_.begin(), arrays_.end()}; }
  /// Notes that name is declared AS STDFILE somewhere.
  void AddObject(const std::string& name) { objects_.insert(name); }
  bool IsObject(const std::string& name) const { return objects_.count(name) > 0; }

 private:
  std::vector<ProcedureInfo> procedures_;
  std::set<std::string> arrays_;
  std::set<std::string> objects_;
};

}  // namespace vorna::check
