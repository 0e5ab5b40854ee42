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

bool IsSeparator(char c) { return c == ' ' || c == '\t'; }

// The words of a line: each next word after any run of blanks and tabs.
class Words {
 public:
  explicit Words(const std::string& line) : line_(line) {}
  // The next word, after any blanks and tabs; empty at the line's end.
  std::string Next() {
    while (at_ < line_.size() && IsSeparator(line_[at_])) ++at_;
    const size_t start = at_;
    while (at_ < line_.size() && !IsSeparator(line_[at_])) ++at_;
    return line_.substr(start, at_ - start);
  }
  // Where the name begins: after the one blank or tab that follows the last
  // word (a name may begin with blanks), or the line's end.
  size_t NameStart() const { return at_ < line_.size() ? at_ + 1 : at_; }
  bool AtEnd() {
    while (at_ < line_.size() && IsSeparator(line_[at_])) ++at_;
    return at_ == line_.size();
  }

 private:
  const std::string& line_;
  size_t at_ = 0;
};

// The depth word's value, or what is wrong with it.
std::string ParseDepth(const std::string& text, int& value) {
  const char* digits = text.c_str() + (text[0] == '-' || text[0] == '+' ? 1 : 0);
  if (text.empty() || *digits < '0' || *digits > '9' || text.find_first_not_of("0123456789", digits - text.c_str()) != std::string::npos) {
    return "a depth (a whole number) after 'object'";
  }
  if (text[0] == '-' && text.find_first_not_of("0", 1) != std::string::npos) {
    return "a depth of 0 or more after 'object', not " + text;
  }
  errno = 0;
  const long long parsed = std::strtoll(text.c_str(), nullptr, 10);
  if (errno == ERANGE || parsed > 2147483647LL) return "a depth of at most 2147483647 after 'object', not " + text;
  value = static_cast<int>(parsed);
  return "";
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

// A comment or a blank line, after any blanks and tabs.
bool IsVerbatim(const std::string& line) {
  const size_t first = line.find_first_not_of(" \t");
  return first == std::string::npos || line[first] == '#';
}

// Reads one line into doc and scene_line; returns what was expected when it
// does not fit. A name longer than the host keeps sets cut.
std::string ReadLine(const std::string& line, Document& doc, SceneLayout::Line& scene_line, bool& cut) {
  cut = false;
  scene_line.text = line;
  if (line.find('\0') != std::string::npos) return "a line without NUL bytes";
  if (IsVerbatim(line)) {
    scene_line.kind = SceneLayout::Kind::Verbatim;
    return "";
  }
  Words words(line);
  std::string keyword = words.Next();
  if (keyword == "no-object\r" || keyword == "no-material\r") {
    keyword.pop_back();
    return "nothing after '" + keyword + "', not a CR: the file's first line ends in LF alone, so LF ends its lines";
  }
  if (keyword == "no-object" || keyword == "no-material") {
    if (!words.AtEnd()) return "nothing after '" + keyword + "'";
    const bool object = keyword == "no-object";
    object ? doc.AddAbsentObject() : doc.AddAbsentMaterial();
    scene_line.kind = object ? SceneLayout::Kind::Object : SceneLayout::Kind::Material;
    return "";
  }
  if (keyword == "object") {
    int depth = 0;
    const std::string depth_error = ParseDepth(words.Next(), depth);
    if (!depth_error.empty()) return depth_error;
    Flags flags;
    if (!ParseFlags(words.Next(), "sfx", flags)) return "flags after the depth: '-' or letters of 's', 'f', 'x'";
    scene_line.name_start = words.NameStart();
    const std::string name = line.substr(scene_line.name_start);
    cut = KeptName(name) != name;
    if (flags.foreign) {
      doc.AddForeignObject(name, depth, flags.folded, flags.selected);
    } else {
      doc.AddObject(name, depth, flags.folded, flags.selected);
    }
    scene_line.kind = SceneLayout::Kind::Object;
    return "";
  }
  if (keyword == "material") {
    Flags flags;
    if (!ParseFlags(words.Next(), "s", flags)) return "flags after 'material': '-' or 's'";
    scene_line.name_start = words.NameStart();
    const std::string name = line.substr(scene_line.name_start);
    cut = KeptName(name) != name;
    doc.AddMaterial(name, flags.selected);
    scene_line.kind = SceneLayout::Kind::Material;
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

// The plain line of the object (material) at index: what precedes its name,
// and its name (none for an index that holds nothing).
SceneLayout::Plain PlainLine(const Document& doc, bool object, int index) {
  if (object) {
    const Object* found = doc.object(index);
    if (found == nullptr) return {"no-object", ""};
    return {"object " + std::to_string(found->depth) + ' ' +
                FlagsOf(found->selected != 0, found->folded != 0, doc.is_foreign(index)) + ' ',
            found->name};
  }
  const Material* found = doc.material(index);
  if (found == nullptr) return {"no-material", ""};
  return {"material " + FlagsOf(found->selected != 0, false, false) + ' ', found->name};
}

std::string SystemReason() { return std::strerror(errno); }

// A scene line holds a few words and a name: a longer one is no scene's, and
// reading stops there, so that a huge or binary file costs little memory.
constexpr size_t kLongestLine = 64 * 1024;

enum class LineRead { Line, End, Nul, TooLong };

// The next line, without its line feed (feed tells whether it had one). A
// NUL or a line longer than kLongestLine stops the reading at once.
LineRead NextLine(std::streambuf& in, std::string& line, bool& feed) {
  line.clear();
  feed = false;
  for (int c; (c = in.sbumpc()) != std::char_traits<char>::eof();) {
    if (c == '\n') return feed = true, LineRead::Line;
    if (c == '\0') return LineRead::Nul;
    if (line.size() == kLongestLine) return LineRead::TooLong;
    line += static_cast<char>(c);
  }
  return line.empty() ? LineRead::End : LineRead::Line;
}

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

// Wine shows a symbolic link as the file it leads to, and a new file gets
// the default permissions: so the text goes into the existing file, which
// keeps the link and the file's mode, once the temporary file holds all of it
// (a failed write leaves the scene there). A new file is the temporary one.
bool Replace(const std::string& temporary, const std::string& path) {
  if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
    return MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
  }
  std::ifstream in(temporary, std::ios::binary);
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << in.rdbuf();
  out.flush();
  if (!in || !out) return false;
  out.close();
  in.close();
  std::remove(temporary.c_str());
  return true;
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
// replace (or those of a new file), and its owner where this process may give
// it (as root).
bool WriteTemporary(const std::string& temporary, const std::string& path, const std::string& text,
                    std::string& reason) {
  struct stat old;
  mode_t mode;
  const bool replaces = stat(path.c_str(), &old) == 0;
  if (replaces) {
    mode = old.st_mode & 07777;
  } else {
    const mode_t mask = umask(0);
    umask(mask);
    mode = 0666 & ~mask;
  }
  FILE* out = std::fopen(temporary.c_str(), "wb");
  if (out == nullptr) return reason = SystemReason(), false;
  // Another user's file stays theirs where the owner can be given; elsewhere
  // the saved file is this user's, as any new file is.
  if (replaces && (old.st_uid != geteuid() || old.st_gid != getegid())) {
    [[maybe_unused]] const int given = fchown(fileno(out), old.st_uid, old.st_gid);
  }
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
    error.message = "cannot read the scene file: " + SystemReason();
    return false;
  }
  std::string line;
  bool feed = false;
  for (int number = 1;; ++number) {
    const LineRead read = NextLine(*in.rdbuf(), line, feed);
    if (read == LineRead::End) break;
    if (read != LineRead::Line) {
      error.line = number;
      error.message = read == LineRead::Nul ? "expected a line without NUL bytes"
                                            : "expected a line of at most " + std::to_string(kLongestLine) + " bytes";
      return false;
    }
    if (number == 1) {
      const std::string bom = "\xEF\xBB\xBF";
      layout.bom = line.rfind(bom, 0) == 0;
      if (layout.bom) {
        line.erase(0, bom.size());
        warnings.push_back({path, 0, "note: the file starts with a byte order mark, which is no part of the scene"});
      }
      layout.crlf = feed && !line.empty() && line.back() == '\r';
    }
    SceneLayout::Line scene_line;
    scene_line.end = feed ? "\n" : "";
    if (layout.crlf && feed && !line.empty() && line.back() == '\r') {
      line.pop_back();
      scene_line.end = "\r\n";
    }
    bool cut = false;
    const std::string expected = ReadLine(line, doc, scene_line, cut);
    if (!expected.empty()) {
      error.line = number;
      error.message = "expected " + expected;
      return false;
    }
    if (scene_line.kind != SceneLayout::Kind::Verbatim) {
      const bool object = scene_line.kind == SceneLayout::Kind::Object;
      scene_line.read = PlainLine(doc, object, (object ? doc.object_count() : doc.material_count()) - 1);
    }
    layout.lines.push_back(scene_line);
    if (cut) {
      warnings.push_back({path, number, "warning: name cut to " + std::to_string(kLongestName) +
                                            " bytes, the longest the host keeps"});
    }
  }
  return true;
}

std::string SceneText(const Document& doc, const SceneLayout& layout) {
  std::string out = layout.bom ? "\xEF\xBB\xBF" : "";
  int objects = 0, materials = 0;
  for (const SceneLayout::Line& line : layout.lines) {
    if (line.kind == SceneLayout::Kind::Verbatim) {
      out += line.text + line.end;
      continue;
    }
    const bool object = line.kind == SceneLayout::Kind::Object;
    int& index = object ? objects : materials;
    if (index >= (object ? doc.object_count() : doc.material_count())) continue;
    const SceneLayout::Plain now = PlainLine(doc, object, index++);
    // A line stays as it was read while what it holds is as it was then; one
    // whose name alone changed keeps what stands before its name.
    if (now.before_name != line.read.before_name) {
      out += now.before_name + now.name + line.end;
    } else if (now.name != line.read.name) {
      out += line.text.substr(0, line.name_start) + now.name + line.end;
    } else {
      out += line.text + line.end;
    }
  }
  const auto append_plain = [&](bool object, int index) {
    const SceneLayout::Plain plain = PlainLine(doc, object, index);
    out += plain.before_name + plain.name + (layout.crlf ? "\r\n" : "\n");
  };
  for (; objects < doc.object_count(); ++objects) append_plain(true, objects);
  for (; materials < doc.material_count(); ++materials) append_plain(false, materials);
  return out;
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
    error.message = "cannot replace the scene file; the saved scene is in " + temporary;
    return false;
  }
  return true;
}

}  // namespace testhost
