#include "scene_file.h"

#include <windows.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#if !defined(_WIN32)
#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

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

bool IsBlank(const std::string& line) { return line.find_first_not_of(" \t") == std::string::npos; }

// The name as the host keeps it; cut says whether it was longer.
std::string Kept(const std::string& name, bool& cut) {
  cut = name.size() > kLongestName;
  return name.substr(0, kLongestName);
}

// Reads one line into doc and layout; returns what was expected when it does
// not fit. A name longer than the host keeps sets cut.
std::string ReadLine(std::string line, Document& doc, SceneLayout& layout, bool& cut) {
  cut = false;
  if (line.find('\0') != std::string::npos) return "a line without NUL bytes";
  if (IsBlank(line) || line[0] == '#') {
    layout.lines.push_back({SceneLayout::Kind::Verbatim, line});
    return "";
  }
  std::string keyword = NextWord(line);
  if (keyword == "no-object\r" || keyword == "no-material\r") {
    keyword.pop_back();
    return "nothing after '" + keyword + "', not a CR: the file's first line ends in LF alone, so LF ends its lines";
  }
  if (keyword == "no-object" || keyword == "no-material") {
    if (!line.empty()) return "nothing after '" + keyword + "'";
    const bool object = keyword == "no-object";
    object ? doc.AddAbsentObject() : doc.AddAbsentMaterial();
    layout.lines.push_back({object ? SceneLayout::Kind::Object : SceneLayout::Kind::Material, ""});
    return "";
  }
  if (keyword == "object") {
    int depth = 0;
    if (!ParseInt(NextWord(line), depth)) return "a depth (a whole number) after 'object'";
    Flags flags;
    if (!ParseFlags(NextWord(line), "sfx", flags)) return "flags after the depth: '-' or letters of 's', 'f', 'x'";
    const std::string name = Kept(line, cut);
    if (flags.foreign) {
      doc.AddForeignObject(name, depth, flags.folded, flags.selected);
    } else {
      doc.AddObject(name, depth, flags.folded, flags.selected);
    }
    layout.lines.push_back({SceneLayout::Kind::Object, ""});
    return "";
  }
  if (keyword == "material") {
    Flags flags;
    if (!ParseFlags(NextWord(line), "s", flags)) return "flags after 'material': '-' or 's'";
    doc.AddMaterial(Kept(line, cut), flags.selected);
    layout.lines.push_back({SceneLayout::Kind::Material, ""});
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

std::string ObjectLine(const Document& doc, int index) {
  const Object* object = doc.object(index);
  if (object == nullptr) return "no-object";
  return "object " + std::to_string(object->depth) + ' ' +
         FlagsOf(object->selected != 0, object->folded != 0, doc.is_foreign(index)) + ' ' + object->name;
}

std::string MaterialLine(const Document& doc, int index) {
  const Material* material = doc.material(index);
  if (material == nullptr) return "no-material";
  return "material " + FlagsOf(material->selected != 0, false, false) + ' ' + material->name;
}

std::string SystemReason() { return std::strerror(errno); }

#if defined(_WIN32)
// A new file of a name no other file has, beside path.
bool CreateTemporaryBeside(const std::string& path, std::string& temporary, std::string& reason) {
  const size_t slash = path.find_last_of("/\\");
  const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash);
  char name[MAX_PATH];
  if (GetTempFileNameA(folder.c_str(), "tks", 0, name) == 0) {
    reason = "no temporary file beside it";
    return false;
  }
  temporary = name;
  return true;
}

bool WriteTemporary(const std::string& temporary, const std::string&, const std::string& text, std::string& reason) {
  std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
  out << text;
  out.flush();
  if (!out) reason = SystemReason();
  return static_cast<bool>(out);
}

bool Replace(const std::string& temporary, const std::string& path) {
  return MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
}

std::string Target(const std::string& path) { return path; }
#else
bool CreateTemporaryBeside(const std::string& path, std::string& temporary, std::string& reason) {
  const size_t slash = path.find_last_of('/');
  const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash);
  const std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
  std::string name = folder + "/." + base + ".saving-XXXXXX";
  const int fd = mkstemp(&name[0]);
  if (fd < 0) {
    reason = SystemReason();
    return false;
  }
  close(fd);
  temporary = name;
  return true;
}

