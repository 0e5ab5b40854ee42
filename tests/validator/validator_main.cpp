// tagkeeper-validate: runs validator checks against a plug-in library.
//   tagkeeper-validate --plugin PATH [--partial-module PATH] [--seed N] (--check NAME | --list)
// Exit status 0 passed, 1 failed, 2 usage. Each check is meant to run in a
// process of its own, so that a crash of the library is seen as a crash.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <iostream>

#include "call_log.h"
#include "validator.h"

int main(int argc, char** argv) {
  validator::Context context{"", "", static_cast<uint32_t>(std::time(nullptr))};
  std::string check_name;
  bool list = false;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool has_value = i + 1 < argc;
    if (arg == "--plugin" && has_value) {
      context.plugin = argv[++i];
    } else if (arg == "--partial-module" && has_value) {
      context.partial_module = argv[++i];
    } else if (arg == "--seed" && has_value) {
      context.seed = static_cast<uint32_t>(std::strtoul(argv[++i], nullptr, 10));
    } else if (arg == "--check" && has_value) {
      check_name = argv[++i];
    } else if (arg == "--list") {
      list = true;
    } else {
      std::cerr << "usage: tagkeeper-validate --plugin PATH [--partial-module PATH] [--seed N] (--check NAME | --list)\n";
      return 2;
    }
  }
  for (const validator::Check& check : validator::AllChecks()) {
    if (list) {
      std::cout << check.name << "  " << check.description << "\n";
      continue;
    }
    if (check_name != check.name) continue;
    std::cout << check.name << ": " << check.description << " (seed " << context.seed << ")\n";
    testhost::Log().enabled = false;
    try {
      check.run(context);
    } catch (const validator::Failure& failure) {
      std::cout << check.name << ": failed: " << failure.what << "\n";
      return 1;
    }
    std::cout << check.name << ": passed\n";
    return 0;
  }
  if (list) return 0;
  std::cerr << "no check named " << check_name << "\n";
  return 2;
}
