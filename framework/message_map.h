// Message maps: the small static table through which a window class routes
// window messages, and button clicks by control id, to its member handlers.
//
// A class declares its table with DECLARE_MESSAGE_MAP() and defines it once
// in its source file:
//
//   BEGIN_MESSAGE_MAP(CSetupDlg, CDialog)
//     ON_WM_PAINT()
//     ON_BN_CLICKED(IDC_NEXT, OnNext)
//   END_MESSAGE_MAP()
//
// Each table is chained to its base class's table. CWnd::WindowProc looks
// for the first matching entry from the most derived table to the base's;
// a message that no table holds goes to the window's default processing
// (the original window procedure of a subclassed window).
//
// The entry macros name the handler a member function of the class with
// the signature that goes with the message:
//   ON_WM_PAINT()          void OnPaint()
//   ON_WM_ERASEBKGND()     BOOL OnEraseBkgnd(CDC* pDC)   (the DC is borrowed)
//   ON_WM_SIZE()           void OnSize(UINT nType, int cx, int cy)
//   ON_WM_QUERYDRAGICON()  HCURSOR OnQueryDragIcon()
//   ON_BN_CLICKED(id, fn)  void fn()          WM_COMMAND, BN_CLICKED from control `id`
//   ON_MESSAGE(msg, fn)    LRESULT fn(WPARAM wParam, LPARAM lParam)   (any message but WM_COMMAND)
#pragma once

#include <windows.h>

#include <type_traits>

class CWnd;

// One row of a table. For WM_COMMAND rows, nCode and nID select the
// notification code and control id; other rows match on nMessage alone.
struct MessageMapEntry {
  UINT nMessage;
  UINT nCode;
  UINT nID;
  LRESULT (*pfnHandler)(CWnd* pWnd, WPARAM wParam, LPARAM lParam);
};

// A class's table: its rows, ended by a row with no handler, and the table of
// its base class (null for CWnd, the root).
struct MessageMap {
  const MessageMap* pBaseMap;
  const MessageMapEntry* pEntries;
};

// Finds the row for `nMessage` with `wParam` in `pMap` or the tables it
// chains to; null when no table holds one.
const MessageMapEntry* FindMessageEntry(const MessageMap* pMap, UINT nMessage, WPARAM wParam);

#define DECLARE_MESSAGE_MAP()                           \
 protected:                                             \
  static const MessageMap* GetThisMessageMap();         \
  const MessageMap* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                \
  const MessageMap* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
  const MessageMap* theClass::GetThisMessageMap() {                          \
    using ThisClass = theClass;                                               \
    using TheBaseClass = baseClass;                                           \
    static const MessageMapEntry entries[] = {

#define END_MESSAGE_MAP()                                                   \
      {0, 0, 0, nullptr}};                                                  \
    static_assert(std::is_base_of<TheBaseClass, ThisClass>::value,          \
                  "a message map chains to a base class of its own class"); \
    static const MessageMap map = {TheBaseClass::GetThisMessageMap(), entries}; \
    return &map;                                                            \
  }

#define ON_WM_PAINT()                                                       \
  {WM_PAINT, 0, 0, [](CWnd* pWnd, WPARAM, LPARAM) -> LRESULT {              \
     static_cast<ThisClass*>(pWnd)->OnPaint();                              \
     return 0;                                                              \
   }},

#define ON_WM_ERASEBKGND()                                                  \
  {WM_ERASEBKGND, 0, 0, [](CWnd* pWnd, WPARAM wParam, LPARAM) -> LRESULT {  \
     CDC dc;                                                                \
     dc.Attach(reinterpret_cast<HDC>(wParam));                              \
     BOOL bErased = static_cast<ThisClass*>(pWnd)->OnEraseBkgnd(&dc);       \
     dc.Detach();                                                           \
     return bErased;                                                        \
   }},

#define ON_WM_SIZE()                                                        \
  {WM_SIZE, 0, 0, [](CWnd* pWnd, WPARAM wParam, LPARAM lParam) -> LRESULT { \
     static_cast<ThisClass*>(pWnd)->OnSize(static_cast<UINT>(wParam),       \
                                           static_cast<short>(LOWORD(lParam)), \
                                           static_cast<short>(HIWORD(lParam))); \
     return 0;                                                              \
   }},

#define ON_WM_QUERYDRAGICON()                                               \
  {WM_QUERYDRAGICON, 0, 0, [](CWnd* pWnd, WPARAM, LPARAM) -> LRESULT {      \
     return reinterpret_cast<LRESULT>(static_cast<ThisClass*>(pWnd)->OnQueryDragIcon()); \
   }},

#define ON_BN_CLICKED(id, memberFn)                                         \
  {WM_COMMAND, BN_CLICKED, static_cast<UINT>(id), [](CWnd* pWnd, WPARAM, LPARAM) -> LRESULT { \
     static_cast<ThisClass*>(pWnd)->memberFn();                             \
     return 0;                                                              \
   }},

#define ON_MESSAGE(message, memberFn)                                       \
  {static_cast<UINT>(message), 0, 0, [](CWnd* pWnd, WPARAM wParam, LPARAM lParam) -> LRESULT { \
     return static_cast<ThisClass*>(pWnd)->memberFn(wParam, lParam);        \
   }},
