// The fill of the received exchange when a call is entered: first from the suite's call
// book and call data, then from the member list of the contest.
#include "foundation/strings.h"
#include "log/contlogalle.h"
#include "log/loghelpers.h"
#include "log/memberlists.h"
#include "tables/calltables.h"
#include "tables/contesttables.h"

using loghelpers::IsDigit;

namespace {

// What the call book and the call data know of one call. A getter is only read after
// its table found the call, because a failed find leaves another record loaded.
class TCallLookup {
 public:
  explicit TCallLookup(const std::string& call)
      : book_(TdbCallBase::kCallBook), data_(TdbCallBase::kCallData) {
    inBook_ = !call.empty() && book_.IsOpen() && book_.FindCall(call);
    inData_ = !call.empty() && data_.IsOpen() && data_.FindCall(call);
  }
  using TGetter = std::string (TdbCallBase::*)() const;
  std::string Book(TGetter get) const { return inBook_ ? ToStrings::Trim((book_.*get)()) : ""; }
  std::string Data(TGetter get) const { return inData_ ? ToStrings::Trim((data_.*get)()) : ""; }
  // From the call book, else from the call data.
  std::string Either(TGetter get) const {
    std::string v = Book(get);
    return v.empty() ? Data(get) : v;
  }

 private:
  TdbCall book_;
  TdbCall data_;
  bool inBook_ = false;
  bool inData_ = false;
};

std::string Cut8(std::string s) { return s.substr(0, 8); }

// A member number of the MF given as digits gets its "MF".
std::string MfNumber(std::string v) { return Cut8(!v.empty() && IsDigit(v[0]) ? "MF" + v : v); }

bool HasKind(const TContestRec& def, std::initializer_list<int> kinds, size_t fields = 3) {
  for (size_t i = 1; i <= fields; ++i)
    for (int k : kinds)
      if (def.ReceivedKinds[i] == k) return true;
  return false;
}

}  // namespace

std::string TContLogAlle::FillFromMemberLists(const TContestRec& def,
                                              const TdbContestBase& listTable,
                                              TdbContestBase& qsoTable) {
  const char code = listTable.GetListRec().Typ();
  const std::string call = qsoTable.GetQSORec().Call();
  const auto put = [&](const std::string& value, int kind, bool alsoCall2 = false) {
    if (!value.empty()) SetReceivedField(value, kind, alsoCall2, def, qsoTable);
  };
  std::string locator;
  {
    const TCallLookup look(loghelpers::BaseCall(call));
    if (IsGermanCall(call, listTable) && HasKind(def, {4, 18}))
      put(Cut8(look.Either(&TdbCallBase::GetDOK)), HasKind(def, {4}) ? 4 : 18);
    if (HasKind(def, {5, 6})) {
      locator = look.Either(&TdbCallBase::GetField10);
      put(locator, 6);
      put(locator.substr(0, 4), 5);
    }
    if (HasKind(def, {8}, 2)) put(Cut8(look.Book(&TdbCallBase::GetDOK)), 8);
    if (HasKind(def, {17}, 2)) put(Cut8(look.Book(&TdbCallBase::GetLDK)), 17);
    if (HasKind(def, {20}, 2)) put(Cut8(look.Either(&TdbCallBase::GetName)), 20);
    const bool club1 = def.ReceivedKinds[1] == 16 && (code == '7' || code == 'f');
    const bool club2 = def.ReceivedKinds[2] == 16 && code == 'f';
    if (club1 || club2) {
      const auto get = code == '7' ? &TdbCallBase::GetDIG : &TdbCallBase::GetAGCW;
      put(Cut8(look.Either(get)), 16, true);
    }
    if (def.ReceivedKinds[1] == 19 && code == 'i') {
      std::string mf = MfNumber(look.Book(&TdbCallBase::GetMF));
      if (mf == "MF" || mf == "MF0") mf.clear();
      if (mf.empty()) mf = MfNumber(look.Data(&TdbCallBase::GetMF));
      put(mf, 19, true);
    }
  }

  for (int listNo : {1, 2}) {
    const memberlists::TListFile* f = memberlists::ListFileOfContest(code, def, listNo);
    if (!f) continue;
    const int line = FindCallInColumn(f->File, call, listNo, f->CallColumn);
    std::string value;
    if (line >= 0) {
      value = MemberListColumn(listNo, line, f->ValueColumn);
      if (value.empty() && f->ValueColumn == 4) value = MemberListColumn(listNo, line, 5);
      if (!value.empty()) value = Cut8(f->Prefix + value);
      if (f->DropOp && value.find("OP") != std::string::npos) value.clear();
    }
    // "Not listed" says nothing without a list: a missing file leaves the field as typed.
    if (value.empty() && !MemberListEmpty(listNo)) value = f->Missing;
    put(value, f->Kind, f->AlsoCall2);

    const std::string name = line >= 0 && f->Code == 'p' ? MemberListColumn(listNo, line, 2) : "";
    if (!name.empty()) {
      TContestQSORec qso = qsoTable.GetQSORec();
      const std::string nameQth = qso.NameQth();
      const size_t sep = nameQth.find(';');
      const std::string first8 = name.substr(0, 8);
      qso.SetNameQth(
          (sep == std::string::npos ? first8 : first8 + nameQth.substr(sep)).substr(0, 30));
      qsoTable.SetQSORec(qso);
    }
  }
  return locator;
}
