#include "app/ShellArguments.h"

namespace orvane {

ShellArguments ParseShellArguments(const std::vector<std::string>& args) {
  ShellArguments parsed;
  const std::string openOption = "--open";
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "-h" || arg == "--help") {
      parsed.help = true;
    } else if (arg == "--check-display") {
      parsed.checkDisplay = true;
    } else if (arg == openOption) {
      if (i + 1 >= args.size() || args[i + 1].empty()) {
        parsed.error = "--open needs a file";
        return parsed;
      }
      parsed.openFile = args[++i];
    } else if (arg.rfind(openOption + "=", 0) == 0) {
      std::string file = arg.substr(openOption.size() + 1);
      if (file.empty()) {
        parsed.error = "--open needs a file";
        return parsed;
      }
      parsed.openFile = std::move(file);
    } else if (arg.size() > 1 && arg[0] == '-') {
      parsed.error = "unknown option '" + arg + "'";
      return parsed;
    } else {
      parsed.ignored.push_back(arg);
    }
  }
  return parsed;
}

}  // namespace orvane
