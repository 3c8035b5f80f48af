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

bool renameFile(const std::string& from, const std::string& to) {
    std::wstring wideFrom, wideTo;
    return biwin::toWide(from, wideFrom) && biwin::toWide(to, wideTo) &&
           MoveFileExW(wideFrom.c_str(), wideTo.c_str(), 0) != FALSE;
}

// Without FILE_SHARE_DELETE nobody can rename, delete or replace the file
// while the handle is open; SQLite's own opening (read and write sharing)
// is still allowed. The reparse-point flag opens a link itself, not its
// target, so that it can be recognised and refused.
NamePin::NamePin(const std::string& path, bool create) {
    std::wstring wide;
    if (!biwin::toWide(path, wide)) return;
    HANDLE handle = CreateFileW(wide.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, create ? OPEN_ALWAYS : OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        // Nothing there to pin: the opening that follows fails as well.
        m_held = !create && GetLastError() == ERROR_FILE_NOT_FOUND;
        return;
    }
    m_handle = handle;
    BY_HANDLE_FILE_INFORMATION info{};
    m_held = GetFileInformationByHandle(handle, &info) != FALSE &&
             !(info.dwFileAttributes & (FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DIRECTORY));
}

NamePin::~NamePin() {
    if (m_handle != nullptr) CloseHandle(static_cast<HANDLE>(m_handle));
}

// The pin already kept the name on the file checked.
bool isOpenedPath(const char* openedName, const std::string&) { return openedName != nullptr; }

}  // namespace bifs
