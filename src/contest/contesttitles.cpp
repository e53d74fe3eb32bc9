#include <string>

#include "contest/contestfkt.h"
#include "foundation/filebase.h"
#include "foundation/help.h"
#include "foundation/progdir.h"
#include "foundation/toolsfkt.h"
#include "tables/setups.h"
#include "tables/setupseparat.h"

namespace {

// Where a code's title bitmap lies.
enum TBitmapPlace { kInImageDir, kNoBitmap, kBareName };

struct TTitleEntry {
  TContestCode Code;
  const char* Title;
  const char* Bitmap;
  TBitmapPlace Place;
};

constexpr TTitleEntry kTitles[] = {
    {'V', "Mecklenburg-Vorpommern - Contest", "mvp.bmp", kInImageDir},
    {'B', "Baden - Württemberg Aktivität", "bwa.bmp", kInImageDir},
    {'H', "Holyland - Contest", "holyland.bmp", kInImageDir},
    {'D', "Deutschland Contest des DTC e.V.", "dtc.bmp", kInImageDir},
    {'q', "Handtastenparty", "agcw.bmp", kInImageDir},
    {'5', "Funkertag-QSO-Party", "party062005.bmp", kInImageDir},
    {'P', "Februar-QSO-Party", "party022005.bmp", kInImageDir},
    {'E', "Europatag der Schulstationen", "eutag.bmp", kInImageDir},
    {'F', "Aktivitätswettbewerb Franken", "franken.bmp", kInImageDir},
    {'J', "Hamburg Contest", "hamburg.bmp", kInImageDir},
    {'G', "Hessencontest", "hessen.bmp", kInImageDir},
    {'R', "Rheinland-Pfalz - Aktivitätsabende", "rheinlandpfalz.bmp", kInImageDir},
    {'h', "Rheinland-Pfalz - Aktivitätswoche", "rheinlandpfalz.bmp", kInImageDir},
    {'N', "Nordic Activity Contest", "nac.bmp", kInImageDir},
    {'S', "Aktivitätswettbewerbe H, S, W", "hsw.bmp", kInImageDir},
    {'T', "Thüringen-Contest", "thueringen.bmp", kInImageDir},
    {'L', "Kurzcontest Ruhrgebiet", "ruhrgebiet.bmp", kInImageDir},
    {'U', "Bayern-Ost-Contest", "boc.bmp", kInImageDir},
    {'I', "Kurzwellenaktivitätstag Nordsee", "nordsee.bmp", kInImageDir},
    {'l', "Aktivitätstag Nordsee", "nordsee.bmp", kInImageDir},
    {'g', "Nordsee-Contest UKW", "nordsee.bmp", kInImageDir},
    {'Z', "IPARC-Contest", "iparc.bmp", kInImageDir},
    {'C', "Brandenburg-Berlin-Contest", "bb.bmp", kInImageDir},
    {'O', "Aktivitätswochenende Schleswig-Holstein", "sh.bmp", kInImageDir},
    {'Q', "Schwabenkontest", "schwaben.bmp", kInImageDir},
    {'1', "DARC 10 m-Contest", "darclogo.bmp", kInImageDir},
    {'K', "Herbstcontest Köln-Aachen", "koelnaachen.bmp", kInImageDir},
    {'A', "Deutscher Telegraphie-Contest", "agcw.bmp", kInImageDir},
    {'f', "Happy New Year-Contest", "agcw.bmp", kInImageDir},
    {'s', "QRP/QRP-Party der AGCW", "agcw.bmp", kInImageDir},
    {'w', "AGCW-DL QRP Contest", "agcw.bmp", kInImageDir},
    {'i', "Naval-Contest", "", kNoBitmap},
    {'j', "MMMonVHF MS SPRINT CONTEST", "zormssprint.bmp", kBareName},
    {'Y', "VFDB-Contest", "vfdb.bmp", kInImageDir},
    {'o', "VFDB-Aktivitätstage", "vfdb.bmp", kInImageDir},
    {'2', "Westfalen Nord QRP Aktivitäts Contest", "westfalen-nord.bmp", kInImageDir},
    {'3', "Westfalen Nord Contest", "westfalen-nord.bmp", kInImageDir},
    {'c', "Westfalen Nord Aktivitätstag", "westfalen-nord.bmp", kInImageDir},
    {'4', "Party des Radio Telegraphy Club e.V.", "rtc.bmp", kInImageDir},
    {'6', "HSC-CW-Contest", "hsc.bmp", kInImageDir},
    {'v', " Military on the Air Aktivität der MRR", "MRR-Siegel.bmp", kInImageDir},
    {'7', "DIG-QSO-Party", "digparty.bmp", kInImageDir},
    {'8', "AGCW - VHF/UHF-Contest", "agcw.bmp", kInImageDir},
    {'9', "IARU-Region-1-Fieldday", "fieldday.bmp", kInImageDir},
    {'a', "Nordrhein-Aktivität", "nordrhein.bmp", kInImageDir},
    {'b', "Original-QRP-Contest", "qrpcc.bmp", kInImageDir},
    {'d', "SAAR-Contest", "saar.bmp", kInImageDir},
    {'e', "Nord-Contest", "nord.bmp", kInImageDir},
    {'k', "QCWA-Party", "qcwa.bmp", kInImageDir},
    {'m', "Großraum-Mobilwettbewerb 80m", "mobilsh.bmp", kInImageDir},
    {'n', "IBFD-Aktivitätstag", "ibfd.bmp", kInImageDir},
    {'p', "DSW-Kurzcontest", "dsw.bmp", kInImageDir},
    {'r', "YL-Party", "yllogo.bmp", kInImageDir},
    {'u', "DARC-Ausbildungs-Contest", "wag.bmp", kInImageDir},
    {'W', "Worked All Germany (WAG) Contest", "wag.bmp", kInImageDir},
};

// The organisers' rules pages. The contests run by clubs without pages of their own
// publish their rules through the national society's contest calendar.
constexpr const char* kDarcRules = "https://www.darc.de/der-club/referate/conteste/";
constexpr const char* kAgcwRules = "https://www.agcw.de/contest/";

// Where a code's rules are opened: the organiser's page, a local PDF document, or only
// the rules document in the notes editor.
enum TRulesKind { kAddress, kLocalPdf, kDocumentOnly };

struct TRulesEntry {
  TContestCode Code;
  const char* Document;
  TRulesKind Kind;
  const char* Target;  // address or PDF name
};

constexpr TRulesEntry kRules[] = {
    {'1', "darc10r.rtf", kAddress, kDarcRules},
    {'2', "WNQACr.rtf", kDocumentOnly, ""},
    {'3', "WNCr.rtf", kDocumentOnly, ""},
    {'4', "RTCR.rtf", kAddress, kDarcRules},
    {'5', "PARTYR.rtf", kAddress, kAgcwRules},
    {'6', "HSCr.rtf", kAddress, kDarcRules},
    {'7', "digr.rtf", kAddress, kDarcRules},
    {'8', "agcwr.rtf", kAddress, kAgcwRules},
    {'9', "ZORFIELDDAYR.rtf", kAddress, kDarcRules},
    {'A', "CWR.rtf", kAddress, kAgcwRules},
    {'B', "BWAR.rtf", kAddress, kDarcRules},
    {'C', "bbR.rtf", kAddress, kDarcRules},
    {'D', "DTCR.rtf", kAddress, kDarcRules},
    {'E', "EUTAGR.rtf", kAddress, kDarcRules},
    {'F', "FrankenR.rtf", kAddress, kDarcRules},
    {'G', "HessenR.rtf", kAddress, kDarcRules},
    {'H', "HOLYLANDR.rtf", kDocumentOnly, ""},
    {'I', "kwnordseeR.rtf", kDocumentOnly, ""},
    {'J', "HamburgR.rtf", kAddress, kDarcRules},
    {'K', "MVPR.RTF", kAddress, kDarcRules},
    {'L', "ruhrgebietR.rtf", kAddress, kDarcRules},
    {'N', "nacr.rtf", kDocumentOnly, ""},
    {'O', "shR.rtf", kAddress, kDarcRules},
    {'P', "MVPR.RTF", kAddress, kAgcwRules},
    {'Q', "schwabenr.rtf", kAddress, kDarcRules},
    {'R', "RheinlandpfalzR.rtf", kAddress, kDarcRules},
    {'S', "HSWR.rtf", kLocalPdf, "HSW_2015_Ausschreibung.pdf"},
    {'T', "thueringenR.rtf", kAddress, kDarcRules},
    {'U', "bocR.rtf", kAddress, kDarcRules},
    {'V', "MVPR.RTF", kAddress, kDarcRules},
    {'W', "WAGR.rtf;", kAddress, kDarcRules},
    {'X', "XMAS.HTM", kAddress, kDarcRules},
    {'Y', "ZORVFDB.rtf", kAddress, kDarcRules},
    {'Z', "iparcR.rtf", kAddress, kDarcRules},
    {'a', "ZORNORDRHEINR.rtf", kAddress, kDarcRules},
    {'b', "OQRPR_2012.rtf", kAddress, kDarcRules},
    {'c', "WNAr.rtf", kAddress, kDarcRules},
    {'d', "SAARR.rtf", kAddress, kDarcRules},
    {'e', "NORDR.rtf", kAddress, kDarcRules},
    {'f', "HappynewyearR.rtf", kAddress, kAgcwRules},
    {'g', "ukwnordseer.rtf", kDocumentOnly, ""},
    {'h', "rlpwocheR.rtf", kAddress, kDarcRules},
    {'i', "navalR.rtf", kDocumentOnly, ""},
    {'j', "MVPR.RTF", kAddress, kDarcRules},
    {'k', "qcwar.rtf", kAddress, kDarcRules},
    {'l', "nordseeR.rtf", kAddress, kDarcRules},
    {'m', "MVPR.RTF", kLocalPdf, "AUSSCHREIBUNG MOBILTEST.pdf"},
    {'n', "MVPR.RTF", kDocumentOnly, ""},
    {'o', "VFDBTAGER.rtf", kAddress, kDarcRules},
    {'p', "dsw_2012.rtf", kAddress, kDarcRules},
    {'q', "zorhtp.rtf", kAddress, kAgcwRules},
    {'r', "yl-party.rtf", kAddress, kDarcRules},
    {'s', "MVPR.RTF", kAddress, kAgcwRules},
    {'t', "MVPR.RTF", kAddress, kDarcRules},
    {'u', "MVPR.RTF", kAddress, kDarcRules},
    {'v', "MVPR.RTF", kAddress, kDarcRules},
    {'w', "MVPR.RTF", kLocalPdf, "AGCW-DL QRP-Contest Ausschreibung.pdf"},
};

constexpr TRulesEntry kNoRules{'\0', "MVPR.RTF", kDocumentOnly, ""};

template <typename Entry, size_t N>
const Entry* FindEntry(const Entry (&table)[N], TContestCode code) {
  for (const Entry& e : table)
    if (e.Code == code) return &e;
  return nullptr;
}

// The maker's server; also named in the prefix-file warning of the contest list.
constexpr const char* kHomePage = "https://zor.velcor.example/";

}  // namespace

