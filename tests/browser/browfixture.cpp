#include "browser/browfixture.h"

#include "foundation/keystr.h"
#include "foundation/recordbuf.h"
#include "foundation/strings.h"
#include "storage/datbase.h"
#include "storage/dbkeys.h"

namespace browtest {

namespace {

ToKeys Keys() {
  ToKeys keys;
  keys.Add(12, true, "Call");
  keys.Add(5, false, "Nummer AUTOKEY");
  return keys;
}

void BuildKey(const uint8_t* rec, int keyNr, std::string& key) {
  if (keyNr == kCall) {
    key = recordbuf::GetStr(rec, kCallOff, 12);
    key.resize(12, ' ');
  } else {
    key = keycodec::LongKey(recordbuf::GetI32(rec, kNumberOff));
  }
}

}  // namespace

TKeyStr Key(const std::string& text) {
  TKeyStr k;
  k.Assign(text);
  return k;
}

bool TCallTable::Add(const std::string& call) {
  ClearBuffer();
  recordbuf::SetStr(RecordBuffer(), kCallOff, 12, call);
  return AddRecord(kRecLen);
}

std::string TCallTable::Call() const { return recordbuf::GetStr(AsRead().data(), kCallOff, 12); }

void TTextOwner::BuildRow(RowRec& row) {
  ++Built;
  const uint8_t* rec = driver_->RecordBuffer();
  row.Text = recordbuf::GetStr(rec, kCallOff, 12) + ";" +
             std::to_string(recordbuf::GetI32(rec, kNumberOff));
}

void BrowserTest::SetUp() { Open(false); }

void BrowserTest::TearDown() { Close(); }

void BrowserTest::Close() {
  owner_.reset();
  ToDatBase::CloseFile(false, driver_, false);
  ToDatBase::CloseAll();
}

void BrowserTest::Open(bool shared) {
  Close();
  ToKeys keys = Keys();
  ASSERT_EQ(ToDatBase::OpenFile(false, driver_, keys, shared, BuildKey, keys.Count(), dir_.Path(),
                                "BROW", kRecLen, kRecLen),
            ToDatBase::kOpenedNow);
  ToDatBase::SetAutoKeyField(driver_, kNumber, false, kNumberOff);
  owner_ = std::make_unique<TTextOwner>(driver_);
}

void BrowserTest::AddCalls(const std::vector<std::string>& calls) {
  TCallTable t(driver_);
  TWriteGroup group;
  for (const auto& c : calls) ASSERT_TRUE(t.Add(c));
  ASSERT_TRUE(group.Commit());
}

void BrowserTest::AddNumbered(int count) {
  std::vector<std::string> calls;
  for (int i = 1; i <= count; ++i) {
    std::string n = std::to_string(i);
    calls.push_back("C" + std::string(n.size() < 3 ? 3 - n.size() : 0, '0') + n);
  }
  AddCalls(calls);
}

std::unique_ptr<TKBrowser> BrowserTest::Make(int rows, const std::string& low,
                                             const std::string& high, int keyNr) {
  auto b = std::make_unique<TKBrowser>(driver_, false, Key(high), Key(low), keyNr, 250);
  bool changed = false;
  b->ShrinkPage(*owner_, rows, changed);
  return b;
}

std::string BrowserTest::Calls(const TKBrowser& b) {
  std::string out;
  for (int i = 1; i <= b.FilledRows(); ++i) {
    if (!out.empty()) out += ' ';
    out += ToStrings::Trim(b.Row(i).Key);
  }
  return out;
}

std::string BrowserTest::Texts(const TKBrowser& b, int rows) {
  std::string out;
  for (int i = 1; i <= rows; ++i) out += "[" + b.Row(i).Text + "]";
  return out;
}

}  // namespace browtest
