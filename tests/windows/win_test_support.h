// Helpers of the tests that run under Wine: temporary folders, environment
// variables, the local analytics server the test script started natively,
// and trust in its certificate authority through the prefix's root store.
#pragma once

// wincrypt.h needs windows.h first.
// clang-format off
#include <windows.h>
#include <wincrypt.h>
// clang-format on

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace wintest {

inline std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::string(value) : std::string();
}

inline void setEnvironment(const char* name, const std::string& value) {
    _putenv_s(name, value.c_str());
}

// A Unix path seen from the Wine prefix (drive Z: maps "/").
inline std::string fromUnixPath(const std::string& path) {
    std::string windows = "Z:" + path;
    for (char& c : windows) {
        if (c == '/') c = '\\';
    }
    return windows;
}

inline std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class TempDir {
public:
    TempDir() {
        char base[MAX_PATH + 1] = {};
        GetTempPathA(MAX_PATH, base);
        for (unsigned attempt = 0; attempt < 100; ++attempt) {
            const std::string candidate = std::string(base) + "orvo-win-" +
                                          std::to_string(GetCurrentProcessId()) + "-" +
                                          std::to_string(GetTickCount() + attempt);
            if (CreateDirectoryA(candidate.c_str(), nullptr)) {
                m_path = candidate;
                return;
            }
        }
        throw std::runtime_error("cannot create a temporary folder");
    }
    ~TempDir() {
        // Files the test made, then the folder; what remains is small.
        WIN32_FIND_DATAA entry;
        HANDLE find = FindFirstFileA((m_path + "\\*").c_str(), &entry);
        if (find != INVALID_HANDLE_VALUE) {
            do {
                const std::string name = entry.cFileName;
                if (name != "." && name != "..") DeleteFileA((m_path + "\\" + name).c_str());
            } while (FindNextFileA(find, &entry));
            FindClose(find);
        }
        RemoveDirectoryA(m_path.c_str());
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& path() const { return m_path; }
    std::string file(const std::string& name) const { return m_path + "\\" + name; }

private:
    std::string m_path;
};

// The servers scripts/windows-tests.sh runs natively on 127.0.0.1.
struct LocalServers {
    std::string accepting;    // host:port answering normally (200, configuration text)
    std::string refusing;     // host:port answering 500 to everything
    std::string caFile;       // Windows path of the PEM file of both servers' authorities
    std::string configText;   // what the accepting server answers to /init/<n>/
    std::string recordsFile;  // Windows path of the accepting server's record database
};

inline LocalServers localServers() {
    LocalServers servers;
    servers.accepting = environment("ORVO_WIN_TEST_SERVER");
    servers.refusing = environment("ORVO_WIN_TEST_REFUSING_SERVER");
    servers.caFile = environment("ORVO_WIN_TEST_CA_FILE");
    servers.recordsFile = environment("ORVO_WIN_TEST_RECORDS_FILE");
    const std::string configFile = environment("ORVO_WIN_TEST_CONFIG_FILE");
    if (!configFile.empty()) servers.configText = readFile(configFile);
    return servers;
}

// Test programs run side by side in one prefix: replacing a certificate that
// is already there would take it out of the store for a moment, and another
// program's handshake then fails. So an authority already trusted is left
// untouched.
inline bool addIfMissing(HCERTSTORE store, const BYTE* der, DWORD size) {
    if (CertAddEncodedCertificateToStore(store, X509_ASN_ENCODING, der, size, CERT_STORE_ADD_NEW,
                                         nullptr))
        return true;
    return GetLastError() == static_cast<DWORD>(CRYPT_E_EXISTS);
}

// The DER encoding of every certificate in a PEM file; a block that does not
// decode leaves an empty entry.
inline std::vector<std::vector<BYTE>> pemCertificates(const std::string& pemFile) {
    const std::string pem = readFile(pemFile);
    const std::string begin = "-----BEGIN CERTIFICATE-----";
    const std::string end = "-----END CERTIFICATE-----";
    std::vector<std::vector<BYTE>> certificates;
    for (size_t at = pem.find(begin); at != std::string::npos; at = pem.find(begin, at + 1)) {
        const size_t stop = pem.find(end, at);
        if (stop == std::string::npos) break;
        const std::string block = pem.substr(at, stop + end.size() - at);
        DWORD size = 0;
        std::vector<BYTE> der;
        if (CryptStringToBinaryA(block.c_str(), 0, CRYPT_STRING_BASE64HEADER, nullptr, &size,
                                 nullptr, nullptr)) {
            der.resize(size);
            if (!CryptStringToBinaryA(block.c_str(), 0, CRYPT_STRING_BASE64HEADER, der.data(),
                                      &size, nullptr, nullptr))
                der.clear();
        }
        certificates.push_back(std::move(der));
    }
    return certificates;
}

struct CertStoreCloser {
    void operator()(HCERTSTORE store) const { CertCloseStore(store, 0); }
};
struct CertContextFreer {
    void operator()(PCCERT_CONTEXT context) const { CertFreeCertificateContext(context); }
};
using CertStore = std::unique_ptr<void, CertStoreCloser>;
using CertContext = std::unique_ptr<const CERT_CONTEXT, CertContextFreer>;

inline CertStore openMachineRootStore() {
    return CertStore(CertOpenStore(CERT_STORE_PROV_SYSTEM_W, 0, 0,
                                   CERT_SYSTEM_STORE_LOCAL_MACHINE, L"Root"));
}

// Adds every certificate of a PEM file to the machine's root store of the
// Wine prefix, the way an administrator deploys a company authority. The
// program itself keeps verifying certificates as always.
inline bool trustAuthorities(const std::string& pemFile) {
    const std::vector<std::vector<BYTE>> certificates = pemCertificates(pemFile);
    const CertStore store = openMachineRootStore();
    if (!store) return false;
    bool failed = certificates.empty();
    for (const std::vector<BYTE>& der : certificates) {
        if (der.empty() || !addIfMissing(store.get(), der.data(), static_cast<DWORD>(der.size())))
            failed = true;
    }
    return !failed;
}

// Whether a root store opened afresh, as a new program would see it, holds
// the certificate.
inline bool rootStoreHolds(const std::vector<BYTE>& der) {
    const CertContext wanted(CertCreateCertificateContext(X509_ASN_ENCODING, der.data(),
                                                          static_cast<DWORD>(der.size())));
    const CertStore store = openMachineRootStore();
    if (!wanted || !store) return false;
    const CertContext found(CertFindCertificateInStore(store.get(), X509_ASN_ENCODING, 0,
                                                       CERT_FIND_EXISTING, wanted.get(), nullptr));
    return found != nullptr;
}

// Requires the servers and trusts their authority; fails the test otherwise.
inline LocalServers requireLocalServers() {
    LocalServers servers = localServers();
    if (servers.accepting.empty() || servers.refusing.empty() || servers.caFile.empty()) {
        ADD_FAILURE() << "ORVO_WIN_TEST_SERVER, ORVO_WIN_TEST_REFUSING_SERVER and "
                         "ORVO_WIN_TEST_CA_FILE are not set: run scripts/windows-tests.sh";
        return servers;
    }
    EXPECT_TRUE(trustAuthorities(servers.caFile)) << servers.caFile;
    return servers;
}

}  // namespace wintest
