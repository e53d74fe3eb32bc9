#include "contest/eingconteststd.h"

#include <QApplication>

#include "contest/contestfkt.h"
#include "contest/contestload.h"
#include "contest/currentdef.h"
#include "contest/eingconteststdform.h"
#include "foundation/desktop.h"
#include "tables/contesttables.h"

TEingContestStd::TOutputMenu TEingContestStd::OutputMenu = nullptr;
TEingContestStd::TRecalcTotals TEingContestStd::RecalcTotals = nullptr;

int TEingContestStd::Run(bool existing, bool review, TContestCode code, TdbContest& listTable,
                         TdbContest& configTable, QWidget* owner) {
  TContestRec own;
  TContestRec& def = CurrentContestDef() ? *CurrentContestDef() : own;
  if (!existing) {
    // A new contest must not take its definition from the record another contest left
    // in the table.
    TContestListRec blank;
    blank.SetTyp(code);
    listTable.SetListRec(blank);
  }
  if (oContestFkt)
    oContestFkt->LoadContestDefinition(def, listTable, code, existing);
  else
    LoadContestDefinition(def, listTable, code, existing);
  if (existing && RecalcTotals) RecalcTotals(def, listTable, configTable);
  TEingContestStdForm form(existing, review, code, listTable, configTable, def,
                           owner ? owner : QApplication::activeWindow());
  return Desktop().ExecDialog(form) == 1 ? listTable.CurrentRef() : 0;
}
