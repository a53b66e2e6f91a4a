// Reading back, and removing, what an installation leaves on the machine:
// files and folders, shell link files and the values of registry keys.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// The shell's path of a special folder (a CSIDL number); empty when unknown.
std::string GetShellFolder(int nFolder);

bool PathExists(const std::string& path);
bool IsFolder(const std::string& path);

// The whole content of the file at `path`; false when it cannot be read.
bool ReadWholeFile(const std::string& path, std::string* pContent);
// Creates or replaces the file at `path` with `content`; false on failure.
bool WriteWholeFile(const std::string& path, const std::string& content);

// The names directly inside `folder` (files and subfolders, not . and ..),
// sorted; empty when the folder cannot be searched.
std::vector<std::string> ListFolder(const std::string& folder);

// Removes `path` with everything below it, read-only files included.
void RemoveTree(const std::string& path);

// A shell link file as IShellLinkA reads it back.
struct ShortcutRead {
  bool bLoaded = false;  // the file could be loaded as a shell link
  std::string strTarget;
  std::string strDescription;
};
// Needs COM on the calling thread.
ShortcutRead ReadShortcut(const std::string& linkPath);

// One registry value as stored: its type and its data bytes exactly.
struct RegistryValue {
  bool bExists = false;
  DWORD nType = REG_NONE;
  std::string data;
};
RegistryValue ReadRegistryValue(HKEY hRoot, const std::string& keyPath, const char* name);
bool RegistryKeyExists(HKEY hRoot, const std::string& keyPath);
// Creates the key when needed and writes `data` (bytes as given) as REG_SZ.
bool WriteRegistryString(HKEY hRoot, const std::string& keyPath, const char* name, const std::string& data);

// Visible top-level windows whose caption is `caption`, of any process.
std::vector<HWND> FindWindowsCaptioned(const std::string& caption);
