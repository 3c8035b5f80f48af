// SHA-256 (FIPS 180-4) and HMAC-SHA256 (RFC 2104), small and dependency-free:
// the client derives an application-specific device ID without loading a TLS
// library for it.
#pragma once

#include <array>
#include <cstdint>
#include <string>

using BiDigest256 = std::array<std::uint8_t, 32>;

BiDigest256 sha256(const std::string& data);
BiDigest256 hmacSha256(const std::string& key, const std::string& message);
