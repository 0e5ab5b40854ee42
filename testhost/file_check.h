#pragma once
// Why the stand-in host cannot use a file, in one form for every file it
// reads or writes: empty when it can, else the system's reason ("a folder,
// not a file" for a folder).
#include <string>

namespace testhost {

// Why the file at path cannot be read; anything but a regular file is refused.
std::string UnreadableReason(const std::string& path);
// Why a file cannot be written at path: no name, a folder or another thing
// that is no regular file there, a file or folder this user may not write,
// or a folder that does not exist.
std::string UnwritableReason(const std::string& path);

// The message for a file that cannot be used: what was being done, the path
// and the reason ("clip-from: cannot read names.txt: No such file or directory").
std::string FileProblem(const std::string& action, const std::string& path, const std::string& reason);

}  // namespace testhost
