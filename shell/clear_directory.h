// Emptying a folder of its files before it is written into again.
#pragma once

#include "framework/string.h"

// Deletes every file directly inside `folder` (given with or without a
// trailing backslash), hidden and system files included. Subfolders and
// their contents stay, and so does the folder itself. Whatever the system
// refuses to delete (a read-only file, a file held open) stays too; nothing
// is reported. A folder that cannot be searched is left untouched.
void ClearDirectory(CString folder);
