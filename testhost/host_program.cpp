#include "host_program.h"

#include <windows.h>

#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <algorithm>
#include <filesystem>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "call_log.h"
#include "command_line.h"
#include "document.h"
#include "file_check.h"
#include "host_clipboard.h"
#include "host_table.h"
#include "MQBasePlugin.h"
#include "menu_list.h"
#include "plugin_library.h"
#include "scene_file.h"
#include "scene_view.h"
#include "target_list.h"
#include "host_version.h"

namespace testhost {

namespace {


// What the program tells of each menu entry's run.
struct MenuKind {
  bool copies;
  bool materials;
};
#define TK_MENU_KIND(text, command, verb, copies, materials) {copies, materials},
constexpr MenuKind kMenuKinds[] = {TK_MENU_ENTRIES(TK_MENU_KIND)};
#undef TK_MENU_KIND
constexpr int kExitPlugin = 1;   // the plug-in could not be loaded or set up
constexpr int kExitUsage = 2;    // bad command line, scene or file
constexpr int kExitNotRun = 3;   // a command asked for did not do its work

// A clip-from file's text is held whole, twice at most: larger ones are
// refused before anything is allocated for them.
constexpr long long kLargestClipboardFile = 256LL << 20;

std::string Megabytes(long long bytes) { return std::to_string((bytes + (1 << 19)) >> 20) + " MB"; }

std::string DefaultPluginPath() {
  const std::string self = OwnExecutablePath();
  const size_t slash = self.find_last_of("/\\");
  const std::string folder = slash == std::string::npos ? "." : self.substr(0, slash);
#if defined(_WIN32)
  return folder + "\\Tagkeeper.dll";
#else
  return folder + "/Tagkeeper.so";
#endif
}

// The file's text up to its first NUL (where a clipboard text ends), or
// false with what went wrong. nul is set where the file holds one.
bool ReadClipboardFile(const std::string& path, std::string& text, bool& nul, std::string& reason) {
  FILE* in = std::fopen(path.c_str(), "rb");
  if (in == nullptr) return reason = std::strerror(errno), false;
  std::error_code size_error;
  const auto size = std::filesystem::file_size(path, size_error);
  if (!size_error && static_cast<long long>(size) > kLargestClipboardFile) {
    std::fclose(in);
    return reason = "too large for the clipboard's text (" + Megabytes(static_cast<long long>(size)) +
                    "; at most " + Megabytes(kLargestClipboardFile) + ")",
           false;
  }
  nul = false;
  bool failed = false;
  try {
    if (!size_error) text.reserve(size);
    char buffer[65536];
    size_t read;
    while (!nul && (read = std::fread(buffer, 1, sizeof buffer, in)) > 0) {
      const char* zero = static_cast<const char*>(std::memchr(buffer, '\0', read));
      nul = zero != nullptr;
      text.append(buffer, nul ? zero - buffer : read);
    }
    failed = std::ferror(in) != 0;
    if (failed) reason = std::strerror(errno);
  } catch (const std::bad_alloc&) {
    failed = true;
    reason = "not enough memory to read it (" + Megabytes(static_cast<long long>(size)) + ")";
  }
  std::fclose(in);
  return !failed;
}

bool WriteFile(const std::string& path, const std::string& text) {
  FILE* out = std::fopen(path.c_str(), "wb");
  if (out == nullptr) return false;
  const bool written = std::fwrite(text.data(), 1, text.size(), out) == text.size();
  return std::fclose(out) == 0 && written;
}

// Why the clipboard did not take a text of size bytes: memory, or another
// program holding it open.
std::string ClipboardRefusal(size_t size) {
  HGLOBAL trial = GlobalAlloc(GMEM_MOVEABLE, size + 1);
  if (trial == nullptr) return "not enough memory for the clipboard's text (" + Megabytes(static_cast<long long>(size)) + ")";
  GlobalFree(trial);
  return "the clipboard is busy";
}

// A note about a file the commands read, on the error stream as every note is.
void Note(const std::string& file, const std::string& note) {
  std::cerr << "tagkeeper-host: " << file << ": note: " << note << "\n";
}

// Drops a leading UTF-8 byte order mark, which editors write and which is no
// part of a text; says whether there was one.
bool DropByteOrderMark(std::string& text) {
  const bool marked = text.rfind("\xEF\xBB\xBF", 0) == 0;
  if (marked) text.erase(0, 3);
  return marked;
}

// Lines as the plug-in's parse counts them: one per line feed, and a last
// one without.
size_t LineCount(const std::string& text) {
  size_t lines = 0;
  for (char c : text) lines += c == '\n';
  return lines + (!text.empty() && text.back() != '\n');
}

std::string Counted(size_t count, const char* what) {
  return std::to_string(count) + " " + what + (count == 1 ? "" : "s");
}

class HostProgram {
 public:
  int Run(int argc, char** argv);

