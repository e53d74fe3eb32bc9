#pragma once
// Call-sign resolution over the prefix files: for a call and a QSO date, the prefix record
// that describes the call's DXCC entity becomes the table's current record. The longest
// prefix is tried first; ranges, wildcards, validity dates and the dated redirections of
// an entry (old prefix, earlier DXCC designation, like-prefix) are honoured, and where one
// prefix belongs to several entities the user may choose.

#include <cstdint>
#include <string>

#include "reference/dbprefixbase.h"

// What the choice of an entity shows of the QSO and may settle by its DXCC.
struct TPrefQso {
  std::string Call, Name, Qth, Dxcc;
};

class TdbPrefix : public TdbPrefixBase {
 public:
  enum TResolveResult : int { kFound = 0, kNotFound = 1, kNotValid = 2 };

  explicit TdbPrefix(uint8_t kind = prefixrec::kMain, uint8_t mode = 0)
      : TdbPrefixBase(kind, mode) {}

  // qsoDate 0 or less: today (UTC). checkSecondary: the single-call and call-group files
  // are asked first (through the table objects given, or objects of its own). status
  // receives the choice dialog's answer (1 taken, 2 cancelled) when it was shown; mayAsk
  // false never shows it. A call that is not found leaves a cleared record.
  int ResolveCall(const std::string& call, int32_t qsoDate, bool checkSecondary,
                  TdbPrefix* singleCalls, TdbPrefix* callGroups, uint8_t& status,
                  const TPrefQso* qso, bool mayAsk);

  // The ADIFNr of the entry of a DXCC designation, right-aligned in 3; empty when none.
  std::string AdifNumberOfDxcc(const std::string& dxcc);
  // The DXCC designation of the current record as it stood on the date (redirections
  // followed).
  std::string DxccAtDate(int32_t date);
  // The current record's data as of the date: "not current" as country before its valid-
  // from date, else the data of the entry it redirects to on that date.
  void RefreshAtDate(int32_t date);
  // Valid-until set and before today, or valid-from after today.
  bool IsOutOfDate() const;

  // Key 2 exactly: the entry named by a DXCC designation ("-" and "FT5" forms as the
  // redirections write them).
  bool FindExact(const std::string& designation);
  // Key 3: the first entry at or after (prefix, menue).
  bool SearchPrefixMenue(const std::string& prefix, const std::string& menue);
  // Key 13 of a secondary file exactly: the entry of a call (its first 14 characters).
  bool FindCallEntry(const std::string& call);

 private:
  struct TSearch;
  enum TMatch { kNoFit, kFit, kFitWildcard };
  struct TCandidateIndex;
  TMatch Match(const std::string& t, char& wildcard, TCandidateIndex* index = nullptr);
  // An index entry without reading its record: mode 1 the first at or after the key, -1 the
  // last at or before it, -2 the last before it.
  bool SeekKey(int keyNr, const std::string& key, std::string& found, int32_t& ref, int mode = 1);
  bool FirstEntryAtOrAfter(TCandidateIndex* index, const std::string& key, std::string& found,
                           int32_t& ref);
  int PrefixSearch(TSearch& s, const std::string& candidate);
  int Evaluate(TSearch& s, bool redirect, int32_t date);
  int Redirect(TSearch& s, const std::string& target, int32_t date, const std::string& ownPrefix);
  void ChooseEntity(TSearch& s);
  bool FindSecondary(const std::string& call);
  void FinishPrefix(const std::string& call);
  // The record the current one stands for on the date; false when it stands for itself.
  bool RedirectTarget(int32_t date, TRecord& target, int depth);
};
