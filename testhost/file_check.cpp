#include "file_check.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#if defined(_WIN32)
#include <windows.h>
#include <io.h>
#else
#include <unistd.h>
#endif

namespace testhost {

namespace fs = std::filesystem;

namespace {

// Why a file of this status is not one to read or write: a folder, or
// something else that is not a regular file (a FIFO would block forever).
std::string NotAFile(const std::string& path, const fs::file_status& status) {
  if (fs::is_directory(status)) return "a folder, not a file";
  if (fs::exists(status) && !fs::is_regular_file(status)) return "not a regular file";
#if defined(_WIN32)
  // The file system's view of a file says nothing of pipes (Wine shows a
  // FIFO as a file); its handle does.
  HANDLE file = CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  if (file != INVALID_HANDLE_VALUE) {
    const DWORD type = GetFileType(file);
    CloseHandle(file);
    if (type != FILE_TYPE_DISK) return "not a regular file";
  }
#else
  (void)path;
#endif
  return "";
}

bool CanWrite(const std::string& path) {
#if defined(_WIN32)
  return _access(path.c_str(), 2) == 0;
#else
  return access(path.c_str(), W_OK) == 0;
#endif
}

}  // namespace

std::string UnreadableReason(const std::string& path) {
  std::error_code error;
  if (const std::string reason = NotAFile(path, fs::status(path, error)); !reason.empty()) return reason;
  FILE* in = std::fopen(path.c_str(), "rb");
  if (in == nullptr) return std::strerror(errno);
  std::fclose(in);
  return "";
}

std::string UnwritableReason(const std::string& path) {
  if (path.empty()) return "no file name";
  std::error_code error;
  const fs::file_status status = fs::status(path, error);
  if (const std::string reason = NotAFile(path, status); !reason.empty()) return reason;
  if (fs::exists(status)) return CanWrite(path) ? "" : std::strerror(errno);
  const fs::path folder = fs::path(path).parent_path();
  if (!folder.empty() && !fs::is_directory(folder, error)) return "no folder " + folder.string();
  return CanWrite(folder.empty() ? "." : folder.string()) ? "" : std::strerror(errno);
}

std::string FileProblem(const std::string& action, const std::string& path, const std::string& reason) {
  return action + " " + (path.empty() ? "''" : path) + ": " + reason;
}

}  // namespace testhost
