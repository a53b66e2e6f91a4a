#include "sfx/entry_name.h"

#include <cstring>

#include "framework/codepage.h"
#include "sfx/sfx_format.h"

namespace {

char ToUpperAscii(char ch) { return (ch >= 'a' && ch <= 'z') ? static_cast<char>(ch - 'a' + 'A') : ch; }

bool IsDeviceName(const CString& name) {
  static const char* const kDevices[] = {"CON", "PRN", "AUX", "NUL"};
  int dot = name.Find('.');
  CString stem = dot < 0 ? name : name.Left(dot);
  for (const char* device : kDevices) {
    if (IsSameEntryName(stem, device)) return true;
  }
  if (stem.GetLength() == 4 && stem[3] >= '1' && stem[3] <= '9') {
    CString prefix = stem.Left(3);
    return IsSameEntryName(prefix, "COM") || IsSameEntryName(prefix, "LPT");
  }
  return false;
}

}  // namespace

const char* GetEntryNameFault(const CString& name) {
  if (name.IsEmpty()) return "is empty";
  if (name.GetLength() > SFX_MAX_NAME_LENGTH) return "is longer than 1000 bytes";
  if (name == "." || name == "..") return "names a folder, not a file";
  const char* text = name.GetString();
  for (int i = 0; i < name.GetLength(); ++i) {
    unsigned char byte = static_cast<unsigned char>(text[i]);
    if (IsAnsiLeadByte(byte) && i + 1 < name.GetLength()) {
      ++i;  // the trail byte belongs to the same character
      continue;
    }
    if (byte < 0x20 || byte == 0x7F) return "holds a control character";
    if (std::strchr("\\/:<>\"|?*", byte) != nullptr) return "holds a character Windows does not allow in file names";
  }
  char last = text[name.GetLength() - 1];
  if (last == ' ' || last == '.') return "ends in a blank or a dot";
  if (IsDeviceName(name)) return "is a device name that Windows reserves";
  return nullptr;
}

bool IsSameEntryName(const CString& left, const CString& right) {
  if (left.GetLength() != right.GetLength()) return false;
  for (int i = 0; i < left.GetLength(); ++i) {
    if (IsAnsiLeadByte(static_cast<unsigned char>(left[i])) && i + 1 < left.GetLength()) {
      // A double-byte character has no case here: both bytes must match.
      if (left[i] != right[i] || left[i + 1] != right[i + 1]) return false;
      ++i;
    } else if (ToUpperAscii(left[i]) != ToUpperAscii(right[i])) {
      return false;
    }
  }
  return true;
}
