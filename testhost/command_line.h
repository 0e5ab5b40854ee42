#pragma once
// The stand-in host's command line, read whole before anything runs:
//   tagkeeper-host [--plugin PATH] [SCENE] [COMMAND ...]
// Options may stand anywhere a command may, up to a "--", after which every
// word is a scene, a command or an argument; --help among them wins.
#include <string>
#include <vector>

namespace testhost {

struct Command {
  enum class Kind { Menu, Info, Show, ClipFrom, ClipTo, ClipShow, ClipClear, Save, SaveAs };
  Kind kind;
  int menu_index = 0;    // Menu
  std::string argument;  // ClipFrom, ClipTo, SaveAs: the file
  bool unicode = false;  // ClipFrom --unicode: the file is UTF-8, placed as Unicode text
};

struct CommandLine {
  bool help = false;
  std::string plugin_path;  // empty: the plug-in beside the program
  std::string scene_path;   // empty: no scene
  std::vector<Command> commands;
};

// Reads args into line; false with error set when they do not make one.
bool ParseCommandLine(const std::vector<std::string>& args, CommandLine& line, std::string& error);

// The usage text of --help.
std::string UsageText();

}  // namespace testhost
