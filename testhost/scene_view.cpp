#include "scene_view.h"

#include <algorithm>

namespace testhost {

std::string Shown(const std::string& name) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string shown = "\"";
  for (char c : name) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F) {
      shown += "\\x";
      shown += kHex[byte >> 4];
      shown += kHex[byte & 15];
    } else if (c == '\\' || c == '"') {
      shown += '\\';
      shown += c;
    } else {
      shown += c;
    }
  }
  return shown + "\"";
}

namespace {

// Whether an ascending list holds each index in turn: asked for ascending
// indices, it moves on through the list once, so a whole scene takes one pass.
class Marked {
 public:
  explicit Marked(const std::vector<int>& list) : list_(list) {}
  bool Holds(int index) {
    while (next_ < list_.size() && list_[next_] < index) ++next_;
    return next_ < list_.size() && list_[next_] == index;
  }

 private:
  const std::vector<int>& list_;
  size_t next_ = 0;
};

std::string Marks(bool target, bool selected, bool folded, bool foreign) {
  std::string marks = target ? "> " : "  ";
  marks += selected ? 'S' : '.';
  marks += folded ? 'F' : '.';
  marks += foreign ? 'X' : '.';
  return marks;
}

// Indentation by depth, bounded: depths are test input and may be huge.
constexpr int kDeepestIndent = 32;

std::string Indented(int depth) {
  const int level = depth < 0 ? 0 : depth > kDeepestIndent ? kDeepestIndent : depth;
  std::string indent(2 * static_cast<size_t>(level), ' ');
  if (depth > kDeepestIndent) indent += "(depth " + std::to_string(depth) + ") ";
  return indent;
}

std::string Index(int index) {
  std::string text = std::to_string(index);
  return std::string(text.size() < 4 ? 4 - text.size() : 0, ' ') + text;
}

}  // namespace

void ShowScene(std::ostream& out, const Document& doc, const std::vector<int>& object_targets,
               const std::vector<int>& material_targets) {
  out << "objects (> target, S selected, F folded, X not owned by the document):\n";
  if (doc.object_count() == 0) out << "  (none)\n";
  Marked object_marks(object_targets), material_marks(material_targets);
  for (int index = 0; index < doc.object_count(); ++index) {
    const Object* object = doc.object(index);
    if (object == nullptr) {
      out << "        " << Index(index) << "  (no object)\n";
      continue;
    }
    out << "  " << Marks(object_marks.Holds(index), object->selected != 0, object->folded != 0,
                         doc.is_foreign(index))
        << Index(index) << "  " << Indented(object->depth) << Shown(object->name) << "\n";
  }
  out << "materials (> target, S selected):\n";
  if (doc.material_count() == 0) out << "  (none)\n";
  for (int index = 0; index < doc.material_count(); ++index) {
    const Material* material = doc.material(index);
    if (material == nullptr) {
      out << "        " << Index(index) << "  (no material)\n";
      continue;
    }
    out << "  " << Marks(material_marks.Holds(index), material->selected != 0, false, false) << Index(index)
        << "  " << Shown(material->name) << "\n";
  }
}

void ShowRenames(std::ostream& out, const char* kind, const std::vector<std::string>& before,
                 const std::vector<std::string>& after) {
  bool changed = false;
  for (size_t i = 0; i < before.size() && i < after.size(); ++i) {
    if (before[i] == after[i]) continue;
    out << "  " << kind << ' ' << i << ": " << Shown(before[i]) << " -> " << Shown(after[i]) << "\n";
    changed = true;
  }
  if (!changed) out << "  no names changed\n";
}

void ShowClipboardText(std::ostream& out, const std::string& text, bool present) {
  if (!present) {
    out << "  (no text on the clipboard)\n";
    return;
  }
  if (text.empty()) {
    out << "  (empty text)\n";
    return;
  }
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    const bool has_end = end != std::string::npos;
    if (!has_end) end = text.size();
    std::string line = text.substr(start, end - start);
    std::string ending = has_end ? "LF" : "(no line end)";
    if (has_end && !line.empty() && line.back() == '\r') {
      line.pop_back();
      ending = "CR LF";
    }
    out << "  " << Shown(line) << "  " << ending << "\n";
    start = end + 1;
  }
}

}  // namespace testhost
