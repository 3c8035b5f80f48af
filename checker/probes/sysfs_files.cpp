#include "sysfs_files.h"

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <iterator>

bool readWholeFile(const std::string& path, std::string& contents) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::string data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return false;
    contents.swap(data);
    return true;
}

bool readTrimmedLine(const std::string& path, std::string& line) {
    std::ifstream in(path);
    if (!in) return false;
    std::string first;
    std::getline(in, first);
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
