// Special folders of the shell, named by their CSIDL numbers.
#pragma once

#include "framework/string.h"

// The file-system path of special folder `csidl` (CSIDL_DESKTOP,
// CSIDL_PROGRAMS, CSIDL_PROGRAM_FILES, ...) exactly as the shell gives it.
// Returns an empty string when the shell cannot resolve the folder or the
// folder has no file-system path. Reports nothing else.
CString GetSpecialFolderPath(int csidl);
