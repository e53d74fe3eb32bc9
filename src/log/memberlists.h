#pragma once
// The layout of the member lists the program reads, shared by the list lookups and the
// fill of the received exchange.

#include <string_view>

#include "contest/contestrec.h"

namespace memberlists {

struct TListFile {
  const char* File;
  char Code;   // the contest that reads the list
  int Field;   // the received field (1 or 2) whose kind must be Kind
  int Kind;    // the kind of that field, which takes the value
  int ListNo;  // the list of the log window that holds it
  int CallColumn;
  int ValueColumn;
  bool DropOp;          // a value holding "OP" is no member number
  bool AlsoCall2;       // the value is the QSO's member number as well
  const char* Missing;  // the value when the call is not listed
  const char* Prefix;   // put in front of the value read
};

const TListFile* ListFileOf(std::string_view file);
// The list of list number listNo that the contest reads; nullptr when none.
const TListFile* ListFileOfContest(char code, const TContestRec& def, int listNo);

}  // namespace memberlists
