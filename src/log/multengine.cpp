// The multiplier engine: whether a value counts as a multiplier, and the walks over the
// distinct values of a band or of the whole log that count them, fill the multiplier
// lists and answer whether a value was worked before.

#include "foundation/progress.h"
#include "foundation/strings.h"
#include "log/contlogalle.h"
#include "reference/modi.h"
#include "tables/contestkeys.h"
#include "tables/contesttables.h"
#include "tables/keyparts.h"

namespace {

std::string Trim(std::string_view s) { return ToStrings::Trim(s); }

char ModeLetter(std::string_view mode) { return oModi ? oModi->ModeCodeOf(mode) : ' '; }

// The least key above every key that begins with the given bytes: "DL1 " is followed by
// "DL1!", so "DL10" .. "DL19" come before "DL2". Empty when nothing lies above.
std::string KeyAfter(std::string prefix) {
  while (!prefix.empty()) {
    auto& last = reinterpret_cast<unsigned char&>(prefix.back());
    if (last < 0xFF) {
      ++last;
      return prefix;
    }
    prefix.pop_back();
  }
  return prefix;
}

// The value a walk sees of a QSO, as the keys compare it: at the width of the key.
bool SameValue(std::string_view a, std::string_view b, int width) {
  return keyparts::Fit(Trim(a), size_t(width)) == keyparts::Fit(Trim(b), size_t(width));
}

}  // namespace

bool TContLogAlle::IsNewMultiplier(int kind, std::string_view value, const TdbContestBase& qsoTable,
                                   const TdbContestBase& listTable, bool strict,
                                   std::string_view modeText, const TContestRec& def,
                                   std::string_view previous) {
  const TContestQSORec q = qsoTable.GetQSORec();
  const char code = listTable.GetListRec().Typ();
  const bool differs = !value.empty() && value != previous;
  // The value written as the QSO's multiplier, where the entry asks for it.
  const auto written = [&](bool orSecond) {
    const std::string v = Trim(value);
    return v == Trim(q.CMulti()) || (orSecond && v == Trim(q.Multi2()));
  };
  bool ok = differs;
  switch (kind) {
    case 2:
      ok = differs && def.MultiplierKinds.test(2) &&
           (Trim(value) != "DL" || def.MultiplierKinds.test(3)) &&
           (!def.MultiplierKinds.test(9) || q.Continent() == "EU");
      break;
    case 4: {
      // The same DOK again counts in contest 'L', and per mode in band mode 2.
      const bool again =
          !value.empty() && value == previous &&
          (code == 'L' || (def.MultiplierBandMode == 2 &&
                           modeText.find(ModeLetter(q.Mode())) == std::string_view::npos));
      ok = (differs || again) && IsValidDok(value, def, listTable);
      break;
    }
    case 10: ok = IsValidCallMulti(value, def, listTable); break;
    case 15: ok = differs && (!strict || written(false)); break;
    case 16: ok = differs && Trim(value) != "NM" && (!strict || written(true)); break;
    case 18: ok = IsValidDistrict(value, def, listTable); break;
    case 19:
      ok = differs && (strict ? written(true) : code != 'p' || FindInDswList(Trim(value)));
      break;
    default: break;
  }
  return ok && PassesMemberTest(def, qsoTable);
}

