#include "storage/storagefixture.h"

#include "foundation/keystr.h"
#include "storage/dbkeys.h"

namespace storagetest {

namespace {
std::string Padded(std::string s, size_t width) {
  s.resize(width, ' ');
  return s;
}
}  // namespace

ToKeys TestKeys() {
  ToKeys keys;
  keys.Add(12, true, "Call");
  keys.Add(5, false, "Nummer AUTOKEY");
  keys.Add(30, true, "Call,Wert DESC");
  keys.Add(4, false, "Code");
  return keys;
}

TKeyBuilder TestBuilder(uint8_t mode) {
  return [mode](const uint8_t* rec, int keyNr, std::string& key) {
    const std::string call = Padded(recordbuf::GetStr(rec, kCallOff, 12), 12);
    switch (keyNr) {
      case kCall: key = call; break;
      case kNumber: key = keycodec::LongKey(recordbuf::GetI32(rec, kNumberOff)); break;
      case kCallValueDesc:
        key = dbkeys::JoinParts(
            {call, keycodec::LongKey(dbkeys::DescValue(recordbuf::GetI32(rec, kValueOff)))}, mode);
        break;
      case kCode: key = recordbuf::GetStr(rec, kCodeOff, 4); break;
      default: key.clear();
    }
  };
}

void TTestTable::Fill(const std::string& call, int32_t value, const std::string& code) {
  ClearBuffer();
  uint8_t* b = RecordBuffer();
  recordbuf::SetStr(b, kCallOff, 12, call);
  recordbuf::SetI32(b, kValueOff, value);
  recordbuf::SetStr(b, kCodeOff, 4, code);
}

bool TTestTable::Add(const std::string& call, int32_t value, const std::string& code) {
  // The code is a unique key: records that do not care get one of their own.
  Fill(call, value, code.empty() ? "#" + std::to_string(++autoCode_) : code);
  return AddRecord(kRecLen);
}

void StorageTest::SetUp() { ASSERT_EQ(Open(driver_), ToDatBase::kOpenedNow); }

void StorageTest::TearDown() { ToDatBase::CloseAll(); }

int StorageTest::Open(TdbTreiber*& driver, bool shared, const std::string& name) {
  ToKeys keys = TestKeys();
  int rc = ToDatBase::OpenFile(false, driver, keys, shared, TestBuilder(), keys.Count(),
                               dir_.Path(), name, kRecLen, kRecLen);
  if (rc == ToDatBase::kOpenedNow) ToDatBase::SetAutoKeyField(driver, kNumber, false, kNumberOff);
  return rc;
}

std::string Walk(TTestTable& t, int keyNr) {
  std::string out;
  for (bool ok = t.First(keyNr); ok; ok = t.NextRecord(keyNr)) {
    if (!out.empty()) out += ' ';
    out += t.Call();
  }
  return out;
}

}  // namespace storagetest
