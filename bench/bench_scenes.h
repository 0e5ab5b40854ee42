#pragma once
// Documents and clipboard texts for the benchmarks.
#include <string>
#include <vector>

#include "document.h"

namespace bench {

// count objects named stem + "0".., unfolded, the first selected of them selected.
inline void Objects(testhost::Document& doc, int count, int selected, const std::string& stem = "name") {
  for (int i = 0; i < count; ++i) doc.AddObject(stem + std::to_string(i), 0, false, i < selected ? 1 : 0);
}

// count materials named "material0".., every one selected.
inline void Materials(testhost::Document& doc, int count) {
  for (int i = 0; i < count; ++i) doc.AddMaterial("material" + std::to_string(i), 1);
}

// Lines for count targets: new names nobody holds; names of which each but
// the first is held by the target before it when its turn comes ("x1", "x1",
// "x2", ...: every entry clashes once); or one name on every line.
inline std::vector<std::string> FreshNames(int count) {
  std::vector<std::string> lines;
  for (int i = 0; i < count; ++i) lines.push_back("fresh" + std::to_string(i));
  return lines;
}
inline std::vector<std::string> ClashingNames(int count) {
  std::vector<std::string> lines{"x1"};
  for (int i = 1; i < count; ++i) lines.push_back("x" + std::to_string(i));
  return lines;
}
inline std::vector<std::string> EqualNames(int count) { return std::vector<std::string>(count, "Box"); }
// Every other line one name, the lines between new names.
inline std::vector<std::string> HalfEqualNames(int count) {
  std::vector<std::string> lines;
  for (int i = 0; i < count; ++i) lines.push_back(i % 2 ? "fresh" + std::to_string(i) : "Box");
  return lines;
}

inline std::string TextOf(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

// About bytes of text in lines of names, with CR LF line ends.
inline std::string TextOfSize(size_t bytes) {
  std::string text;
  for (int i = 0; text.size() < bytes; ++i) text += "Object name " + std::to_string(i) + "\r\n";
  return text;
}

}  // namespace bench
