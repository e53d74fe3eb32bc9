#include "tables/projecttables.h"

#include "foundation/keystr.h"
#include "foundation/strings.h"
#include "tables/keyparts.h"

namespace {

const ToKeys& ProjectKeys() {
  static const ToKeys keys = keyparts::MakeKeys({{5, false, "Nummer AUTOKEY"}});
  return keys;
}

const ToKeys& SuiteQsoKeys() {
  static const ToKeys keys = keyparts::MakeKeys(
      {{5, false, "Nummer AUTOKEY"}, {int(TSuiteQSORec::kCallWidth), true, "Call"}});
  return keys;
}

void SuiteQsoKey(const uint8_t* data, int keyNr, std::string& key) {
  TSuiteQSORec r;
  r.Assign(data, TSuiteQSORec::kSize);
  if (keyNr == 1)
    key = keycodec::LongKey(r.Nummer());
  else if (keyNr == 2)
    key = keyparts::Fit(keyparts::CallForm(r.Call()), TSuiteQSORec::kCallWidth);
  else
    key.clear();
}

}  // namespace

TFileDef ToDatProject::FileDef() {
  return {"BMPROJ", TProjectRec::kSize, &ProjectKeys(),
          [](const uint8_t* rec, int keyNr, std::string& key) {
            key = keyNr == 1 ? keycodec::LongKey(recordbuf::GetI32(rec, 4)) : std::string();
          },
          1};
}

bool ToDatProject::OpenFiles(int fileSet) {
  if (!(fileSet & kProjectFile)) return true;
  return tablefiles::Hold(FileDef(), tablefiles::SettingsDir(), "project");
}

void ToDatProject::CloseFiles(int fileSet) {
  if (!(fileSet & kProjectFile)) return;
  Projecte().Close();
  tablefiles::Release("project");
}

TdbProjectBase::TdbProjectBase(uint8_t mode)
    : TdbFileTable(mode, ToDatProject::FileDef(), tablefiles::SettingsDir()) {}

bool TdbProject::FindNumber(int32_t number) { return FindExact(1, keycodec::LongKey(number)); }

TdbProject& ToProjecte::Table() {
  if (!table_) table_ = std::make_unique<TdbProject>();
  return *table_;
}

bool ToProjecte::SelectProject(int32_t number) {
  if (number <= 0 || !Table().FindNumber(number)) return false;
  current_ = number;
  return true;
}

TdbProject& ToProjecte::GetProject() {
  TdbProject& t = Table();
  if (current_ > 0 && t.FindNumber(current_)) return t;
  if (!t.First(1)) {
    TProjectRec rec;
    rec.SetName("Standard");
    t.ClearRecords();
    t.SetProjectRec(rec);
    if (!t.Add()) return t;
  }
  current_ = t.GetNumber();
  return t;
}

void ToProjecte::Close() { table_.reset(); }

TFileDef TdbQSO::FileDef(int32_t project) {
  return {"BMQS" + ToStrings::IntToStrZero(project, 4), TSuiteQSORec::kSize, &SuiteQsoKeys(),
          SuiteQsoKey, 1};
}

std::unique_ptr<TdbQSO> TdbQSO::CreateForLog(int32_t project, uint8_t mode) {
  return std::make_unique<TdbQSO>(project, mode);
}

TdbQSO::TdbQSO(int32_t project, uint8_t mode)
    : TdbFileTable(mode, FileDef(project), tablefiles::DataDir()) {}

bool TdbQSO::FindCall(std::string_view call, bool load) {
  return SearchFrom(2, keyparts::CallForm(call), load);
}

std::string TdbQSO::GetFieldText(int fieldId) const {
  TSuiteQSORec r = GetQSORec();
  switch (fieldId) {
    case kFieldCall: return r.Call();
    case kFieldDxcc: return r.DXCC();
    case kFieldName: return r.Name();
    case kFieldQth: return r.QTH();
    default: return std::string();
  }
}
