// The shell's folder browser that another process shows: choosing a folder
// in it as a user would, by having it select the folder's item.
#pragma once

#include <windows.h>

#include <string>

// Makes the browse window `hBrowser` of process `nProcessId` select
// `folder` (BFFM_SETSELECTIONA; the path is placed in that process's memory,
// where the browser reads it). Returns false when the memory cannot be
// had or written, or the window does not answer.
bool SelectFolderInBrowser(DWORD nProcessId, HWND hBrowser, const std::string& folder);
