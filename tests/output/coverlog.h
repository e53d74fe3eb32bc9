#pragma once
// Small contest logs for the output tests: QSOs added to a real QSO log file.

#include <memory>
#include <string>

#include "contest/exchangesplit.h"
#include "tables/contesttables.h"
#include "tables/tablesfixture.h"

namespace coverlog {

struct TQso {
  int32_t Date = 0;
  int32_t Time = 0;
  std::string Call = "DL1AA";
  uint16_t Points = 1;
  std::string CMulti;
  std::string Received;  // the received exchange text
  std::string Loc;
  std::string Dxcc;
  char Band = 'b';
  std::string Multi2;
  std::string Call2;
  bool NotCounted = false;

  // Builder steps, so that a test names only what matters to it.
  TQso& Pts(uint16_t v) {
    Points = v;
    return *this;
  }
  TQso& Rcvd(std::string v) {
    Received = std::move(v);
    return *this;
  }
  TQso& Mult(std::string v) {
    CMulti = std::move(v);
    return *this;
  }
  TQso& Uncounted() {
    NotCounted = true;
    return *this;
  }
  TQso& CallLoc(std::string call, std::string loc) {
    Call = std::move(call);
    Loc = std::move(loc);
    return *this;
  }
};

inline TQso At(int32_t date, int32_t time) {
  TQso q;
  q.Date = date;
  q.Time = time;
  return q;
}

inline bool Add(TdbContestBase& table, const TQso& q) {
  TContestQSORec rec;
  rec.SetDatum(q.Date);
  rec.SetZeit(q.Time);
  rec.SetCall(q.Call);
  rec.SetPoints(q.Points);
  rec.SetCMulti(q.CMulti);
  rec.SetLoc(q.Loc);
  rec.SetDXCC(q.Dxcc);
  rec.SetBandcode(q.Band);
  rec.SetMulti2(q.Multi2);
  rec.SetCall2(q.Call2);
  rec.SetMode("CW");
  if (q.NotCounted) rec.SetBandChangeMark('B');
  exchangesplit::SplitReceivedExchange(q.Received, rec);
  table.ClearRecords();
  table.SetQSORec(rec);
  return table.Add();
}

}  // namespace coverlog

// A test on the QSO log of contest 1 in a fresh folder.
class QsoLogTest : public TablesTest {
 protected:
  void SetUp() override {
    TablesTest::SetUp();
    qsos_ = std::make_unique<TdbContestBase>(TdbContestBase::kQsoLog, 0, 1);
  }
  void TearDown() override {
    qsos_.reset();
    TablesTest::TearDown();
  }
  std::unique_ptr<TdbContestBase> qsos_;
};