void TContestFkt::ContestTitleOf(TContestCode code, std::string& title,
                                 std::string& bitmapFile) const {
  const TTitleEntry* e = FindEntry(kTitles, code);
  if (!e) return;
  title = "\"" + std::string(e->Title) + "\"";
  switch (e->Place) {
    case kInImageDir: bitmapFile = ImageDirectory() + e->Bitmap; break;
    case kNoBitmap: bitmapFile.clear(); break;
    case kBareName: bitmapFile = e->Bitmap; break;
  }
}

void TContestFkt::GetEdition(TContestCode& code, std::string& versionText, std::string& bitmapName,
                             std::string& noticeText) const {
  code = 'd';
  versionText = "Velcor ZOR SAAR Version 2016-1.0 SAAR-Contest";
  bitmapName = "titel_zorsaar";
  noticeText =
      "Contest-Logbuch für den SAAR-Contest. Hinweise und Fehlermeldungen nimmt der "
      "Hersteller gern entgegen: " +
      HomePage();
}

std::string TContestFkt::HomePage() { return kHomePage; }

std::string TContestFkt::UpdateNotes(std::string_view installed) {
  return setupseparat::LangText(
      "Bitte prüfen Sie vor dem Contest, ob es eine neuere Version des Programms gibt: " +
          HomePage() +
          "\r\nNeue Versionen enthalten die aktuellen Contestregeln und Präfixdaten.\r\n\r\n"
          "Aktuell installiert: " +
          std::string(installed),
      "Please check before the contest whether a newer version of the program is available: " +
          HomePage() + "\r\nNew versions carry the current contest rules and prefix data.");
}

