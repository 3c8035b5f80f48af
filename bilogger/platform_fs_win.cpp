// Windows file-system questions of the analytics client.
#include <io.h>
#include <windows.h>

#include "platform_fs.h"
#include "utf16_win.h"

namespace bifs {

const char kSeparator = '\\';

std::string programPath() {
    wchar_t path[MAX_PATH + 1] = {};
    const DWORD units = GetModuleFileNameW(nullptr, path, MAX_PATH);
    // A truncated path names some other file: better none.
    if (units == 0 || units >= MAX_PATH) return std::string();
    return biwin::toUtf8(path, units);
}

bool fileExists(const std::string& path) {
    std::wstring wide;
    return biwin::toWide(path, wide) && GetFileAttributesW(wide.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool isWritableDirectory(const std::string& path) {
    std::wstring wide;
    if (!biwin::toWide(path, wide)) return false;
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        return false;
    }
    return _waccess(wide.c_str(), 2) == 0;
}

bool removeFile(const std::string& path) {
    std::wstring wide;
    return biwin::toWide(path, wide) && DeleteFileW(wide.c_str()) != FALSE;
}

// GetFileAttributesW looks at the path's last component itself, not at what
// a link there points to.
bool isLink(const std::string& path) {
    std::wstring wide;
    if (!biwin::toWide(path, wide)) return false;
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

}  // namespace bifs
