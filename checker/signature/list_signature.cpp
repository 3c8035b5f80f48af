#include "list_signature.h"

#include <gcrypt.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <mutex>

#include "list_keys.h"

namespace listsig {

namespace {

struct SexpFree {
    void operator()(gcry_sexp* s) const { gcry_sexp_release(s); }
};
using Sexp = std::unique_ptr<gcry_sexp, SexpFree>;

bool libraryReady() {
    static std::once_flag once;
    static bool ready = false;
    std::call_once(once, [] {
        // Only public keys pass through here: no secure memory is needed.
        ready = gcry_check_version(GCRYPT_VERSION) != nullptr;
        if (!ready) return;
        gcry_control(GCRYCTL_DISABLE_SECMEM, 0);
        gcry_control(GCRYCTL_INITIALIZATION_FINISHED, 0);
    });
    return ready;
}

Sexp build(const char* format, int length1, const void* bytes1, int length2 = 0,
           const void* bytes2 = nullptr) {
    gcry_sexp_t out = nullptr;
    const gcry_error_t error =
        bytes2 ? gcry_sexp_build(&out, nullptr, format, length1, bytes1, length2, bytes2)
               : gcry_sexp_build(&out, nullptr, format, length1, bytes1);
    if (error) std::fprintf(stderr, "[ListSignature] %s\n", gcry_strerror(error));
    return Sexp(error ? nullptr : out);
}

}  // namespace

Verdict verify(const std::string& list, const std::string& signature,
               const std::vector<PublicKey>& keys) {
    if (signature.empty()) return Verdict::Missing;
    if (signature.size() != kSignatureBytes || !libraryReady()) return Verdict::DoesNotVerify;
    const int half = int(kSignatureBytes / 2);
    const Sexp sig = build("(sig-val(eddsa(r %b)(s %b)))", half, signature.data(), half,
                           signature.data() + half);
    // The digest is signed, not the list itself: libgcrypt aborts the process
    // on an S-expression value of 64 KiB or more, and the list is larger.
    unsigned char digest[64];
    gcry_md_hash_buffer(GCRY_MD_SHA512, digest, list.data(), list.size());
    const Sexp data =
        build("(data(flags eddsa)(hash-algo sha512)(value %b))", int(sizeof digest), digest);
    if (!sig || !data) return Verdict::DoesNotVerify;
    for (const PublicKey& key : keys) {
        const Sexp publicKey = build("(public-key(ecc(curve Ed25519)(flags eddsa)(q %b)))",
                                     int(key.size()), key.data());
        if (publicKey && gcry_pk_verify(sig.get(), data.get(), publicKey.get()) == 0)
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
