// WMI back-end of the machine-inventory source: one COM connection per query,
// opened and closed on the calling thread.
#include "wmi_source_win.h"

#include <wbemidl.h>
#include <windows.h>
#include <wrl/client.h>

#include <cstdio>

#include "com_support_win.h"
#include "utf16_win.h"

using Microsoft::WRL::ComPtr;
using biwin::Bstr;
using biwin::ComApartment;
using biwin::Variant;

namespace {

const char* const kGpuTextProperties[] = {"Name",          "DeviceID",       "PNPDeviceID",
                                          "DriverVersion", "VideoProcessor", "VideoModeDescription",
                                          "AdapterDACType"};
const char* const kGpuIntegerProperties[] = {"VideoArchitecture", "AdapterRAM"};
const char* const kMemoryProperties[] = {"Capacity"};
const char* const kEnclosureProperties[] = {"ChassisTypes"};
const char* const kBatteryProperties[] = {"BatteryStatus"};

WmiMessage codeMessage(const char* text, HRESULT hr) {
    return WmiMessage{text, true, static_cast<std::uint32_t>(hr)};
}

template <size_t N>
WmiObject readProperties(IWbemClassObject* object, const char* const (&names)[N]) {
    WmiObject properties;
    for (const char* name : names) {
        Variant value;
        const HRESULT hr = object->Get(biwin::toWide(name).c_str(), 0, value.get(), nullptr, nullptr);
        if (SUCCEEDED(hr)) properties[name] = wmiValueFromVariant(value.value());
    }
    return properties;
}

WmiObject readObject(IWbemClassObject* object, const std::string& kind) {
    if (kind == "memory") return readProperties(object, kMemoryProperties);
    if (kind == "enclosure") return readProperties(object, kEnclosureProperties);
    if (kind == "battery") return readProperties(object, kBatteryProperties);
    WmiObject properties = readProperties(object, kGpuTextProperties);
    for (auto& entry : readProperties(object, kGpuIntegerProperties)) {
        properties[entry.first] = std::move(entry.second);
    }
    return properties;
}

void enumerate(IEnumWbemClassObject* enumerator, const std::string& kind, WmiResult& result) {
    for (;;) {
        ComPtr<IWbemClassObject> object;
        ULONG returned = 0;
        // The HRESULT says nothing the count does not: no object ends the walk.
        enumerator->Next(static_cast<LONG>(WBEM_INFINITE), 1, object.GetAddressOf(), &returned);
        if (returned == 0 || !object) break;
        result.objects.push_back(readObject(object.Get(), kind));
    }
}

// An array of integers (Win32_SystemEnclosure's ChassisTypes) as decimal
// numbers separated by commas; other arrays are null.
WmiValue integerArrayText(const VARIANT& value) {
    const VARTYPE element = value.vt & VT_TYPEMASK;
    SAFEARRAY* array = value.parray;
    LONG low = 0, high = -1;
    if (array == nullptr || SafeArrayGetDim(array) != 1 ||
        FAILED(SafeArrayGetLBound(array, 1, &low)) || FAILED(SafeArrayGetUBound(array, 1, &high)))
        return WmiValue::null();
    std::string text;
    for (LONG i = low; i <= high; ++i) {
        long long number = 0;
        if (element == VT_I4 || element == VT_INT) {
            LONG item = 0;
            if (FAILED(SafeArrayGetElement(array, &i, &item))) return WmiValue::null();
            number = item;
        } else if (element == VT_I2 || element == VT_UI2) {
            USHORT item = 0;
            if (FAILED(SafeArrayGetElement(array, &i, &item))) return WmiValue::null();
            number = element == VT_I2 ? static_cast<SHORT>(item) : item;
        } else {
            return WmiValue::null();
        }
        if (!text.empty()) text += ',';
        text += std::to_string(number);
    }
    return WmiValue::ofText(text);
}

}  // namespace

