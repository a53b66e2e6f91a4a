#include "framework/string.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "framework/codepage.h"

namespace {

bool IsTrailingSpace(char ch) {
  return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n' || ch == '\v' || ch == '\f';
}

// Length of the character that starts at text[i]: 2 for a lead byte followed
// by its trail byte, else 1.
int CharLength(const std::string& text, size_t i) {
  if (IsAnsiLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size()) return 2;
  return 1;
}

}  // namespace

CString::CString(const char* text) : m_text(text != nullptr ? text : "") {}

CString::CString(const char* text, int length)
    : m_text(text != nullptr && length > 0 ? std::string(text, static_cast<size_t>(length)) : std::string()) {}

CString::CString(const std::string& text) : m_text(text) {}

bool CString::LoadFromStringTable(unsigned id) { return LoadAnsiString(id, &m_text); }

char CString::GetAt(int index) const {
  if (index < 0 || index > GetLength()) {
    throw std::invalid_argument("CString::GetAt: index " + std::to_string(index) + " outside 0.." +
                                std::to_string(GetLength()));
  }
  return m_text.c_str()[index];
}

CString CString::Left(int count) const {
  count = std::clamp(count, 0, GetLength());
  return CString(m_text.substr(0, static_cast<size_t>(count)));
}

CString CString::Right(int count) const {
  count = std::clamp(count, 0, GetLength());
  return CString(m_text.substr(m_text.size() - static_cast<size_t>(count)));
}

CString CString::Mid(int first) const { return Mid(first, GetLength()); }

CString CString::Mid(int first, int count) const {
  first = std::clamp(first, 0, GetLength());
  count = std::clamp(count, 0, GetLength() - first);
  return CString(m_text.substr(static_cast<size_t>(first), static_cast<size_t>(count)));
}

int CString::Find(char ch, int start) const {
  if (start < 0) start = 0;
  for (size_t i = 0; i < m_text.size(); i += CharLength(m_text, i)) {
    if (static_cast<int>(i) >= start && m_text[i] == ch) return static_cast<int>(i);
  }
  return -1;
}

int CString::ReverseFind(char ch) const {
  int found = -1;
  for (size_t i = 0; i < m_text.size(); i += CharLength(m_text, i)) {
    if (m_text[i] == ch) found = static_cast<int>(i);
  }
  return found;
}

CString& CString::TrimRight() {
  size_t keep = 0;  // length up to the end of the last non-space character
  for (size_t i = 0; i < m_text.size();) {
    int length = CharLength(m_text, i);
    if (length == 2 || !IsTrailingSpace(m_text[i])) keep = i + length;
    i += length;
  }
  m_text.resize(keep);
  return *this;
}

void CString::Format(const char* format, ...) {
  va_list args;
  va_start(args, format);
  va_list measure;
  va_copy(measure, args);
  int length = std::vsnprintf(nullptr, 0, format, measure);
  va_end(measure);
  if (length < 0) {
    m_text.clear();
  } else {
    std::string formatted(static_cast<size_t>(length) + 1, '\0');
    std::vsnprintf(&formatted[0], formatted.size(), format, args);
    formatted.resize(static_cast<size_t>(length));
    m_text = std::move(formatted);
  }
  va_end(args);
}

char* CString::GetBuffer(int minLength) {
  size_t size = std::max(m_text.size(), static_cast<size_t>(std::max(minLength, 0)));
  m_text.resize(size);
  return &m_text[0];
}

void CString::ReleaseBuffer(int newLength) {
  if (newLength < 0) {
    m_text.resize(std::strlen(m_text.c_str()));
  } else {
    m_text.resize(std::min(static_cast<size_t>(newLength), m_text.size()));
  }
}

CString& CString::operator+=(const CString& other) {
  m_text += other.m_text;
  return *this;
}

CString& CString::operator+=(const char* text) {
  if (text != nullptr) m_text += text;
  return *this;
}

CString& CString::operator+=(char ch) {
  m_text += ch;
  return *this;
}

bool CString::operator==(const char* text) const { return m_text == (text != nullptr ? text : ""); }

CString operator+(const CString& left, const CString& right) { return CString(left.m_text + right.m_text); }

CString operator+(const CString& left, const char* right) {
  CString result(left);
  result += right;
  return result;
}

CString operator+(const char* left, const CString& right) {
  CString result(left);
  result += right;
  return result;
}
