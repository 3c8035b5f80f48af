// A throw-away certificate authority and a server certificate signed by it,
// for a local HTTPS server that clients reach under the real host names.
#pragma once

#include <string>
#include <vector>

namespace orvo_analytics {

struct CertificateFiles {
    std::string caFile;    // PEM certificate of the authority: the extra CA bundle
    std::string certFile;  // PEM server certificate
    std::string keyFile;   // PEM private key of the server certificate
};

// EC P-256 keys are quick to make. Wine 8's certificate verifier rejects a
// valid ECDSA signature whose r or s is shorter than 32 bytes (about one
// signature in 128), so servers for clients running under Wine use RSA.
enum class CertificateKeys { Ec, Rsa };

// Writes ca.pem, server.pem and server-key.pem into directory, the server
// certificate valid for every name in hosts (and 127.0.0.1). Empty paths on
// failure.
CertificateFiles makeCertificates(const std::string& directory,
                                  const std::vector<std::string>& hosts,
                                  CertificateKeys keys = CertificateKeys::Ec);

}  // namespace orvo_analytics
