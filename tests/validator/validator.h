#pragma once
// Validator checks of a built plug-in library, run from a stand-in host. Each
// check loads the library itself and reports one outcome.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace validator {

struct Context {
  std::string plugin;         // the library under test
  std::string partial_module; // a module that lacks one host function
  uint32_t seed;              // for checks that draw at random
};

// A check throws Failure (with expected and actual) when the library fails it.
struct Failure {
  std::string what;
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
