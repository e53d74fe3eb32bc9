#pragma once
// A contest log on real files as the log window reads it: the call keys in their
// program form (the reference data's hook), messages and beeps caught by the test
// double, and QSOs stored field by field.

#include <QStringList>
#include <string>

#include "foundation/testdesktop.h"
#include "logfixture.h"
#include "reference/refservices.h"
#include "tables/setupseparat.h"

class ChecksTest : public LogTest {
 protected:
  void SetUp() override {
    LogTest::SetUp();
    refservices::RegisterHooks();
  }

  // A QSO of the log: band code, call, mode; time and date given or made unique.
  static TContestQSORec Qso(char band, const std::string& call, const std::string& mode = "SSB") {
    TContestQSORec q;
    q.SetBandcode(band);
    q.SetCall(call);
    q.SetMode(mode);
    return q;
  }
  // Stores the QSO at the given date and time (seconds of the day); its number or 0.
  int32_t StoreAt(TContestQSORec q, int32_t date, int32_t time) {
    q.SetDatum(date);
    q.SetZeit(time);
    qsos_->SetQSORec(q);
    return qsos_->Add() ? qsos_->GetQSORec().Nummer() : 0;
  }
  // The QSO being entered, as the log window's working record.
  void Enter(const TContestQSORec& q) { qsos_->SetQSORec(q); }

  QStringList Warnings() const { return desktop_.Texts(TMessageKind::Warning); }

  TTestDesktop desktop_;
};
