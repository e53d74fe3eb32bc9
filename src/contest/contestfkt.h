#pragma once
// The contest functions of the program: the definition of a contest log and the
// exchange text of a QSO. One process-wide object, oContestFkt, made by the start-up.

#include <string>
#include <string_view>

#include "contest/contestrec.h"

class TRecord;
class TdbContest;

class TContestFkt {
 public:
  virtual ~TContestFkt() = default;

  // See contestload.h: false only when existing is set and the list record could not
  // be written back.
  bool LoadContestDefinition(TContestRec& def, TdbContest& contestTable, TContestCode code,
                             bool existing) const;

  // The exchange of a contest QSO record as one text, and a text back into its parts.
  std::string SentExchangeText(const TRecord& qso) const;
  std::string ReceivedExchangeText(const TRecord& qso) const;
  void SplitSentExchange(std::string_view text, TRecord& qso) const;
  void SplitReceivedExchange(std::string_view text, TRecord& qso) const;
};

extern TContestFkt* oContestFkt;
