#pragma once
// The special stations, special DOKs and home DOKs of the contests. An empty text is an
// empty place of the list, kept where the contest's list has always had one. Read only
// by the rules table.

#include <string_view>

namespace rulestable::lists {

inline constexpr std::string_view kHomeDoksV[] = {"MCM", "",    "MVP", "Z87",
                                                  "Z89", "YLV", "DVV", "VO"};
inline constexpr std::string_view kSpecialDoksB[] = {
    "Z06",       "Z09",   "Z26",     "Z29",    "Z17",   "Z18",   "Z46",    "Z48",    "Z49",
    "Z55",       "Z58",   "Z66",     "Z68",    "BWA",   "IM",    "DVP",    "DVA",    "AWG",
    "CM04",      "CM05",  "DW",      "FIH",    "JR",    "RDP",   "YLA",    "YLP",    "CM06",
    "AFP",       "DCW",   "DIG",     "UKW",    "CM09",  "AND",   "CAMPFN", "150ZRS", "4FSW",
    "40OR",      "50P31", "DIG40",   "HR09",   "BL50",  "UKW09", "VO",     "CM07",   "GDLGS",
    "10ZORCAMP", "KA300", "KONZIL",  "TÜBAIX", "75P05", "HR10",  "UKW15",  "UKW10",  "YL",
    "40A36",     "40HR",  "TUEBAIX", "DL60"};
inline constexpr std::string_view kSpecialCallsD[] = {"DQ0E"};
inline constexpr std::string_view kHomeDoksF[] = {"Z15", "Z42", "Z51", "Z52", "Z61",
                                                  "DC",  "DVB", "YLB", "VO"};
inline constexpr std::string_view kHomeDoksJ[] = {
    "Z07", "Z27",   "Z28",    "Z50",    "Z70", "Z72", "Z87",  "Z89", "HMB", "FTG",
    "DVE", "40E13", "100SFO", "800LAU", "CW",  "MF",  "QCWA", "YLE", "VO",  "DARC"};
inline constexpr std::string_view kHomeDoksR[] = {"Z11", "Z22",     "Z74",  "Z77",   "Z82",
                                                  "DVK", "CPU",     "EPG",  "65K03", "60K07",
                                                  "VO",  "MMSN IG", "NOTK", "IPA",   "RTA"};
inline constexpr std::string_view kSpecialCallsRh[] = {"DA0RP", "DF0RLP", "DF0RPJ", "DK0RLP",
                                                       "DL0RP", "DM0K",   "DL0K",   "DL0YLK"};
inline constexpr std::string_view kHomeDoksG[] = {
    "Z05", "Z21", "Z25", "Z33", "Z54",  "Z62",   "CW",     "DARC",  "DVF",   "ATV",  "JK", "JR",
    "HSC", "FIH", "HES", "YL",  "YLCW", "YLF",   "YLUKW",  "SWL",   "MPK",   "NOTF", "",   "MAR",
    "VO",  "IPA", "",    "",    "",     "60F23", "HERU16", "50F32", "40F51", "HT16"};
inline constexpr std::string_view kHomeDoksS[] = {
    "Z01",    "Z08",    "Z35",    "Z47",    "Z78",   "Z84",   "Z85",   "Z91",   "AWG",   "CW",
    "DMC",    "DN",     "DRF",    "DRK",    "DSA",   "DSW",   "DVH",   "DVS",   "DVW",   "FIH",
    "GDM",    "IBF",    "IPA",    "JR",     "JRK",   "JUPE",  "KIDS",  "LMM",   "MF",    "MRR",
    "QRP",    "RTC",    "SAX",    "SWL",    "VO",    "WFFDL", "YL",    "YLH",   "YLS",   "YLW",
    "100BLH", "100KWZ", "1200HI", "150MM",  "25H63", "25S45", "25W21", "40YLH", "50H34", "55LGH",
    "60H02",  "60W12",  "80DRS",  "CFG300", "IR2015"};
inline constexpr std::string_view kHomeDoksT[] = {"Z83", "Z88", "Z90", "THR", "DVX", "VO", "YLX"};
inline constexpr std::string_view kHomeDoksL[] = {"Z40", "Z45", "Z59", "Z63", "Z81",
                                                  "DRG", "JR",  "YLL", "DVL", "VO"};
inline constexpr std::string_view kHomeDoksl[] = {"Z02", "Z31", "Z36", "Z43", "Z53",
                                                  "Z65", "ND",  "DVI", "VO"};
inline constexpr std::string_view kHomeDoksC[] = {"Z20", "Z86", "Z94",  "BLN",  "BRA", "DVD",
                                                  "DVY", "YLY", "NOTY", "NOTD", "YLD", "VO"};
inline constexpr std::string_view kSpecialDoksK[] = {"Z12", "Z32", "Z37", "KA", "DVG", "VO", "YLG"};
inline constexpr std::string_view kSpecialDoksVfdb[] = {
    "VFDB", "CPU", "VO", "MORSE", "YLZ", "0POLIO", "VFDBHV", "FUBZ", "WWFF", "60DILI", "VHV16"};
inline constexpr std::string_view kSpecialDoksO[] = {"Z10",    "Z71",   "Z79",   "DVM", "ITU", "MF",
                                                     "SH",     "SHF",   "YLM",   "DSW", "IPA", "VO",
                                                     "OSTSEE", "40YLM", "60M12", "MFS"};
inline constexpr std::string_view kHomeDoksQ[] = {"Z30", "DVT", "VO", "YLT", "SQ"};
inline constexpr std::string_view kSpecialDoks2[] = {"1N", "2N", "3N",  "4N",  "5N",  "6N",  "7N",
                                                     "8N", "9N", "10N", "11N", "12N", "13N", "WN"};
inline constexpr std::string_view kSpecialDoks3[] = {"1N",  "2N", "3N",  "4N",  "5N",  "6N",
                                                     "7N",  "8N", "9N",  "10N", "11N", "12N",
                                                     "13N", "WN", "Z14", "Z41", "Z60", "Z80"};
inline constexpr std::string_view kSpecialDoksc[] = {"WN", "Z14", "Z41", "Z60", "Z80"};
inline constexpr std::string_view kSpecialDoksa[] = {"BY",  "DIG",  "DVR", "XRAY", "XX",   "YL",
                                                     "YLR", "CM86", "RDP", "VO",   "ARDFR"};
inline constexpr std::string_view kSpecialDoksd[] = {"Z19", "YLQ"};
inline constexpr std::string_view kHomeDoksd[] = {"Z19"};
inline constexpr std::string_view kSpecialDokse[] = {"Z19"};
inline constexpr std::string_view kHomeDokse[] = {
    "Z01",  "Z02", "Z07",  "Z08",   "Z10",   "Z24",   "Z27",    "Z28",   "Z31",   "Z35",
    "Z36",  "Z43", "Z47",  "Z50",   "Z53",   "Z65",   "Z70",    "Z71",   "Z72",   "",
    "Z78",  "Z79", "Z84",  "Z87",   "Z89",   "AFM",   "AIS",    "CW",    "DCW",   "DN",
    "DOK",  "DSW", "DVE",  "DVH",   "DVI",   "DVM",   "DVV",    "EUDXF", "FIH",   "FTG",
    "FZH",  "GDM", "HFC",  "HMB",   "IBF",   "IPA",   "JR",     "MCM",   "MF",    "ND",
    "QCWA", "QRP", "RDP",  "SWL",   "U995",  "VO",    "WFFDL",  "YL",    "YLE",   "YLH",
    "YLI",  "YLM", "YLV",  "HHC",   "JHU",   "DVZ",   "MF",     "VFDB",  "YLZ",   "MVP",
    "SH",   "SHF", "25DE", "40E16", "40E18", "40H39", "60DXMB", "65RD",  "DOK14", "IR2014"};
inline constexpr std::string_view kHomeDoksg[] = {
    "Z02",   "Z31",   "Z36",      "Z43",   "Z53",   "Z65",        "40I23", "DVI",    "IPAHB",
    "DOK",   "33I28", "DKTOS",    "OL900", "60I15", "60VEGESACK", "75I04", "QCWA08", "30I37",
    "60I08", "50I19", "60BHVI05", "QCWA",  "YLI",   "AWG",        "YL",    "RDP",    "ND",
    "JR",    "HFC",   "FZH",      "DSW",   "CW",    "VO"};
inline constexpr std::string_view kHomeDoksh[] = {
    "Z11",  "Z22",  "Z74",   "Z77",   "Z82",   "DVK",   "CPU",   "EPG", "BUGA2011", "AKNZ", "VO",
    "LUNA", "RAN5", "IPAMZ", "60K09", "60K12", "50K19", "60K07", "KWT", "65RLP",    "40BN", "NOTK"};
inline constexpr std::string_view kSpecialCallsk[] = {"DA0QC", "DK0QCW", "DL0QCW"};

}  // namespace rulestable::lists
