#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <memory>
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

bool renameFile(const std::string& from, const std::string& to) {
    return !fileExists(to) && std::rename(from.c_str(), to.c_str()) == 0;
}

NamePin::NamePin(const std::string&, bool) : m_handle(nullptr), m_held(true) {}
NamePin::~NamePin() = default;

bool isOpenedPath(const char* openedName, const std::string& path) {
    if (openedName == nullptr) return false;
    const size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const std::unique_ptr<char, decltype(&std::free)> real(realpath(folder.c_str(), nullptr),
                                                           &std::free);
    if (!real) return false;
    std::string expected(real.get());
    if (expected.empty() || expected.back() != '/') expected += '/';
    return expected + name == openedName;
}

}  // namespace bifs
