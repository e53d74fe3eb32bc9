#include "contest/classrules_table.h"

#include <algorithm>

namespace classrules {
namespace {

using S = TPresetSource;
constexpr TPreset Keep{S::kKeep};
constexpr TPreset None{S::kNone};
constexpr TPreset Dok{S::kOwnDok};
constexpr TPreset DokOrNM{S::kOwnDokOrNM};
constexpr TPreset Loc{S::kOwnLocator};
constexpr TPreset Loc4{S::kOwnLocator4};
constexpr TPreset Name1{S::kFirstName};
constexpr TPreset Name16{S::kFirstName16};
constexpr TPreset NameNumber{S::kFirstNameNumber};
constexpr TPreset Station{S::kStationText};
constexpr TPreset Call{S::kOwnCall};
constexpr TPreset MemberText{S::kMemberText};
constexpr TPreset Member{S::kMemberNumber};
constexpr TPreset Member2{S::kMemberNumber2};
constexpr TPreset Member5{S::kMemberNumber5};
constexpr TPreset MemberOrNM{S::kMemberNumberOrNM};
constexpr TPreset Fix(const char* text) { return {S::kFixed, text}; }
constexpr TPresets P(TPreset a = Keep, TPreset b = Keep, TPreset c = Keep) { return {a, b, c}; }
constexpr TPresets kNoPresets = P(None, None, None);

constexpr TClassChanges Ch{};
constexpr TClassChanges kSwl = Ch.Swl();

// 'V' (MVP)
constexpr TClassChanges kVhfV = Ch.Kinds({4, 6});
constexpr TClassRow kV[] = {
    {"A:KW,QRO Stn aus MVP,CW", 0, "Klasse A", "CW", "ab"},
    {"B:KW,QRO Stn aus MVP,SSB", 0, "Klasse B", "SSB", "ab"},
    {"C:KW,QRO Stn aus MVP,DIGIMODE", 0, "Klasse C", "DIGITAL", "ab"},
    {"D:KW,QRO Stn aus MVP,MIXED MODE", 0, "Klasse D", "SSB, CW, DIGITAL", "ab"},
    {"E:KW,QRP<15 Watt,Stn aus MVP", 0, "Klasse E", "SSB, CW, DIGITAL", "ab"},
    {"F1:VHF und UHF > 10 Watt", 0, "Klasse F1", "SSB, CW, FM, PR", "kl", kVhfV, P(Keep, Loc)},
    {"F2:VHF und UHF =< 10 Watt", 0, "Klasse F2", "SSB, CW, FM, PR", "kl", kVhfV, P(Keep, Loc)},
    {"G:Gäste", 0, "Klasse G", "SSB, CW, FM, PR, DIGITAL", "abkl"},
    {"S:KW, SWLs", 0, "Klasse S", "SSB, CW, DIGITAL", "ab", kSwl, kNoPresets},
};

// 'B' (BWA)
constexpr TClassChanges kVhfB = Ch.Kinds({4, 6}).Captions3("DOK", "LOC");
constexpr TClassRow kB[] = {
    {"1. 3.5 und 7.0 MHz", 1, "Klasse 1", "SSB, CW", "bc"},
    {"2. 144 MHz", 2, "Klasse 2", "SSB, CW", "k", kVhfB, P(Keep, Loc)},
    {"3. 432 MHz", 3, "Klasse 3", "SSB, CW", "l", kVhfB, P(Keep, Loc)},
    {"4. SWL (Sektionen 1 - 3)", 0, "Klasse 4", "SSB, CW", "bckl", kVhfB.Swl(), kNoPresets},
};

// 'D' (DTC)
constexpr TClassRow kD[] = {
    {"Klasse 1: mehr als 25 W Output", 0, "Klasse 1", "CW", "bc"},
    {"Klasse 2: 5 - 25 W Output", 0, "Klasse 2", "CW", "bc"},
    {"Klasse 3: max. 5 W Output (QRP)", 0, "Klasse 3", "CW", "bc"},
    {"Klasse 4: SWLs", 0, "Klasse 4", "CW", "bc", kSwl, kNoPresets},
};

// 'q' (Handtastenparty): the class letter goes out in the second field.
constexpr TClassRow kq[] = {
    {"HTP80 A: max. 5W Output", 0, "HTP80 Klasse A", "CW", "b", Ch, P(Keep, Fix("A"))},
    {"HTP80 B: max. 50W Output", 0, "HTP80 Klasse B", "CW", "b", Ch, P(Keep, Fix("B"))},
    {"HTP80 C: max. 150W Output", 0, "HTP80 Klasse C", "CW", "b", Ch, P(Keep, Fix("C"))},
    {"HTP80 D: SWL", 0, "HTP80 Klasse D", "CW", "b", kSwl, P(Keep, Fix("D"))},
    {"HTP40 A: max. 5W Output", 0, "HTP40 Klasse A", "CW", "c", Ch, P(Keep, Fix("A"))},
    {"HTP40 B: max. 50W Output", 0, "HTP40 Klasse B", "CW", "c", Ch, P(Keep, Fix("B"))},
    {"HTP40 C: max. 150W Output", 0, "HTP40 Klasse C", "CW", "c", Ch, P(Keep, Fix("C"))},
    {"HTP40 D: SWL", 0, "HTP40 Klasse D", "CW", "c", kSwl, P(Keep, Fix("D"))},
};

// 'H' (Holyland)
constexpr TClassRow kH[] = {
    {"1-1: Single Op All Band, Mix", 0, "Klasse 1-1", "SSB, CW", "abcegi"},
    {"1-2: Single Op All Band, SSB", 0, "Klasse 1-2", "SSB", "abcegi"},
    {"1-3: Single Op All Band, CW", 0, "Klasse 1-3", "CW", "abcegi"},
    {"1-4: Single Op All Band, Digital (RTTY, PSK)", 0, "Klasse 1-4", "DIGITAL", "abcegi"},
    {"1-5: Single Op QRP (10W)", 0, "Klasse 1-5", "SSB, CW, DIGITAL", "abcegi"},
    {"2: Multi Op, All Band, Single Tx, Mix", 0, "Klasse 2", "SSB, CW, DIGITAL", "abcegi", Ch,
     kNoPresets},
    {"3: SWL", 0, "Klasse 3", "SSB, CW, DIGITAL", "abcegi", Ch.Kinds({8}).Swl(), kNoPresets},
};

// 'E' (Europatag)
constexpr TClassRow kE[] = {
    {"A HF", 0, "HF", "SSB, CW, FM, DIGITAL", "abcegi"},
    {"B VHF/UHF/SHF", 0, "VHF-UHF-SHF", "SSB, CW, FM, DIGITAL", "kl",
     Ch.Multipliers({2, 3, 5, 9, 14})},
};

// 'F' (Franken)
constexpr TClassChanges kVhfF = Ch.Kinds({7, 4, 6}).Multipliers({4, 5});
constexpr TClassRow kF[] = {
    {"A- KW 80/40m CW", 1, "Klasse A", "CW", "bc"},
    {"B- KW 80/40m SSB", 1, "Klasse B", "SSB", "bc"},
    {"C- 2m (alle Betriebsarten)", 2, "Klasse C", "SSB, CW, FM, PR", "k", kVhfF,
     P(Keep, Keep, Loc)},
    {"D- 70cm (alle Betriebsarten)", 3, "Klasse D", "SSB, CW, FM, PR", "l", kVhfF,
     P(Keep, Keep, Loc)},
    {"E- SWL, 80/40m, CW/SSB", 1, "Klasse E", "SSB, CW", "bc", kSwl},
    {"F- SWL, 2m/70cm (alle Betriebsarten)", 0, "Klasse F", "SSB, CW, FM, PR", "kl", kSwl},
};

// 'J' (Hamburg)
constexpr TClassRow kJ[] = {
    {"alle (außer SWL)", 0, "single op", "SSB, CW", "bckl"},
    {"SWL", 0, "SWL", "SSB, CW", "bckl", kSwl},
};

// 'R' (Rheinland-Pfalz evenings): one group per evening.
constexpr TClassRow kR[] = {
    {"04.05.2016  2 m CW", 1, "2m-CW", "CW", "k"},
    {"04.05.2016  2 m DIGI", 1, "2m-DIGI", "DIGITAL", "k"},
    {"04.05.2016  2 m alle Modi", 1, "2m-alleModi", "SSB, CW, FM, DIGITAL", "k"},
    {"14.05.2016 70 cm CW", 2, "70cm-CW", "CW", "l"},
    {"14.05.2016 70 cm DIGI", 2, "70cm-DIGI", "DIGITAL", "l"},
    {"14.05.2016 70 cm alle Modi", 2, "70cm-alleModi", "SSB, CW, FM, DIGITAL", "l"},
    {"16.07.2016 10 m CW", 3, "10m-CW", "CW", "i"},
    {"16.07.2016 10 m DIGI", 3, "10m-DIGI", "DIGITAL", "i"},
    {"16.07.2016 10 m alle Modi", 3, "10m-alleModi", "SSB, CW, FM, DIGITAL", "i"},
    {"03.10.2016  80 m CW", 4, "80m-CW", "CW", "b"},
    {"03.10.2016  80 m DIGI", 4, "80m-DIGI", "DIGITAL", "b"},
    {"03.10.2016  80 m alle Modi", 4, "80m-alleModi", "SSB, CW, FM, DIGITAL", "b"},
};

// '5' (Funkertag)
constexpr TClassRow k5[] = {
    {"Kategorie A: Sendeamateure Allband (3,5 MHz bis 440 MHz)", 0, "Klasse A",
     "SSB, CW, FM, DIGITAL", "bcegikl"},
    {"Kategorie B: Sendeamateure UKW (144 u. 440 MHz)", 0, "Klasse B", "SSB, CW, FM, DIGITAL",
     "kl"},
    {"Kategorie C: Sendeamateure Digital (3,5 MHz bis 440 MHz)", 0, "Klasse C", "DIGITAL",
     "bcegikl"},
    {"Kategorie D: SWL (3,5 MHz bis 440 MHz)", 0, "Klasse D", "SSB, CW, FM, DIGITAL", "bcegikl",
     kSwl},
    {"Checklog", 0, "Checklog", "SSB, CW, FM, DIGITAL", "bcegikl"},
};

// 'P' (Party)
constexpr TClassRow kP[] = {
    {"Kategorie A:  Sendeamateure Allband  ( 3,5 MHz bis 440 MHz )", 0, "Klasse A",
     "SSB, CW, FM, DIGITAL", "bcegikl"},
    {"Kategorie B:  Sendeamateure UKW  ( 144 MHz bis 440 MHz )", 0, "Klasse B",
     "SSB, CW, FM, DIGITAL", "kl"},
    {"Kategorie C:  Sendeamateure nur Digital ( 3,5 MHz bis 440 MHz )", 0, "Klasse C", "DIGITAL",
     "bcegikl"},
    {"Kategorie D:  SWL ( 3,5 MHz bis 440 MHz )", 0, "Klasse D", "SSB, CW, FM, DIGITAL", "bcegikl",
     kSwl},
};

// 'G' (Hessen)
constexpr TClassChanges kVhfG = Ch.Kinds({7, 4, 6}).Captions3("Nr", "DOK", "LOC");
constexpr TClassRow kG[] = {
    {"1 - 3,5 MHz CW", 4, "Klasse 1", "CW", "b"},
    {"2 - 3,5 MHz SSB", 4, "Klasse 2", "SSB", "b"},
    {"3 - 7 MHz CW", 5, "Klasse 3", "CW", "c"},
    {"4 - 7 MHz SSB", 5, "Klasse 4", "SSB", "c"},
    {"5 - 144 MHz CW/SSB", 2, "Klasse 5", "CW, SSB", "k", kVhfG, P(Keep, Keep, Loc)},
    {"6 - 430 MHz CW/SSB", 1, "Klasse 6", "CW, SSB", "l", kVhfG, P(Keep, Keep, Loc)},
    {"7 - 1296 MHz CW/SSB", 3, "Klasse 7", "SSB, CW", "mnopqs", kVhfG, P(Keep, Keep, Loc)},
};

// 'N' (Nordic Activity)
constexpr TClassRow kN[] = {
    {"1: erster Dienstag 2 m", 0, "2m", "SSB, CW, FM", "k"},
    {"2: zweiter Dienstag 70cm", 0, "70cm", "SSB, CW, FM", "l"},
    {"3: dritter Dienstag 23cm", 0, "23cm", "SSB, CW, FM", "m"},
    {"4: zweiter Donnerstag 6m", 0, "6m", "SSB, CW, FM", "j"},
    {"5: vierter Dienstag 13cm und höher", 0, "13cm", "SSB, CW, FM", "npqs"},
};

// 'S' (HSW): the listener classes count every QSO, dupes included.
constexpr TClassChanges kSwlS = Ch.Dupe(0).Swl();
constexpr TClassRow kS[] = {
    {"A=80 m/10 m CW", 2, "Klasse A", "CW", "bi"},
    {"B=80 m/10 m SSB", 1, "Klasse B", "SSB", "bi"},
    {"C=2 m CW, SSB, FM", 3, "Klasse C", "SSB, CW, FM", "k"},
    {"D=70 cm CW, SSB, FM", 4, "Klasse D", "SSB, CW, FM", "l"},
    {"A-SWL=80 m/10 m CW", 2, "Klasse A-SWL", "CW", "bc", kSwlS},
    {"B-SWL=80 m/10 m SSB", 1, "Klasse B-SWL", "SSB", "bc", kSwlS},
    {"C-SWL=2 m CW, SSB, FM", 3, "Klasse C", "SSB, CW, FM", "k", kSwlS},
    {"D-SWL=70 cm CW, SSB, FM", 4, "Klasse D", "SSB, CW, FM", "l", kSwlS},
};

// 'T' (Thüringen)
constexpr TClassRow kT[] = {
    {"A: 3,5 MHz CW", 1, "Klasse A", "CW", "b"},
    {"B: 3,5 MHz SSB", 2, "Klasse B", "SSB", "b"},
    {"C: 144 MHz CW, SSB", 3, "Klasse C", "SSB, CW", "k"},
    {"D: 144 MHz FM", 3, "Klasse D", "FM", "k"},
    {"E: 432 MHz CW, SSB", 4, "Klasse E", "SSB, CW", "l"},
    {"F: 432 MHz FM", 4, "Klasse F", "FM", "l"},
    {"G: ab 1,2 GHz", 5, "Klasse G", "SSB, CW, FM", "mnopqs"},
    {"A-SWL: 3,5 MHz CW", 1, "Klasse A-SWL", "CW", "b", kSwl},
    {"B-SWL: 3,5 MHz SSB", 2, "Klasse B-SWL", "SSB", "b", kSwl},
    {"C-SWL: 144 MHz CW, SSB", 3, "Klasse C-SWL", "SSB, CW", "k", kSwl},
    {"D-SWL: 144 MHz FM", 3, "Klasse D-SWL", "FM", "k", kSwl},
    {"E-SWL: 432 MHz CW, SSB", 4, "Klasse E-SWL", "SSB, CW", "l", kSwl},
    {"F-SWL: 432 MHz FM", 4, "Klasse F-SWL", "FM", "l", kSwl},
};

// 'L' (Ruhrgebiet)
constexpr TClassRow kL[] = {
    {"A: Kurzwelle 80 Meter", 1, "80m", "SSB, CW", "b"},
    {"A1A: Kurzwelle 80 Meter CW", 1, "A1A", "CW", "b"},
    {"B: Kurzwelle 40 Meter", 2, "40m", "SSB, CW", "c"},
    {"C: UKW 2 Meter", 3, "2m", "SSB, CW", "k"},
    {"D: UKW 70 CM", 4, "70cm", "SSB, CW", "l"},
    {"E: SWLs Kurzwelle 80 Meter", 1, "SWL 80m", "SSB, CW", "b", kSwl},
    {"F: SWLs Kurzwelle 40 Meter", 2, "SWL 40m", "SSB, CW", "c", kSwl},
    {"G: SWLs UKW 2 Meter", 3, "SWL 2m", "SSB, CW", "k", kSwl},
    {"H: SWLs UKW 70 CM Meter", 4, "SWL 70cm", "SSB, CW", "l", kSwl},
};

// 'U' (Bayern-Ost)
constexpr TClassChanges kVhfU = Ch.Kinds({4, 5}).Captions3("DOK", "LOC").Multipliers({4, 5});
constexpr TClassRow kU[] = {
    {"A 80m-KW (CW)", 0, "Klasse A80", "CW", "b"},
    {"A 40m-KW (CW)", 0, "Klasse A40", "CW", "c"},
    {"B 80m-KW (SSB)", 0, "Klasse B80", "SSB", "b"},
    {"B 40m-KW (SSB)", 0, "Klasse B40", "SSB", "c"},
    {"C 2m - VHF", 5, "Klasse C", "SSB, CW, FM", "k", kVhfU, P(Keep, Loc4)},
    {"D 70cm - UHF", 6, "Klasse D", "SSB, CW, FM", "l", kVhfU, P(Keep, Loc4)},
    {"A-SWL: KW80 (CW)", 0, "Klasse A80-SWL", "CW", "b", kSwl},
    {"A-SWL: KW40 (CW)", 0, "Klasse A40-SWL", "CW", "c", kSwl},
    {"B-SWL: KW80 (SSB)", 0, "Klasse B80-SWL", "SSB", "b", kSwl},
    {"B-SWL: KW40 (SSB)", 0, "Klasse B40-SWL", "SSB", "c", kSwl},
    {"C-SWL: VHF", 5, "Klasse C-SWL", "SSB, CW, FM", "k", kVhfU.Swl(), P(Keep, Loc4)},
    {"D-SWL: UHF", 6, "Klasse D-SWL", "SSB, CW, FM", "l", kVhfU.Swl(), P(Keep, Loc4)},
};

// 'I' (KW Nordsee)
constexpr TClassRow kI[] = {
    {"A: 80 m", 0, "Klasse A", "SSB, CW, DIGITAL", "b"},
    {"B: 40 m", 0, "Klasse B", "SSB, CW, DIGITAL", "c"},
};

// 'l' (Nordsee)
constexpr TClassRow kl[] = {
    {"Sektion A: 80 m CW+SSB", 1, "Sektion A", "CW, SSB", "b"},
    {"Sektion B: 10 m ALL", 2, "Sektion B", "SSB, CW, FM, DIGITAL", "i"},
    {"Sektion C: 2 m CW+SSB", 3, "Sektion C", "CW, SSB", "k"},
    {"Sektion D: 70 cm CW+SSB", 4, "Sektion D", "CW, SSB", "l"},
};

// 'Z' (IPARC)
constexpr TClassRow kZ[] = {
    {"A: Multi /Multi  Multi/Single, sowie Klub- und Sonderstationen ", 0, "Klasse A", "SSB, CW",
     "bcegi"},
    {"B: Single Op./ Single TRX", 0, "Klasse B", "SSB, CW", "bcegi"},
    {"C: SWL", 0, "Klasse C", "SSB, CW", "bcegi", kSwl},
};

// 'C' (Brandenburg-Berlin)
constexpr TClassChanges kSwlC = Ch.Kinds({4}, {4, 7}).Captions3("DOK", "Nr").Swl();
constexpr TClassRow kC[] = {
    {"1: KW-Stationen", 0, "Klasse 1", "SSB, CW", "bc"},
    {"2: UKW-Stationen", 0, "Klasse 2", "SSB, CW, FM", "kl"},
    {"3: KW-Stationen, nur Zeugnisklasse E", 0, "Klasse 3", "SSB, CW", "b"},
    {"4: SWL KW", 0, "Klasse 4", "SSB, CW", "bc", kSwlC},
    {"5: SWL UKW", 0, "Klasse 5", "SSB, CW, FM", "kl", kSwlC},
};

// 'K' (Köln-Aachen)
constexpr TClassRow kK[] = {
    {"A: 80m  SSB", 7, "Klasse A", "SSB", "b"},
    {"B: 10m  SSB", 5, "Klasse B", "SSB", "i"},
    {"C:  2m (Fonie)SSB/FM", 1, "Klasse C", "SSB, FM", "k"},
    {"D: 70cm (Fonie)SSB/FM", 3, "Klasse D", "SSB, FM", "l"},
    {"E: 80m  CW", 8, "Klasse E", "CW", "b"},
    {"F: 10m  CW", 6, "Klasse F", "CW", "i"},
    {"G:  2m  CW", 2, "Klasse G", "CW", "k"},
    {"H: 70cm CW", 4, "Klasse H", "CW", "l"},
};

// 'A' (Telegraphie-Contest)
constexpr TClassRow kA[] = {
    {"1. QRP = bis 5 W Output", 0, "Klasse 1", "CW", "bc"},
    {"2. LP = 5 bis 100 W Output (low Power)", 0, "Klasse 2", "CW", "bc"},
    {"3. HP = mehr als 100 W Output (high Power)", 0, "Klasse 3", "CW", "bc"},
    {"4. SWL", 0, "Klasse 4", "CW", "bc", kSwl},
};

// 'f' (Happy New Year)
constexpr TClassRow kf[] = {
    {"1: über 150W Output oder 300W Input", 0, "Klasse 1", "CW", "bce"},
    {"2: max. 150W Output oder 300W Input", 0, "Klasse 2", "CW", "bce"},
    {"3: max. 5W Output oder 10W Input", 0, "Klasse 3", "CW", "bce"},
};

// 'Y' (VFDB)
constexpr TClassChanges kVhfY = Ch.Kinds({4, 5}).Captions3("DOK", "LOC").Multipliers({4, 5});
constexpr TClassRow kY[] = {
    {"1: 13.02. 07.00-09.00 80 m SSB", 1, "Klasse 1", "SSB", "b"},
    {"2: 13.02. 09.00-11.00 40 m SSB", 2, "Klasse 2", "SSB", "c"},
    {"3: 11.06. 12.00-14.00 2 m SSB/CW", 3, "Klasse 3", "SSB, CW", "k", kVhfY, P(Keep, Loc4)},
    {"4: 11.06. 14.00-15.00 70 cm SSB/CW", 4, "Klasse 4", "SSB, CW", "l", kVhfY, P(Keep, Loc4)},
    {"5: 08.10. 06.00-08.00 80 m CW", 5, "Klasse 5", "CW", "b"},
    {"6: 08.10. 08.00-10.00 40 m CW", 6, "Klasse 6", "CW", "c"},
};

// 'o' (VFDB-Aktivitätstage)
constexpr TClassRow ko[] = {
    {"Teil 1: 09.05.-15.05.2016 UKW \"Lizensierte\"", 0, "UKW", "SSB, CW, FM, DIGITAL", "klmnopq"},
    {"Teil 2: 07.11.-13.11.2016 KW \"Lizensierte\"", 0, "KW", "SSB, CW, FM, DIGITAL", "bc"},
    {"Teil 1: 09.05.-15.05.2016 UKW SWL", 0, "UKW SWL", "SSB, CW, FM, DIGITAL", "klmnopq", kSwl},
    {"Teil 2: 07.11.-13.11.2016 KW SWL", 0, "KW SWL", "SSB, CW, FM, DIGITAL", "bc", kSwl},
};

// 'O' (Aktivitätswochenende SH): Saturday and Sunday classes alike.
constexpr TClassChanges kVhfO = Ch.Kinds({20, 4, 6}).Captions3("Name", "DOK", "LOC");
constexpr TPresets kVhfOPresets = P(Keep, Keep, Loc);
constexpr TClassRow kO[] = {
    {"Sa A: KW CW", 0, "Sa_A", "CW", "cb"},
    {"Sa B: KW SSB", 0, "Sa_B", "SSB", "cb"},
    {"Sa C: UKW (CW/SSB/FM)", 0, "Sa_C", "SSB, CW, FM", "kl", kVhfO, kVhfOPresets},
    {"Sa D: KW (Lizenzklasse E)", 0, "Sa_D", "SSB, CW, FM", "cb"},
    {"Sa E: UKW (Lizenzklasse E)", 0, "Sa_E", "SSB, CW, FM", "kl", kVhfO, kVhfOPresets},
    {"Sa F: SWL KW", 0, "Sa_F", "SSB, CW, FM", "cb", kSwl},
    {"Sa G: SWL UKW", 0, "Sa_G", "SSB, CW, FM", "kl", kVhfO.Swl(), kVhfOPresets},
    {"So A: KW CW", 0, "So_A", "CW", "cb"},
    {"So B: KW SSB", 0, "So_B", "SSB", "cb"},
    {"So C: UKW (CW/SSB/FM)", 0, "So_C", "SSB, CW, FM", "kl", kVhfO, kVhfOPresets},
    {"So D: KW (Lizenzklasse E)", 0, "So_D", "SSB, CW, FM", "cb"},
    {"So E: UKW (Lizenzklasse E)", 0, "So_E", "SSB, CW, FM", "kl", kVhfO, kVhfOPresets},
    {"So F: SWL KW", 0, "So_F", "SSB, CW, FM", "cb", kSwl},
    {"So G: SWL UKW", 0, "So_G", "SSB, CW, FM", "kl", kVhfO.Swl(), kVhfOPresets},
};

// 'Q' (Schwaben)
constexpr TClassRow kQ[] = {
    {"A: KW 80m, 40m", 0, "A: KW 80m, 40m", "CW, SSB", "bc"},
    {"B: UKW 2m, 70cm", 0, "B: UKW 2m, 70cm", "CW, SSB, FM", "kl",
     Ch.Kinds({4, 6}, {4}).Captions3("DOK", "LOC"), P(Loc)},
};

// '1' (DARC 10 m)
constexpr TClassRow k1[] = {
    {"Single operator, mixed, low power", 0, "DL_mixed_low", "SSB, CW", "i"},
    {"Single operator, mixed, high power", 0, "DL_mixed_high", "SSB, CW", "i"},
    {"Single operator, CW, low power", 0, "DL_CW_low", "CW", "i"},
    {"Single operator, CW, high power", 0, "DL_CW_high", "CW", "i"},
    {"Single operator, SSB, low power", 0, "DL_SSB_low", "SSB", "i"},
    {"Single operator, SSB, high power", 0, "DL_SSB_high", "SSB", "i"},
    {"Ausland Single operator, mixed", 0, "Ausland_mixed", "SSB, CW", "i"},
    {"Ausland Single operator, CW", 0, "Ausland_CW", "CW", "i"},
    {"Ausland Single operator, SSB", 0, "Ausland_SSB", "SSB", "i"},
};

// Codes with a single class "alle".
constexpr TClassRow k2[] = {{"alle", 0, "", "SSB, CW, FM", "k"}};
constexpr TClassRow kc[] = {{"alle", 0, "", "SSB, CW, FM", "kl"}};
constexpr TClassRow km[] = {{"alle", 0, "", "CW, SSB, FM", "bkl"}};
constexpr TClassRow k4[] = {{"alle", 0, "", "CW", "bc"}};
constexpr TClassRow kk[] = {{"alle", 0, "", "SSB", "b"}};

// '3' (WNC): descriptions only.
constexpr TClassRow k3[] = {
    {"SSB/CW", 0, "", "SSB, CW", "bci"},
    {"SWL", 0, "", "SSB, CW", "bci", kSwl},
};

// '6' (HSC): descriptions only.
constexpr TClassRow k6[] = {
    {"Febr. 1- HSC-Mitglieder (max. 150W Output)", 0, "", "CW", "bcegi"},
    {"Febr. 2- Nichtmitglieder (max. 150W Output)", 0, "", "CW", "bcegi"},
    {"Febr. 3- QRP Stationen (max. 5W Output)", 0, "", "CW", "bcegi"},
    {"Nov. 1- HSC-Mitglieder (max. 150W Output)", 0, "", "CW", "bcegi"},
    {"Nov. 2- Nichtmitglieder (max. 150W Output)", 0, "", "CW", "bcegi"},
    {"Nov. 3- QRP Stationen (max. 5W Output)", 0, "", "CW", "bcegi"},
};

// '7' (DIG)
constexpr TClassChanges kVhf7 = Ch.Kinds({16, 6}).Multipliers({16});
constexpr TClassRow k7[] = {
    {"KW Sendeamateure SSB", 0, "KW-SSB", "SSB", "bcegi"},
    {"KW Sendeamateure CW", 0, "KW-CW", "CW", "bcegi"},
    {"VHF Sendeamateure", 0, "VHF", "SSB, CW, FM", "k", kVhf7, P(Keep, Loc)},
    {"UHF Sendeamateure ", 0, "UHF", "SSB, CW, FM", "l", kVhf7.Captions3("", "LOC"), P(Keep, Loc)},
};

// '8' (AGCW VHF/UHF): the power class letter goes out in the second field.
constexpr TClassRow k8[] = {
    {"A: bis 5 Watt Output VHF 2m", 0, "VHF", "CW", "k", Ch, P(Keep, Fix("A"))},
    {"A: bis 5 Watt Output UHF 70cm", 0, "UHF", "CW", "l", Ch, P(Keep, Fix("A"))},
    {"B: 5-50W Output VHF 2m", 0, "VHF", "CW", "k", Ch, P(Keep, Fix("B"))},
    {"B: 5-50W Output UHF 70cm", 0, "UHF", "CW", "l", Ch, P(Keep, Fix("B"))},
    {"C: mehr als 50W Output VHF 2m", 0, "VHF", "CW", "k", Ch, P(Keep, Fix("C"))},
    {"C: mehr als 50W Output UHF 70cm", 0, "UHF", "CW", "l", Ch, P(Keep, Fix("C"))},
};

// 's' (QRP-Party)
constexpr TClassRow ks[] = {
    {"A: max 5 Watt Output", 0, "Klasse A 5W", "CW", "bcegi", Ch, P(Keep, Fix("A"))},
    {"B: max 20 Watt Output", 0, "Klasse B 20W", "CW", "bcegi", Ch, P(Keep, Fix("B"))},
};

// 'w' (AGCW-QRP)
constexpr TClassRow kw[] = {
    {"VLP  (1W out / 2W in)", 0, "VLP", "CW", "bcegi", Ch, P(Keep, Fix("VLP"))},
    {"QRP  (5W out / 10W in)", 0, "QRP", "CW", "bcegi", Ch, P(Keep, Fix("QRP"))},
    {"MP    (25W out / 50W in)", 0, "MP", "CW", "bcegi", Ch, P(Keep, Fix("MP"))},
    {"QRO  (> 25W out / 50W in)", 0, "QRO", "CW", "bcegi", Ch, P(Keep, Fix("QRO"))},
};

// '9' (Fieldday)
constexpr TClassRow k9[] = {
    {"Portable, single operator, QRP, assisted", 0, "Portable-single operator-QRP-assisted",
     "CW, SSB", "abcegi"},
    {"Portable, multi operator, low power, non-assisted", 0,
     "Portable-multi operator-low power-non-assisted", "CW, SSB", "abcegi"},
    {"Portable, multi operator, low power, assisted", 0,
     "Portable-multi operator-low power-assisted", "CW, SSB", "abcegi"},
    {"Portable, multi operator, QRP, assisted", 0, "Portable-multi operator-QRP-assisted",
     "CW, SSB", "abcegi"},
    {"Portable, multi operator, high power, assisted", 0,
     "Portable-multi operator-high power-assisted", "CW, SSB", "abcegi"},
    {"Fixed", 0, "Fixed", "CW, SSB", "abcegi"},
};

// 'a' (Nordrhein)
constexpr TClassRow ka[] = {
    {"Klasse A:80m  CW", 0, "Klasse A", "CW", "b"},
    {"Klasse B:80m  SSB", 0, "Klasse B", "SSB", "b"},
    {"Klasse C:40m  CW", 0, "Klasse C", "CW", "c"},
    {"Klasse D:40m  SSB", 0, "Klasse D", "SSB", "c"},
    {"Klasse E:2m   SSB/CW", 0, "Klasse E", "SSB, CW", "k"},
    {"Klasse F:70cm SSB/CW", 0, "Klasse F", "SSB, CW", "l"},
    {"Klasse G:23cm SSB/CW", 0, "Klasse G", "SSB, CW", "m"},
};

// 'b' (Original-QRP)
constexpr TClassRow kb[] = {
    {"V L P  (1W out / 2W in)", 0, "VLP", "CW", "bce", Ch, P(Keep, Fix("VLP"))},
    {"Q R P  (5W out / 10W in)", 0, "QRP", "CW", "bce", Ch, P(Keep, Fix("QRP"))},
    {"M P    (20W out / 40W in)", 0, "MP", "CW", "bce", Ch, P(Keep, Fix("MP"))},
    {"Keine QRO-Klasse", 0, "keine QRO-Klasse", "CW", "bce"},
};

// 'd' (SAAR, the edition's own contest)
constexpr TClassRow kd[] = {
    {"Klasse A: 80m SSB", 0, "Klasse A", "SSB", "b"},
    {"Klasse B: 80m CW", 0, "Klasse B", "CW", "b"},
    {"Klasse C: 40m SSB", 0, "Klasse C", "SSB", "c"},
    {"Klasse D: 40m CW", 0, "Klasse D", "CW", "c"},
    {"Klasse E: 10m  Phonie und CW", 0, "Klasse E", "SSB, CW, FM", "i"},
    {"Klasse F: 2m SSB und CW", 0, "Klasse F", "SSB, CW", "k"},
    {"Klasse G: 80m DIGITAL", 0, "Klasse G", "DIGITAL", "b"},
};

// 'e' (Nord)
constexpr TClassRow ke[] = {
    {"Sektion A - 144MHz", 0, "Sektion A", "CW, SSB", "k"},
    {"Sektion B - 432MHz", 0, "Sektion B", "CW, SSB", "l"},
};

// 'g' (UKW Nordsee)
constexpr TClassRow kg[] = {
    {"Sektion A - Stationen aus dem DARC-Distrikt I", 0, "Sektion A", "CW, SSB", "klm"},
    {"Sektion B - Stationen außerhalb DARC-Distrikt I", 0, "Sektion B", "CW, SSB", "klm"},
};

// 'h' (Rheinland-Pfalz week): descriptions only.
constexpr TClassChanges kVhfh = Ch.Kinds({4, 5}).Captions3("DOK", "LOC").Multipliers({4, 5, 10});
constexpr TClassRow kh[] = {
    {"A: 80 m nur SSB", 0, "", "SSB", "b"},
    {"B: 80 m nur CW", 0, "", "CW", "b"},
    {"C: 80 m nur Digital", 0, "", "DIGITAL", "b"},
    {"D: 10 m alle Betriebsarten", 0, "", "SSB, CW, FM, DIGITAL", "i", Ch.Multipliers({2, 4, 10})},
    {"E: 2 m alle Betriebsarten", 0, "", "SSB, CW, FM, DIGITAL", "k", kVhfh, P(Keep, Loc4)},
    {"F: ab 70cm aufwärts, alle Betriebsarten", 0, "", "SSB, CW, FM, DIGITAL", "lmnopqst", kVhfh,
     P(Keep, Loc4)},
    {"G: SWL, alle Bänder, alle Betriebsarten", 0, "", "SSB, CW, FM, DIGITAL",
     "abcdefghijklmnopqrstu", Ch.Kinds({0}).Captions3().Multipliers({}).Swl(), kNoPresets},
    {"H: 1,8 MHz - 29,7 MHz alle Betriebsarten", 0, "", "SSB, CW, FM, DIGITAL", "abcdefghi",
     Ch.Multipliers({2, 4, 10, 18})},
};

// 'i' (Naval)
constexpr TClassRow ki[] = {
    {"A = All band mixed mode (single op)", 0, "Klasse A", "CW, SSB", "bcgei"},
    {"B = All band CW (single op)", 0, "Klasse B", "CW", "bcgei"},
    {"C = All band SSB (single op)", 0, "Klasse C", "SSB", "bcgei"},
    {"E = Naval-Club-Station (multi op)", 0, "Klasse E", "CW, SSB", "bcgei"},
    {"F = Non Naval", 0, "Klasse F", "CW, SSB", "bcgei"},
};

// 'j' (MS sprint): descriptions only.
constexpr TClassRow kj[] = {
    {"QRP (maximal 1,5 KW ERP/2.5KW EIRP)", 0, "", "CW, SSB, FSK441", "k"},
    {"QRO (größer 1,5 KW ERP/12KW EIRP)", 0, "", "CW, SSB, FSK441", "k"},
    {"TEAM (ohne Leistungbegrenzung)", 0, "", "CW, SSB", "k"},
};

// 'n' (IBFD): each class admits the band its text names, the listener classes set SWLLog.
constexpr TClassRow kn[] = {
    {"1. Kurzwelle", 0, "Kurzwelle", "SSB, CW, FM", "b"},
    {"2.Kurzwelle SWL", 0, "Kurzwelle SWL", "SSB, CW, FM", "b", kSwl},
    {"3. UHF/VHF 2m", 0, "UHFVHF 2m", "SSB, CW, FM", "k"},
    {"3. UHF/VHF 70cm", 0, "UHFVHF 70cm", "SSB, CW, FM", "l"},
    {"4. UHF/VHF SWL 2m", 0, "UHFVHF SWL 2m", "SSB, CW, FM", "k", kSwl},
    {"4. UHF/VHF SWL 70m", 0, "UHFVHF SWL 70m", "SSB, CW, FM", "l", kSwl},
};

// 'p' (DSW)
constexpr TClassRow kp[] = {
    {"A - 80m (SSB)", 2, "80m SSB", "SSB", "b"},
    {"B - 80m (CW)", 3, "80m CW", "CW", "b"},
    {"C - 2 m (SSB/CW/FM)", 1, "2m", "SSB, CW, FM", "k", Ch.Kinds({19, 6}).Multipliers({5, 19}),
     P(Keep, Loc)},
    {"D - SWL (nur Nichtlizenzierte (DE))", 0, "SWL", "SSB, CW, FM", "bk", kSwl},
};

// 'r' (YL-Party)
constexpr TClassRow kr[] = {
    {"14.3. - 80m (SSB)", 1, "80m", "SSB", "b"},
    {"15.3. - 2m (SSB,FM)", 2, "2m", "SSB, FM", "k"},
};

// 'W' (WAG): in the mixed classes a German station logs the serial numbers it receives.
constexpr TClassChanges kMixedW = Ch.Kinds({7}, {0}).GermanOwnCall();
constexpr TClassRow kW[] = {
    {"Single operator, CW, low power", 0, "Single-CW-low", "CW", "bcegi"},
    {"Single operator, CW, high power", 0, "Single-CW-high", "CW", "bcegi"},
    {"Single operator, mixed, low power", 0, "Single-mixed-low", "SSB, CW", "bcegi", kMixedW},
    {"Single operator, mixed, high power", 0, "Single-mixed-high", "SSB, CW", "bcegi", kMixedW},
    {"Single operator, mixed, QRP", 0, "Single-mixed-qrp", "SSB, CW", "bcegi", kMixedW},
    {"Multi operator", 0, "multiOp", "SSB, CW", "bcegi", kMixedW},
    {"SWL, single operator", 0, "SWL", "SSB, CW", "bcegi",
     Ch.Kinds({4}, {7}).Captions3("DOK").Multipliers({18}).Swl()},
};

// 'u' (Ausbildungscontest)
constexpr TClassRow ku[] = {
    {"Einsteiger: Stationen mit einem DN- oder DO-Rufzeichen", 0, "Einsteiger", "SSB, CW", "bc"},
    {"Fortgeschrittene: Alle anderen deutschen Stationen", 0, "Fortgeschrittene", "SSB, CW", "bc"},
    {"Stationen aus dem Ausland", 0, "Ausland", "SSB, CW", "bc", Ch.Kinds({4}, {7}), P(None)},
};

// 'X' (XMAS)
constexpr TClassRow kX[] = {
    {"Single operator, mixed, low power", 0, "Single-mixed-low", "SSB, CW", "bc"},
    {"Single operator, mixed, high power", 0, "Single-mixed-high", "SSB, CW", "bc"},
    {"Single operator, CW, low power", 0, "Single-CW-low", "CW", "bc"},
    {"Single operator, CW, high power", 0, "Single-CW-high", "CW", "bc"},
};

// 't' (Ostercontest)
constexpr TClassRow kt[] = {
    {"Single operator, mixed, low power", 0, "Single-mixed-low", "SSB, CW", "bc"},
    {"Single operator, mixed, high power", 0, "Single-mixed-high", "SSB, CW", "bc"},
    {"Single operator, SSB, low power", 0, "Single-SSB-low", "SSB", "bc"},
    {"Single operator, SSB, high power", 0, "Single-SSB-high", "SSB", "bc"},
    {"Single operator, CW, low power", 0, "Single-CW-low", "CW", "bc"},
    {"Single operator, CW, high power", 0, "Single-CW-high", "CW", "bc"},
};

// 'v' (MRR): descriptions only.
constexpr TClassRow kv[] = {
    {"01.März (1956: Gründung der NVA)", 0, "", "SSB, CW, FM", "icba"},
    {"12.November (1955: Gründung der Bundeswehr)", 0, "", "SSB, CW, FM", "icba"},
};

constexpr TPresets kNoChange = P();

// Code, 0 as 1, bands of class 0 otherwise, presets for every class, the classes.
constexpr TCodeClasses kCodes[] = {
    {'V', true, nullptr, P(Dok, Station, None), kV},
    {'B', true, nullptr, P(Dok, None, None), kB},
    {'D', true, nullptr, P(None, Dok, None), kD},
    {'q', true, nullptr, P(None, None, NameNumber), kq},
    {'H', true, nullptr, P(Dok, None, None), kH},
    {'E', true, nullptr, P(Loc, Name1, None), kE},
    {'F', true, nullptr, P(None, Dok, None), kF},
    {'J', true, nullptr, P(Dok, Loc, None), kJ},
    {'R', true, nullptr, P(Dok, None, None), kR},
    {'5', true, nullptr, kNoChange, k5},
    {'P', true, nullptr, P(Member2, None, None), kP},
    {'G', true, nullptr, P(None, Dok, None), kG},
    {'N', true, nullptr, P(Loc, None, None), kN},
    {'S', true, nullptr, P(None, Dok, None), kS},
    {'T', true, nullptr, P(Dok, None, None), kT},
    {'L', true, nullptr, P(Dok, None, None), kL},
    {'U', true, nullptr, P(Dok, None, None), kU},
    {'I', true, nullptr, P(Dok, None, None), kI},
    {'l', true, nullptr, P(Dok, None, None), kl},
    {'Z', true, nullptr, P(None, Fix("IPA"), None), kZ},
    {'C', true, nullptr, P(Dok, None, None), kC, true},
    {'K', true, nullptr, P(None, Dok, None), kK},
    {'A', true, nullptr, kNoChange, kA},
    {'f', true, nullptr, P(None, Member, None), kf},
    {'Y', true, nullptr, P(Dok, None, None), kY},
    {'o', true, nullptr, P(Dok, None, None), ko},
    {'O', true, nullptr, P(Name16, Dok, None), kO},
    {'Q', true, nullptr, P(Dok, None, None), kQ, true},
    {'1', false, "i", P(None, Dok, None), k1},
    {'2', true, nullptr, P(Dok, Loc4, None), k2},
    {'3', true, nullptr, P(Dok, None, None), k3},
    {'c', true, nullptr, P(Dok, None, None), kc},
    {'6', true, nullptr, P(Member, None, None), k6},
    {'7', true, nullptr, P(Member, None, None), k7},
    {'8', true, nullptr, P(None, None, Loc), k8},
    {'s', true, nullptr, P(None, None, None), ks},
    {'w', true, nullptr, P(None, None, MemberOrNM), kw},
    {'m', true, nullptr, P(Member5, Loc, None), km},
    {'9', true, nullptr, kNoChange, k9},
    {'a', false, nullptr, P(Name16, Dok, None), ka},
    {'4', true, nullptr, P(Member, Loc4, None), k4},
    {'b', true, nullptr, P(None, None, None), kb},
    {'d', false, nullptr, P(Dok, None, None), kd},
    {'e', false, nullptr, P(None, Loc4, Dok), ke},
    {'g', true, nullptr, P(None, Loc4, Dok), kg},
    {'h', true, nullptr, P(Dok, None, None), kh},
    {'i', true, nullptr, P(MemberText, None, None), ki},
    {'j', true, nullptr, P(Loc, None, None), kj},
    {'k', true, nullptr, P(None, Member, None), kk},
    {'n', true, nullptr, P(Member, None, None), kn},
    {'p', true, nullptr, P(MemberText, None, None), kp},
    {'r', true, nullptr, P(Name1, None, Dok), kr},
    {'W', true, nullptr, P(DokOrNM, None, None), kW},
    {'u', true, nullptr, P(DokOrNM, None, None), ku},
    {'X', false, "bc", P(DokOrNM, None, None), kX},
    {'t', false, "bc", P(DokOrNM, None, None), kt},
    {'v', true, nullptr, P(MemberText, Call, None), kv},
};

}  // namespace

std::span<const TCodeClasses> AllCodeClasses() { return kCodes; }

const TCodeClasses* FindCodeClasses(TContestCode code) {
  auto it = std::find_if(std::begin(kCodes), std::end(kCodes),
                         [code](const TCodeClasses& c) { return c.Code == code; });
  return it == std::end(kCodes) ? nullptr : &*it;
}

}  // namespace classrules
