// Entry names: the bare file names an archive may carry. A valid name is
// one that a Windows folder can hold as a file and that cannot lead out of
// the destination folder.
#pragma once

#include "framework/string.h"

// Why `name` cannot be an entry name, in words ("holds a ':'"), or null when
// it can be one. Refused: an empty name, one longer than SFX_MAX_NAME_LENGTH
// bytes, "." and "..", any of \ / : < > " | ? * or a control character, a
// name ending in a blank or a dot (Windows would drop them), and the device
// names CON, PRN, AUX, NUL, COM1..COM9, LPT1..LPT9 with or without an
// extension. Double-byte characters of the ANSI code page are taken whole:
// their trail bytes are never mistaken for a forbidden character.
const char* GetEntryNameFault(const CString& name);

inline bool IsValidEntryName(const CString& name) { return GetEntryNameFault(name) == nullptr; }

// True when the two names would name the same file on Windows: equal when
// ASCII letters are compared without regard to case (double-byte
// characters must match exactly).
bool IsSameEntryName(const CString& left, const CString& right);
