// The Env of POSIX systems: file descriptors, /proc/self/exe, and a registry
// of byte arrays standing in for the resources of a Windows executable.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <utility>

#include "framework/env.h"

namespace {

std::string ToPosixPath(const char* path) {
  std::string converted(path);
  for (char& ch : converted) {
    if (ch == '\\') ch = '/';
  }
  return converted;
}

class PosixFile : public EnvFile {
 public:
  explicit PosixFile(int fd) : m_fd(fd) {}
  ~PosixFile() override {
    if (m_fd >= 0) ::close(m_fd);
  }

  OsError Read(void* buffer, size_t count, size_t* pnRead) override {
    *pnRead = 0;
    while (*pnRead < count) {
      ssize_t n = ::read(m_fd, static_cast<char*>(buffer) + *pnRead, count - *pnRead);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) return errno;
      if (n == 0) break;
      *pnRead += static_cast<size_t>(n);
    }
    return 0;
  }

  OsError Write(const void* data, size_t count) override {
    size_t nWritten = 0;
    while (nWritten < count) {
      ssize_t n = ::write(m_fd, static_cast<const char*>(data) + nWritten, count - nWritten);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) return errno;
      if (n == 0) return ENOSPC;
      nWritten += static_cast<size_t>(n);
    }
    return 0;
  }

  OsError Seek(int64_t offset, SeekOrigin origin, uint64_t* pnPosition) override {
    static const int kWhence[] = {SEEK_SET, SEEK_CUR, SEEK_END};
    off_t position = ::lseek(m_fd, static_cast<off_t>(offset), kWhence[origin]);
    if (position < 0) return errno;
    *pnPosition = static_cast<uint64_t>(position);
    return 0;
  }

  OsError GetLength(uint64_t* pnLength) override {
    struct stat info;
    if (::fstat(m_fd, &info) != 0) return errno;
    *pnLength = static_cast<uint64_t>(info.st_size);
    return 0;
  }

  OsError GetPosition(uint64_t* pnPosition) override { return Seek(0, kFromCurrent, pnPosition); }

  OsError Close() override {
    int fd = m_fd;
    m_fd = -1;
    return ::close(fd) == 0 ? 0 : errno;
  }

 private:
  int m_fd;
};

std::map<std::pair<std::string, unsigned short>, std::pair<const void*, size_t>>& LinkedResources() {
  static std::map<std::pair<std::string, unsigned short>, std::pair<const void*, size_t>> resources;
  return resources;
}

class PosixEnv : public Env {
 public:
  OsError OpenFile(const char* path, unsigned flags, std::unique_ptr<EnvFile>* pFile) override {
    int oflags = (flags & kWrite) ? O_WRONLY : O_RDONLY;
    if (flags & kCreate) {
      oflags |= O_CREAT;
      if (!(flags & kNoTruncate)) oflags |= O_TRUNC;
    }
    int fd = ::open(ToPosixPath(path).c_str(), oflags | O_CLOEXEC, 0666);
    if (fd < 0) return errno;
    struct stat info;
    if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
      OsError error = S_ISDIR(info.st_mode) ? EISDIR : errno;
      ::close(fd);
      return error;
    }
    *pFile = std::make_unique<PosixFile>(fd);
    return 0;
  }

  CString GetModulePath() override {
    char path[4096];
    ssize_t n = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0) return CString();
    return CString(path, static_cast<int>(n));
  }

  bool DuplicateFile(const char* from, const char* to) override {
    std::string source = ToPosixPath(from), target = ToPosixPath(to);
    struct stat sourceInfo, targetInfo;
    if (::stat(source.c_str(), &sourceInfo) != 0 || S_ISDIR(sourceInfo.st_mode)) return false;
    if (::stat(target.c_str(), &targetInfo) == 0 && sourceInfo.st_dev == targetInfo.st_dev &&
        sourceInfo.st_ino == targetInfo.st_ino) {
      return false;
    }
    std::unique_ptr<EnvFile> input, output;
    if (OpenFile(from, kRead, &input) != 0 || OpenFile(to, kWrite | kCreate, &output) != 0) return false;
    char buffer[65536];
    for (;;) {
      size_t nRead = 0;
      if (input->Read(buffer, sizeof buffer, &nRead) != 0) return false;
      if (nRead == 0) break;
      if (output->Write(buffer, nRead) != 0) return false;
    }
    return output->Close() == 0;
  }

  bool FolderExists(const char* path) override {
    struct stat info;
    return ::stat(ToPosixPath(path).c_str(), &info) == 0 && S_ISDIR(info.st_mode);
  }

  OsError RemoveFile(const char* path) override { return ::unlink(ToPosixPath(path).c_str()) == 0 ? 0 : errno; }

  OsError RenameFile(const char* from, const char* to) override {
    return ::rename(ToPosixPath(from).c_str(), ToPosixPath(to).c_str()) == 0 ? 0 : errno;
  }

  bool FindLinkedResource(const char* type, unsigned short id, const void** pData, size_t* pnSize) override {
    auto found = LinkedResources().find({type, id});
    if (found == LinkedResources().end()) return false;
    *pData = found->second.first;
    *pnSize = found->second.second;
    return true;
  }

  CString DescribeError(OsError error) override { return CString(std::strerror(static_cast<int>(error))); }
};

}  // namespace

void RegisterLinkedResource(const char* type, unsigned short id, const void* data, size_t size) {
  LinkedResources()[{type, id}] = {data, size};
}

Env* Env::Default() {
  static PosixEnv env;
  return &env;
}
