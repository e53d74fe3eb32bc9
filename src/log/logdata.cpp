// The data helpers of the log: the prefix and points of a new QSO, name and QTH from the
// call book, the next serial numbers and the full points pass over the log.

#include <algorithm>

#include "foundation/strings.h"
#include "log/contlogalle.h"
#include "reference/dbprefix.h"
#include "reference/prefix.h"
#include "storage/dbbase.h"
#include "tables/calltables.h"
#include "tables/contestkeys.h"
#include "tables/contesttables.h"
#include "tables/keyparts.h"

namespace {

// Points go into a 16-bit field.
uint16_t FieldPoints(int points) { return uint16_t(std::clamp(points, 0, 65535)); }

TPrefQso ChoiceData(const TContestQSORec& q) {
  const std::string nameQth = q.NameQth();
  const size_t semi = nameQth.find(';');
  return {q.Call(), nameQth.substr(0, semi),
          semi == std::string::npos ? std::string() : nameQth.substr(semi + 1), q.DXCC()};
}

}  // namespace

bool TContLogAlle::PreviewQso(TdbContestBase& qsoTable, const TdbContestBase& listTable,
                              const TQsoPointsFn& points, const TContestRec& def) {
  TContestQSORec q = qsoTable.GetQSORec();
  bool known = true;
  // A prefix fixed by hand is not resolved again.
  if (q.PrefixFixed() == 0) {
    const std::string call = ToStrings::Trim(q.Call());
    const bool mayAsk = listTable.GetListRec().DxccMenu() != 0 && call != lastResolvedCall_;
    lastResolvedCall_ = call;
    const bool byPrefix = def.MultiplierKinds.test(1);
    // The prefix multiplier is taken from where the station works, as the resolution is.
    const std::string prefixCall =
        ToStrings::AnsiUpperCase(oPrefix ? oPrefix->LocationFirst(call) : call);
    const TPrefQso choice = ChoiceData(q);
    TdbPrefix prefix;
    uint8_t status = 0;
    const int found =
        prefix.ResolveCall(call, q.Datum(), true, nullptr, nullptr, status, &choice, mayAsk);
    if (found != TdbPrefix::kFound) {
      // Not known at the QSO's date: nothing of another entity may enter the QSO.
      q.SetDXCC("");
      q.SetContinent("");
      q.SetWaeFlag(0);
      if (byPrefix)
        q.SetPrefix(PrefixOfCall(prefixCall));
      else
        known = call.size() < 3;
    } else {
      const std::string dxcc = prefix.GetDXCC();
      const std::string wae = ToStrings::Trim(prefix.GetWAE());
      const std::string stored = ToStrings::Trim(q.DXCC());
      if (stored.empty() || stored != dxcc || byPrefix) {
        if (def.MultiplierKinds.test(14)) {
          q.SetDXCC(wae.empty() ? dxcc : wae);
        } else if (byPrefix) {
          const std::string p = PrefixOfCall(prefixCall);
          q.SetPrefix(p);
          q.SetDXCC(def.MultiplierKinds.test(2) ? p : dxcc);
        } else {
          q.SetDXCC(dxcc);
        }
      }
      q.SetContinent(prefix.GetContinent());
      q.SetWaeFlag(wae.empty() ? 0 : 255);
    }
  }
  if (known) {
    qsoTable.SetQSORec(q);
    q.SetPoints(FieldPoints(points(qsoTable)));
  }
  qsoTable.SetQSORec(q);
  return known;
}

void TContLogAlle::LookupNameQth(std::string_view call, std::string& name, std::string& qth) {
  name.clear();
  qth.clear();
  if (keyparts::CallForm(call).empty()) return;
  {
    TdbCall book(TdbCallBase::kCallBook);
    if (book.FindCall(call)) {
      name = book.GetName();
      qth = book.GetQTH();
    }
  }
  if (!ToStrings::Trim(name).empty()) return;
  TdbCall data(TdbCallBase::kCallData);
  if (data.FindCall(call)) name = data.GetName();
}

void TContLogAlle::NextSerialNumbers(bool withRunning, char band, const TdbContestBase& qsoTable,
                                     int32_t& modeNumber, int32_t& internalBandNumber,
                                     int32_t& bandNumber, int32_t& runningNumber,
                                     std::string_view mode) {
  using namespace contestkeys;
  TdbContest log(TdbContestBase::kQsoLog, 0, qsoTable.GetContestNumber());
  if (withRunning) runningNumber = log.Last(kWagNummer) ? log.GetQSORec().wagNummer() + 1 : 1;
  // The descending keys put the band's highest serial first; a record of another band
  // means the band has none yet.
  const std::string bandKey(1, band);
  bandNumber = log.SearchKey(bandKey, kBandNrDesc) && log.GetBandcode() == band
                   ? log.GetQSORec().wagBandNr() + 1
                   : 1;
  internalBandNumber = log.SearchKey(bandKey, kBandNrInternDesc) && log.GetBandcode() == band
                           ? log.GetQSORec().wagBandNrIntern() + 1
                           : 1;
  const std::string modeText = ToStrings::Trim(mode);
  modeNumber = log.SearchKey(keyparts::Fit(modeText, keyparts::kMode), kModeNrDesc) &&
                       ToStrings::Trim(log.GetMode()) == modeText
                   ? log.GetQSORec().ModeNr() + 1
                   : 1;
}

bool TContLogAlle::RecountLogPoints(char& lastBand, const TQsoPointsFn& points,
                                    TdbContestBase& qsoTable, int32_t& sessionQsoCount,
                                    int32_t& nextQsoNumber, TArray1<int32_t, 255>& bandQsos,
                                    TArray1<int32_t, 255>& bandPoints) {
  bandQsos.Fill(0);
  bandPoints.Fill(0);
  nextQsoNumber = 1;
  sessionQsoCount = 0;
  // Changed points are rewritten through an object of their own, on the QSO re-found by
  // its number, so the walk keeps its place; all of them land together or not at all.
  TdbContest writer(TdbContestBase::kQsoLog, 0, qsoTable.GetContestNumber());
  TWriteGroup group;
  bool written = true;
  for (bool found = qsoTable.First(contestkeys::kNummer); found;
       found = qsoTable.NextRecord(contestkeys::kNummer)) {
    TContestQSORec q = qsoTable.GetQSORec();
    if (q.IsBandChangeLine()) {
      lastBand = q.Bandcode();
      continue;
    }
    const auto band = uint8_t(q.Bandcode());
    if (band != 0) {
      const uint16_t p = FieldPoints(points(qsoTable));
      if (p != q.Points()) {
        q.SetPoints(p);
        bool ok = writer.FindNumber(q.Nummer());
        if (ok) {
          writer.SetQSORec(q);
          ok = writer.Modify();
        }
        written = written && ok;
      }
      bandPoints[band] += p;
      bandQsos[band] += 1;
    }
    ++nextQsoNumber;
    lastBand = q.Bandcode();
  }
  if (!written) {
    group.Rollback();
    return false;
  }
  return group.Commit();
}
