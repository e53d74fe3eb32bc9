#pragma once
// Setting the driver's error word and writing failures to the error logs; used inside
// the storage engine only.

#include <cstdint>
#include <string>

namespace dberr {

// A driver operation starts: the error word is cleared. The guard marks the driver busy.
void Clear();
class TBusy {
 public:
  TBusy();
  ~TBusy();
  TBusy(const TBusy&) = delete;
  TBusy& operator=(const TBusy&) = delete;
};

// Records a failure of class cls; classes from kDbRefused on are logged unless quiet.
void Set(uint16_t cls, int code, const std::string& description, const std::string& file,
         const std::string& operation, bool quiet = false);
// Raises the error word to at least cls without a new failure text (not found).
void Raise(uint16_t cls);

// The error word and failure text as they stand, to be set again later.
struct TSaved {
  uint16_t Cls = 0;
  int Code = 0;
  std::string Text;
};
TSaved Save();
void Restore(const TSaved& saved);

// Errors go to "KV.ERR" while starting (before the database is up) and "IFD.ERR" after.
void SetStarting(bool starting);

}  // namespace dberr
