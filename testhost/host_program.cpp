#include "host_program.h"

#include <clocale>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "call_log.h"
#include "document.h"
#include "host_clipboard.h"
#include "host_table.h"
#include "plugin_library.h"
#include "scene_file.h"
#include "scene_view.h"
#include "target_list.h"

namespace testhost {

namespace {

constexpr DWORD kHostVersion = 0x4403;
constexpr int kSelectionKind = 5;
constexpr int kExitPlugin = 1;  // the plug-in could not be loaded or set up
constexpr int kExitUsage = 2;   // bad command line, scene or file

const char kUsage[] =
    "usage: tagkeeper-host [--plugin PATH] [SCENE] [COMMAND ...]\n"
    "\n"
    "Loads the plug-in as the host does (version handshake, MQInit with this\n"
    "program's path), opens SCENE and runs the commands in the order given.\n"
    "Without commands it runs 'info' and 'show'.\n"
    "\n"
    "commands:\n"
    "  info                   the plug-in's name, identifiers, kind and menu\n"
    "  show                   the object tree and the materials, targets marked\n"
    "  copy-objects           menu entry 0, \"copy ObjectNames\"\n"
    "  restore-objects        menu entry 1, \"restore ObjectNames\"\n"
    "  copy-materials         menu entry 2, \"copy MaterialNames\"\n"
    "  restore-materials      menu entry 3, \"restore MaterialNames\"\n"
    "  menu N                 menu entry N, whatever N is\n"
    "  clip-from FILE         put FILE's text on the clipboard\n"
    "  clip-to FILE           write the clipboard's text to FILE\n"
    "  clip-show              print the clipboard's text, line by line\n"
    "  clip-clear             empty the clipboard\n"
    "  save                   save the scene over SCENE\n"
    "  save-as FILE           save the scene to FILE\n"
    "\n"
    "options:\n"
    "  --plugin PATH          the plug-in library (default: the one beside this program)\n"
    "  --help                 this text\n"
    "\n"
    "examples:\n"
    "  tagkeeper-host examples/swap.scene show copy-objects clip-to names.txt\n"
    "  tagkeeper-host examples/swap.scene clip-from names.txt restore-objects show save\n"
    "  tagkeeper-host --plugin ./Tagkeeper.dll examples/materials.scene menu 2 clip-show\n"
    "\n"
    "Exit status: 0 done, 1 the plug-in could not be loaded or set up,\n"
    "2 a bad command line, scene file or file.\n";

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

bool ReadFile(const std::string& path, std::string& text) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream buffer;
  buffer << in.rdbuf();
  text = buffer.str();
  return !in.bad();
}

bool WriteFile(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
  out.flush();
  return static_cast<bool>(out);
}

// The commands; the first four run the menu entries of their index.
const char* const kCommands[] = {"copy-objects", "restore-objects", "copy-materials", "restore-materials",
                                 "info",         "show",            "menu",           "clip-from",
                                 "clip-to",      "clip-show",       "clip-clear",     "save",
                                 "save-as"};
constexpr int kMenuCommands = 4;

bool IsCommand(const std::string& word) {
  for (const char* command : kCommands) {
    if (word == command) return true;
  }
  return false;
}

class HostProgram {
 public:
  int Run(int argc, char** argv);

 private:
  int Fail(int status, const std::string& message) {
    std::cerr << "tagkeeper-host: " << message << "\n";
    return status;
  }
  int LoadPlugin();
  int RunCommand(const std::vector<std::string>& args, size_t& next);
  void ShowInfo();
  void ShowDocument();
  void RunMenuEntry(int index);
  std::string ClipboardText(bool* present = nullptr);

