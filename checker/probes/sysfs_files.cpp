#include "sysfs_files.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// Attribute files are read by the hundred (one per memory block), so plain
// C streams: no locale or stream-buffer set-up per file.
File openForReading(const std::string& path) { return File(std::fopen(path.c_str(), "rb")); }

}  // namespace

bool readWholeFile(const std::string& path, std::string& contents) {
    const File file = openForReading(path);
    if (!file) return false;
    std::setvbuf(file.get(), nullptr, _IONBF, 0);  // straight into the string
    // Regular files (pci.ids, a megabyte) come in one read; kernel files
    // report no size or a page and are read until they end.
    long sizeHint = 0;
    if (std::fseek(file.get(), 0, SEEK_END) == 0) sizeHint = std::ftell(file.get());
    std::rewind(file.get());
    std::string data;
    std::size_t used = 0;
    data.resize(sizeHint > 0 ? static_cast<std::size_t>(sizeHint) + 1 : 4096);
    for (;;) {
        const std::size_t room = data.size() - used;
        const std::size_t got = std::fread(&data[used], 1, room, file.get());
        used += got;
        if (got < room) break;
        data.resize(data.size() * 2);
    }
    if (std::ferror(file.get())) return false;
    data.resize(used);
    contents.swap(data);
    return true;
}

bool readTrimmedLine(const std::string& path, std::string& line) {
    const File file = openForReading(path);
    if (!file) return false;
    char buffer[512];
    if (std::fgets(buffer, sizeof buffer, file.get()) == nullptr) return false;
    const std::string first(buffer);
    const auto begin = first.find_first_not_of(" \t\r\n");
    if (begin == std::string::npos) return false;
    const auto end = first.find_last_not_of(" \t\r\n");
    line = first.substr(begin, end - begin + 1);
    return true;
}

bool readUnsigned(const std::string& path, std::uint64_t& value, int base) {
    std::string text;
    if (!readTrimmedLine(path, text)) return false;
    if (text[0] == '-' || text[0] == '+') return false;
    errno = 0;
    char* end = nullptr;
    const unsigned long long parsed = std::strtoull(text.c_str(), &end, base);
    if (errno != 0 || end == text.c_str() || *end != '\0') return false;
    value = parsed;
    return true;
}
