// The gzip form of an upload batch: one RFC 1952 member with a fixed header,
// a raw deflate stream, the CRC-32 and the length of the contents.
#pragma once

#include <string>

// False (out left empty) if the contents could not be compressed.
// sizeHint is the batch byte limit, which sizes the output buffer.
bool gzipBatch(const std::string& contents, int sizeHint, std::string& out);
