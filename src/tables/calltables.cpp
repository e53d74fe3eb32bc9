#include "tables/calltables.h"

#include "foundation/strings.h"
#include "tables/keyparts.h"

namespace {

const ToKeys& CallKeys() {
  static const ToKeys keys = keyparts::MakeKeys({{int(TCallRec::kCallWidth), false, "Call"}});
  return keys;
}

void CallKey(const uint8_t* data, int keyNr, std::string& key) {
  TCallRec r;
  r.Assign(data, TCallRec::kSize);
  key = keyNr == 1 ? keyparts::Fit(keyparts::CallForm(r.Call()), TCallRec::kCallWidth)
                   : std::string();
}

constexpr int kFiles[] = {ToDatCall::kCallBookFile, ToDatCall::kCallDataFile,
                          ToDatCall::kCallListFile};

}  // namespace

TFileDef ToDatCall::FileDef(int file) {
  const char* name = file == kCallBookFile ? "BMCALL" : file == kCallDataFile ? "BMCDAT" : "BMCCL";
  return {name, TCallRec::kSize, &CallKeys(), CallKey, 0};
}

bool ToDatCall::OpenFiles(int fileSet) {
  bool ok = true;
  for (int file : kFiles)
    if (fileSet & file)
      ok = tablefiles::Hold(FileDef(file), tablefiles::DataDir(), "call" + std::to_string(file)) &&
           ok;
  return ok;
}

void ToDatCall::CloseFiles(int fileSet) {
  for (int file : kFiles)
    if (fileSet & file) tablefiles::Release("call" + std::to_string(file));
}

TdbCallBase::TdbCallBase(int fileType, uint8_t mode)
    : TdbFileTable(mode,
                   ToDatCall::FileDef(fileType == kCallBook ? ToDatCall::kCallBookFile
                                                            : ToDatCall::kCallDataFile),
                   tablefiles::DataDir()) {}

void TdbCallBase::Edit(void (TCallRec::*set)(std::string_view), std::string_view s) {
  TCallRec r = Rec();
  (r.*set)(s);
  SetWork(r);
}

bool TdbCallBase::HasCall() const { return !ToStrings::Trim(Rec().Call()).empty(); }
bool TdbCallBase::Modify() { return HasCall() && TdbFileTable::Modify(); }
bool TdbCallBase::Add() { return HasCall() && TdbFileTable::Add(); }

bool TdbCall::FindCall(std::string_view call) {
  return FindExact(1, keyparts::Fit(keyparts::CallForm(call), TCallRec::kCallWidth));
}
