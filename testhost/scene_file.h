#pragma once
// Scene files: a document as text, one line per object or material in index
// order.
//
//   # a comment; blank lines are ignored
//   object DEPTH FLAGS NAME     FLAGS: "-" or letters of s (selected),
//                               f (folded), x (not owned by the document)
//   material FLAGS NAME         FLAGS: "-" or s (selected)
//   no-object                   an index that holds no object
//   no-material                 an index that holds no material
//
// NAME is everything after the one blank that follows FLAGS, up to the line
// feed: it may hold blanks and any byte but LF and NUL (a CR before the LF
// belongs to the name), and it may be empty.
#include <string>

#include "document.h"

namespace testhost {

struct SceneError {
  std::string file;
  int line = 0;  // 0 when the error concerns the whole file
  std::string message;
  std::string ToString() const;
};

// Reads path into doc (which must be empty). On failure doc is left partly
// filled and error says where and what was expected.
bool LoadScene(const std::string& path, Document& doc, SceneError& error);

// The scene text of doc; LoadScene of it gives the same document.
std::string SceneText(const Document& doc);

// Writes doc to a new file beside path and renames it over path, so that a
// failure never leaves a half-written scene.
bool SaveScene(const std::string& path, const Document& doc, SceneError& error);

}  // namespace testhost