  std::string plugin_path_;
  std::string scene_path_;
  Document doc_;
  PluginLibrary plugin_;
};

int HostProgram::Run(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  size_t next = 0;
  plugin_path_ = DefaultPluginPath();
  while (next < args.size() && args[next].rfind("--", 0) == 0) {
    if (args[next] == "--help") {
      std::cout << kUsage;
      return 0;
    }
    if (args[next] == "--plugin" && next + 1 < args.size()) {
      plugin_path_ = args[next + 1];
      next += 2;
      continue;
    }
    return Fail(kExitUsage, "unknown option " + args[next] + " (see --help)");
  }
  if (next < args.size() && !IsCommand(args[next])) scene_path_ = args[next++];
  if (!scene_path_.empty()) {
    SceneError error;
    if (!LoadScene(scene_path_, doc_, error)) return Fail(kExitUsage, error.ToString());
  }

  if (const int status = LoadPlugin()) return status;

  if (next == args.size()) {
    ShowInfo();
    ShowDocument();
    return 0;
  }
  while (next < args.size()) {
    if (const int status = RunCommand(args, next)) return status;
  }
  return 0;
}

int HostProgram::LoadPlugin() {
  if (!plugin_.Load(plugin_path_)) return Fail(kExitPlugin, plugin_.error());
  const PluginExports& mq = plugin_.exports();
  const DWORD answer = mq.MQCheckVersion(kHostVersion);
  if (answer == 0) {
    std::ostringstream message;
    message << "the plug-in refuses this host's version 0x" << std::hex << kHostVersion;
    return Fail(kExitPlugin, message.str());
  }
  const std::string self = OwnExecutablePath();
  if (!mq.MQInit(self.c_str())) return Fail(kExitPlugin, "MQInit could not bind the host functions of " + self);
  const int kind = mq.MQGetPlugInType();
  if (kind != kSelectionKind) {
    return Fail(kExitPlugin, "the plug-in is of kind " + std::to_string(kind) + ", not a selection plug-in (5)");
  }
  // The same target rules as the plug-in's, for marking targets in 'show'.
  if (!host::BindHostFunctions(self.c_str())) return Fail(kExitPlugin, "cannot bind this program's own exports");
  Log().enabled = false;
  return 0;
}

int HostProgram::RunCommand(const std::vector<std::string>& args, size_t& next) {
  const std::string command = args[next++];
  const auto argument = [&](std::string& value) {
    if (next >= args.size()) return false;
    value = args[next++];
    return true;
  };
  for (int index = 0; index < kMenuCommands; ++index) {
    if (command == kCommands[index]) return RunMenuEntry(index), 0;
  }
  std::string value;
  if (command == "info") return ShowInfo(), 0;
  if (command == "show") return ShowDocument(), 0;
  if (command == "menu") {
    char* end = nullptr;
    if (!argument(value)) return Fail(kExitUsage, "menu: expected a menu index");
    const long long index = std::strtoll(value.c_str(), &end, 10);
    if (*end != '\0' || value.empty() || index < -2147483647LL - 1 || index > 2147483647LL) {
      return Fail(kExitUsage, "menu: expected a menu index, not " + value);
    }
    return RunMenuEntry(static_cast<int>(index)), 0;
  }
  if (command == "clip-from") {
    std::string text;
    if (!argument(value)) return Fail(kExitUsage, "clip-from: expected a file name");
    if (!ReadFile(value, text)) return Fail(kExitUsage, "clip-from: cannot read " + value);
    if (!PutClipboardText(text.substr(0, text.find('\0')))) return Fail(kExitUsage, "clip-from: the clipboard is busy");
    std::cout << "== clipboard: the text of " << value << "\n";
    return 0;
  }
  if (command == "clip-to") {
    if (!argument(value)) return Fail(kExitUsage, "clip-to: expected a file name");
    if (!WriteFile(value, ClipboardText())) return Fail(kExitUsage, "clip-to: cannot write " + value);
    std::cout << "== clipboard text written to " << value << "\n";
    return 0;
  }
  if (command == "clip-show") {
    bool present = false;
    const std::string text = ClipboardText(&present);
    std::cout << "== clipboard\n";
    ShowClipboardText(std::cout, text, present);
    return 0;
  }
  if (command == "clip-clear") {
    if (!ClearClipboard()) return Fail(kExitUsage, "clip-clear: the clipboard is busy");
    std::cout << "== clipboard emptied\n";
    return 0;
  }
  if (command == "save" || command == "save-as") {
    std::string path = scene_path_;
    if (command == "save-as" && !argument(path)) return Fail(kExitUsage, "save-as: expected a file name");
    if (path.empty()) return Fail(kExitUsage, "save: no scene file was given");
    SceneError error;
    if (!SaveScene(path, doc_, error)) return Fail(kExitUsage, error.ToString());
    std::cout << "== scene saved to " << path << "\n";
    return 0;
  }
  return Fail(kExitUsage, "unknown command " + command + " (see --help)");
}

void HostProgram::ShowInfo() {
  const PluginExports& mq = plugin_.exports();
  DWORD product = 0, id = 0;
  mq.MQGetPlugInID(&product, &id);
  const char* name = mq.MQGetPlugInName();
  std::cout << "plug-in: " << plugin_path_ << "\n"
            << "  name: " << (name ? name : "(none)") << "\n"
            << std::hex << "  identifiers: product 0x" << product << ", plug-in 0x" << id << std::dec << "\n"
            << "  kind: " << mq.MQGetPlugInType() << " (selection)\n"
            << "  menu:\n";
  for (int index = 0; const char* entry = mq.MQEnumString(index); ++index) {
    std::cout << "    " << index << "  " << entry << "\n";
  }
}

void HostProgram::ShowDocument() {
  std::cout << "== scene " << (scene_path_.empty() ? "(empty)" : scene_path_) << "\n";
  ShowScene(std::cout, doc_, BuildObjectTargets(doc_.handle()), BuildMaterialTargets(doc_.handle()));
}

void HostProgram::RunMenuEntry(int index) {
  const PluginExports& mq = plugin_.exports();
  const char* entry = mq.MQEnumString(index);
  const std::vector<std::string> objects = doc_.ObjectNames();
  const std::vector<std::string> materials = doc_.MaterialNames();
  const size_t unexpected = Log().unexpected().size();

  const BOOL result = mq.MQModifySelect(index, doc_.handle());

  std::cout << "== menu " << index << " " << (entry ? "\"" + std::string(entry) + "\"" : "(no such entry)")
            << ": " << (result ? "done" : "not run") << "\n";
  if (doc_.ObjectNames() == objects && doc_.MaterialNames() == materials) {
    std::cout << "  no names changed\n";
  } else {
    if (doc_.ObjectNames() != objects) ShowRenames(std::cout, "object", objects, doc_.ObjectNames());
    if (doc_.MaterialNames() != materials) ShowRenames(std::cout, "material", materials, doc_.MaterialNames());
  }
  if (index == 0 || index == 2) {
    bool present = false;
    const std::string text = ClipboardText(&present);
    std::cout << "  clipboard now: " << text.size() << " bytes\n";
  }
  for (size_t i = unexpected; i < Log().unexpected().size(); ++i) {
    std::cout << "  warning: the plug-in called " << Log().unexpected()[i] << ", which this host does not serve\n";
  }
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
  // A host sets its own locale; the plug-in converts names in it.
  if (std::setlocale(LC_ALL, "") == nullptr) std::setlocale(LC_ALL, "C.UTF-8");
  try {
    return HostProgram().Run(argc, argv);
  } catch (const std::exception& error) {
    std::cerr << "tagkeeper-host: " << error.what() << "\n";
    return kExitUsage;
  }
}

}  // namespace testhost