WmiValue wmiValueFromVariant(const VARIANT& value) {
    if ((value.vt & VT_ARRAY) != 0) return integerArrayText(value);
    switch (value.vt) {
        case VT_BSTR:
            return WmiValue::ofText(
                value.bstrVal != nullptr
                    ? biwin::toUtf8(value.bstrVal, SysStringLen(value.bstrVal))
                    : std::string());
        case VT_I1:
            return WmiValue::ofInt32(value.cVal);
        case VT_UI1:
            return WmiValue::ofInt32(value.bVal);
        case VT_I2:
            return WmiValue::ofInt32(value.iVal);
        case VT_UI2:
            return WmiValue::ofInt32(value.uiVal);
        case VT_I4:
            return WmiValue::ofInt32(value.lVal);
        case VT_INT:
            return WmiValue::ofInt32(value.intVal);
        case VT_UI4:
            return WmiValue::ofInt32(static_cast<std::int32_t>(value.ulVal));
        case VT_UINT:
            return WmiValue::ofInt32(static_cast<std::int32_t>(value.uintVal));
        case VT_I8: {
            char text[32];
            std::snprintf(text, sizeof text, "%lld", static_cast<long long>(value.llVal));
            return WmiValue::ofText(text);
        }
        case VT_UI8: {
            char text[32];
            std::snprintf(text, sizeof text, "%llu", static_cast<unsigned long long>(value.ullVal));
            return WmiValue::ofText(text);
        }
        default:
            return WmiValue::null();
    }
}

WmiResult runWmiQuery(const std::string& query, const std::string& kind, const ProbeRoots&) {
    WmiResult result;
    ComApartment com;
    if (FAILED(com.result())) {
        result.messages.push_back(
            codeMessage("Initializing COM object returns code: 0x", com.result()));
    }

    ComPtr<IWbemLocator> locator;
    HRESULT hr =
        CoCreateInstance(CLSID_WbemLocator, nullptr, CLSCTX_INPROC_SERVER, IID_IWbemLocator,
                         reinterpret_cast<void**>(locator.GetAddressOf()));
    if (FAILED(hr)) {
        result.messages.push_back(
            codeMessage("Failed to create IWbemLocator object. Error code = 0x", hr));
        return result;
    }

    ComPtr<IWbemServices> services;
    const Bstr ns(L"ROOT\\CIMV2");
    hr = locator->ConnectServer(ns.get(), nullptr, nullptr, nullptr, 0, nullptr, nullptr,
                                services.GetAddressOf());
    if (FAILED(hr)) {
        result.messages.push_back(codeMessage("Could not connect. Error code = 0x", hr));
        return result;
    }

    hr = CoSetProxyBlanket(services.Get(), RPC_C_AUTHN_WINNT, RPC_C_AUTHZ_NONE, nullptr,
                           RPC_C_AUTHN_LEVEL_CALL, RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE);
    if (FAILED(hr)) {
        result.messages.push_back(codeMessage("Could not set proxy blanket. Error code = 0x", hr));
        return result;
    }

    ComPtr<IEnumWbemClassObject> enumerator;
    const Bstr language(L"WQL");
    const Bstr queryText(biwin::toWide(query).c_str());
    hr = services->ExecQuery(language.get(), queryText.get(),
                             WBEM_FLAG_FORWARD_ONLY | WBEM_FLAG_RETURN_IMMEDIATELY, nullptr,
                             enumerator.GetAddressOf());
    if (FAILED(hr)) {
        // One wording for every kind of query.
        result.messages.push_back(
            codeMessage("Query for operating system name failed. Error code = 0x", hr));
        return result;
    }
    if (!enumerator) {
        result.status = WmiResult::Status::NoEnumerator;
        return result;
    }

    result.status = WmiResult::Status::Enumerated;
    if (kind == "gpu" || kind == "memory" || kind == "enclosure" || kind == "battery") {
        enumerate(enumerator.Get(), kind, result);
    } else {
        result.messages.push_back(
            WmiMessage{"[OrvoCheckLib] No inventory source for kind " + kind, false, 0});
    }
    // The ComPtr members release the enumerator, the services and the locator,
    // in that order, before COM is uninitialised.
    return result;
}

bool adapterNamesFromDriver() { return true; }
