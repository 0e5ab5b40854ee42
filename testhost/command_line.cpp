#include "command_line.h"

#include <cctype>
#include <cstdlib>

#include "menu_list.h"

namespace testhost {

namespace {

struct Verb {
  const char* name;
  Command::Kind kind;
  const char* argument;  // what the command takes, or null
  const char* help;
};

struct MenuVerb {
  const char* verb;
  const char* text;
};
#define TK_MENU_VERB(text, command, verb, ...) {verb, text},
constexpr MenuVerb kMenuVerbs[] = {TK_MENU_ENTRIES(TK_MENU_VERB)};
#undef TK_MENU_VERB

// The commands besides the menu entries, whose names come from the menu.
const Verb kVerbs[] = {
    {"info", Command::Kind::Info, nullptr, "the plug-in's name, identifiers, kind and menu"},
    {"show", Command::Kind::Show, nullptr, "the object tree and the materials, targets marked"},
    {"menu", Command::Kind::Menu, "N", "menu entry N, whatever N is"},
    {"clip-from", Command::Kind::ClipFrom, "[--unicode] FILE",
     "put FILE's text on the clipboard; --unicode: UTF-8\n"
     "                         text, placed as Unicode text as an editor does under\n"
     "                         an English keyboard layout"},
    {"clip-to", Command::Kind::ClipTo, "FILE", "write the clipboard's text to FILE"},
    {"clip-show", Command::Kind::ClipShow, nullptr, "print the clipboard's text, line by line"},
    {"clip-clear", Command::Kind::ClipClear, nullptr, "empty the clipboard"},
    {"save", Command::Kind::Save, nullptr, "save the scene over SCENE"},
    {"save-as", Command::Kind::SaveAs, "FILE", "save the scene to FILE"},
};

int MenuIndexOf(const std::string& word) {
  for (unsigned index = 0; index < kMenuSize; ++index) {
    if (word == kMenuVerbs[index].verb) return static_cast<int>(index);
  }
  return -1;
}

const Verb* VerbOf(const std::string& word) {
  for (const Verb& verb : kVerbs) {
    if (word == verb.name) return &verb;
  }
  return nullptr;
}

// A whole number alone: no blanks on either side.
bool ParseIndex(const std::string& text, int& index) {
  if (text.empty() || !(std::isdigit(static_cast<unsigned char>(text[0])) || text[0] == '-' || text[0] == '+')) {
    return false;
  }
  char* end = nullptr;
  const long long value = std::strtoll(text.c_str(), &end, 10);
  if (*end != '\0' || value < -2147483647LL - 1 || value > 2147483647LL) return false;
  index = static_cast<int>(value);
  return true;
}

}  // namespace

bool ParseCommandLine(const std::vector<std::string>& args, CommandLine& line, std::string& error) {
  // --help wins wherever it stands among the options, whatever else is there.
  for (const std::string& word : args) {
    if (word == "--") break;
    if (word == "--help") return line.help = true;
  }
  bool options = true;  // until "--", wherever it stands
  bool scene_given = false;
  // The next word that is no "--" ending the options.
  const auto next_word = [&](size_t& next) -> const std::string* {
    if (options && next < args.size() && args[next] == "--") options = false, ++next;
    return next < args.size() ? &args[next++] : nullptr;
  };
  for (size_t next = 0; next < args.size();) {
    const std::string& word = args[next++];
    if (options && word == "--") {
      options = false;
    } else if (options && word == "--plugin") {
      const std::string* path = next_word(next);
      if (path == nullptr) return error = "option --plugin needs a path", false;
      line.plugin_path = *path;
    } else if (options && word.size() > 1 && word[0] == '-') {
      return error = "unknown option " + word, false;
    } else if (const int index = MenuIndexOf(word); index >= 0) {
      line.commands.push_back({Command::Kind::Menu, index, "", false});
    } else if (const Verb* verb = VerbOf(word)) {
      Command command{verb->kind, 0, "", false};
      if (verb->kind == Command::Kind::ClipFrom && options && next < args.size() && args[next] == "--unicode") {
        command.unicode = true;
        ++next;
      }
      if (verb->argument) {
        const std::string* argument = next_word(next);
        if (argument == nullptr) {
          return error = word + (verb->kind == Command::Kind::Menu ? ": expected a menu index" : ": expected a file name"),
                 false;
        }
        command.argument = *argument;
        if (verb->kind == Command::Kind::Menu && !ParseIndex(command.argument, command.menu_index)) {
          return error = "menu: expected a menu index, not " + command.argument, false;
        }
      }
      line.commands.push_back(command);
    } else if (!scene_given && line.commands.empty()) {
      if (word.empty()) return error = "expected a scene file, not an empty word", false;
      line.scene_path = word;
      scene_given = true;
    } else {
      return error = "unknown command " + word, false;
    }
  }
  for (const Command& command : line.commands) {
    if (command.kind == Command::Kind::Save && line.scene_path.empty()) {
      return error = "save: no scene file was given", false;
    }
  }
  return true;
}

std::string UsageText() {
  std::string text =
      "usage: tagkeeper-host [--plugin PATH] [SCENE] [COMMAND ...]\n"
      "\n"
      "Loads the plug-in as the host does (version handshake, MQInit with this\n"
      "program's path), opens SCENE and runs the commands in the order given.\n"
      "The whole command line is checked before any command runs. Without\n"
      "commands it runs 'info' and 'show'.\n"
      "\n"
      "commands:\n";
  const auto row = [&](const std::string& left, const std::string& right) {
    text += "  " + left + (left.size() < 23 ? std::string(23 - left.size(), ' ') : "\n" + std::string(25, ' ')) + right +
            "\n";
  };
  for (const Verb& verb : kVerbs) {
    row(std::string(verb.name) + (verb.argument ? std::string(" ") + verb.argument : ""), verb.help);
    if (verb.kind == Command::Kind::Show) {
      for (unsigned index = 0; index < kMenuSize; ++index) {
        row(kMenuVerbs[index].verb, "menu entry " + std::to_string(index) + ", \"" + kMenuVerbs[index].text + "\"");
      }
    }
  }
  text +=
      "\n"
      "options:\n"
      "  --plugin PATH          the plug-in library (default: the one beside this program)\n"
      "  --help                 this text, wherever it stands\n"
      "  --                     ends the options: later words are scenes, commands and files\n"
      "\n"
      "examples:\n"
      "  tagkeeper-host examples/swap.scene show copy-objects clip-to names.txt\n"
      "  tagkeeper-host examples/swap.scene clip-from names.txt restore-objects show save\n"
#if defined(_WIN32)
      "  tagkeeper-host --plugin ./Tagkeeper.dll examples/robot.scene copy-materials clip-show\n"
#else
      "  tagkeeper-host --plugin ./Tagkeeper.so examples/robot.scene copy-materials clip-show\n"
#endif
      "\n"
      "Exit status: 0 done, 1 the plug-in could not be loaded or set up,\n"
      "2 a bad command line, scene file or file, 3 a command did not do its work\n"
      "(the plug-in reported failure, no such menu entry, no text for clip-to).\n";
  return text;
}

}  // namespace testhost
