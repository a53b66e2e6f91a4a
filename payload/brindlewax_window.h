// What Brindlewax.exe's window shows, shared with its tests.
#pragma once

// The window's caption.
#define BX_APP_CAPTION "Brindlewax"
// The product line: the name and the version that the build compiles in.
#define BX_APP_TITLE "Brindlewax " BX_PRODUCT_VERSION

// Control ids of the window's texts; the OK button is IDOK.
const int kAppTitleId = 100;
const int kAppSubtitleId = 101;
