// Waiting for something that another process does: the driver never sleeps
// for a fixed time, it asks again and again until the answer is yes or the
// time limit has passed. The limit only bounds a failing wait; a passing one
// returns as soon as the condition holds.
#pragma once

#include <windows.h>

#include <functional>

// The time limit the driver's calls use when the caller gives none: long
// enough for a program's first start in a fresh Wine prefix.
const DWORD kDriverTimeoutMs = 30000;

// Evaluates `condition` at once and then about every 20 ms. Returns true as
// soon as it yields true; false when it still yields false after
// `nTimeoutMs` (it is evaluated once more at the limit).
bool PollUntil(const std::function<bool()>& condition, DWORD nTimeoutMs = kDriverTimeoutMs);
