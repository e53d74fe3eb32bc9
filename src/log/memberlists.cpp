// The member lists of the club contests: plain text files, one member a line, fields
// separated by ';'. Loaded once per log window; lines added while it is open are kept
// in memory only.
#include <array>
#include <fstream>
#include <unordered_map>
#include <vector>

#include "contest/exchangesplit.h"
#include "foundation/cp1252.h"
#include "foundation/filebase.h"
#include "foundation/strings.h"
#include "log/contlogalle.h"
#include "log/loghelpers.h"
#include "log/memberlists.h"
#include "tables/contesttables.h"
#include "tables/setups.h"

namespace {

constexpr int kColumns = 5;

// Column n (1..5) of a line: the text after the (n-1)-th ';' up to the next, trimmed.
std::string ColumnOf(std::string_view line, int column) {
  size_t start = 0;
  for (int i = 1; i < column; ++i) {
    const size_t sep = line.find(';', start);
    if (sep == std::string_view::npos) return std::string();
    start = sep + 1;
  }
  const size_t end = line.find(';', start);
  return ToStrings::Trim(line.substr(start, end == std::string_view::npos ? end : end - start));
}

using memberlists::TListFile;

const TListFile kListFiles[] = {
    {"qcwa.csv", 'k', 1, 19, 1, 1, 3, true, true, "", ""},
    {"hsc.csv", '6', 1, 99, 1, 1, 2, true, false, "NM", ""},
    {"mrr.csv", 'v', 1, 7, 1, 1, 2, false, false, "", ""},
    {"mrr-rig.csv", 'v', 2, 99, 2, 1, 2, false, false, "", ""},
    {"naval.csv", 'i', 1, 19, 1, 2, 1, false, false, "", "MF"},
    {"dsw.csv", 'p', 1, 19, 1, 1, 4, false, false, "", ""},
    {"ibfd.csv", 'n', 1, 16, 1, 1, 3, true, true, "", ""},
};

}  // namespace

namespace memberlists {

const TListFile* ListFileOf(std::string_view file) {
  for (const TListFile& f : kListFiles)
    if (file == f.File) return &f;
  return nullptr;
}

const TListFile* ListFileOfContest(char code, const TContestRec& def, int listNo) {
  for (const TListFile& f : kListFiles)
    if (f.Code == code && f.ListNo == listNo && def.ReceivedKinds[size_t(f.Field)] == f.Kind)
      return &f;
  return nullptr;
}

}  // namespace memberlists

using memberlists::ListFileOf;

struct TContLogAlle::TMemberLists {
  struct TList {
    bool Made = false;
    std::vector<std::array<std::string, kColumns>> Lines;
    // First line of each value of a column, made on first use and kept up to date.
    std::array<std::unordered_map<std::string, int>, kColumns> Index;
    std::array<bool, kColumns> Indexed{};

    void Append(std::string_view line) {
      std::array<std::string, kColumns> columns;
      for (int c = 1; c <= kColumns; ++c) columns[size_t(c - 1)] = ColumnOf(line, c);
      Lines.push_back(std::move(columns));
      for (size_t c = 0; c < kColumns; ++c)
        if (Indexed[c]) Index[c].emplace(Lines.back()[c], int(Lines.size() - 1));
    }
    int Find(int column, const std::string& value) {
      if (column < 1 || column > kColumns) return -1;
      const size_t c = size_t(column - 1);
      if (!Indexed[c]) {
        for (size_t i = 0; i < Lines.size(); ++i) Index[c].emplace(Lines[i][c], int(i));
        Indexed[c] = true;
      }
      const auto it = Index[c].find(value);
      return it == Index[c].end() ? -1 : it->second;
    }
  };
  TList Lists[2];
};

TContLogAlle::TMemberLists& TContLogAlle::MemberLists() {
  if (!memberLists_) memberLists_ = std::make_shared<TMemberLists>();
  return *memberLists_;
}

