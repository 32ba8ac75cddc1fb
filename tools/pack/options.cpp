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

namespace {

bool Contains(const std::vector<std::string>& names, const std::string& name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

}  // namespace

Options ParseOptions(const std::vector<std::string>& args, const std::vector<std::string>& known,
                     const std::vector<std::string>& flags) {
  Options options;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string arg = args[i] == "-v" ? std::string("--verbose") : args[i];
    if (arg.rfind("--", 0) != 0) {
      if (arg.size() > 1 && arg[0] == '-') throw UsageError("unknown option " + arg);
      options.positional.push_back(arg);
      continue;
    }
    std::string name = arg.substr(2);
    if (Contains(flags, name)) {
      if (!options.flags.insert(name).second) throw UsageError("option " + arg + " given twice");
      continue;
    }
    if (!Contains(known, name.substr(0, name.find('=')))) {
      throw UsageError("unknown option --" + name.substr(0, name.find('=')));
    }
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
    if (!options.values.emplace(name, value).second) {
      throw UsageError("option --" + name + " given twice");
    }
  }
  return options;
}

}  // namespace vorna::pack
