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

// Writes ca.pem, server.pem and server-key.pem into directory, the server
// certificate valid for every name in hosts (and 127.0.0.1). Empty paths on
// failure.
CertificateFiles makeCertificates(const std::string& directory,
                                  const std::vector<std::string>& hosts);

}  // namespace orvo_analytics
