#pragma once
// Scene files: a document as text, one line per object or material in index
// order.
//
//   # a comment; blank lines (empty, or only blanks) are kept as they stand
//   object DEPTH FLAGS NAME     FLAGS: "-" or letters of s (selected),
//                               f (folded), x (not owned by the document)
//   material FLAGS NAME         FLAGS: "-" or s (selected)
//   no-object                   an index that holds no object
//   no-material                 an index that holds no material
//
// NAME is everything after the one blank that follows FLAGS, up to the line
// end: it may hold blanks and any byte but LF and NUL, and it may be empty.
// A file whose first line ends in CR LF has CR LF line ends throughout (a CR
// before a LF ends the line); otherwise a CR before a LF belongs to the name.
// A name longer than the host keeps (249 bytes) is cut, with a warning.
#include <string>
#include <vector>

#include "document.h"

namespace testhost {

struct SceneError {
  std::string file;
  int line = 0;  // 0 when the error concerns the whole file
  std::string message;
  std::string ToString() const;
};

// What a scene file holds beyond the document, so that saving it again keeps
// it: its comments and blank lines where they stood, the order of its object
// and material lines, and its line ends.
struct SceneLayout {
  enum class Kind { Verbatim, Object, Material };
  struct Line {
    Kind kind;
    std::string text;  // of a verbatim line
  };
  std::vector<Line> lines;
  bool crlf = false;
};

// Reads path into doc (which must be empty) and layout. Names cut to fit are
// reported in warnings. On failure doc is left partly filled and error says
// where and what was expected.
bool LoadScene(const std::string& path, Document& doc, SceneLayout& layout, std::vector<SceneError>& warnings,
               SceneError& error);

// The scene text of doc in layout; LoadScene of it gives the same document.
// Objects and materials beyond those the layout places follow at the end.
std::string SceneText(const Document& doc, const SceneLayout& layout = SceneLayout());

// Writes doc to a new file beside path (through a symbolic link, beside its
// target) and renames it over that, so that a failure never leaves a
// half-written scene. The new file keeps the old one's permissions.
bool SaveScene(const std::string& path, const Document& doc, const SceneLayout& layout, SceneError& error);

}  // namespace testhost
