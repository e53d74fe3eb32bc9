#pragma once
// Typing into the real log window offscreen, as an operator does: the window shown and
// active with the focus in the call field, texts typed with Enter, and the clock moved on.

#include <QApplication>
#include <QTest>

#include "foundation/cp1252.h"
#include "foundation/kvedit.h"
#include "foundation/testdesktop.h"
#include "log/contlogstd.h"
#include "tables/contesttables.h"

namespace logtyping {

// Stores the list table's working record and an empty configuration record of the
// contest, which the window reads and rewrites.
inline void StoreLogRecords(TdbContest& list, TdbContest& config, int32_t contest) {
  EXPECT_TRUE(list.Add());
  TContestConfigRec c;
  c.SetNummer(contest);
  config.SetConfigRec(c);
  EXPECT_TRUE(config.Add());
}

// The window shown and active, on an empty entry with the focus in the call field.
inline void ShowActive(TContestLogStd& w) {
  w.ClearEntry(false);
  w.show();
  w.activateWindow();
  EXPECT_TRUE(QTest::qWaitForWindowActive(&w));
  w.eCall->setFocus();
}

inline QWidget* Focus() { return QApplication::focusWidget(); }

// Types into the field that has the focus, then Enter.
inline void Enter(const char* text) {
  if (*text) QTest::keyClicks(Focus(), Q(text));
  QTest::keyClick(Focus(), Qt::Key_Return);
}

// The clock a minute on, and the entry clock with it.
inline void Tick(TTestDesktop& desk, TContestLogStd& w) {
  desk.Now = desk.Now.addSecs(60);
  w.timerzeitTimer();
}

// One QSO of a contest whose exchange is a DOK: the call, Enter, the DOK, Enter.
inline void DokQso(TTestDesktop& desk, TContestLogStd& w, const char* call, const char* dok) {
  Tick(desk, w);
  Enter(call);
  Enter(dok);
}

}  // namespace logtyping