bool TContLogAlle::OpenMemberList(const std::string& fileName, int listNo) {
  if (listNo != 1 && listNo != 2) return false;
  TMemberLists::TList& list = MemberLists().Lists[listNo - 1];
  if (list.Made) return false;
  list.Made = true;
  const std::string dir = Setups().GetDirs()[setupdirs::kPictures];
  const std::string path = TFileBaseSS::FindFileNoCase(dir, fileName);
  if (path.empty()) return false;
  std::ifstream in(cp1252::ToLocalPath(path), std::ios::binary);
  if (!in) return false;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    list.Append(line);
  }
  return true;
}

int TContLogAlle::FindInMemberList(const std::string& fileName, std::string_view call, int listNo) {
  return FindCallInColumn(fileName, call, listNo, 1);
}

int TContLogAlle::FindCallInColumn(const std::string& fileName, std::string_view call, int listNo,
                                   int column) {
  if (listNo != 1 && listNo != 2) return -1;
  OpenMemberList(fileName, listNo);
  return MemberLists().Lists[listNo - 1].Find(column, loghelpers::BaseCall(call));
}

bool TContLogAlle::FindInDswList(std::string_view value) {
  const std::string v = ToStrings::Trim(value);
  if (v.empty()) return false;
  OpenMemberList("dsw.csv", 1);
  return MemberLists().Lists[0].Find(4, v) >= 0;
}

std::string TContLogAlle::MemberListColumn(int listNo, int index, int column) const {
  if ((listNo != 1 && listNo != 2) || !memberLists_ || column < 1 || column > kColumns)
    return std::string();
  const auto& lines = memberLists_->Lists[listNo - 1].Lines;
  return index >= 0 && size_t(index) < lines.size() ? lines[size_t(index)][size_t(column - 1)]
                                                    : std::string();
}

void TContLogAlle::AddToMemberList(std::string_view value, const std::string& fileName, int listNo,
                                   int column, std::string_view call) {
  if (listNo != 1 && listNo != 2) return;
  OpenMemberList(fileName, listNo);
  // A list the program reads gets the line in the layout it is read by, so that a later
  // lookup in the same window finds the value.
  int callColumn = 1, valueColumn = column;
  std::string v(value);
  if (const TListFile* f = ListFileOf(fileName)) {
    callColumn = f->CallColumn;
    valueColumn = f->ValueColumn;
    if (loghelpers::StartsWith(v, f->Prefix)) v.erase(0, std::string_view(f->Prefix).size());
  }
  const std::string base = loghelpers::BaseCall(call);
  TMemberLists::TList& list = MemberLists().Lists[listNo - 1];
  if (base.empty() || valueColumn < 1 || list.Find(callColumn, base) >= 0) return;
  std::vector<std::string> fields(size_t(std::max(callColumn, valueColumn)));
  fields[size_t(callColumn - 1)] = base;
  fields[size_t(valueColumn - 1)] = v;
  std::string line;
  for (size_t i = 0; i < fields.size(); ++i) line += (i ? ";" : "") + fields[i];
  list.Append(line);
}

void TContLogAlle::SetReceivedField(std::string_view value, int kind, bool alsoCall2,
                                    const TContestRec& def, TdbContestBase& qsoTable) {
  TContestQSORec qso = qsoTable.GetQSORec();
  std::string parts[4];
  SplitExchangeText(exchangesplit::ReceivedExchangeText(qso), parts[0], parts[1], parts[2],
                    parts[3]);
  for (size_t i = 1; i <= 3; ++i) {
    if (def.ReceivedKinds[i] == kind) {
      parts[i] = std::string(value);
      exchangesplit::SplitReceivedExchange(JoinExchangeText(parts[0], parts[1], parts[2], parts[3]),
                                           qso);
      break;
    }
  }
  if (alsoCall2) qso.SetCall2(value);
  qsoTable.SetQSORec(qso);
}
