#pragma once

#include <cstdint>
#include <string>

// Small readers for kernel attribute files. Each answers false (and leaves
// its output alone) when the file cannot be opened or holds no value.

bool readWholeFile(const std::string& path, std::string& contents);

// The first line, without surrounding whitespace.
bool readTrimmedLine(const std::string& path, std::string& line);

// A number as the kernel writes it: "0x"-prefixed hexadecimal or decimal,
// or bare hexadecimal when base is 16.
bool readUnsigned(const std::string& path, std::uint64_t& value, int base = 0);
