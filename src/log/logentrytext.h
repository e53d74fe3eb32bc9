#pragma once
// The texts of the contest log window without the window: how a typed call and report are
// stored, which band the contest periods ask for, the start mode, the captions of the
// exchange fields, the default report, and the row, header and sort choices of the QSO
// list. The window calls these; tests check them without a screen.

#include <cstdint>
#include <string>
#include <string_view>

#include "contest/contestrec.h"

class TContestQSORec;
struct TKeyStr;

namespace logentry {

// A typed call as it is stored: trimmed, '-' and blanks become '/' (a blank is dropped
// when the call holds a '/' already), a trailing '#' becomes "/p", at most 12 characters.
std::string NormaliseCall(std::string_view typed);

// A typed report: blank-padded or cut to 3 characters; CW completes a two-digit report
// with '9'; SSB, PR and FM keep two digits.
std::string NormaliseRst(std::string_view typed, std::string_view mode);

// The default report of a new entry: "599" for CW or the free digital mode, else "59 ";
// empty for contest 'j'.
std::string DefaultRst(std::string_view mode, bool freeModeShown, TContestCode code);

// The band the contest periods ask for at this UTC day and time; 0 when no period is
// active. The current band stays when the active period lists it.
char PeriodBand(const TContestRec& def, char currentBand, int32_t todayUtc, int32_t nowUtc);

// Whether a mode word is one of the definition's modes (whole words).
bool ModeOffered(const TContestRec& def, std::string_view mode);
// The start mode of a new log window by the start flags of the list record.
std::string StartMode(const TContestRec& def, bool startSsb, bool startFm, bool startPr);

// The caption of a received exchange field by its kind (empty for kinds without one).
std::string KindCaption(int32_t kind, TContestCode code);
// Whether a kind gets a caption label at all (kind 19 outside 'i', 'k', 'p' gets an
// empty one).
bool KindHasCaption(int32_t kind);

// The QSO list: header captions, the row text of one QSO, the key and bounds of a sort
// choice (0 when the choice is unknown).
struct TListColumns {
  bool Multi[3] = {false, false, false};  // the definition captions multiplier 1..3
  bool Swapped = false;                   // rows swapped: no name, QTH and frequency
  bool English = false;
  TContestCode Code = 0;
};
std::string ListHeader(const TListColumns& c);
std::string ListRow(const TContestQSORec& r, const TListColumns& c, std::string_view datePicture,
                    bool onMemberList);
int SortChoiceKey(int choice, char band, TKeyStr& low, TKeyStr& high);

// The window caption: "<own call> Logbuch (Contest : <name> )".
std::string LogCaption(std::string_view ownCall, std::string_view contestName, bool english);

}  // namespace logentry
