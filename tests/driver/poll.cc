#include "tests/driver/poll.h"

namespace {

const DWORD kPollIntervalMs = 20;

}  // namespace

bool PollUntil(const std::function<bool()>& condition, DWORD nTimeoutMs) {
  const ULONGLONG nStart = GetTickCount64();
  for (;;) {
    if (condition()) return true;
    if (GetTickCount64() - nStart >= nTimeoutMs) return false;
    Sleep(kPollIntervalMs);
  }
}
