#include "sysfs_files.h"

#include <algorithm>
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

FileRead readWholeFile(const std::string& path, std::string& contents, std::size_t maxBytes) {
    const File file = openForReading(path);
    if (!file) return FileRead::Unreadable;
    std::setvbuf(file.get(), nullptr, _IONBF, 0);  // straight into the string
    // Regular files (pci.ids, a megabyte) come in one read; kernel files
    // report no size or a page and are read until they end or pass the limit.
    long sizeHint = 0;
    if (std::fseek(file.get(), 0, SEEK_END) == 0) sizeHint = std::ftell(file.get());
    std::rewind(file.get());
    if (sizeHint > 0 && static_cast<unsigned long>(sizeHint) > maxBytes) return FileRead::TooLarge;
    std::string data;
    std::size_t used = 0;
    // One byte more than the limit tells a file of exactly the limit from a longer one.
    const std::size_t most = maxBytes + 1;
    data.resize(std::min(most, sizeHint > 0 ? static_cast<std::size_t>(sizeHint) + 1 : 4096));
    for (;;) {
        const std::size_t room = data.size() - used;
        const std::size_t got = std::fread(&data[used], 1, room, file.get());
        used += got;
        if (got < room || data.size() == most) break;
        data.resize(std::min(most, data.size() * 2));
    }
    if (std::ferror(file.get())) return FileRead::Unreadable;
    if (used > maxBytes) return FileRead::TooLarge;
    data.resize(used);
    contents.swap(data);
    return FileRead::Ok;
}

std::string readFailure(FileRead outcome, std::size_t maxBytes) {
    if (outcome == FileRead::TooLarge) return "larger than " + std::to_string(maxBytes) + " bytes";
    return "not readable";
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