 private:
  int Fail(int status, const std::string& message) {
    std::cerr << "tagkeeper-host: " << message << "\n";
    return status;
  }
  // Whether every file the commands read can be read, and every file they
  // write can be written, before the first command runs: a file that an
  // earlier command writes counts as readable.
  int CheckFiles();
  int LoadPlugin();
  int RunCommand(const Command& command);
  void ShowInfo();
  void ShowDocument();
  // False when the entry did not run.
  bool RunMenuEntry(int index);
  std::string ClipboardText(bool* present = nullptr);
  // Puts the UTF-8 text of file on the clipboard as a Unicode editor would;
  // cut: the file's text ended at a NUL.
  int PutUnicodeFile(const std::string& file, std::string text, bool cut);

  CommandLine line_;
  Document doc_;
  SceneLayout layout_;
  PluginLibrary plugin_;
};

int HostProgram::Run(int argc, char** argv) {
  std::string error;
  if (!ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc), line_, error)) {
    return Fail(kExitUsage, error + " (see --help)");
  }
  if (line_.help) {
    std::cout << UsageText();
    return 0;
  }
  if (line_.plugin_path.empty()) line_.plugin_path = DefaultPluginPath();
  if (const int status = CheckFiles()) return status;
  if (!line_.scene_path.empty()) {
    SceneError scene_error;
    std::vector<SceneError> warnings;
    const bool loaded = LoadScene(line_.scene_path, doc_, layout_, warnings, scene_error);
    for (const SceneError& warning : warnings) std::cerr << "tagkeeper-host: " << warning.ToString() << "\n";
    if (!loaded) return Fail(kExitUsage, scene_error.ToString());
  }

  if (const int status = LoadPlugin()) return status;

  if (line_.commands.empty()) {
    ShowInfo();
    ShowDocument();
    return 0;
  }
  for (const Command& command : line_.commands) {
    const int status = RunCommand(command);
    std::cout << std::flush;  // each command's output as it ends
    if (status) return status;
  }
  return 0;
}

int HostProgram::CheckFiles() {
  std::vector<std::string> written;
  if (!line_.scene_path.empty()) {
    const std::string reason = UnreadableReason(line_.scene_path);
    if (!reason.empty()) return Fail(kExitUsage, FileProblem("cannot read the scene file", line_.scene_path, reason));
  }
  if (std::any_of(line_.commands.begin(), line_.commands.end(),
                  [](const Command& command) { return command.kind == Command::Kind::Save; })) {
    const std::string reason = UnwritableReason(line_.scene_path);
    if (!reason.empty()) return Fail(kExitUsage, FileProblem("save: cannot write", line_.scene_path, reason));
  }
  for (const Command& command : line_.commands) {
    const std::string& file = command.argument;
    if (command.kind == Command::Kind::ClipFrom &&
        std::find(written.begin(), written.end(), file) == written.end()) {
      const std::string reason = UnreadableReason(file);
      if (!reason.empty()) return Fail(kExitUsage, FileProblem("clip-from: cannot read", file, reason));
    }
    if (command.kind == Command::Kind::ClipTo || command.kind == Command::Kind::SaveAs) {
      const std::string reason = UnwritableReason(file);
      const std::string verb = command.kind == Command::Kind::ClipTo ? "clip-to" : "save-as";
      if (!reason.empty()) return Fail(kExitUsage, FileProblem(verb + ": cannot write", file, reason));
      written.push_back(file);
    }
  }
  return 0;
}

int HostProgram::LoadPlugin() {
  if (!plugin_.Load(line_.plugin_path)) return Fail(kExitPlugin, plugin_.error());
  const PluginExports& mq = plugin_.exports();
  if (mq.MQCheckVersion(kOldestHostVersion) == 0) {
    std::ostringstream message;
    message << "the plug-in refuses this host's version 0x" << std::hex << kOldestHostVersion;
    return Fail(kExitPlugin, message.str());
  }
  const std::string self = OwnExecutablePath();
  if (!mq.MQInit(self.c_str())) return Fail(kExitPlugin, "MQInit could not bind the host functions of " + self);
  const int kind = mq.MQGetPlugInType();
  if (kind != kKindSelect) {
    return Fail(kExitPlugin, "the plug-in is of kind " + std::to_string(kind) + ", not a selection plug-in (" + std::to_string(kKindSelect) + ")");
  }
  // The same target rules as the plug-in's, for marking targets in 'show'.
  if (!host::BindHostFunctions(self.c_str())) return Fail(kExitPlugin, "cannot bind this program's own exports");
  Log().enabled = false;
  return 0;
}

