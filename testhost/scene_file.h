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
// Fields are separated by any run of blanks and tabs, and a line may begin
// with some. NAME is everything after the one blank or tab that follows
// FLAGS, up to the line end: it may hold blanks and any byte but LF and NUL,
// and it may be empty. DEPTH is a whole number from 0 to 2147483647. In a
// file whose first line ends in CR LF, a CR before a LF ends the line;
// otherwise it belongs to the name. A leading UTF-8 byte order mark is no
// part of the scene (a note says so). A name longer than the host keeps (249
// bytes) is cut on a whole character in the runtime's locale, with a warning.
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
// it: every line as it was read, with its own line end, and a leading byte
// order mark.
struct SceneLayout {
  enum class Kind { Verbatim, Object, Material };
  // A line written the plain way: what precedes the name, and the name.
  struct Plain {
    std::string before_name, name;
  };
  struct Line {
    Kind kind = Kind::Verbatim;  // Verbatim: a comment or a blank line
    std::string text;            // as read, without its line end
    std::string end;             // "\n", "\r\n", or "" for a last line without one
    size_t name_start = std::string::npos;  // where the name begins in text
    Plain read;                  // what the line held, written the plain way
  };
  std::vector<Line> lines;
  bool crlf = false;  // the first line ends in CR LF: so do new lines
  bool bom = false;   // the file starts with a UTF-8 byte order mark
};

// Reads path into doc (which must be empty) and layout. Names cut to fit are
// reported in warnings. On failure doc is left partly filled and error says
// where and what was expected.
bool LoadScene(const std::string& path, Document& doc, SceneLayout& layout, std::vector<SceneError>& warnings,
               SceneError& error);

// The scene text of doc in layout; LoadScene of it gives the same document.
// Every line whose object or material is as it was read stands as it was
// read, line end and all; one whose name alone changed keeps what precedes
// its name. Objects and materials beyond those the layout places follow at
// the end, with the first line's end.
std::string SceneText(const Document& doc, const SceneLayout& layout = SceneLayout());

// Writes doc to a new file beside path (through a symbolic link, beside its
// target) and renames it over that, so that a failure never leaves a
// half-written scene. The new file keeps the old one's permissions.
bool SaveScene(const std::string& path, const Document& doc, const SceneLayout& layout, SceneError& error);

}  // namespace testhost