// Writes text to the temporary file with the permissions of the file it will
// replace (or those of a new file).
bool WriteTemporary(const std::string& temporary, const std::string& path, const std::string& text,
                    std::string& reason) {
  struct stat old;
  mode_t mode;
  if (stat(path.c_str(), &old) == 0) {
    mode = old.st_mode & 07777;
  } else {
    const mode_t mask = umask(0);
    umask(mask);
    mode = 0666 & ~mask;
  }
  FILE* out = std::fopen(temporary.c_str(), "wb");
  if (out == nullptr) return reason = SystemReason(), false;
  const bool written = std::fwrite(text.data(), 1, text.size(), out) == text.size() && std::fflush(out) == 0 &&
                       fchmod(fileno(out), mode) == 0;
  if (!written) reason = SystemReason();
  return std::fclose(out) == 0 && written;
}

bool Replace(const std::string& temporary, const std::string& path) {
  return std::rename(temporary.c_str(), path.c_str()) == 0;
}

// The file a symbolic link leads to; path itself for anything else.
std::string Target(const std::string& path) {
  char resolved[PATH_MAX];
  struct stat link;
  if (lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode) && realpath(path.c_str(), resolved)) return resolved;
  return path;
}
#endif

}  // namespace

std::string SceneError::ToString() const {
  return line > 0 ? file + ":" + std::to_string(line) + ": " + message : file + ": " + message;
}

bool LoadScene(const std::string& path, Document& doc, SceneLayout& layout, std::vector<SceneError>& warnings,
               SceneError& error) {
  error = SceneError{path, 0, ""};
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error.message = "cannot open the scene file";
    return false;
  }
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    if (number == 1) layout.crlf = !line.empty() && line.back() == '\r' && !in.eof();
    if (layout.crlf && !line.empty() && line.back() == '\r') line.pop_back();
    bool cut = false;
    const std::string expected = ReadLine(line, doc, layout, cut);
    if (!expected.empty()) {
      error.line = number;
      error.message = "expected " + expected;
      return false;
    }
    if (cut) {
      warnings.push_back({path, number, "warning: name cut to " + std::to_string(kLongestName) +
                                            " bytes, the longest the host keeps"});
    }
  }
  if (in.bad()) {
    error.message = "cannot read the scene file";
    return false;
  }
  return true;
}

std::string SceneText(const Document& doc, const SceneLayout& layout) {
  std::ostringstream out;
  const char* end = layout.crlf ? "\r\n" : "\n";
  int objects = 0, materials = 0;
  for (const SceneLayout::Line& line : layout.lines) {
    switch (line.kind) {
      case SceneLayout::Kind::Verbatim: out << line.text << end; break;
      case SceneLayout::Kind::Object:
        if (objects < doc.object_count()) out << ObjectLine(doc, objects++) << end;
        break;
      case SceneLayout::Kind::Material:
        if (materials < doc.material_count()) out << MaterialLine(doc, materials++) << end;
        break;
    }
  }
  while (objects < doc.object_count()) out << ObjectLine(doc, objects++) << end;
  while (materials < doc.material_count()) out << MaterialLine(doc, materials++) << end;
  return out.str();
}

bool SaveScene(const std::string& path, const Document& doc, const SceneLayout& layout, SceneError& error) {
  error = SceneError{path, 0, ""};
  const std::string target = Target(path);
  std::string temporary, reason;
  if (!CreateTemporaryBeside(target, temporary, reason)) {
    error.message = "cannot save: " + reason;
    return false;
  }
  if (!WriteTemporary(temporary, target, SceneText(doc, layout), reason)) {
    error.message = "cannot save: " + reason;
    std::remove(temporary.c_str());
    return false;
  }
  if (!Replace(temporary, target)) {
    error.message = "cannot replace the scene file";
    std::remove(temporary.c_str());
    return false;
  }
  return true;
}

}  // namespace testhost