int HostProgram::RunCommand(const Command& command) {
  const std::string& file = command.argument;
  switch (command.kind) {
    case Command::Kind::Menu: return RunMenuEntry(command.menu_index) ? 0 : kExitNotRun;
    case Command::Kind::Info: ShowInfo(); return 0;
    case Command::Kind::Show: ShowDocument(); return 0;
    case Command::Kind::ClipFrom: {
      std::string text, reason;
      bool nul = false;
      if (!ReadClipboardFile(file, text, nul, reason)) {
        return Fail(kExitUsage, FileProblem("clip-from: cannot read", file, reason));
      }
      if (command.unicode) return PutUnicodeFile(file, std::move(text), nul);
      const bool marked = DropByteOrderMark(text);
      if (!PutClipboardText(text)) return Fail(kExitUsage, "clip-from: " + ClipboardRefusal(text.size()));
      std::cout << "== clipboard: the text of " << file << "\n" << std::flush;
      if (marked) Note(file, "starts with a byte order mark, which is no part of the text");
      if (nul) Note(file, "holds a NUL at byte " + std::to_string(text.size() + (marked ? 3 : 0)) + ": the clipboard's text ends there");
      return 0;
    }
    case Command::Kind::ClipTo: {
      bool present = false;
      const std::string text = ClipboardText(&present);
      if (!present) return Fail(kExitNotRun, "clip-to: no text on the clipboard; " + file + " is left as it was");
      if (!WriteFile(file, text)) {
        return Fail(kExitUsage, FileProblem("clip-to: cannot write", file, std::strerror(errno)));
      }
      std::cout << "== clipboard text written to " << file << "\n";
      return 0;
    }
    case Command::Kind::ClipShow: {
      // The text a restore reads: the Unicode text where it was placed first.
      if (ClipboardPrefersUnicode()) {
        const std::wstring wide = ClipboardUnicode();
        std::string utf8(wide.size() * 4, '\0');
        const int size = wide.empty() ? 0 : WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                                                &utf8[0], static_cast<int>(utf8.size()), nullptr, nullptr);
        utf8.resize(size > 0 ? static_cast<size_t>(size) : 0);
        std::cout << "== clipboard: Unicode text, shown as UTF-8 (what a restore reads)\n";
        ShowClipboardText(std::cout, utf8, true);
        return 0;
      }
      bool present = false;
      const std::string text = ClipboardText(&present);
      std::cout << "== clipboard\n";
      ShowClipboardText(std::cout, text, present);
      return 0;
    }
    case Command::Kind::ClipClear:
      if (!ClearClipboard()) return Fail(kExitUsage, "clip-clear: the clipboard is busy");
      std::cout << "== clipboard emptied\n";
      return 0;
    case Command::Kind::Save:
    case Command::Kind::SaveAs: {
      const std::string path = command.kind == Command::Kind::Save ? line_.scene_path : file;
      SceneError error;
      if (!SaveScene(path, doc_, layout_, error)) return Fail(kExitUsage, error.ToString());
      std::cout << "== scene saved to " << path << "\n";
      return 0;
    }
  }
  return 0;
}

void HostProgram::ShowInfo() {
  const PluginExports& mq = plugin_.exports();
  DWORD product = 0, id = 0;
  mq.MQGetPlugInID(&product, &id);
  const char* name = mq.MQGetPlugInName();
  std::cout << "plug-in: " << line_.plugin_path << "\n"
            << "  name: " << (name ? name : "(none)") << "\n"
            << std::hex << "  identifiers: product 0x" << product << ", plug-in 0x" << id << std::dec << "\n"
            << "  kind: " << mq.MQGetPlugInType() << " (selection)\n"
            << "  menu:\n";
  for (int index = 0; const char* entry = mq.MQEnumString(index); ++index) {
    std::cout << "    " << index << "  " << entry << "\n";
  }
}

void HostProgram::ShowDocument() {
  std::cout << "== scene " << (line_.scene_path.empty() ? "(empty)" : line_.scene_path) << "\n";
  ShowScene(std::cout, doc_, BuildObjectTargets(doc_.handle()), BuildMaterialTargets(doc_.handle()));
}

