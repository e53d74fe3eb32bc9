#include "contest/contestrules.h"

#include <string>

#include "contest/classrules.h"
#include "contest/rulestable.h"
#include "foundation/daynumber.h"

namespace {

using rulestable::TCodeRules;

constexpr int32_t kRevisionV = 500010201;
constexpr int32_t kRevisionB = 500010301;
constexpr int32_t kRevisionOther = 500010401;

// The codes that keep their per-band totals in the band rows of the list record; every
// other code of the table sets byte 369.
constexpr std::string_view kCodesWithBandRows = "VBqHE5PA8wm9a4bdegr";

// The version of every code that names none of its own.
constexpr std::string_view kDefaultVersion = "2016-1.0";
// The notice line that follows the version title in the version label.
constexpr std::string_view kMakerNotice = " - Alle Angaben ohne Gew\xE4hr";

template <size_t N>
void FillTexts(TArray1<std::string, N>& target, rulestable::TTextList texts) {
  size_t i = 1;
  for (std::string_view text : texts) {
    if (i > N) break;
    target[i++] = std::string(text);
  }
}

template <size_t N>
void FillChars(TArray1<char, N>& target, std::string_view letters) {
  size_t i = 1;
  for (char c : letters) {
    if (i > N) break;
    target[i++] = c;
  }
}

template <size_t N>
void FillSet(TByteSet& set, const std::array<uint8_t, N>& items) {
  for (uint8_t item : items) {
    if (item == 0) break;
    set.set(item);
  }
}

// Titles, name, dates and periods of the code.
void ApplyTitlesAndDates(TContestRec& def, const TCodeRules& row, const TContestInputs& in) {
  def.EditionTitle = std::string(row.EditionTitle);
  def.DupeScope = row.DupeScope;
  def.RulesRevision = row.Code == 'V' ? kRevisionV : row.Code == 'B' ? kRevisionB : kRevisionOther;
  // Every code names its version: the log window's caption, the cover sheet and the
  // exports' creator lines show it.
  const std::string_view version = row.VersionText.empty() ? kDefaultVersion : row.VersionText;
  def.VersionTitle = def.EditionTitle + " Version " + std::string(version);
  def.VersionNotice = def.VersionTitle + std::string(kMakerNotice);

  def.ContestName = std::string(row.ContestName);
  int year = 0, month = 0, day = 0;
  // A log without a start date gets the bare name rather than the year 1600.
  if (row.NameWithYear && in.StartDate > 0 && daynumber::ToYMD(in.StartDate, year, month, day))
    def.ContestName += " " + std::to_string(year);

  def.DateFrom = std::string(row.DateFrom);
  def.DateTo = std::string(row.DateTo);
  def.TimeFrom = std::string(row.TimeFrom);
  def.TimeTo = std::string(row.TimeTo);

  size_t k = 1;
  for (const rulestable::TPeriodRow& p : row.Periods) {
    if (k > def.Periods.kSize) break;
    TContestPeriod& period = def.Periods[k++];
    period.Date = std::string(p.Date);
    period.TimeFrom = std::string(p.TimeFrom);
    period.TimeTo = std::string(p.TimeTo);
    FillChars(period.Bands, p.Bands);
  }
}

// Exchange, multipliers, flags, output menu, lists and Cabrillo contest of the code.
void ApplyExchangeAndLists(TContestRec& def, const TCodeRules& row) {
  for (size_t i = 1; i <= 3; ++i) {
    def.ReceivedKinds[i] = row.ReceivedKinds[i - 1];
    int32_t sent = row.SentKinds[i - 1];
    def.SentKinds[i] = sent == rulestable::kSameAsReceived ? def.ReceivedKinds[i] : sent;
    def.ExchangeCaption[i] = std::string(row.Caption[i - 1]);
    def.MultiplierName[i] = std::string(row.MultiplierName[i - 1]);
  }
  FillSet(def.MultiplierKinds, row.MultiplierKinds);
  def.MultiplierBandMode = row.MultiplierBandMode;
  def.ScorePointsOnly = row.ScorePointsOnly;
  def.MultiplierOption = row.MultiplierOption;
  def.ScorePerBand = row.ScorePerBand;
  def.AutoBandOffered = row.AutoBandOffered;
  def.ShowEvaluationButton = row.ShowEvaluationButton;
  def.MemberList = std::string(row.MemberList);
  def.MemberList2 = std::string(row.MemberList2);
  def.CabrilloContest = std::string(row.CabrilloContest);
  if (row.OutputItems[0] != 0) {
    def.OutputMenuItems.reset();
    FillSet(def.OutputMenuItems, row.OutputItems);
  }
  FillSet(def.SecondItemSet, row.SecondItems);

  FillTexts(def.SpecialCalls, row.SpecialCalls);
  FillTexts(def.SpecialDoks, row.SpecialDoks);
  FillTexts(def.HomeDoks, row.HomeDoks);
  FillChars(def.SpecialDistricts, row.SpecialDistricts);
  FillChars(def.HomeDistricts, row.HomeDistricts);
}

// The copies between the lists, once both sides are written.
void ApplyListCopies(TContestRec& def, const TCodeRules& row) {
  switch (row.Copy) {
    case rulestable::TListCopy::kNone: break;
    case rulestable::TListCopy::kHomeToSpecial:
      def.SpecialDoks = def.HomeDoks;
      def.SpecialDistricts = def.HomeDistricts;
      break;
    case rulestable::TListCopy::kDoksUpDistrictsDown:
      def.SpecialDoks = def.HomeDoks;
      def.HomeDistricts = def.SpecialDistricts;
      break;
  }
}

// The frame: what every code starts from, and all that an unknown code gets.
TContestRec Frame(const TContestInputs& in) {
  TContestRec def;
  def.ClockUtcShiftHours = in.UtcShiftMinutes / 60;  // truncates toward zero
  for (uint8_t item = 1; item <= 7; ++item) def.OutputMenuItems.set(item);
  return def;
}

}  // namespace

TContestRec BuildContestDefinition(const TContestInputs& in, bool* setsTotalsInConfig) {
  TContestRec def = Frame(in);
  if (setsTotalsInConfig) *setsTotalsInConfig = false;
  const TCodeRules* row = rulestable::Find(in.Code);
  if (!row) return def;

  ApplyTitlesAndDates(def, *row, in);
  def.Classes.Fill(TContestClass{});
  classrules::FillClasses(def, in.Code);
  ApplyExchangeAndLists(def, *row);
  ApplyListCopies(def, *row);
  // Conditions that decide the exchange sides go before the class switch, so that a class
  // can still narrow them; those that fill in for a missing own DOK go after it, so that
  // no class brings the DOK field back.
  if (row->BeforeClassSwitch) row->BeforeClassSwitch(def, in);
  classrules::ApplyClassSwitch(def, in);
  if (row->AfterClassSwitch) row->AfterClassSwitch(def, in);
  classrules::ApplySentPresets(def, in);

  if (setsTotalsInConfig)
    *setsTotalsInConfig = kCodesWithBandRows.find(in.Code) == std::string_view::npos;
  return def;
}

int KnownContestCodeCount() { return int(rulestable::Rows().size()); }

bool IsKnownContestCode(TContestCode code) { return rulestable::Find(code) != nullptr; }
