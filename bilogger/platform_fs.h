// File-system questions of the analytics client, one back-end per platform.
// Paths are UTF-8 byte strings.
#pragma once

#include <string>

namespace bifs {

// Directory separator of the platform ("/" or "\\").
extern const char kSeparator;
// Full path of the running program, empty if unknown.
std::string programPath();
// Anything at path, a symbolic link included (not followed).
bool fileExists(const std::string& path);
// An existing directory that this process may write to.
bool isWritableDirectory(const std::string& path);
bool removeFile(const std::string& path);
// The path's last component is a link (a symbolic link; on Windows any
// reparse point, junctions included). Links in the folders above do not count.
bool isLink(const std::string& path);

}  // namespace bifs
