// CFolderPicker: the shell's modal folder browser (SHBrowseForFolderA).
// Set a caption and the folder to start at, run Browse with an owner window,
// and after a return of 1 read the chosen folder's file-system path with
// GetFolderPath. One picker serves one browse.
#pragma once

#include <windows.h>

#include "framework/string.h"

class CWnd;

class CFolderPicker {
 public:
  // All texts empty, image index and status flag 0.
  CFolderPicker();
  virtual ~CFolderPicker();
  CFolderPicker(const CFolderPicker&) = delete;
  CFolderPicker& operator=(const CFolderPicker&) = delete;

  // Text set as the browse window's caption when it opens; empty keeps the
  // shell's own caption.
  void SetCaption(CString caption);
  // Folder selected when the window opens. Browse removes trailing white
  // space and then one trailing '\' or '/' from it first.
  void SetInitialFolder(CString folder);

  // Runs the modal browse window, owned by `owner`'s window (or by none when
  // `owner` is null or has no window). Needs COM on the calling thread.
  // Returns 1 when the user chose an item with a file-system path, which
  // GetFolderPath then gives (without a trailing backslash, a drive root
  // apart). Returns 0 when the user cancelled, the chosen item has no
  // file-system path, the shell's allocator cannot be had, or the root
  // folder cannot be parsed.
  int Browse(CWnd* owner);

  // The chosen folder's path; meaningful only after Browse returned 1.
  CString GetFolderPath() const;

  // The callback handed to the shell, `data` being the picker. On
  // BFFM_INITIALIZED it selects the initial folder (when one is set) and sets
  // the caption (when one is set); on BFFM_SELCHANGED it asks ValidateFolder
  // about the selected item's path (empty for an item without one), shows
  // its status text when the picker has a status line, and enables or
  // disables OK by its answer. Always returns 0.
  static int CALLBACK BrowseCallback(HWND hWnd, UINT message, LPARAM lParam, LPARAM data);

 protected:
  // Decides whether OK is enabled for the selected item, whose path is
  // `path` (empty when it has none), and may fill `statusText` for the
  // status line. This version accepts every selection and leaves the status
  // text empty.
  virtual BOOL ValidateFolder(const CString& path, CString& statusText);

  // Browse's first step: trailing white space off m_strInitialFolder, then
  // one trailing '\' or '/' (a whole character, never a trail byte).
  void TidyInitialFolder();

  CString m_strCaption;
  CString m_strFolderPath;
  CString m_strRootFolder;
  CString m_strInitialFolder;
  CString m_strTitle;
  int m_nImage;
  int m_bStatusText;
};