std::string TContestFkt::ImageDirectory() const {
  return TFileBaseSS::AddBackslash(Setups().GetDirs()[setupdirs::kPictures]);
}

TContestFkt::TRulesTarget TContestFkt::RulesTarget(TContestCode code) const {
  const TRulesEntry* e = FindEntry(kRules, code);
  if (!e) e = &kNoRules;
  TRulesTarget t;
  t.Document = ImageDirectory() + e->Document;
  if (e->Kind == kAddress) {
    t.Link = e->Target;
  } else if (e->Kind == kLocalPdf) {
    // Looked for beside the pictures first, then beside the program.
    for (const std::string& dir : {ImageDirectory(), TFileBaseSS::AddBackslash(ProgramDirectory())})
      if (TFileBaseSS::FileExists(dir + e->Target)) {
        t.Link = dir + e->Target;
        break;
      }
  }
  return t;
}

void TContestFkt::ShowContestRules(TContestCode code) const {
  const TRulesTarget t = RulesTarget(code);
  if (!t.Link.empty()) {
    hh_funcs::ShellOpen(t.Link, "");
    return;
  }
  std::vector<std::string> lines;
  int32_t left = 0, top = 0, right = 0, bottom = 0;
  std::string text;
  TToolsFkt::EditMemo("Contestregeln", lines, left, top, right, bottom, "", 0, 0, 0, t.Document,
                      text);
}
