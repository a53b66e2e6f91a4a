// Test support for the self-painting bars: a visible host window with
// "msctls_progress32" children of exact pixel sizes, the capture of what a
// window shows on screen, a reference rendering of a text, and BMP output.
#pragma once

#include <windows.h>

#include <vector>

#include "framework/string.h"

// Pixels of a captured or rendered picture, as COLORREF values.
struct Picture {
  int nWidth = 0;
  int nHeight = 0;
  std::vector<COLORREF> pixels;

  COLORREF At(int x, int y) const { return pixels[static_cast<size_t>(y) * nWidth + x]; }
  // How many pixels of the columns [xFrom, xTo) have colour `cr`.
  int Count(int xFrom, int xTo, COLORREF cr) const;
  bool operator==(const Picture& other) const {
    return nWidth == other.nWidth && nHeight == other.nHeight && pixels == other.pixels;
  }
};

// A popup window at the screen's top-left corner that hosts the bars; the
// common controls are registered when it is made.
class BarHost {
 public:
  BarHost(int nWidth, int nHeight);
  ~BarHost();
  BarHost(const BarHost&) = delete;
  BarHost& operator=(const BarHost&) = delete;

  // A new child progress window (no border) of exactly nWidth x nHeight
  // client pixels at (x, y).
  HWND AddBar(int x, int y, int nWidth, int nHeight);
  // A static text child, for labels in pictures meant for people.
  void AddLabel(int x, int y, int nWidth, int nHeight, const char* pszText);
  HWND GetHwnd() const { return m_hWnd; }

 private:
  HWND m_hWnd;
};

// What `hWnd`'s client area shows now, read back from its window DC after
// the pending paints have been done.
Picture CaptureClient(HWND hWnd);

// `pszText` drawn as the bar draws its figure: a memory context's default
// font, centred on one line over a rectangle of the given size filled with
// `crBack`, in `crText`.
Picture RenderReferenceText(int nWidth, int nHeight, const char* pszText, COLORREF crBack, COLORREF crText);

// Writes `picture` as a 24-bit bottom-up BMP file. False when the file
// cannot be written.
bool WriteBmp(const Picture& picture, const char* pszPath);
