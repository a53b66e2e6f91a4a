#include "tools/progress_bar.h"

#include <cstdio>

#if defined(_WIN32)
#include <io.h>
#define BX_ISATTY _isatty
#define BX_FILENO _fileno
#else
#include <unistd.h>
#define BX_ISATTY isatty
#define BX_FILENO fileno
#endif

namespace {
const int kBarWidth = 30;
const int kNameWidth = 28;
}  // namespace

CProgressBar::CProgressBar() : m_bEnabled(BX_ISATTY(BX_FILENO(stderr)) != 0) {}

CProgressBar::~CProgressBar() { Finish(); }

void CProgressBar::BeginEntry(int nNumber, int nCount, const CString& name) {
  m_nNumber = nNumber;
  m_nCount = nCount;
  m_strName = name.GetLength() > kNameWidth ? name.Left(kNameWidth - 3) + "..." : name;
  m_nPercent = 0;
  Draw();
}

void CProgressBar::SetPercent(int nPercent) {
  if (nPercent == m_nPercent) return;
  m_nPercent = nPercent;
  Draw();
}

void CProgressBar::Draw() {
  if (!m_bEnabled) return;
  char bar[kBarWidth + 1];
  int nFilled = m_nPercent * kBarWidth / 100;
  for (int i = 0; i < kBarWidth; ++i) bar[i] = i < nFilled ? '#' : '.';
  bar[kBarWidth] = '\0';
  std::fprintf(stderr, "\r%3d/%-3d %-*s [%s] %3d%%", m_nNumber, m_nCount, kNameWidth, m_strName.GetString(), bar,
               m_nPercent);
  std::fflush(stderr);
  m_bLineOpen = true;
}

void CProgressBar::Finish() {
  if (!m_bLineOpen) return;
  std::fputc('\n', stderr);
  std::fflush(stderr);
  m_bLineOpen = false;
}
