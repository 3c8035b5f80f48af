#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <vector>

#include "platform_fs.h"

namespace bifs {

const char kSeparator = '/';

std::string programPath() {
    std::vector<char> buf(4096);
    const ssize_t n = readlink("/proc/self/exe", buf.data(), buf.size() - 1);
    if (n <= 0) return std::string();
    return std::string(buf.data(), static_cast<size_t>(n));
}

// A symbolic link exists even when it points nowhere.
bool fileExists(const std::string& path) {
    struct stat st {};
    return lstat(path.c_str(), &st) == 0;
}

bool isWritableDirectory(const std::string& path) {
    struct stat st {};
    if (stat(path.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return false;
    return access(path.c_str(), W_OK) == 0;
}

bool removeFile(const std::string& path) { return std::remove(path.c_str()) == 0; }

bool isLink(const std::string& path) {
    struct stat st {};
    return lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode);
}

}  // namespace bifs
