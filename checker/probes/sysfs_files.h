#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Small readers for kernel attribute files. Each answers false (and leaves
// its output alone) when the file cannot be opened or holds no value.

// Size limits far above any real file of each kind, so that a probe root
// pointing at a device or a damaged tree cannot exhaust the memory.
constexpr std::size_t kSmallFileLimit = 64 * 1024;          // attribute files, meminfo
constexpr std::size_t kSmbiosTableLimit = 4 * 1024 * 1024;  // SMBIOS structure table
constexpr std::size_t kListFileLimit = 32 * 1024 * 1024;    // pci.ids, cpuinfo

enum class FileRead { Ok, Unreadable, TooLarge };

// The whole file when it holds at most maxBytes; otherwise, or when it
// cannot be read, the outcome says why and contents stays as it was.
FileRead readWholeFile(const std::string& path, std::string& contents, std::size_t maxBytes);

// For a debug line: "not readable" or "larger than N bytes".
std::string readFailure(FileRead outcome, std::size_t maxBytes);

// The first line, without surrounding whitespace.
bool readTrimmedLine(const std::string& path, std::string& line);

// A number as the kernel writes it: "0x"-prefixed hexadecimal or decimal,
// or bare hexadecimal when base is 16.
bool readUnsigned(const std::string& path, std::uint64_t& value, int base = 0);

// The names in a folder that do not start with a dot, sorted (Linux only; false
// when the folder cannot be opened).
bool listFolder(const std::string& path, std::vector<std::string>& names);
