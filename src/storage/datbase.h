#pragma once
// File definitions: opening and closing the files of a table with their keys and key
// builder, counting the uses of an open file.

#include <string>

#include "storage/dbkeys.h"

class TdbTreiber;

class ToDatBase {
 public:
  enum TOpenResult : int { kOpenedNow = 0, kAlreadyOpen = 1, kOpenFailed = 2 };

  // Opens path + fileName (".db" is appended; a missing file is created empty) into the
  // driver variable. A driver already in the variable, or a file already open under
  // the same path, only has its use count raised. Skip: nothing is done (2).
  static int OpenFile(bool skip, TdbTreiber*& driver, const ToKeys& keys, bool shared,
                      TKeyBuilder builder, int keyCount, const std::string& path,
                      const std::string& fileName, int sectionLength, int maxRecordLength);
  // Releases one use (every use with all) and frees the driver when none is left.
  static void CloseFile(bool skip, TdbTreiber*& driver, bool all);
  // Names the AUTOKEY key and the offset of its 32-bit counter in the record.
  static void SetAutoKeyField(TdbTreiber* driver, int keyNr, bool skip, int counterOffset);
  // Closes every open file (at the shut-down of the database).
  static void CloseAll();
};
