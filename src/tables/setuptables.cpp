#include "tables/setuptables.h"

#include "foundation/keystr.h"
#include "foundation/recordbuf.h"
#include "tables/keyparts.h"

namespace {
// One record per file: its only key is the (unused) number at offset 0.
const ToKeys& SetupKeys() {
  static const ToKeys keys = keyparts::MakeKeys({{5, true, "Satz"}});
  return keys;
}

void SetupKey(const uint8_t* rec, int keyNr, std::string& key) {
  key = keyNr == 1 ? keycodec::LongKey(recordbuf::GetI32(rec, 0)) : std::string();
}
}  // namespace

TFileDef ToDatSetup::FileDef(int file) {
  if (file == kSetup2File) return {"BMSETUP2", TSetup2Rec::kSize, &SetupKeys(), SetupKey, 0};
  return {"BMSETUP", TSetupRec::kSize, &SetupKeys(), SetupKey, 0};
}

bool ToDatSetup::OpenFiles(int fileSet) {
  bool ok = true;
  for (int file : {kSetupFile, kSetup2File})
    if (fileSet & file)
      ok = tablefiles::Hold(FileDef(file), tablefiles::SettingsDir(),
                            "setup" + std::to_string(file)) &&
           ok;
  return ok;
}

void ToDatSetup::CloseFiles(int fileSet) {
  for (int file : {kSetupFile, kSetup2File})
    if (fileSet & file) tablefiles::Release("setup" + std::to_string(file));
}

TdbSetupBase::TdbSetupBase(uint8_t mode)
    : TdbFileTable(mode, ToDatSetup::FileDef(ToDatSetup::kSetupFile), tablefiles::SettingsDir()) {}

TdbSetup2::TdbSetup2(uint8_t mode)
    : TdbFileTable(mode, ToDatSetup::FileDef(ToDatSetup::kSetup2File), tablefiles::SettingsDir()) {}
