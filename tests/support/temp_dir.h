// Helpers for tests that work on real files: a private temporary folder that
// is removed with everything in it when the object goes, and whole-file
// reading and writing.
#pragma once

#include <string>

class TempDir {
 public:
  TempDir();  // creates the folder; a test that cannot get one fails
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  // The folder, without a trailing separator.
  const std::string& Path() const { return m_strPath; }
  // The folder joined with `name` by the platform's separator.
  std::string File(const std::string& name) const;

 private:
  std::string m_strPath;
};

// The platform's folder separator as text: "\\" on Windows, "/" elsewhere.
const char* PathSeparator();

void WriteWholeFile(const std::string& path, const std::string& bytes);
// The file's bytes; an empty string when it cannot be read.
std::string ReadWholeFile(const std::string& path);
bool FileExists(const std::string& path);
// Content for round trips: `size` bytes mixing runs of text, repeated
// patterns and pseudo-random bytes; the same `seed` gives the same bytes.
std::string MixedContent(size_t size, unsigned seed);
