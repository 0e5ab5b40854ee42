#include "scene_file.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace testhost {

namespace {

// Splits off the next blank-separated word of rest.
std::string NextWord(std::string& rest) {
  const size_t end = rest.find(' ');
  std::string word = rest.substr(0, end);
  rest = end == std::string::npos ? std::string() : rest.substr(end + 1);
  return word;
}

bool ParseInt(const std::string& text, int& value) {
  if (text.empty()) return false;
  char* end = nullptr;
  const long long parsed = std::strtoll(text.c_str(), &end, 10);
  if (*end != '\0' || parsed < -2147483647LL - 1 || parsed > 2147483647LL) return false;
  value = static_cast<int>(parsed);
  return true;
}

struct Flags {
  bool selected = false, folded = false, foreign = false;
};

bool ParseFlags(const std::string& text, const std::string& allowed, Flags& flags) {
  if (text == "-") return true;
  if (text.empty()) return false;
  for (char c : text) {
    if (allowed.find(c) == std::string::npos) return false;
    flags.selected |= c == 's';
    flags.folded |= c == 'f';
    flags.foreign |= c == 'x';
  }
  return true;
}

// Reads one line into doc; returns what was expected when it does not fit.
std::string ReadLine(std::string line, Document& doc) {
  if (line.find('\0') != std::string::npos) return "a line without NUL bytes";
  if (line.empty() || line[0] == '#') return "";
  const std::string keyword = NextWord(line);
  if (keyword == "no-object" || keyword == "no-material") {
    if (!line.empty()) return "nothing after '" + keyword + "'";
    keyword == "no-object" ? doc.AddAbsentObject() : doc.AddAbsentMaterial();
    return "";
  }
  if (keyword == "object") {
    int depth = 0;
    if (!ParseInt(NextWord(line), depth)) return "a depth (a whole number) after 'object'";
    Flags flags;
    if (!ParseFlags(NextWord(line), "sfx", flags)) return "flags after the depth: '-' or letters of 's', 'f', 'x'";
    if (flags.foreign) {
      doc.AddForeignObject(line, depth, flags.folded, flags.selected);
    } else {
      doc.AddObject(line, depth, flags.folded, flags.selected);
    }
    return "";
  }
  if (keyword == "material") {
    Flags flags;
    if (!ParseFlags(NextWord(line), "s", flags)) return "flags after 'material': '-' or 's'";
    doc.AddMaterial(line, flags.selected);
    return "";
  }
  return "'object', 'material', 'no-object', 'no-material' or a comment";
}

std::string FlagsOf(bool selected, bool folded, bool foreign) {
  std::string flags;
  if (selected) flags += 's';
  if (folded) flags += 'f';
  if (foreign) flags += 'x';
  return flags.empty() ? "-" : flags;
}

}  // namespace

std::string SceneError::ToString() const {
  return line > 0 ? file + ":" + std::to_string(line) + ": " + message : file + ": " + message;
}

bool LoadScene(const std::string& path, Document& doc, SceneError& error) {
  error = SceneError{path, 0, ""};
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error.message = "cannot open the scene file";
    return false;
  }
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    const std::string expected = ReadLine(line, doc);
    if (!expected.empty()) {
      error.line = number;
      error.message = "expected " + expected;
      return false;
    }
  }
  if (in.bad()) {
    error.message = "cannot read the scene file";
    return false;
  }
  return true;
}

std::string SceneText(const Document& doc) {
  std::ostringstream out;
  for (int index = 0; index < doc.object_count(); ++index) {
    const Object* object = doc.object(index);
    if (object == nullptr) {
      out << "no-object\n";
      continue;
    }
    out << "object " << object->depth << ' '
        << FlagsOf(object->selected != 0, object->folded != 0, doc.is_foreign(index)) << ' ' << object->name << '\n';
  }
  for (int index = 0; index < doc.material_count(); ++index) {
    const Material* material = doc.material(index);
    if (material == nullptr) {
      out << "no-material\n";
      continue;
    }
    out << "material " << FlagsOf(material->selected != 0, false, false) << ' ' << material->name << '\n';
  }
  return out.str();
}

bool SaveScene(const std::string& path, const Document& doc, SceneError& error) {
  error = SceneError{path, 0, ""};
  const std::string temporary = path + ".saving";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out << SceneText(doc);
    out.flush();
    if (!out) {
      error.message = "cannot write " + temporary;
      std::remove(temporary.c_str());
      return false;
    }
  }
#if defined(_WIN32)
  const bool replaced = MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
#else
  const bool replaced = std::rename(temporary.c_str(), path.c_str()) == 0;
#endif
  if (!replaced) {
    error.message = "cannot replace the scene file";
    std::remove(temporary.c_str());
    return false;
  }
  return true;
}

}  // namespace testhost
