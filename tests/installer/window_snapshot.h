// What a window of another process shows at one moment: its text read in a
// single request, and its pixels read back from the screen (the window's own
// device context belongs to its process).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// The window's text fetched with one WM_GETTEXT into a buffer of 1024
// characters, so that a text the other process changes meanwhile is read
// either before or after the change, never cut to the old length. Empty when
// the window is gone or does not answer.
std::string ReadTextAtOnce(HWND hWnd);

struct ScreenPixels {
  int nWidth = 0;
  int nHeight = 0;
  std::vector<COLORREF> pixels;

  bool operator<(const ScreenPixels& other) const {
    if (nWidth != other.nWidth) return nWidth < other.nWidth;
    if (nHeight != other.nHeight) return nHeight < other.nHeight;
    return pixels < other.pixels;
  }
};

// The pixels of `hWnd`'s whole window rectangle as the screen shows them now;
// empty (0 x 0) when the window is gone.
ScreenPixels CaptureFromScreen(HWND hWnd);
