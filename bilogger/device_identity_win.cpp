// Windows back-end of the device identity: WMI for the machine values, the
// version resource of the running program for its version.
#include <wbemidl.h>
#include <windows.h>
#include <wrl/client.h>

#include <cstdio>
#include <vector>

#include "device_identity.h"
#include "envelope_text.h"
#include "com_support_win.h"
#include "utf16_win.h"

using Microsoft::WRL::ComPtr;

namespace {

using biwin::Bstr;
using biwin::ComApartment;

// One text property, fitted for the envelope; empty when missing, null or
// not text.
std::string readText(IWbemClassObject* object, const wchar_t* name) {
    biwin::Variant variant;
    if (FAILED(object->Get(name, 0, variant.get(), nullptr, nullptr))) return std::string();
    const VARIANT& value = variant.value();
    if (value.vt != VT_BSTR || value.bstrVal == nullptr) return std::string();
    return fitEnvelopeText(biwin::toUtf8(value.bstrVal, SysStringLen(value.bstrVal)));
}

// Runs one query and hands every object to visit, in order.
template <typename Visit>
void forEachObject(IWbemServices* services, const wchar_t* query, Visit visit) {
    const Bstr language(L"WQL");
    const Bstr text(query);
    ComPtr<IEnumWbemClassObject> enumerator;
    if (FAILED(services->ExecQuery(language.get(), text.get(),
                                   WBEM_FLAG_FORWARD_ONLY | WBEM_FLAG_RETURN_IMMEDIATELY, nullptr,
                                   enumerator.GetAddressOf())) ||
        !enumerator) {
        return;
    }
    for (;;) {
        ComPtr<IWbemClassObject> object;
        ULONG returned = 0;
        enumerator->Next(static_cast<LONG>(WBEM_INFINITE), 1, object.GetAddressOf(), &returned);
        if (returned == 0 || !object) break;
        visit(object.Get());
    }
}

}  // namespace

DeviceIdentity queryDeviceIdentity(const std::string& /*appId*/) {
    DeviceIdentity identity;
    ComApartment com;
    // Process-wide security can be set once; when the program (or a library
    // before us) already set it, COM answers RPC_E_TOO_LATE, which is fine:
    // the proxy blanket below sets what this connection needs.
    CoInitializeSecurity(nullptr, -1, nullptr, nullptr, RPC_C_AUTHN_LEVEL_DEFAULT,
                         RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE, nullptr);

    ComPtr<IWbemLocator> locator;
    if (FAILED(CoCreateInstance(CLSID_WbemLocator, nullptr, CLSCTX_INPROC_SERVER, IID_IWbemLocator,
                                reinterpret_cast<void**>(locator.GetAddressOf())))) {
        return identity;
    }
    ComPtr<IWbemServices> services;
    const Bstr ns(L"ROOT\\CIMV2");
    if (FAILED(locator->ConnectServer(ns.get(), nullptr, nullptr, nullptr, 0, nullptr, nullptr,
                                      services.GetAddressOf())) ||
        !services) {
        return identity;
    }
    CoSetProxyBlanket(services.Get(), RPC_C_AUTHN_WINNT, RPC_C_AUTHZ_NONE, nullptr,
                      RPC_C_AUTHN_LEVEL_CALL, RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE);

    // When several objects come, the last one's values remain.
    forEachObject(
        services.Get(), L"SELECT * FROM Win32_ComputerSystemProduct",
        [&](IWbemClassObject* object) { identity.deviceSerial = readText(object, L"UUID"); });
    forEachObject(services.Get(), L"Select * from Win32_OperatingSystem",
                  [&](IWbemClassObject* object) {
                      identity.osManufacturer = readText(object, L"Manufacturer");
                      identity.osVersion = readText(object, L"Version");
                  });
    return identity;
}

std::string programFileVersion() {
    wchar_t path[MAX_PATH + 1] = {};
    const DWORD units = GetModuleFileNameW(nullptr, path, MAX_PATH + 1);
    if (units == 0 || units > MAX_PATH) return std::string();

    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path, &ignored);
    if (size == 0) return std::string();
    std::vector<unsigned char> data(size);
    if (!GetFileVersionInfoW(path, 0, size, data.data())) return std::string();

    VS_FIXEDFILEINFO* info = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&info), &length) ||
        length == 0 || info == nullptr) {
        return std::string();
    }
    char text[100];
    std::snprintf(text, sizeof text, "%d.%d.%d.%d", static_cast<int>(HIWORD(info->dwFileVersionMS)),
                  static_cast<int>(LOWORD(info->dwFileVersionMS)),
                  static_cast<int>(HIWORD(info->dwFileVersionLS)),
                  static_cast<int>(LOWORD(info->dwFileVersionLS)));
    return text;
}