int TContLogAlle::CountMultipliers(int kind, char band, const TdbContestBase& qsoTable,
                                   const TdbContestBase& listTable, std::string_view sought,
                                   std::string_view /*bandText*/, const TContestRec& def,
                                   TMultiLists* lists, bool fillLists, bool byColumn,
                                   TColumnCounts& counts, TFortschrittWinCtrl* progress) {
  const TByteSet& kinds = def.MultiplierKinds;
  const bool kind2Qsos = byColumn && kind == 2;
  if (!(kinds.test(size_t(kind)) || kind2Qsos || (kind == 4 && (kinds.test(8) || kinds.test(17)))))
    return 0;
  if (kind2Qsos) counts.Qsos = 0;
  const TMultiKind* k = MultiKindOf(kind);
  if (!k) return 0;

  const char code = listTable.GetListRec().Typ();
  const bool perBand = def.MultiplierBandMode != 1;
  const int keyNr = perBand ? k->BandKey : k->LogKey;
  // The part of a key that holds the value: the band code first in the band key.
  const size_t valueKeyLength = size_t(k->Width) + (perBand ? 1 : 0);
  // A value longer than the key is sought as the key holds it (DK100 as DK10).
  const std::string soughtText = Trim(ToStrings::Left(Trim(sought), k->Width));
  const bool seeking = !soughtText.empty();
  const std::string bandCode(1, band);

  TdbContest walk(TdbContestBase::kQsoLog, 0, qsoTable.GetContestNumber());
  const auto onBand = [&] { return walk.GetBandcode() == band; };
  const auto carries = [&] {
    return SameValue(MultiValueOf(kind, walk.GetQSORec()), soughtText, k->Width);
  };
  bool found = false;
  if (perBand) {
    found =
        (walk.*(k->BandSearch))(bandCode + soughtText, true) && onBand() && (!seeking || carries());
  } else if (seeking) {
    found = (walk.*(k->LogSearch))(soughtText, true) && carries() && onBand();
  } else {
    found = walk.First(keyNr);
  }

  int result = 0;
  std::string last, modeLetters;
  int listed = 0, visits = 0;
  while (found) {
    const TContestQSORec rec = walk.GetQSORec();
    bool jump = false;
    if (!rec.IsBandChangeLine()) {
      const std::string current = MultiValueOf(kind, rec);
      if (seeking) {
        // A dupe, a QSO outside the member list or one whose own value was refused does
        // not make the value worked. In any mode: the recount, which the score follows,
        // counts a DOK once per band also where modes count apart.
        const std::string own = kind == 18 ? Trim(rec.DOK()) : Trim(current);
        if (rec.ZeroPoints() == 0 && PassesMemberTest(def, walk) &&
            IsNewMultiplier(kind, own, walk, listTable, false, "", def, ""))
          return 1;
      } else if (current.empty() || (kind == 4 && !IsValidDok(current, def, listTable))) {
        // No QSO of this value can count: on to the next value.
        jump = !byColumn && code != 'L';
      } else {
        bool accepted = false;
        if (kind == 10 || kind == 18)
          accepted = !current.empty() && current != last &&
                     (kind == 10 ? IsValidCallMulti(rec.Call(), def, listTable)
                                 : IsValidDistrict(rec.DOK1(), def, listTable));
        else
          // A value that equals the last one at the key's width is the same value, as for
          // the walk that jumps from value to value (DK10 and DK100 are one prefix).
          accepted = IsNewMultiplier(kind, current, walk, listTable, byColumn, modeLetters, def,
                                     SameValue(current, last, k->Width) ? current : last);
        if (accepted) {
          const int n = 1 + MultiplierWeight(kind, rec, def, listTable);
          result += n;
          if (def.MultiplierBandMode == 2) {
            if (current != last) modeLetters.clear();
            modeLetters += ModeLetter(rec.Mode());
          }
          if (byColumn)
            for (int column = 1; column <= 3; ++column)
              if (MultiKindMatches(kind, column, def)) counts.Column[size_t(column)] += n;
          const bool unlisted = kind == 4 && code == '1' && Trim(current) == "NM";
          if (fillLists && lists && listed < kMultiListLength && !unlisted) {
            TMultiEntry& e = (*lists)[size_t(kind)][size_t(++listed)];
            e.Text = keyparts::Fit(current, size_t(k->ListWidth)).substr(0, 8);
            e.Mark = 0;
          }
          last = current;
          // The walk that jumps from value to value goes on to the next value only after
          // one QSO of the value counted; a refused QSO leaves its value's others to test.
          jump = !byColumn && code != 'L';
        }
      }
      if (kind2Qsos) ++counts.Qsos;
    }
    if (byColumn && ++visits % 10 == 0 && progress) {
      bool aborted = false;
      progress->UpdateProgress("", visits % 500, aborted, 0);
    }
    if (jump) {
      const std::string next =
          KeyAfter(contestkeys::BuildQsoKey(rec, keyNr).substr(0, valueKeyLength));
      found = !next.empty() && walk.SearchKey(next, keyNr);
    } else {
      found = walk.NextRecord(keyNr);
    }
    if (found && perBand) found = onBand();
    if (found && seeking) found = carries();
  }
  return seeking ? 0 : result;
}
