#include "plugin_library.h"

#if !defined(_WIN32)
#include <dlfcn.h>
#include <sys/stat.h>
#endif

namespace testhost {

namespace {

template <class Export>
bool Find(HMODULE module, const char* name, Export& entry, std::string& error) {
  typedef void (*Generic)();
  entry = reinterpret_cast<Export>(reinterpret_cast<Generic>(GetProcAddress(module, name)));
  if (entry == nullptr && error.empty()) error = std::string("the library does not export ") + name;
  return entry != nullptr;
}

// What keeps path from being a library file at all, or null. (A bare name
// the loader found elsewhere need not be in the working folder.)
const char* FileProblem(const std::string& path) {
#if defined(_WIN32)
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return "no such file";
  if (attributes & FILE_ATTRIBUTE_DIRECTORY) return "a folder, not a file";
#else
  struct stat info;
  if (stat(path.c_str(), &info) != 0) return "no such file";
  if (S_ISDIR(info.st_mode)) return "a folder, not a file";
#endif
  return nullptr;
}

// The system loader's reason for the last failed load of path.
std::string LoaderReason(const std::string& path) {
#if defined(_WIN32)
  char text[512] = "";
  const DWORD error = GetLastError();
  if (FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0, text, sizeof text,
                     nullptr) == 0) {
    return "error " + std::to_string(error);
  }
  std::string reason = text;
  while (!reason.empty() && (reason.back() == '\n' || reason.back() == '\r' || reason.back() == '.')) reason.pop_back();
  // Some messages name the file by an insert ("Bad EXE format for %1").
  for (size_t at = reason.find("%1"); at != std::string::npos; at = reason.find("%1", at + path.size())) {
    reason.replace(at, 2, path);
  }
  return reason;
#else
  (void)path;
  const char* reason = dlerror();
  return reason ? reason : "no reason given";
#endif
}

}  // namespace

bool PluginLibrary::Load(const std::string& path) {
  Unload();
  error_.clear();
  module_ = LoadLibraryA(path.c_str());
  if (module_ == nullptr) {
    const std::string reason = LoaderReason(path);
    const char* problem = FileProblem(path);
    error_ = "cannot load " + path + ": " + (problem ? problem : "not a loadable library (" + reason + ")");
    return false;
  }
  bool found = true;
#define TK_FIND_EXPORT(name, ...) found &= Find(module_, #name, exports_.name, error_);
  TK_PLUGIN_EXPORTS(TK_FIND_EXPORT, TK_FIND_EXPORT)
#undef TK_FIND_EXPORT
  if (!found) {
    error_ = path + " is not a plug-in: " + error_;
    Unload();
  }
  return found;
}

void PluginLibrary::Unload() {
  if (module_ != nullptr) FreeLibrary(module_);
  module_ = nullptr;
  exports_ = {};
}

std::string OwnExecutablePath() {
  char path[4096];
  const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
  return std::string(path, length < sizeof path ? length : 0);
}

}  // namespace testhost
