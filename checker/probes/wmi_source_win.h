#pragma once

#include <oaidl.h>

#include "wmi_source.h"

// How one property value read from WMI becomes a WmiValue: strings stay
// text, every integer type keeps its low 32 bits (an unsigned 32-bit value
// such as "AdapterRAM" travels in the signed slot bit for bit), 64-bit
// integers become decimal text (WMI normally already delivers them as text),
// VT_NULL and VT_EMPTY are null, an array of integers is
// decimal text separated by commas ("3,9"). Other types are null too.
WmiValue wmiValueFromVariant(const VARIANT& value);
