#pragma once
// The driver's error word and the global driver settings. Every driver operation sets
// the error word to the highest error class it met (0 = ok); failures worth keeping are
// written to the error logs in the current directory: "KV.ERR" while the database is
// starting, "IFD.ERR" afterwards, and the last one in full to "IFDErr.Dmp".

#include <cstdint>
#include <functional>
#include <string>

// Error classes of the driver's error word.
enum TDbErrorClass : uint16_t {
  kDbOk = 0,
  kDbNotFound = 1,  // no such record, end of the index, empty file
  kDbRefused = 2,   // a unique key would repeat, or a lock could not be had in time
  kDbFailed = 3,    // the engine failed (I/O, damaged file, disk full)
  kDbNotOpen = 4,   // no usable file behind the driver
};

// Engine error numbers of our own (the engine's result codes are used as they come).
enum TDbErrorCode : int {
  kDbCodeNotFound = 1001,
  kDbCodeDuplicate = 1002,
  kDbCodeLocked = 1003,
  kDbCodeNotOpen = 1004,
  kDbCodeFileFull = 1005,
  kDbCodeBadKey = 1006,
};

// The error word of the last driver operation.
uint16_t DriverError();
// Engine error number and "Datenbankfehler (code) description" of the last failure
// (0 and "" after a successful operation).
int DriverErrorCode();
std::string DriverErrorText();
// Failures of class kDbFailed and above since the start. The error word tells of the last
// operation only; a job of many operations compares this count before and after to learn
// whether any of them failed.
int DriverFailures();

// The callback asked when a lock keeps an operation from running after the retry time:
// it gets a message text and a retry kind and answers non-zero to try once more.
using TRetryHandler = std::function<int(const std::string& message, int kind)>;
enum TRetryKind : int { kRetryRead = 1, kRetryWrite = 2, kRetryFileLock = 3 };

// The engine's lock-retry delay in milliseconds between two attempts (default 30).
uint16_t LockRetryDelay();
void SetLockRetryDelay(uint16_t ms);

namespace OOPShell {
// True while a driver operation is running.
bool DriverIsBusy();
}  // namespace OOPShell

namespace BTBase {
void Sleep(int ms);
}  // namespace BTBase
