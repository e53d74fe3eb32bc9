#pragma once
// A contest log on real files for the tests of the log state: the contest's list and
// configuration records, its definition built by the rules, and QSOs added to its log.

#include <memory>
#include <string>

#include "contest/contestrec.h"
#include "foundation/testdesktop.h"
#include "log/contlogalle.h"
#include "log/logstate.h"
#include "tables/contesttables.h"
#include "tables/tablesfixture.h"

namespace tallytest {

// One QSO as a test writes it.
struct TQso {
  std::string Call;
  char Band = 'c';
  std::string Dok;
  std::string Mode = "SSB";
  uint16_t Points = 0;
  char BandChange = 0;  // a band-change line to this band
};

class TallyLogTest : public TablesTest {
 protected:
  void TearDown() override;

  // Stores the list and configuration records of a contest and builds its definition.
  void MakeContest(char code, const std::string& ownDok = "Q01",
                   const std::string& ownCall = "DK2ZZ", uint8_t classNumber = 1);
  // Takes the stored contest of this number: its records and its definition.
  void OpenContest(int32_t number);
  // Adds QSOs one minute apart, after those already added; returns the stored record.
  TContestQSORec AddQso(const TQso& q);
  TContestLogState& State();
  // The log in QSO-number order.
  std::vector<TContestQSORec> Log();

  TTestDesktop desktop_;
  TContestRec def_;
  int32_t number_ = 0;
  int minute_ = 0;
  std::unique_ptr<TdbContest> list_, config_, qso_;
  std::unique_ptr<TContLogAlle> logCommon_;
  std::unique_ptr<TContestLogState> state_;
};

}  // namespace tallytest
