#include "call_log.h"

#include <cstring>

namespace testhost {

void CallLog::Record(const char* function, std::string arguments) {
  if (enabled) calls_.push_back(HostCall{function, std::move(arguments)});
}

void CallLog::RecordUnexpected(const char* function) { unexpected_.push_back(function); }

void CallLog::RecordMisuse(const char* function) { misuses_.push_back(function); }

void CallLog::Clear() {
  calls_.clear();
  unexpected_.clear();
  misuses_.clear();
}

size_t CallLog::Count(const std::string& function) const {
  size_t count = 0;
  for (const HostCall& call : calls_) count += call.function == function;
  return count;
}

std::vector<std::string> CallLog::ArgumentsOf(const std::string& function) const {
  std::vector<std::string> arguments;
  for (const HostCall& call : calls_) {
    if (call.function == function) arguments.push_back(call.arguments);
  }
  return arguments;
}

size_t CallLog::Tallied(const char* function) const {
  size_t total = 0;
  for (const auto& tally : tallies_) {
    if (function == nullptr || std::strcmp(tally.first, function) == 0) total += tally.second;
  }
  return total;
}

CallLog& Log() {
  static CallLog log;
  return log;
}

}  // namespace testhost
