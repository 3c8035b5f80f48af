// Owners for the COM handles that the WMI queries of the probes and of the
// analytics client's device identity hold for the length of one call.
#pragma once

#include <oaidl.h>
#include <objbase.h>
#include <oleauto.h>

namespace biwin {

// A BSTR owned for one call.
class Bstr {
public:
    explicit Bstr(const wchar_t* text) : m_value(SysAllocString(text)) {}
    ~Bstr() { SysFreeString(m_value); }
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    BSTR get() const { return m_value; }

private:
    BSTR m_value;
};

// A VARIANT that is cleared however the read ends.
class Variant {
public:
    Variant() { VariantInit(&m_value); }
    ~Variant() { VariantClear(&m_value); }
    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;
    VARIANT* get() { return &m_value; }
    const VARIANT& value() const { return m_value; }

private:
    VARIANT m_value;
};

// COM for the calling thread while the object lives. A thread already in
// another apartment refuses; the caller still goes on, and only a successful
// initialisation is undone.
class ComApartment {
public:
    ComApartment() : m_result(CoInitializeEx(nullptr, COINIT_MULTITHREADED)) {}
    ~ComApartment() {
        if (SUCCEEDED(m_result)) CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
    HRESULT result() const { return m_result; }

private:
    HRESULT m_result;
};

}  // namespace biwin
