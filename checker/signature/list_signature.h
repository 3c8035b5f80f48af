// Whether a comparison list comes from whoever holds one of the list keys:
// a detached Ed25519 signature over the file's exact bytes
// (tools/compgen/list_sign.py makes it). Standard C++ and libsodium only, the
// same code on every platform.
//
// Threads: verify() may be called from any thread at once; it keeps no
// state.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace listsig {

using PublicKey = std::array<unsigned char, 32>;
constexpr size_t kSignatureBytes = 64;

enum class Verdict {
    Verified,
    Missing,        // no signature at all
    DoesNotVerify,  // a signature, but by none of the keys over these bytes
};

Verdict verify(const std::string& list, const std::string& signature,
               const std::vector<PublicKey>& keys);

// The keys this build trusts (a CMake setting): the current one and those
// rotated in or out, so that a list signed by any of them is taken.
const std::vector<PublicKey>& builtInKeys();
// A key written as 64 hex digits (as compgen.py sign --public-key prints
// it); false when the text is anything else.
bool parseKey(const std::string& hex, PublicKey& key);

// The built-in keys and the one in ORVOCHECK_LIST_KEY (64 hex digits), with
// which tests sign. Whoever sets a program's environment can also replace its
// shipped list; the variable opens nothing to the network.
std::vector<PublicKey> trustedKeys();

}  // namespace listsig
