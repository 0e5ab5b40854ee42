#pragma once
#include <clocale>
#include <string>

namespace testsupport {

// Sets LC_ALL for one scope and puts back the locale that was in force.
class ScopedLocale {
 public:
  explicit ScopedLocale(const char* name) {
    const char* current = std::setlocale(LC_ALL, nullptr);
    previous_ = current ? current : "C";
    ok_ = std::setlocale(LC_ALL, name) != nullptr;
  }
  ~ScopedLocale() { std::setlocale(LC_ALL, previous_.c_str()); }
  ScopedLocale(const ScopedLocale&) = delete;
  ScopedLocale& operator=(const ScopedLocale&) = delete;
  bool ok() const { return ok_; }

 private:
  std::string previous_;
  bool ok_;
};

}  // namespace testsupport
