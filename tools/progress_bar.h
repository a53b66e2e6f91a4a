// CProgressBar: one line on stderr that follows a build or an extraction,
// entry by entry, redrawn in place. It draws only when stderr is a
// terminal; otherwise every call does nothing.
#pragma once

#include "framework/string.h"

class CProgressBar {
 public:
  CProgressBar();
  ~CProgressBar();  // ends a line still open
  CProgressBar(const CProgressBar&) = delete;
  CProgressBar& operator=(const CProgressBar&) = delete;

  // Starts entry `nNumber` (from 1) of `nCount`, named `name`, at 0%.
  void BeginEntry(int nNumber, int nCount, const CString& name);
  // Redraws when `nPercent` differs from what is shown.
  void SetPercent(int nPercent);
  // Ends the line so that further output starts on a fresh one.
  void Finish();

 private:
  void Draw();

  bool m_bEnabled;
  bool m_bLineOpen = false;
  int m_nNumber = 0;
  int m_nCount = 0;
  int m_nPercent = -1;
  CString m_strName;
};
