#include "tools/pack/options.h"

#include <algorithm>

namespace vorna::pack {

const std::string& Options::Required(const std::string& name) const {
  auto it = values.find(name);
  if (it == values.end()) throw UsageError("missing option --" + name);
  return it->second;
}

std::string Options::Optional(const std::string& name) const {
  auto it = values.find(name);
  return it == values.end() ? std::string() : it->second;
}

Options ParseOptions(const std::vector<std::string>& args, const std::vector<std::string>& known) {
  Options options;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg.rfind("--", 0) != 0) {
      options.positional.push_back(arg);
      continue;
    }
    std::string name = arg.substr(2);
    std::string value;
    size_t equals = name.find('=');
    if (equals != std::string::npos) {
      value = name.substr(equals + 1);
      name.resize(equals);
    } else if (i + 1 < args.size()) {
      value = args[++i];
    } else {
      throw UsageError("option --" + name + " needs a value");
    }
    if (std::find(known.begin(), known.end(), name) == known.end()) {
      throw UsageError("unknown option --" + name);
    }
    if (!options.values.emplace(name, value).second) {
      throw UsageError("option --" + name + " given twice");
    }
  }
  return options;
}

}  // namespace vorna::pack
