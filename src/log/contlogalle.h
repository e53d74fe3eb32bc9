#pragma once
// The logic that the log window and the QSO edit dialog share: point rules, dupe checks,
// multiplier engine, member lists, entry navigation and the shared helpers of the log.
// Each log window and each QSO edit dialog owns one object. The operations are grouped
// by what they do, each group implemented in files of its own.

#include <cstdint>
#include <string>
#include <string_view>

#include "contest/contestrec.h"

class TContLogAlle {
 public:
  TContLogAlle();
  ~TContLogAlle();
  TContLogAlle(const TContLogAlle&) = delete;
  TContLogAlle& operator=(const TContLogAlle&) = delete;

  // ---- Point rules --------------------------------------------------------------------

  // ---- Value tests of the multiplier kinds --------------------------------------------

  // ---- Member and special-station lists -----------------------------------------------

  // ---- Text helpers -------------------------------------------------------------------

  // ---- Dupe checks --------------------------------------------------------------------

  // ---- Multiplier engine --------------------------------------------------------------

  // ---- Data helpers: preview, call book, serials, points pass -------------------------

  // ---- Window helpers and opening of the log ------------------------------------------

 private:
  // ---- State of the member lists ------------------------------------------------------

  // ---- State of the preview: the call resolved last, the DXCC choice ------------------

  // ---- State of the window helpers ----------------------------------------------------
};
