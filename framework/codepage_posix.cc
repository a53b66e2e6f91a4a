#include "framework/codepage.h"

bool IsAnsiLeadByte(unsigned char) { return false; }

bool LoadAnsiString(unsigned, std::string*) { return false; }
