#pragma once
// A log window on real files for the tests of the QSO edit and the correction list: the
// contest's list and configuration records, QSOs stored at given times, and the window.

#include <QDialog>
#include <functional>
#include <memory>
#include <string>

#include "foundation/testdesktop.h"
#include "log/contlogstd.h"
#include "log/logfixture.h"

class EditTest : public LogTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // The records of contest 1 on file (tweaked), then the window on them.
  TContestLogStd& Open(char code, const TContestRec& def,
                       const std::function<void(TContestListRec&)>& tweak = {});
  // A QSO stored at the time (seconds of the day); the received exchange as one text.
  struct TQso {
    std::string Call;
    char Band = 'c';
    int32_t Time = 0;
    std::string Mode = "SSB";
    std::string Received = "59 ";
    std::string Sent = "59 001";
    char BandChange = 0;
  };
  int32_t Add(const TQso& q);
  // The stored record of a QSO number.
  TContestQSORec Stored(int32_t nummer);
  // The list's record reference of a QSO number.
  int32_t RefOf(int32_t nummer);
  // Runs the handler on the dialog of the type when it comes up; others are cancelled.
  template <typename D>
  void OnDialog(std::function<int(D&)> handler) {
    desk_.DialogHandler = [handler](QDialog& d) {
      if (auto* typed = dynamic_cast<D*>(&d)) return handler(*typed);
      return 2;
    };
  }

  TTestDesktop desk_;
  std::unique_ptr<TdbContest> config_;
  std::unique_ptr<TContestLogStd> window_;
};
