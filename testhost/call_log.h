#pragma once
// Every call the plug-in makes into the stand-in host, in order, so that tests
// can check which host functions ran, how often and with what.
#include <map>
#include <string>
#include <vector>

namespace testhost {

struct HostCall {
  std::string function;
  std::string arguments;  // readable: "object 3, \"Box\"", "document, 258"
};

class CallLog {
 public:
  void Record(const char* function, std::string arguments);
  // A call of one of the host functions the plug-in must never call.
  void RecordUnexpected(const char* function);
  // A typed call given a null or foreign handle where the contract needs one.
  void RecordMisuse(const char* function);
  void Clear();

  const std::vector<HostCall>& calls() const { return calls_; }
  const std::vector<std::string>& unexpected() const { return unexpected_; }
  const std::vector<std::string>& misuses() const { return misuses_; }
  // How many calls of function were made.
  size_t Count(const std::string& function) const;
  // The calls of function, arguments only.
  std::vector<std::string> ArgumentsOf(const std::string& function) const;

  // Off for benchmarks: recording costs more than the host calls themselves.
  bool enabled = true;

  // Counting without recording, for runs of too many calls to record.
  bool tallying = false;
  void Tally(const char* function) { ++tallies_[function]; }
  // The calls of function counted, or of all functions when it is null.
  size_t Tallied(const char* function = nullptr) const;
  void ClearTallies() { tallies_.clear(); }

 private:
  std::vector<HostCall> calls_;
  std::vector<std::string> unexpected_;
  std::vector<std::string> misuses_;
  std::map<const char*, size_t> tallies_;  // by each function's own name string
};

// The stand-in host's one log: the host functions are plain exports, so they
// cannot be handed a log of their own.
CallLog& Log();

}  // namespace testhost
