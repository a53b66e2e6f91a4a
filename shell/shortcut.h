// Shell link (.lnk) files written through the shell link object.
#pragma once

#include <windows.h>

#include "framework/string.h"

// Writes a shortcut at `linkPath` (created, or replaced when one is there)
// that points at `target` and carries `description` as its comment. No other
// setting of the link is touched. A target that does not exist is still
// saved. COM must be initialised on the calling thread.
// Returns S_OK when the link file was saved; otherwise the failing call's
// HRESULT (object creation, interface query, save), or
// HRESULT_FROM_WIN32(ERROR_FILENAME_EXCED_RANGE) when `linkPath` does not fit
// MAX_PATH UTF-16 code units with its terminator, in which case nothing is
// saved.
HRESULT CreateShortcut(CString target, CString linkPath, CString description);
