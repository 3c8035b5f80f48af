// Windows answers of the operating-system probe.
#include <windows.h>

#include "os_probe.h"

bool isOSVersionOrGreater(unsigned major, unsigned minor, unsigned servicePackMajor) {
    OSVERSIONINFOEXW wanted{};
    wanted.dwOSVersionInfoSize = sizeof wanted;
    wanted.dwMajorVersion = major;
    wanted.dwMinorVersion = minor;
    wanted.wServicePackMajor = static_cast<WORD>(servicePackMajor);

    ULONGLONG mask = 0;
    mask = VerSetConditionMask(mask, VER_MAJORVERSION, VER_GREATER_EQUAL);
    mask = VerSetConditionMask(mask, VER_MINORVERSION, VER_GREATER_EQUAL);
    mask = VerSetConditionMask(mask, VER_SERVICEPACKMAJOR, VER_GREATER_EQUAL);
    return VerifyVersionInfoW(&wanted, VER_MAJORVERSION | VER_MINORVERSION | VER_SERVICEPACKMAJOR,
                              mask) != FALSE;
}

bool is64BitWindows(std::string* warning) {
#if defined(_WIN64)
    // A 64-bit process only runs on 64-bit Windows. IsWow64Process answers
    // FALSE for it (it is not under the 32-bit subsystem), which would rank
    // every 64-bit Windows as unsuitable.
    (void)warning;
    return true;
#else
    using IsWow64ProcessFunction = BOOL(WINAPI*)(HANDLE, PBOOL);
    const HMODULE kernel32 = GetModuleHandleW(L"kernel32");
    if (kernel32 == nullptr) return false;
    // Looked up at run time: older systems do not have it, which simply
    // means they are not 64-bit.
    const auto isWow64Process = reinterpret_cast<IsWow64ProcessFunction>(
        reinterpret_cast<void*>(GetProcAddress(kernel32, "IsWow64Process")));
    if (isWow64Process == nullptr) return false;

    BOOL underWow64 = FALSE;
    if (!isWow64Process(GetCurrentProcess(), &underWow64) && warning != nullptr) {
        *warning = "[OrvoCheckLib] IsWow64Process() function failed";
    }
    return underWow64 == TRUE;
#endif
}
