#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#if defined(_WIN32)
#include <windows.h>
#else
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

#if defined(_WIN32)
void RemoveTree(const std::string& path) {
  WIN32_FIND_DATAA found;
  HANDLE hFind = FindFirstFileA((path + "\\*").c_str(), &found);
  if (hFind != INVALID_HANDLE_VALUE) {
    do {
      std::string name = found.cFileName;
      if (name == "." || name == "..") continue;
      std::string child = path + "\\" + name;
      SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(child);
      } else {
        DeleteFileA(child.c_str());
      }
    } while (FindNextFileA(hFind, &found));
    FindClose(hFind);
  }
  RemoveDirectoryA(path.c_str());
}
#else
void RemoveTree(const std::string& path) {
  if (DIR* dir = opendir(path.c_str())) {
    while (dirent* entry = readdir(dir)) {
      std::string name = entry->d_name;
      if (name == "." || name == "..") continue;
      std::string child = path + "/" + name;
      struct stat info;
      if (lstat(child.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) {
        RemoveTree(child);
      } else {
        unlink(child.c_str());
      }
    }
    closedir(dir);
  }
  rmdir(path.c_str());
}
#endif

}  // namespace

TempDir::TempDir() {
#if defined(_WIN32)
  char base[MAX_PATH];
  GetTempPathA(MAX_PATH, base);
  for (unsigned attempt = 0; m_strPath.empty() && attempt < 1000; ++attempt) {
    std::string candidate = std::string(base) + "bxtest" + std::to_string(GetCurrentProcessId()) + "_" +
                            std::to_string(GetTickCount() + attempt);
    if (CreateDirectoryA(candidate.c_str(), nullptr)) m_strPath = candidate;
  }
#else
  char pattern[] = "/tmp/bxtest.XXXXXX";
  if (mkdtemp(pattern) != nullptr) m_strPath = pattern;
#endif
  if (m_strPath.empty()) ADD_FAILURE() << "cannot create a temporary folder";
}

TempDir::~TempDir() {
  if (!m_strPath.empty()) RemoveTree(m_strPath);
}

std::string TempDir::File(const std::string& name) const { return m_strPath + PathSeparator() + name; }

const char* PathSeparator() {
#if defined(_WIN32)
  return "\\";
#else
  return "/";
#endif
}

void WriteWholeFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) ADD_FAILURE() << "cannot write " << path;
}

std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool FileExists(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return in.good();
}

std::string MixedContent(size_t size, unsigned seed) {
  static const char kText[] = "Brindlewax keeps the candle of every workshop burning. ";
  std::string bytes;
  bytes.reserve(size);
  unsigned state = seed * 2654435761u + 1;
  while (bytes.size() < size) {
    state = state * 1103515245u + 12345u;
    size_t run = 1 + (state >> 8) % 3000;
    switch ((state >> 20) % 3) {
      case 0:
        for (size_t i = 0; i < run; ++i) bytes += kText[i % (sizeof kText - 1)];
        break;
      case 1:
        bytes.append(run, static_cast<char>(state >> 24));
        break;
      default:
        for (size_t i = 0; i < run; ++i) {
          state = state * 1103515245u + 12345u;
          bytes += static_cast<char>(state >> 16);
        }
    }
  }
  bytes.resize(size);
  return bytes;
}
