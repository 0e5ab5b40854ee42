#include "file_check.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace testhost {

namespace fs = std::filesystem;

std::string UnreadableReason(const std::string& path) {
  std::error_code error;
  if (fs::is_directory(path, error)) return "a folder, not a file";
  FILE* in = std::fopen(path.c_str(), "rb");
  if (in == nullptr) return std::strerror(errno);
  std::fclose(in);
  return "";
}

std::string UnwritableReason(const std::string& path) {
  if (path.empty()) return "no file name";
  std::error_code error;
  if (fs::is_directory(path, error)) return "a folder, not a file";
  const fs::path folder = fs::path(path).parent_path();
  if (!folder.empty() && !fs::is_directory(folder, error)) return "no folder " + folder.string();
  return "";
}

std::string FileProblem(const std::string& action, const std::string& path, const std::string& reason) {
  return action + " " + (path.empty() ? "''" : path) + ": " + reason;
}

}  // namespace testhost
