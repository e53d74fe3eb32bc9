#include "output/ediparticipant.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <array>

#include "contest/contestrec.h"
#include "foundation/cp1252.h"
#include "foundation/memofile.h"
#include "foundation/strings.h"
#include "output/allerout.h"
#include "output/exportsource.h"
#include "output/uhfteilnehmer.h"

namespace ediparticipant {
namespace {

using F = Tuhfteilnehmer;

// The fields that "editemp.txt" keeps, in the order of its lines.
std::array<QLineEdit*, 6> TempFields(const Tuhfteilnehmer& form) {
  return {form.pclub1, form.pclub2, form.remail, form.rpower, form.rtrx, form.rant};
}

int FindEntry(const QComboBox* box, const std::string& a, const std::string& b) {
  for (int i = 0; i < box->count(); ++i) {
    const std::string entry = S(box->itemText(i));
    if (entry.find(a) != std::string::npos && entry.find(b) != std::string::npos) return i;
  }
  return -1;
}

}  // namespace

void Fill(Tuhfteilnehmer& form, const TExportLog& log, const TEdiTexts& texts) {
  const ToSetupEigeneStation& st = log.Station;
  const char code = log.Code();
  if (code == '8') {
    form.psect->clear();
    for (const char* s : {"A", "B", "C"}) form.psect->addItem(Q(s));
  }
  F::SetText(form.pcall, log.ContestCall());
  F::SetText(form.ploc, ToStrings::Trim(st.Locator()));
  F::SetText(form.rname, ToStrings::Trim(st.Name()));
  F::SetText(form.rpoco, log.PostalCode());
  F::SetText(form.padr2, ToStrings::Trim(st.PostcodeTown()));
  F::SetText(form.rcity, log.Town());
  F::SetText(form.padr1, ToStrings::Trim(st.Street()));
  F::SetText(form.radr1, ToStrings::Trim(st.Street()));
  F::SetText(form.rcoun, ToStrings::Trim(st.Country()));
  F::SetText(form.pclub2, ToStrings::Trim(st.DOK()));
  F::SetText(form.remail, ToStrings::Trim(st.Email()));
  const std::string cls = log.ClassDescription();
  if (log.List.Category() > 0 && !cls.empty()) {
    F::SetText(form.psect, ToStrings::Left(cls, 1));
    if (cls.find("2m") != std::string::npos) form.pband->setCurrentIndex(2);
    if (cls.find("70cm") != std::string::npos) form.pband->setCurrentIndex(3);
  }
  std::vector<std::string> kept;
  if (memofile::LoadLines(kTempFile, kept) && kept.size() == 6) {
    const auto fields = TempFields(form);
    for (size_t i = 0; i < fields.size(); ++i) F::SetText(fields[i], kept[i]);
  }
  if (code == '\0') {
    F::SetText(form.pclub2, texts.ClubDok);
    F::SetText(form.pband, texts.Band);
    F::SetText(form.rpower, texts.Power);
    F::SetText(form.rtrx, texts.Transceiver);
    F::SetText(form.rant, texts.Antenna);
    if (!texts.Band.empty()) {
      const int entry =
          FindEntry(form.psect, texts.Band, texts.OperatorKind == 1 ? "Mehrmann" : "Einmann");
      if (entry >= 0) form.psect->setCurrentIndex(entry);
    }
  }
}

ediexport::TParticipant Read(const Tuhfteilnehmer& form) {
  ediexport::TParticipant p;
  p.pcall = F::Text(form.pcall);
  p.ploc = F::Text(form.ploc);
  p.padr1 = F::Text(form.padr1);
  p.padr2 = F::Text(form.padr2);
  p.psect = F::Text(form.psect);
  p.pband = F::Text(form.pband);
  p.pclub1 = F::Text(form.pclub1);
  p.pclub2 = F::Text(form.pclub2);
  p.remail = F::Text(form.remail);
  p.rname = F::Text(form.rname);
  p.radr1 = F::Text(form.radr1);
  p.radr2 = F::Text(form.radr2);
  p.rpoco = F::Text(form.rpoco);
  p.rcity = F::Text(form.rcity);
  p.rcoun = F::Text(form.rcoun);
  p.mope1 = F::Text(form.mope1);
  p.mope2 = F::Text(form.mope2);
  p.rtrx = F::Text(form.rtrx);
  p.rant = F::Text(form.rant);
  p.rpower = F::Text(form.rpower);
  p.rremarks = S(form.rremarks->toPlainText());
  return p;
}

void TakeAddress(const Tuhfteilnehmer& form, ToSetupEigeneStation& station) {
  station.SetStreet(ToStrings::Left(F::Text(form.radr1), 50));
  station.SetName(F::Text(form.rname));
  station.SetEmail(ToStrings::Left(F::Text(form.remail), 50));
  station.SetPostcodeTown(ToStrings::Left(F::Text(form.rpoco) + " " + F::Text(form.rcity), 50));
}

void SaveTemp(const Tuhfteilnehmer& form) {
  std::vector<std::string> lines;
  for (const QLineEdit* f : TempFields(form)) lines.push_back(F::Text(f));
  memofile::SaveLines(kTempFile, lines);
}

}  // namespace ediparticipant
