#include "output/coverlines.h"

#include "foundation/strings.h"

namespace coversheet {

namespace {

using S = ToStrings;

const std::string kBlank = " ";

void Line(std::vector<TCoverLine>& out, std::string text, bool bold = false) {
  out.push_back({std::move(text), bold});
}

char Code(const TCoverInput& in) { return in.List.Typ(); }

}  // namespace

void WriteCoverAddress(const TCoverInput& in, std::vector<TCoverLine>& out) {
  const ToSetupEigeneStation& st = in.Station;
  for (int i = 0; i < 3; ++i) Line(out, kBlank);
  Line(out, S::FitWidth("Name:", 12, true) + st.Name(), true);
  Line(out, S::FitWidth(in.Lang("Anschrift:", "Address:"), 12, true) + S::Trim(st.Street()), true);
  Line(out,
       (in.English ? std::string(12, ' ') : S::FitWidth("Ort:", 12, true)) +
           S::Trim(st.PostcodeTown()),
       true);
  Line(out, kBlank, true);
  Line(out, in.English ? S::FitWidth("Country:", 12, true) + S::Trim(st.Country()) : kBlank);
  Line(out, kBlank);
}

void WriteCoverTitle(const TCoverInput& in, std::vector<TCoverLine>& out) {
  Line(out, S::Center(in.Def.ContestName, 60), true);
  Line(out, kBlank);
}

void WriteCoverCall(const TCoverInput& in, std::vector<TCoverLine>& out) {
  const TContestListRec& list = in.List;
  const std::string swl = in.Station.SwlNumber();
  std::string line;
  if (in.English) {
    line = in.Def.SWLLog ? S::FitWidth("SWL:", 10, true) + S::FitWidth(swl, 20, true)
                         : S::FitWidth("Callsign:", 10, true) + S::FitWidth(in.OwnCall, 20, true);
  } else {
    line = in.Def.SWLLog ? S::FitWidth("SWL:", 6, true) + S::FitWidth(swl, 20, true)
                         : S::FitWidth("Call:", 6, true) + S::FitWidth(in.OwnCall, 13, true);
    if (Code(in) == 'A' || Code(in) == '4')
      line += S::FitWidth("LDK:", 5, true) + S::FitWidth(list.LDK(), 13, true);
    else
      line += S::FitWidth("DOK:", 5, true) + S::FitWidth(list.DOK(), 13, true);
  }
  if (const std::string loc = in.Station.Locator(); !loc.empty())
    line += S::FitWidth("Loc:", 5, true) + S::FitWidth(loc, 9, true);
  const char* extraLabel = Code(in) == '7'   ? "DIG: "
                           : Code(in) == 'm' ? "Teiln.-Nr: "
                           : Code(in) == '4' ? "RTC: "
                                             : nullptr;
  if (extraLabel) {
    line += extraLabel;
    if (list.ExtraNumber() > 0) line += S::IntToStrZero(list.ExtraNumber(), 4);
  }
  if (Code(in) == '\0') line += "Band: " + list.BandText();
  Line(out, line, true);
  Line(out, "", true);
}

void WriteCoverCategory(const TCoverInput& in, std::vector<TCoverLine>& out) {
  const uint8_t category = in.List.Category();
  std::string line;
  if (category > 0 && category <= TArray1<TContestClass, 20>::kSize)
    line = in.Lang(S::FitWidth("Teilnahmeart:", 14, true), S::FitWidth("Category:", 10, true)) +
           in.Def.Classes[category].Description;
  Line(out, line, true);
  Line(out, "", true);
}

void WriteCoverStation(const TCoverInput& in, std::vector<TCoverLine>& out) {
  const TContestListRec& list = in.List;
  const char code = Code(in);
  if (code == 'P')
    Line(out,
         "Lebensalter: " +
             (list.ExtraNumber() == -1 ? std::string("XX") : std::to_string(list.ExtraNumber())),
         true);
  Line(out, kBlank);
  if (code == 'Z') {
    Line(out, std::string("IPARC-Mitglied: ") + (list.MemberAnswer() != 0 ? "Ja" : "Nein"));
    Line(out, kBlank);
  }
  if (code == 'Y') {
    std::string group;
    switch (list.ExtraNumber()) {
      case 0: group = "S: Single = Single OP/Single TX"; break;
      case 1: group = "M: Multi = Multi OP/Single TX"; break;
      case 2: group = "SWL"; break;
      default: break;
    }
    Line(out, "Wertungsgruppe: " + group);
    Line(out, kBlank);
  }
  if (code != '\0') return;
  const std::string rule(75, '-');
  const auto row = [&](const char* german, const char* english, const std::string& value) {
    Line(out, in.Lang(german, english) + value);
  };
  row("Einmann/Mehrmann   : ", "one/several op.s   : ", list.OneOperator() != 0 ? "E" : "M");
  row("Punkte pro km      : ", "points per km      : ", std::to_string(list.PointsPerKm()));
  Line(out, rule);
  row("Angaben zur Station:", "station : ", "");
  Line(out, rule);
  row("TRX                : ", "TRX                : ", list.Transceiver());
  row("PWR                : ", "PWR                : ", list.Power());
  row("ANT                : ", "ANT                : ", list.Antenna());
  row("Höhe über Grund    : ", "Height             : ",
      std::to_string(list.AntennaHeightGround()) + " mtr");
  row("Höhe über NN       : ", "NN                 : ",
      std::to_string(list.AntennaHeightSea()) + " mtr");
  Line(out, rule);
  row("Gearb.Größtfelder  : ", "worked squares     : ", std::to_string(list.VhfSquares()));
  row("Gearb.Länder       : ", "worked countries   : ", std::to_string(list.VhfCountries()));
  row("Punkte pro QSO     : ", "points per QSO     : ", std::to_string(list.VhfPointsPerQso()));
  row("Gültige Verbind.   : ", "valid QSO          : ", std::to_string(list.VhfValidQsos()));
  row("ODX                : ", "ODX                : ", std::to_string(list.ExtraNumber()));
  row("Gesamtpunktzahl    : ", "points             : ",
      std::to_string(int64_t(list.PointsPerKm()) * list.TotalDistance()));
}

void WriteCoverTimeWindows(const TCoverInput& in, std::vector<TCoverLine>& out) {
  for (size_t k = 0; k < in.WindowTexts.size(); ++k) {
    if (in.WindowTexts[k].empty()) continue;
    Line(out, S::FitWidth(k == 0 ? "Wertungszeitraum:" : " ", 18, true) + in.WindowTexts[k]);
  }
}

void WriteDeclaration(const TCoverInput& in, std::vector<TCoverLine>& out) {
  const std::string& name = in.Def.ContestName;
  if (in.English) {
    Line(out, "I affirm that I have observed all rules of ");
    Line(out, name + ".");
  } else {
    Line(out, "Ich erkläre, dass ich die Regeln für \"" + name + "\"");
    Line(out, "beachtet und die Lizenzbestimmungen meines Landes eingehalten habe.");
    Line(out, "Die Angaben des Logs entsprechen der Wahrheit.");
  }
  Line(out, kBlank);

  const bool en = in.English;
  std::string line = (en ? " City:" : "Ort: ") + S::Trim(in.Station.PostcodeTown());
  // A part that does not fit on the line so far starts a line of its own.
  const auto join = [&](bool fits, const std::string& joined, const std::string& wrapped) {
    if (fits) {
      line += joined;
      return;
    }
    Line(out, line);
    Line(out, kBlank);
    line = wrapped;
  };
  const int length = S::Length(line);
  join(length + (en ? 16 : 18) < 80, (en ? " Date " : "     Datum: ") + in.Today,
       (en ? "Date " : "Datum: ") + in.Today);
  const bool listener = en ? in.Def.SWLLog : in.List.Category() == 4;
  if (listener) {
    const std::string swl = in.Station.SwlNumber();
    join(S::Length(line) + 6 + S::Length(S::Trim(swl)) < 80, (en ? " SWL  " : "     SWL :") + swl,
         (en ? " SWL  " : "SWL :") + swl);
  }
  const int callLength = en ? S::Length(S::Trim(in.OwnCall)) : S::Length(in.OwnCall);
  join(S::Length(line) + (en ? 6 : 9) + callLength < 80, (en ? " Call " : "   Call: ") + in.OwnCall,
       (en ? " Call " : " Call: ") + in.OwnCall);

  const std::string sign = en ? "Sign _______________" : "Unterschrift _______________";
  const int signWidth = en ? 50 : 43;
  if (S::Length(line) + (en ? 20 : 27) < 70) {
    Line(out, S::FitWidth(line, signWidth, true) + (in.Paper ? sign : ""), en);
  } else {
    Line(out, line);
    Line(out, kBlank);
    if (en) Line(out, kBlank);
    Line(out, in.Paper ? sign : (en ? "" : kBlank), en);
  }

  if (en) {
    Line(out, kBlank);
    Line(out, kBlank);
    Line(out, "Printed with Brenmark " + in.WebAddress);
  } else {
    if (in.Paper) Line(out, kBlank);
    Line(out, "Dieses ContestLog wurde mit " + in.Def.VersionTitle + " erstellt. (" +
                  in.WebAddress + ")");
    for (int i = 0; i < 3; ++i) Line(out, kBlank);
  }
}

std::vector<TCoverLine> CoverSheetLines(const TCoverInput& in, const TCoverFigures& f) {
  std::vector<TCoverLine> out;
  WriteCoverAddress(in, out);
  WriteCoverTitle(in, out);
  WriteCoverCall(in, out);
  WriteCoverCategory(in, out);
  WriteCoverStation(in, out);
  WriteCoverTimeWindows(in, out);
  WriteBandTable(in, f, out);
  WriteFinalScore(in, out);
  WriteCoverDetails(in, f, out);
  WriteDeclaration(in, out);
  return out;
}

}  // namespace coversheet
