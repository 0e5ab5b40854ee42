// tagkeeper-validate: runs validator checks against a plug-in library.
//   tagkeeper-validate --plugin PATH [--partial-module PATH] [--seed N]
//                      (--check NAME | --run NAME | --all | --list)
// --check runs one check in this process and prints "NAME: passed", "NAME:
// failed: WHAT" or "NAME: skipped: WHY" (exit status 0, 10, 77). --run runs
// it in a process of its own, so that a crash of the library is reported as
// "NAME: crashed" instead of ending the run; --all does so for every check.
// The exit status of --run and --all is 0 when no check failed or crashed.
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <iostream>
#include <string>
#include <vector>
#if !defined(_WIN32)
#include <sys/wait.h>
#endif

#include "call_log.h"
#include "plugin_library.h"
#include "validator.h"

namespace {

constexpr int kPassed = 0, kFailed = 10, kSkipped = 77;

const char kUsage[] =
    "usage: tagkeeper-validate --plugin PATH [--partial-module PATH] [--seed N]\n"
    "                          (--check NAME | --run NAME | --all | --list)\n";

int RunHere(const validator::Check& check, const validator::Context& context) {
  std::cout << check.name << ": " << check.description << " (seed " << context.seed << ")" << std::endl;
  testhost::Log().enabled = false;
  try {
    check.run(context);
  } catch (const validator::Failure& failure) {
    std::cout << check.name << ": failed: " << failure.what << std::endl;
    return kFailed;
  } catch (const validator::Skipped& skipped) {
    std::cout << check.name << ": skipped: " << skipped.why << std::endl;
    return kSkipped;
  }
  std::cout << check.name << ": passed" << std::endl;
  return kPassed;
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

// Runs the check in a child process of this program; false when it failed
// or crashed. The child prints its own outcome unless it crashed.
bool RunApart(const validator::Check& check, const validator::Context& context) {
  std::string command = Quoted(testhost::OwnExecutablePath()) + " --plugin " + Quoted(context.plugin) +
                        " --seed " + std::to_string(context.seed) + " --check " + check.name;
  if (!context.partial_module.empty()) command += " --partial-module " + Quoted(context.partial_module);
#if defined(_WIN32)
  command = "\"" + command + "\"";  // cmd /c takes the outer quotes away
#endif
  std::cout.flush();
  const int status = std::system(command.c_str());
#if defined(_WIN32)
  const int exit_code = status;
  const bool exited = true;
#else
  const bool exited = status != -1 && WIFEXITED(status);
  const int exit_code = exited ? WEXITSTATUS(status) : -1;
#endif
  if (exited && (exit_code == kPassed || exit_code == kSkipped)) return true;
  if (exited && exit_code == kFailed) return false;
  std::cout << check.name << ": crashed (" << (exited ? "exit status " + std::to_string(exit_code) : "a signal")
            << ")" << std::endl;
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  validator::Context context{"", "", static_cast<uint32_t>(std::time(nullptr))};
  std::string mode, check_name;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool has_value = i + 1 < argc;
    if (arg == "--plugin" && has_value) {
      context.plugin = argv[++i];
    } else if (arg == "--partial-module" && has_value) {
      context.partial_module = argv[++i];
    } else if (arg == "--seed" && has_value) {
      context.seed = static_cast<uint32_t>(std::strtoul(argv[++i], nullptr, 10));
    } else if ((arg == "--check" || arg == "--run") && has_value) {
      mode = arg;
      check_name = argv[++i];
    } else if (arg == "--all" || arg == "--list") {
      mode = arg;
    } else {
      std::cerr << kUsage;
      return 2;
    }
  }
  if (mode.empty()) {
    std::cerr << kUsage;
    return 2;
  }
  bool all_right = true, found = false;
  for (const validator::Check& check : validator::AllChecks()) {
    if (mode == "--list") {
      std::cout << check.name << "  " << check.description << "\n";
      continue;
    }
    if (mode != "--all" && check_name != check.name) continue;
    found = true;
    if (mode == "--check") return RunHere(check, context);
    all_right &= RunApart(check, context);
  }
  if (mode == "--list") return 0;
  if (!found) {
    std::cerr << "no check named " << check_name << "\n";
    return 2;
  }
  return all_right ? 0 : 1;
}
