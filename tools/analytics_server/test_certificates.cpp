#include "test_certificates.h"

#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/rand.h>
#include <openssl/x509.h>
#include <openssl/x509v3.h>

#include <cstdint>
#include <cstdio>
#include <memory>

namespace orvo_analytics {
namespace {

struct KeyDeleter {
    void operator()(EVP_PKEY* k) const { EVP_PKEY_free(k); }
};
struct CertDeleter {
    void operator()(X509* c) const { X509_free(c); }
};
using Key = std::unique_ptr<EVP_PKEY, KeyDeleter>;
using Cert = std::unique_ptr<X509, CertDeleter>;

Key newKey(CertificateKeys keys) {
    return Key(keys == CertificateKeys::Rsa
                   ? EVP_PKEY_Q_keygen(nullptr, nullptr, "RSA", static_cast<size_t>(2048))
                   : EVP_PKEY_Q_keygen(nullptr, nullptr, "EC", "P-256"));
}

bool addExtension(X509* cert, X509* issuer, int nid, const std::string& value) {
    X509V3_CTX ctx;
    X509V3_set_ctx_nodb(&ctx);
    X509V3_set_ctx(&ctx, issuer, cert, nullptr, nullptr, 0);
    X509_EXTENSION* ext = X509V3_EXT_conf_nid(nullptr, &ctx, nid, value.c_str());
    if (ext == nullptr) return false;
    const bool ok = X509_add_ext(cert, ext, -1) == 1;
    X509_EXTENSION_free(ext);
    return ok;
}

// A random positive serial number. Authorities made by different servers
// must never share issuer name and serial number: a client trusting several
// of them at once could otherwise take one for another.
std::uint64_t randomSerial() {
    std::uint64_t serial = 0;
    if (RAND_bytes(reinterpret_cast<unsigned char*>(&serial), sizeof serial) != 1) return 0;
    return (serial >> 1) | 1;
}

std::string hex(std::uint64_t value) {
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
    return text;
}

Cert newCertificate(EVP_PKEY* key, const std::string& commonName, std::uint64_t serial) {
    Cert cert(X509_new());
    X509_set_version(cert.get(), 2);
    ASN1_INTEGER_set_uint64(X509_get_serialNumber(cert.get()), serial);
    X509_gmtime_adj(X509_getm_notBefore(cert.get()), -3600);
    X509_gmtime_adj(X509_getm_notAfter(cert.get()), 60L * 60 * 24 * 30);
    X509_set_pubkey(cert.get(), key);
    X509_NAME* name = X509_get_subject_name(cert.get());
    X509_NAME_add_entry_by_txt(name, "O", MBSTRING_ASC,
                               reinterpret_cast<const unsigned char*>("OrvoCheck local analytics"),
                               -1, -1, 0);
    X509_NAME_add_entry_by_txt(name, "CN", MBSTRING_ASC,
                               reinterpret_cast<const unsigned char*>(commonName.c_str()), -1, -1,
                               0);
    return cert;
}

bool writePem(const std::string& path, X509* cert, EVP_PKEY* key) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) return false;
    const bool ok = cert != nullptr
                        ? PEM_write_X509(f, cert) == 1
                        : PEM_write_PrivateKey(f, key, nullptr, nullptr, 0, nullptr, nullptr) == 1;
    return std::fclose(f) == 0 && ok;
}

}  // namespace

CertificateFiles makeCertificates(const std::string& directory,
                                  const std::vector<std::string>& hosts, CertificateKeys keys) {
    Key caKey = newKey(keys);
    Key serverKey = newKey(keys);
    const std::uint64_t caSerial = randomSerial();
    const std::uint64_t serverSerial = randomSerial();
    if (!caKey || !serverKey || caSerial == 0 || serverSerial == 0) return {};

    // Each authority carries a name of its own as well as its own key.
    Cert ca = newCertificate(caKey.get(), "OrvoCheck local analytics CA " + hex(caSerial), caSerial);
    X509_set_issuer_name(ca.get(), X509_get_subject_name(ca.get()));
    if (!addExtension(ca.get(), ca.get(), NID_basic_constraints, "critical,CA:TRUE") ||
        !addExtension(ca.get(), ca.get(), NID_key_usage, "critical,keyCertSign,cRLSign") ||
        !addExtension(ca.get(), ca.get(), NID_subject_key_identifier, "hash") ||
        X509_sign(ca.get(), caKey.get(), EVP_sha256()) == 0) {
        return {};
    }

    Cert server = newCertificate(serverKey.get(), hosts.empty() ? "localhost" : hosts.front(),
                                 serverSerial);
    X509_set_issuer_name(server.get(), X509_get_subject_name(ca.get()));
    std::string names = "IP:127.0.0.1";
    for (const auto& host : hosts) names += ",DNS:" + host;
    if (!addExtension(server.get(), ca.get(), NID_basic_constraints, "CA:FALSE") ||
        !addExtension(server.get(), ca.get(), NID_subject_alt_name, names) ||
        !addExtension(server.get(), ca.get(), NID_ext_key_usage, "serverAuth") ||
        !addExtension(server.get(), ca.get(), NID_authority_key_identifier, "keyid") ||
        X509_sign(server.get(), caKey.get(), EVP_sha256()) == 0) {
        return {};
    }

    CertificateFiles files{directory + "/ca.pem", directory + "/server.pem",
                           directory + "/server-key.pem"};
    if (!writePem(files.caFile, ca.get(), nullptr) ||
        !writePem(files.certFile, server.get(), nullptr) ||
        !writePem(files.keyFile, nullptr, serverKey.get())) {
        return {};
    }
    return files;
}

}  // namespace orvo_analytics
