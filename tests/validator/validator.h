#pragma once
// Validator checks of a built plug-in library, run from a stand-in host. Each
// check loads the library itself and ends in one outcome: passed, failed (with
// what was expected and what came), skipped (with why), or crashed, which the
// process that runs it in a process of its own reports.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace validator {

struct Context {
  std::string plugin;          // the library under test
  std::string partial_module;  // a module that lacks one host function
  uint32_t seed;               // for checks that draw at random
};

// A check throws Failure when the library fails it, Skipped when it cannot run.
struct Failure {
  std::string what;
};
struct Skipped {
  std::string why;
};

struct Check {
  const char* name;
  const char* description;
  std::function<void(const Context&)> run;
};

const std::vector<Check>& AllChecks();

// Fails the running check unless condition holds.
void Expect(bool condition, const std::string& what);

}  // namespace validator
