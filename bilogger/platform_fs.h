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
// Moves a file to a new name in the same folder, replacing nothing.
bool renameFile(const std::string& from, const std::string& to);

// Keeps the name `path` bound to the file it names while a database is
// opened by that name, so that no link can be swapped in between the check
// and the opening. Windows: the file (created empty when missing and
// `create`) is held
// open without delete sharing, which forbids renaming it away or replacing
// it; held() is false when it is a reparse point or cannot be held. POSIX:
// nothing is held (SQLite opens without following a link at the last
// component, and isOpenedPath checks what it opened); held() is true.
class NamePin {
public:
    NamePin(const std::string& path, bool create);
    ~NamePin();
    NamePin(const NamePin&) = delete;
    NamePin& operator=(const NamePin&) = delete;
    bool held() const { return m_held; }

private:
    void* m_handle = nullptr;
    bool m_held = false;
};

// Whether openedName, the full name SQLite gives the database it opened at
// path (links in folders resolved), is path itself rather than a file that a
// link at path led to. Folders reached through links count as path.
bool isOpenedPath(const char* openedName, const std::string& path);

}  // namespace bifs
