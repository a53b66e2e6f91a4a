// Character-set services of the platform that the string type relies on.
// Windows: the system's ANSI code page and the program's string table.
// Elsewhere: a single-byte character set and no string table.
#pragma once

#include <string>

// True when `byte` opens a double-byte character in the ANSI code page, so
// the byte after it belongs to the same character.
bool IsAnsiLeadByte(unsigned char byte);

// Loads string `id` from the running program's string table, converted from
// its UTF-16 text to the ANSI code page. Returns false, leaving `text`
// unchanged, when there is no such string or it is empty.
bool LoadAnsiString(unsigned id, std::string* text);
