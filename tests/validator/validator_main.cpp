// tagkeeper-validate: runs validator checks against a plug-in library.
//   tagkeeper-validate --plugin PATH [--partial-module PATH] [--seed N]
//                      (--run NAME [--expect PATTERN] | --all | --list | --check NAME)
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <iostream>
#include <regex>
#include <string>
#include <vector>
#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>
#include <process.h>
#else
#include <sys/wait.h>
#include <unistd.h>
#endif

#include "call_log.h"
#include "plugin_library.h"
#include "validator.h"

namespace {

// --check's exit status for each outcome; any other status of its process is a crash.
constexpr int kPassed = 0, kFailed = 10, kSkipped = 77;

const char kUsage[] =
    "usage: tagkeeper-validate --plugin PATH [--partial-module PATH] [--seed N]\n"
    "                          (--run NAME [--expect PATTERN] | --all | --list | --check NAME)\n"
    "  --run NAME    runs the check NAME in a process of its own, so that a crash of the\n"
    "                library is reported as \"NAME: crashed\" and ends nothing else\n"
    "  --all         runs every check so, one after the other\n"
    "  --expect PAT  with --run: the outcome must match the regular expression PAT instead\n"
    "                of being \"passed\" (to show that a check catches a faulty library)\n"
    "  --list        lists the checks\n"
    "  --check NAME  runs the check in this process (exit status 0 passed, 10 failed,\n"
    "                77 skipped); what --run starts\n"
    "  --partial-module PATH  a host module that lacks a host function, which some\n"
    "                checks need (they are skipped without it)\n"
    "  --seed N      the seed of the random checks (default: the time; printed)\n"
    "--run and --all end with \"N passed, M failed, K skipped\" (and \", C crashed\");\n"
    "their exit status is 0 when every check passed (or, with --expect, matched), 77\n"
    "when none failed but some were skipped, and 1 otherwise.\n";

// Runs the check here and gives its outcome: "passed", "failed: WHAT" or "skipped: WHY".
std::string Outcome(const validator::Check& check, const validator::Context& context, int* status) {
  testhost::Log().enabled = false;
  try {
    check.run(context);
  } catch (const validator::Failure& failure) {
    *status = kFailed;
    return "failed: " + failure.what;
  } catch (const validator::Skipped& skipped) {
    *status = kSkipped;
    return "skipped: " + skipped.why;
  }
  *status = kPassed;
  return "passed";
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

// Runs the check in a child process of this program, which writes its
// outcome into a file: what the child prints is no part of the outcome.
std::string OutcomeApart(const validator::Check& check, const validator::Context& context) {
#if defined(_WIN32)
  const long pid = _getpid();
  const char* folder = std::getenv("TEMP");
#else
  const long pid = getpid();
  const char* folder = std::getenv("TMPDIR");
#endif
  const std::string report = std::string(folder && *folder ? folder : ".") + "/tagkeeper-validate-" +
                             std::to_string(pid) + "-" + check.name + ".txt";
  std::remove(report.c_str());
  std::string command = Quoted(testhost::OwnExecutablePath()) + " --plugin " + Quoted(context.plugin) +
                        " --seed " + std::to_string(context.seed) + " --check " + check.name + " --report " +
                        Quoted(report);
  if (!context.partial_module.empty()) command += " --partial-module " + Quoted(context.partial_module);
#if defined(_WIN32)
  command = "\"" + command + "\"";  // cmd /c takes the outer quotes away
#endif
  std::cout.flush();
  const int status = std::system(command.c_str());
#if defined(_WIN32)
  const bool exited = true;
  const int exit_code = status;
#else
  const bool exited = status != -1 && WIFEXITED(status);
  const int exit_code = exited ? WEXITSTATUS(status) : -1;
#endif
  std::string outcome;
  std::ifstream file(report);
  std::getline(file, outcome);
  file.close();
  std::remove(report.c_str());
  const bool reported = exited && (exit_code == kPassed || exit_code == kFailed || exit_code == kSkipped);
  if (!reported || outcome.empty()) {
    return std::string("crashed (") + (exited ? "exit status " + std::to_string(exit_code) : "a signal") + ")";
  }
  return outcome;
}

}  // namespace

int main(int argc, char** argv) {
  validator::Context context{"", "", static_cast<uint32_t>(std::time(nullptr))};
  std::string mode, check_name, expected, report;
  bool expecting = false;
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
    } else if (arg == "--expect" && has_value) {
      expected = argv[++i];
      expecting = true;
    } else if (arg == "--report" && has_value) {
      report = argv[++i];
    } else if (arg == "--all" || arg == "--list") {
      mode = arg;
    } else if (arg == "--help") {
      std::cout << kUsage;
      return 0;
    } else {
      std::cerr << kUsage;
      return 2;
    }
  }
  if (mode.empty() || (expecting && mode != "--run")) {
    std::cerr << kUsage;
    return 2;
  }
#if defined(_WIN32)
  _setmode(_fileno(stdout), _O_BINARY);  // lines end in LF alone, as natively
#endif
  std::regex pattern;
  try {
    pattern = std::regex(expected);
  } catch (const std::regex_error&) {
    std::cerr << "tagkeeper-validate: --expect: not a regular expression: " << expected << "\n";
    return 2;
  }
  int passed = 0, failed = 0, skipped = 0, crashed = 0;
  bool found = false;
  for (const validator::Check& check : validator::AllChecks()) {
    if (mode == "--list") {
      std::cout << check.name << "  " << check.description << "\n";
      continue;
    }
    if (mode != "--all" && check_name != check.name) continue;
    found = true;
    if (mode == "--check") {
      int status = 0;
      const std::string outcome = Outcome(check, context, &status);
      if (report.empty()) {
        std::cout << check.name << ": " << outcome << std::endl;
      } else {
        std::ofstream(report) << outcome << "\n";
      }
      return status;
    }
    std::cout << check.name << ": " << check.description << " (seed " << context.seed << ")" << std::endl;
    const std::string outcome = OutcomeApart(check, context);
    std::cout << check.name << ": " << outcome << std::endl;
    if (expecting) {
      const bool matched = std::regex_search(outcome, pattern);
      std::cout << check.name << (matched ? ": the outcome expected" : ": not the outcome expected, " + expected)
                << std::endl;
      (matched ? passed : failed) += 1;
    } else if (outcome == "passed") {
      ++passed;
    } else if (outcome.rfind("skipped", 0) == 0) {
      ++skipped;
    } else if (outcome.rfind("crashed", 0) == 0) {
      ++crashed;
    } else {
      ++failed;
    }
  }
  if (mode == "--list") return 0;
  if (!found) {
    std::cerr << "no check named " << check_name << "\n";
    return 2;
  }
  std::cout << passed << " passed, " << failed << " failed, " << skipped << " skipped"
            << (crashed ? ", " + std::to_string(crashed) + " crashed" : "") << std::endl;
  if (failed + crashed > 0) return 1;
  return skipped > 0 ? kSkipped : 0;
}
