#pragma once
// An entity of the prefix file, for tests that resolve calls.

#include <gtest/gtest.h>

#include <string>

#include "foundation/recordbuf.h"
#include "reference/dbprefix.h"
#include "reference/prefixrec.h"

inline void AddPrefixEntity(const std::string& prefix, const std::string& dxcc,
                            const std::string& continent, const std::string& wae = "",
                            const std::string& menue = "") {
  using namespace prefixrec;
  TRecord r(kSize);
  r.SetStr(kPrefix, kPrefixLen, prefix);
  r.SetStr(kDxcc, kDxccLen, dxcc);
  r.SetStr(kMenue, kMenueLen, menue);
  r.SetStr(kContinent, kZoneLen, continent);
  r.SetStr(kWae, kPrefixLen, wae);
  TdbPrefix t;
  t.SetWorkRec(r);
  ASSERT_TRUE(t.Add()) << prefix;
}
