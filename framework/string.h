// CString: the one text type of the system. An 8-bit string in the system's
// ANSI code page with value semantics: a copy is independent of its source.
// Searching and trimming step over double-byte characters as whole
// characters, so a trail byte that happens to equal '\\' or a blank is never
// taken for one.
#pragma once

#include <stdexcept>
#include <string>

class CString {
 public:
  CString() = default;
  CString(const char* text);  // NOLINT: implicit, as texts and strings mix freely
  CString(const char* text, int length);
  CString(const std::string& text);  // NOLINT

  // Loads string `id` from the program's string table (Windows; elsewhere
  // there is none). Returns false and leaves the string unchanged when the
  // string is missing or empty.
  bool LoadFromStringTable(unsigned id);

  int GetLength() const { return static_cast<int>(m_text.size()); }
  bool IsEmpty() const { return m_text.empty(); }
  void Empty() { m_text.clear(); }

  // Zero-terminated read access, valid until the string is next changed.
  const char* GetString() const { return m_text.c_str(); }
  operator const char*() const { return m_text.c_str(); }  // NOLINT
  const std::string& str() const { return m_text; }

  // The byte at `index`; `index` == GetLength() gives the terminating zero.
  // Throws std::invalid_argument for an index outside 0 .. GetLength().
  char GetAt(int index) const;
  char operator[](int index) const { return GetAt(index); }

  // The first / last `count` bytes: below 0 counts as 0, at or beyond the
  // length gives the whole string.
  CString Left(int count) const;
  CString Right(int count) const;
  // From `first` (clamped to 0 .. length) to the end, or `count` bytes of it
  // (clamped to what is there).
  CString Mid(int first) const;
  CString Mid(int first, int count) const;

  // Position of the first `ch` at or after `start`, or -1. Multibyte-aware.
  int Find(char ch, int start = 0) const;
  // Position of the last `ch`, or -1. Multibyte-aware.
  int ReverseFind(char ch) const;
  // Removes trailing white space (blank, tab, CR, LF, VT, FF). Returns *this.
  CString& TrimRight();

  // printf-style formatting; replaces the content.
  void Format(const char* format, ...)
#if defined(__GNUC__)
      __attribute__((format(printf, 2, 3)))
#endif
      ;

  // A writable buffer of at least `minLength` bytes plus a terminating zero,
  // holding the current content. After writing, ReleaseBuffer() takes the
  // new length from the terminating zero (or `newLength` when given >= 0).
  char* GetBuffer(int minLength);
  void ReleaseBuffer(int newLength = -1);

  CString& operator+=(const CString& other);
  CString& operator+=(const char* text);
  CString& operator+=(char ch);

  bool operator==(const char* text) const;
  bool operator!=(const char* text) const { return !(*this == text); }
  bool operator==(const CString& other) const { return m_text == other.m_text; }
  bool operator!=(const CString& other) const { return m_text != other.m_text; }

  friend CString operator+(const CString& left, const CString& right);
  friend CString operator+(const CString& left, const char* right);
  friend CString operator+(const char* left, const CString& right);

 private:
  std::string m_text;
};
