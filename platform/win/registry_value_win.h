// One value of the machine's registry, read without changing anything.
#pragma once

namespace biwin {

// The value `name` under HKEY_LOCAL_MACHINE\subKey as an integer: a DWORD or
// QWORD as it is, a string by its decimal digits. The key is opened for
// reading only, so a missing key stays missing (the toolkit's settings open
// it for writing, which creates it in a run with administrator rights).
// Missing, unreadable or not a number: 0. Same registry view as the program
// (a 32-bit program reads WOW6432Node).
int readMachineInteger(const wchar_t* subKey, const wchar_t* name);

}  // namespace biwin
