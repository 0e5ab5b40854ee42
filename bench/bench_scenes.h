#pragma once
// Documents and clipboard texts for the benchmarks.
#include <string>

#include "document.h"

namespace bench {

// count objects named "name0".. , every one selected and unfolded.
inline void SelectedObjects(testhost::Document& doc, int count) {
  for (int i = 0; i < count; ++i) doc.AddObject("name" + std::to_string(i), 0, false, 1);
}

// New names for count targets that nobody holds.
inline std::string FreshNames(int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += "fresh" + std::to_string(i) + "\n";
  return text;
}

// Names of which each but the first is taken by the target before it by the
// time it is assigned ("x1", "x1", "x2", "x3", ...): every entry clashes once.
inline std::string ClashingNames(int count) {
  std::string text = "x1\n";
  for (int i = 1; i < count; ++i) text += "x" + std::to_string(i) + "\n";
  return text;
}

// About bytes of text in lines of names.
inline std::string TextOfSize(size_t bytes) {
  std::string text;
  for (int i = 0; text.size() < bytes; ++i) text += "Object name " + std::to_string(i) + "\r\n";
  return text;
}

}  // namespace bench
