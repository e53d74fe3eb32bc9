#include <gtest/gtest.h>

#include "fieldcheck.h"
#include "tables/suiterecs.h"

namespace {

TEST(SuiteRecords, CallRecordFieldsStayApart) {
  using C = TCallRec;
  ExpectFieldsInPlace<C>({
      StrField<C>("Call", 4, 10, &C::SetCall, &C::Call),
      StrField<C>("DOK", 15, 8, &C::SetDOK, &C::DOK),
      StrField<C>("Locator", 24, 6, &C::SetLocator, &C::Locator),
      StrField<C>("LDK", 31, 3, &C::SetLDK, &C::LDK),
      StrField<C>("Name", 35, 30, &C::SetName, &C::Name),
      StrField<C>("QTH", 66, 30, &C::SetQTH, &C::QTH),
      StrField<C>("DIG", 97, 8, &C::SetDIG, &C::DIG),
      StrField<C>("AGCW", 106, 8, &C::SetAGCW, &C::AGCW),
      StrField<C>("MF", 115, 8, &C::SetMF, &C::MF),
  });
}

TEST(SuiteRecords, SuiteQsoAndProjectFieldsStayApart) {
  using S = TSuiteQSORec;
  ExpectFieldsInPlace<S>({
      NumField<S, int32_t>("Nummer", 4, &S::SetNummer, &S::Nummer),
      StrField<S>("Call", 8, 20, &S::SetCall, &S::Call),
      StrField<S>("DXCC", 29, 6, &S::SetDXCC, &S::DXCC),
      StrField<S>("Name", 36, 30, &S::SetName, &S::Name),
      StrField<S>("QTH", 67, 30, &S::SetQTH, &S::QTH),
      NumField<S, int32_t>("Datum", 98, &S::SetDatum, &S::Datum),
      NumField<S, int32_t>("Zeit", 102, &S::SetZeit, &S::Zeit),
  });
  using P = TProjectRec;
  ExpectFieldsInPlace<P>({
      NumField<P, int32_t>("Nummer", 4, &P::SetNummer, &P::Nummer),
      StrField<P>("Name", 8, 40, &P::SetName, &P::Name),
  });
}

}  // namespace
