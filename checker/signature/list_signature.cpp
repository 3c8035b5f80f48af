#include "list_signature.h"

#include <sodium.h>

#include <cstdio>
#include <cstdlib>

#include "list_keys.h"

namespace listsig {

Verdict verify(const std::string& list, const std::string& signature,
               const std::vector<PublicKey>& keys) {
    if (signature.empty()) return Verdict::Missing;
    if (signature.size() != kSignatureBytes) return Verdict::DoesNotVerify;
    static_assert(kSignatureBytes == crypto_sign_ed25519_BYTES, "an Ed25519 signature");
    static_assert(sizeof(PublicKey) == crypto_sign_ed25519_PUBLICKEYBYTES, "an Ed25519 key");
    const auto* sig = reinterpret_cast<const unsigned char*>(signature.data());
    const auto* bytes = reinterpret_cast<const unsigned char*>(list.data());
    for (const PublicKey& key : keys) {
        // Without sodium_init(): it only picks CPU-specific code for other
        // primitives and readies the random source, neither of which Ed25519
        // verification uses, and calling it would link all of those into both
        // Windows programs (100 KB each in the zip).
        if (crypto_sign_ed25519_verify_detached(sig, bytes, list.size(), key.data()) == 0)
            return Verdict::Verified;
    }
    return Verdict::DoesNotVerify;
}

const std::vector<PublicKey>& builtInKeys() {
    static const std::vector<PublicKey> keys = {ORVO_LIST_KEYS};
    return keys;
}

}  // namespace listsig

namespace listsig {

bool parseKey(const std::string& hex, PublicKey& key) {
    if (hex.size() != 2 * key.size() ||
        hex.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos)
        return false;
    for (size_t i = 0; i < key.size(); ++i)
        key[i] = static_cast<unsigned char>(std::stoul(hex.substr(2 * i, 2), nullptr, 16));
    return true;
}

std::vector<PublicKey> trustedKeys() {
    std::vector<PublicKey> keys = builtInKeys();
    const char* hex = std::getenv("ORVOCHECK_LIST_KEY");
    if (!hex || !*hex) return keys;
    PublicKey key{};
    if (parseKey(hex, key)) {
        keys.push_back(key);
    } else {
        std::fprintf(stderr, "[ListSignature] ORVOCHECK_LIST_KEY is not 64 hex digits, ignored\n");
    }
    return keys;
}

}  // namespace listsig