bool HostProgram::RunMenuEntry(int index) {
  const PluginExports& mq = plugin_.exports();
  const char* entry = mq.MQEnumString(index);
  const std::vector<std::string> objects = doc_.ObjectNames();
  const std::vector<std::string> materials = doc_.MaterialNames();
  const size_t unexpected = Log().unexpected().size();
  // What a restore has to work with, to say when lines and targets differ.
  const bool known = index >= 0 && static_cast<unsigned>(index) < kMenuSize;
  const bool restores = known && !kMenuKinds[index].copies;
  const size_t lines = restores ? LineCount(ClipboardText()) : 0;
  const size_t targets =
      restores ? (kMenuKinds[index].materials ? BuildMaterialTargets(doc_.handle()) : BuildObjectTargets(doc_.handle())).size() : 0;

  // A restore reads the text placed first; say so when that is Unicode text.
  const bool unicode = restores && ClipboardPrefersUnicode();

  const BOOL result = mq.MQModifySelect(index, doc_.handle());

  std::cout << "== menu " << index << " " << (entry ? "\"" + std::string(entry) + "\"" : "(no such entry)")
            << ": " << (result ? "done" : entry ? "the plug-in reported failure" : "not run") << "\n";
  if (unicode && result) std::cout << "  read the clipboard's Unicode text\n";
  const bool copies = known && kMenuKinds[index].copies;
  if (doc_.ObjectNames() == objects && doc_.MaterialNames() == materials) {
    if (!copies || !result) std::cout << "  no names changed\n";
  } else {
    if (doc_.ObjectNames() != objects) ShowRenames(std::cout, "object", objects, doc_.ObjectNames());
    if (doc_.MaterialNames() != materials) ShowRenames(std::cout, "material", materials, doc_.MaterialNames());
  }
  if (restores && result && lines != targets) {
    std::cout << "  " << Counted(lines, "line") << " for " << Counted(targets, "target") << ": "
              << Counted(std::min(lines, targets), "line") << " used, "
              << (lines > targets ? Counted(lines - targets, "line") + " left over"
                                  : Counted(targets - lines, "target") +
                                        (targets - lines == 1 ? " kept its name" : " kept their names"))
              << "\n";
  }
  if (known && kMenuKinds[index].copies) {
    std::cout << "  clipboard now: " << ClipboardText().size() << " bytes\n";
  }
  for (size_t i = unexpected; i < Log().unexpected().size(); ++i) {
    std::cout << "  warning: the plug-in called " << Log().unexpected()[i] << ", which this host does not serve\n";
  }
  return result != 0;
}

int HostProgram::PutUnicodeFile(const std::string& file, std::string text, bool cut) {
  const bool marked = DropByteOrderMark(text);
  std::wstring wide(text.size() + 1, L'\0');
  const int length = text.empty() ? 0
                                  : MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(),
                                                        static_cast<int>(text.size()), &wide[0],
                                                        static_cast<int>(wide.size()));
  if (!text.empty() && length <= 0) return Fail(kExitUsage, "clip-from: " + file + " is not UTF-8 text");
  wide.resize(static_cast<size_t>(length));
  if (!PutClipboardUnicode(wide)) return Fail(kExitUsage, "clip-from: " + ClipboardRefusal(wide.size() * sizeof(wchar_t)));
  std::cout << "== clipboard: the text of " << file << " as Unicode text, with an English keyboard layout's locale\n"
            << std::flush;
  if (marked) Note(file, "starts with a byte order mark, which is no part of the text");
  if (cut) Note(file, "holds a NUL: the clipboard's text ends there");
  return 0;
}

std::string HostProgram::ClipboardText(bool* present) {
  bool absent = true;
  std::string block = ClipboardBlock(&absent);
  if (present) *present = !absent;
  if (!block.empty() && block.back() == '\0') block.pop_back();
  return block;
}

}  // namespace

int RunHostProgram(int argc, char** argv) {
  // Buffered whatever the output is (the Windows runtime writes a character at
  // a time to what it takes for a console, /dev/null among them); flushed as
  // each command ends, and before anything goes to the error stream, to
  // which std::cerr is tied.
  std::setvbuf(stdout, nullptr, _IOFBF, 1 << 16);
  // A host sets its own locale; the plug-in converts names in it.
  if (std::setlocale(LC_ALL, "") == nullptr) std::setlocale(LC_ALL, "C.UTF-8");
  try {
    return HostProgram().Run(argc, argv);
  } catch (const std::bad_alloc&) {
    std::cerr << "tagkeeper-host: not enough memory\n";
    return kExitUsage;
  } catch (const std::exception& error) {
    std::cerr << "tagkeeper-host: " << error.what() << "\n";
    return kExitUsage;
  }
}

}  // namespace testhost
