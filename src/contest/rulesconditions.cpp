// Steps of the rules table that depend on the contest log: its own call, own DOK, class
// number or member field.
#include "contest/rulestable.h"
#include "foundation/dates.h"

namespace rulestable::conditions {
namespace {

void SetKinds(TByteSet& set, std::initializer_list<int> kinds) {
  set.reset();
  for (int kind : kinds) set.set(size_t(kind));
}

// Copies the home lists into the special lists (DOKs and district letters).
void HomeListsToSpecial(TContestRec& def) {
  def.SpecialDoks = def.HomeDoks;
  def.SpecialDistricts = def.HomeDistricts;
}

bool ClassIn(const TContestInputs& in, int first, int last) {
  return in.ClassNumber >= first && in.ClassNumber <= last;
}

}  // namespace

// Class 8 ("Gäste") counts only stations of the home area: only home DOKs and districts
// are valid, and they are the special DOKs of the point rule.
void ClassEightAdmitsHomeListsOnly(TContestRec& def, const TContestInputs& in) {
  if (in.ClassNumber != 8) return;
  def.ValidDoks = def.HomeDoks;
  def.ValidDistricts = def.HomeDistricts;
  HomeListsToSpecial(def);
}

// A received DOK equal to the log's own DOK is no multiplier.
void OwnDokIsNoMultiplier(TContestRec& def, const TContestInputs& in) { def.ExtraText = in.OwnDok; }

// A member field of 2 marks the log of a listener.
void ListenerByMemberField(TContestRec& def, const TContestInputs& in) {
  if (in.MemberNumber == 2) def.SWLLog = true;
}

// German stations send their DOK and receive the serial number (or DOK) of the others;
// stations abroad send a serial number, receive DOKs and count districts.
void WagSidesByOwnCall(TContestRec& def, const TContestInputs& in) {
  if (IsGermanOwnCall(in.OwnCall)) {
    def.ReceivedKinds[1] = exchangekind::kSerial;
    def.SentKinds[1] = exchangekind::kDok;
    def.ExchangeCaption[1] = "lfd.Nr. / DOK";
    def.MultiplierName[1] = "DXCC";
    SetKinds(def.MultiplierKinds, {2, 3, 14});
  } else {
    def.ReceivedKinds[1] = exchangekind::kDok;
    def.SentKinds[1] = exchangekind::kSerial;
    def.ExchangeCaption[1] = "DOK";
    def.MultiplierName[1] = "Distrikt";
    SetKinds(def.MultiplierKinds, {18, 21});
  }
}

// German stations send their DOK, stations abroad a serial number.
void SentDokOrSerialByOwnCall(TContestRec& def, const TContestInputs& in) {
  def.SentKinds[1] = IsGermanOwnCall(in.OwnCall) ? exchangekind::kDok : exchangekind::kSerial;
}

// The all-band classes 6 and 8 count their multipliers once for all bands. Every class
// takes the home lists as its special lists: on 80 m and in the all-band class they keep
// the DOK multiplier to the Rhineland-Palatinate DOKs, so that a DOK of another district
// counts once, as its district, and the cover sheet's DOK, SDOK and district columns add
// up to the multipliers; from class 4 on they are the special DOKs that weigh more.
void RlpWeekByClass(TContestRec& def, const TContestInputs& in) {
  def.MultiplierBandMode = (in.ClassNumber == 6 || in.ClassNumber == 8) ? 1 : 0;
  if (ClassIn(in, 0, 8)) HomeListsToSpecial(def);
}

// The VHF and UHF classes count DIG members only.
void DigNamesByClass(TContestRec& def, const TContestInputs& in) {
  if (ClassIn(in, 3, 4)) def.MultiplierName[1] = "DIG";
}

// Without an own DOK the first sent field carries the serial number.
void SerialForEmptyDok(TContestRec& def, const TContestInputs& in) {
  if (in.OwnDok.empty()) def.SentKinds[1] = exchangekind::kSerial;
}

void SerialForEmptyDokWithCaption(TContestRec& def, const TContestInputs& in) {
  SerialForEmptyDok(def, in);
  if (in.OwnDok.empty()) def.ExchangeCaption[1] = "Nr";
}

// Without an own DOK there is no DOK to send.
void NoSentDokForEmptyDok(TContestRec& def, const TContestInputs& in) {
  if (in.OwnDok.empty()) def.SentKinds[2] = exchangekind::kNone;
}

// The activity evenings are held every week: the contest is the day of the call.
void DatesToday(TContestRec& def, const TContestInputs& in) {
  if (in.Today >= 0) def.DateFrom = ToDates::DateToDateString(in.Today, "dd.mm.yyyy");
  def.DateTo = def.DateFrom;
}

}  // namespace rulestable::conditions
