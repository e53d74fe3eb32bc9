#include <gtest/gtest.h>

#include "fieldcheck.h"
#include "tables/contestrecs.h"

namespace {

using Q = TContestQSORec;
using L = TContestListRec;

TEST(ContestRecords, QsoFieldsLieAtTheirOffsets) {
  std::vector<TFieldCheck<Q>> f = {
      NumField<Q, int32_t>("Nummer", 4, &Q::SetNummer, &Q::Nummer),
      StrField<Q>("Call", 8, 12, &Q::SetCall, &Q::Call),
      StrField<Q>("Loc", 21, 6, &Q::SetLoc, &Q::Loc),
      NumField<Q, int32_t>("Datum", 28, &Q::SetDatum, &Q::Datum),
      NumField<Q, int32_t>("Zeit", 32, &Q::SetZeit, &Q::Zeit),
      StrField<Q>("Mode", 36, 6, &Q::SetMode, &Q::Mode),
      StrField<Q>("SentPart4", 43, 7, &Q::SetSentPart4, &Q::SentPart4),
      StrField<Q>("RcvdPart4", 51, 7, &Q::SetRcvdPart4, &Q::RcvdPart4),
      StrField<Q>("Multi2", 59, 6, &Q::SetMulti2, &Q::Multi2),
      NumField<Q, int32_t>("Distance", 66, &Q::SetDistance, &Q::Distance),
      StrField<Q>("Prefix", 70, 6, &Q::SetPrefix, &Q::Prefix),
      StrField<Q>("DXCC", 77, 6, &Q::SetDXCC, &Q::DXCC),
      StrField<Q>("NameQth", 84, 30, &Q::SetNameQth, &Q::NameQth),
      NumField<Q, uint8_t>("sel", 115, &Q::Setsel, &Q::sel),
      StrField<Q>("WAZ_USStaat", 116, 2, &Q::SetWAZ_USStaat, &Q::WAZ_USStaat),
      StrField<Q>("Continent", 122, 2, &Q::SetContinent, &Q::Continent),
      StrField<Q>("DOK1", 125, 6, &Q::SetDOK1, &Q::DOK1),
      NumField<Q, char>("Bandcode", 132, &Q::SetBandcode, &Q::Bandcode),
      NumField<Q, int32_t>("wagBandNr", 133, &Q::SetwagBandNr, &Q::wagBandNr),
      NumField<Q, uint16_t>("Points", 137, &Q::SetPoints, &Q::Points),
      NumField<Q, char>("QslRcvd", 139, &Q::SetQslRcvd, &Q::QslRcvd),
      StrField<Q>("Call2", 140, 12, &Q::SetCall2, &Q::Call2),
      StrField<Q>("CMulti", 153, 6, &Q::SetCMulti, &Q::CMulti),
      NumField<Q, int32_t>("wagBandNrIntern", 160, &Q::SetwagBandNrIntern, &Q::wagBandNrIntern),
      NumField<Q, uint8_t>("PrefixFixed", 164, &Q::SetPrefixFixed, &Q::PrefixFixed),
      NumField<Q, char>("BandChangeMark", 165, &Q::SetBandChangeMark, &Q::BandChangeMark),
      NumField<Q, int32_t>("wagNummer", 166, &Q::SetwagNummer, &Q::wagNummer),
      NumField<Q, char>("District", 170, &Q::SetDistrict, &Q::District),
      NumField<Q, char>("SDOK", 171, &Q::SetSDOK, &Q::SDOK),
      NumField<Q, uint8_t>("WaeFlag", 172, &Q::SetWaeFlag, &Q::WaeFlag),
      StrField<Q>("SentPart1", 173, 9, &Q::SetSentPart1, &Q::SentPart1),
      StrField<Q>("RcvdPart1", 183, 9, &Q::SetRcvdPart1, &Q::RcvdPart1),
      NumField<Q, char>("QslSent", 193, &Q::SetQslSent, &Q::QslSent),
      StrField<Q>("DOK2", 194, 2, &Q::SetDOK2, &Q::DOK2),
      StrField<Q>("RcvdPart2", 197, 2, &Q::SetRcvdPart2, &Q::RcvdPart2),
      StrField<Q>("SentPart2", 200, 2, &Q::SetSentPart2, &Q::SentPart2),
      NumField<Q, float>("Frequency", 203, &Q::SetFrequency, &Q::Frequency),
      StrField<Q>("RcvdPart3", 207, 2, &Q::SetRcvdPart3, &Q::RcvdPart3),
      StrField<Q>("SentPart3", 210, 2, &Q::SetSentPart3, &Q::SentPart3),
      NumField<Q, uint16_t>("ModeNr", 213, &Q::SetModeNr, &Q::ModeNr),
      NumField<Q, uint8_t>("ZeroPoints", 215, &Q::SetZeroPoints, &Q::ZeroPoints),
  };
  ExpectFieldsInPlace(f);
  EXPECT_EQ(Q().Size(), 216u);
}

TEST(ContestRecords, ListFieldsLieAtTheirOffsets) {
  std::vector<TFieldCheck<L>> f = {
      NumField<L, int32_t>("Nummer", 4, &L::SetNummer, &L::Nummer),
      NumField<L, int32_t>("DatumVon", 8, &L::SetDatumVon, &L::DatumVon),
      NumField<L, int32_t>("DatumBis", 12, &L::SetDatumBis, &L::DatumBis),
      NumField<L, int32_t>("ZeitVon", 16, &L::SetZeitVon, &L::ZeitVon),
      NumField<L, int32_t>("ZeitBis", 20, &L::SetZeitBis, &L::ZeitBis),
      StrField<L>("Name", 24, 25, &L::SetName, &L::Name),
      StrField<L>("CreationLocator", 50, 6, &L::SetCreationLocator, &L::CreationLocator),
      StrField<L>("DOK", 57, 6, &L::SetDOK, &L::DOK),
      StrField<L>("BandText", 64, 6, &L::SetBandText, &L::BandText),
      NumField<L, uint8_t>("OneOperator", 71, &L::SetOneOperator, &L::OneOperator),
      NumField<L, uint8_t>("PointsPerKm", 72, &L::SetPointsPerKm, &L::PointsPerKm),
      StrField<L>("Transceiver", 73, 30, &L::SetTransceiver, &L::Transceiver),
      StrField<L>("Power", 104, 10, &L::SetPower, &L::Power),
      StrField<L>("Antenna", 115, 30, &L::SetAntenna, &L::Antenna),
      NumField<L, int16_t>("AntennaHeightGround", 146, &L::SetAntennaHeightGround,
                           &L::AntennaHeightGround),
      NumField<L, int16_t>("AntennaHeightSea", 148, &L::SetAntennaHeightSea, &L::AntennaHeightSea),
      NumField<L, uint16_t>("VhfSquares", 150, &L::SetVhfSquares, &L::VhfSquares),
      NumField<L, uint16_t>("VhfCountries", 152, &L::SetVhfCountries, &L::VhfCountries),
      NumField<L, uint16_t>("VhfPointsPerQso", 154, &L::SetVhfPointsPerQso, &L::VhfPointsPerQso),
      NumField<L, uint16_t>("VhfValidQsos", 156, &L::SetVhfValidQsos, &L::VhfValidQsos),
      NumField<L, int32_t>("ExtraNumber", 158, &L::SetExtraNumber, &L::ExtraNumber),
      StrField<L>("OwnCall", 166, 12, &L::SetOwnCall, &L::OwnCall),
      NumField<L, int32_t>("TotalDistance", 179, &L::SetTotalDistance, &L::TotalDistance),
      StrField<L>("ExtraText", 183, 6, &L::SetExtraText, &L::ExtraText),
      NumField<L, uint8_t>("InArbeit", 190, &L::SetInArbeit, &L::InArbeit),
      NumField<L, char>("Typ", 191, &L::SetTyp, &L::Typ),
      NumField<L, uint8_t>("DateAuto", 192, &L::SetDateAuto, &L::DateAuto),
      NumField<L, uint8_t>("TimeAuto", 193, &L::SetTimeAuto, &L::TimeAuto),
      NumField<L, char>("Constant", 194, &L::SetConstant, &L::Constant),
      NumField<L, uint8_t>("StartValue", 195, &L::SetStartValue, &L::StartValue),
      NumField<L, uint8_t>("RstSentNotFixed", 246, &L::SetRstSentNotFixed, &L::RstSentNotFixed),
      NumField<L, uint8_t>("RstRcvdNotFixed", 247, &L::SetRstRcvdNotFixed, &L::RstRcvdNotFixed),
      NumField<L, uint8_t>("EntryLock", 248, &L::SetEntryLock, &L::EntryLock),
      NumField<L, char>("QslSentDefault", 249, &L::SetQslSentDefault, &L::QslSentDefault),
      NumField<L, char>("QslRcvdDefault", 250, &L::SetQslRcvdDefault, &L::QslRcvdDefault),
      NumField<L, uint8_t>("Category", 251, &L::SetCategory, &L::Category),
      NumField<L, uint8_t>("StartSSB", 252, &L::SetStartSSB, &L::StartSSB),
      NumField<L, uint8_t>("StartFM", 291, &L::SetStartFM, &L::StartFM),
      NumField<L, uint8_t>("StartPR", 292, &L::SetStartPR, &L::StartPR),
      NumField<L, uint8_t>("BandAuto", 293, &L::SetBandAuto, &L::BandAuto),
      StrField<L>("PLZ", 294, 5, &L::SetPLZ, &L::PLZ),
      NumField<L, uint8_t>("MemberAnswer", 300, &L::SetMemberAnswer, &L::MemberAnswer),
      NumField<L, uint8_t>("TotalsInConfig", 369, &L::SetTotalsInConfig, &L::TotalsInConfig),
      StrField<L>("LDK", 370, 3, &L::SetLDK, &L::LDK),
      NumField<L, uint8_t>("EditedBits", 374, &L::SetEditedBits, &L::EditedBits),
      NumField<L, uint8_t>("DxccMenu", 375, &L::SetDxccMenu, &L::DxccMenu),
  };
  // The band rows as the table gives them: QSOs, multipliers, points, first and second
  // multiplier; rows 6 and 7 lie behind the column widths.
  struct Row {
    int row;
    size_t q, m, p, m1, m2;
  };
  for (Row r : {Row{1, 196, 206, 226, 261, 281}, Row{5, 204, 214, 242, 269, 289},
                Row{6, 341, 343, 345, 349, 353}, Row{7, 355, 357, 359, 363, 367}}) {
    std::string n = "row " + std::to_string(r.row);
    int row = r.row;
    f.push_back({n + " qsos", r.q, 2, [=](L& l) { l.SetRowQsos(row, 0x1313); },
                 [=](const L& l) { return l.RowQsos(row) == 0x1313; }});
    f.push_back({n + " multis", r.m, 2, [=](L& l) { l.SetRowMultipliers(row, 0x1313); },
                 [=](const L& l) { return l.RowMultipliers(row) == 0x1313; }});
    f.push_back({n + " points", r.p, 4, [=](L& l) { l.SetRowPoints(row, 0x13131313); },
                 [=](const L& l) { return l.RowPoints(row) == 0x13131313; }});
    f.push_back({n + " first", r.m1, 2, [=](L& l) { l.SetRowFirstMultiplier(row, 0x1313); },
                 [=](const L& l) { return l.RowFirstMultiplier(row) == 0x1313; }});
    f.push_back({n + " second", r.m2, 2, [=](L& l) { l.SetRowSecondMultiplier(row, 0x1313); },
                 [=](const L& l) { return l.RowSecondMultiplier(row) == 0x1313; }});
  }
  for (int c : {1, 20}) {
    f.push_back({"column " + std::to_string(c), size_t(299 + 2 * c), 2,
                 [=](L& l) { l.SetColumnWidth(c, 0x1313); },
                 [=](const L& l) { return l.ColumnWidth(c) == 0x1313; }});
  }
  ExpectFieldsInPlace(f);
  EXPECT_THROW(L().RowQsos(8), std::out_of_range);
  EXPECT_THROW(L().ColumnWidth(21), std::out_of_range);
}

TEST(ContestRecords, ConfigTotalsPerBandIndex) {
  using C = TContestConfigRec;
  std::vector<TFieldCheck<C>> f = {
      NumField<C, int32_t>("Nummer", 4, &C::SetNummer, &C::Nummer),
      NumField<C, uint8_t>("RstNotLocked", 1808, &C::SetRstNotLocked, &C::RstNotLocked),
      NumField<C, uint8_t>("LogUncountedDupes", 1809, &C::SetLogUncountedDupes,
                           &C::LogUncountedDupes),
  };
  for (int i : {1, 100}) {
    size_t k = size_t(i - 1);
    f.push_back({"qsos", 8 + 4 * k, 4, [=](C& c) { c.SetBandQsos(i, 0x13131313); },
                 [=](const C& c) { return c.BandQsos(i) == 0x13131313; }});
    f.push_back({"multis", 408 + 4 * k, 4, [=](C& c) { c.SetBandMultipliers(i, 0x13131313); },
                 [=](const C& c) { return c.BandMultipliers(i) == 0x13131313; }});
    f.push_back({"points", 808 + 4 * k, 4, [=](C& c) { c.SetBandPoints(i, 0x13131313); },
                 [=](const C& c) { return c.BandPoints(i) == 0x13131313; }});
    for (int w = 1; w <= 3; ++w)
      f.push_back({"multi " + std::to_string(w), 1008 + 200 * size_t(w) + 2 * k, 2,
                   [=](C& c) { c.SetBandMultiplierN(w, i, 0x1313); },
                   [=](const C& c) { return c.BandMultiplierN(w, i) == 0x1313; }});
  }
  ExpectFieldsInPlace(f);
  EXPECT_EQ(C().Size(), 11608u);
  EXPECT_THROW(C().BandQsos(0), std::out_of_range);
  EXPECT_THROW(C().BandMultiplierN(4, 1), std::out_of_range);
}

TEST(ContestRecords, DokIsSplitIntoItsTwoFields) {
  Q q;
  q.SetDOK("ABCDEFGH");
  EXPECT_EQ(q.DOK1(), "ABCDEF");
  EXPECT_EQ(q.DOK2(), "GH");
  EXPECT_EQ(q.DOK(), "ABCDEFGH");
  q.SetDOK("A01");
  EXPECT_EQ(q.DOK1(), "A01");
  EXPECT_EQ(q.DOK2(), "");
}

TEST(ContestRecords, BandChangeLineIsMarkedByACode) {
  Q q;
  EXPECT_FALSE(q.IsBandChangeLine());
  q.SetBandChangeMark(' ');
  EXPECT_FALSE(q.IsBandChangeLine());
  q.SetBandChangeMark('k');
  EXPECT_TRUE(q.IsBandChangeLine());
}

}  // namespace
