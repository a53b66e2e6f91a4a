#include "framework/codepage.h"

#include <windows.h>

bool IsAnsiLeadByte(unsigned char byte) { return IsDBCSLeadByte(byte) != FALSE; }

bool LoadAnsiString(unsigned id, std::string* text) {
  // With a zero buffer size LoadStringW hands out a read-only pointer into
  // the resource itself; the text there is not zero-terminated.
  const wchar_t* wide = nullptr;
  int wideLength = LoadStringW(GetModuleHandleW(nullptr), id, reinterpret_cast<LPWSTR>(&wide), 0);
  if (wideLength <= 0 || wide == nullptr) return false;
  int ansiLength = WideCharToMultiByte(CP_ACP, 0, wide, wideLength, nullptr, 0, nullptr, nullptr);
  if (ansiLength <= 0) return false;
  std::string converted(static_cast<size_t>(ansiLength), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide, wideLength, &converted[0], ansiLength, nullptr, nullptr);
  *text = std::move(converted);
  return true;
}
