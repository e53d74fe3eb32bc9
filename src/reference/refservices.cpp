#include "reference/refservices.h"

#include "foundation/strings.h"
#include "reference/baender.h"
#include "reference/datprefix.h"
#include "reference/dbprefix.h"
#include "reference/locator.h"
#include "reference/modi.h"
#include "reference/prefix.h"
#include "tables/settingshooks.h"

namespace refservices {
namespace {

void ApplyModes(const TModeSettings& m) {
  if (!oModi) return;
  oModi->SetAmtorName(m.Amtor);
  oModi->SetPactorName(m.Pactor);
  oModi->SetSstvName(m.Sstv);
  oModi->SetAtvName(m.Atv);
  oModi->SetFaxName(m.Fax);
  oModi->SetDigitalModes(m.DigitalModes);
  oModi->ClearModeAliases();
  for (int i = 0; i < ToModi::kModeCount; ++i) oModi->SetModeAliases(m.Aliases[size_t(i)], i);
  oModi->ClearExtraModes();
  for (const std::string& name : m.ExtraModes) oModi->AddExtraMode(name);
}

TModeSettings ReadModes() {
  TModeSettings m;
  if (!oModi) return m;
  m.Amtor = oModi->GetAmtorName();
  m.Pactor = oModi->GetPactorName();
  m.Sstv = oModi->GetSstvName();
  m.Atv = oModi->GetAtvName();
  m.Fax = oModi->GetFaxName();
  m.DigitalModes = oModi->GetDigitalModes();
  for (int i = 0; i < ToModi::kModeCount; ++i) m.Aliases[size_t(i)] = oModi->GetModeAliases(i);
  for (int i = 0; i < oModi->ExtraModeCount(); ++i) m.ExtraModes.push_back(oModi->GetExtraMode(i));
  return m;
}

}  // namespace

void Start() {
  oModi = new ToModi;
  oBaender = new ToBaender;
  oLocator = new ToLocator;
  oPrefix = new ToPrefix;
  oDatPrefix = new ToDatPrefix;
  RegisterHooks();
}

void RegisterHooks() {
  settingshooks::THooks& h = settingshooks::Hooks();
  h.ApplyModes = ApplyModes;
  h.ReadModes = ReadModes;
  h.SetSuffixRule = [](int index, const TCallSuffixRule& rule) {
    if (oPrefix) oPrefix->SetSuffixRule(index, rule);
  };
  h.GetSuffixRule = [](int index) {
    return oPrefix ? oPrefix->GetSuffixRule(index) : TCallSuffixRule{};
  };
  // The own call is resolved as the log resolves a worked call, without asking.
  h.ResolveOwnCall = [](const std::string& call) {
    if (!oDatPrefix || call.empty()) return;
    TdbPrefix table;
    uint8_t status = 0;
    table.ResolveCall(call, 0, true, nullptr, nullptr, status, nullptr, false);
  };
  h.CallKeyForm = [](std::string_view call) {
    return oPrefix ? oPrefix->CountryOfCallDe(call) : ToStrings::AnsiUpperCase(call);
  };
}

void Stop() {
  settingshooks::THooks& h = settingshooks::Hooks();
  h.ApplyModes = nullptr;
  h.ReadModes = nullptr;
  h.SetSuffixRule = nullptr;
  h.GetSuffixRule = nullptr;
  h.ResolveOwnCall = nullptr;
  h.CallKeyForm = nullptr;

  delete oDatPrefix;
  oDatPrefix = nullptr;
  delete oPrefix;
  oPrefix = nullptr;
  delete oLocator;
  oLocator = nullptr;
  delete oBaender;
  oBaender = nullptr;
  delete oModi;
  oModi = nullptr;
}

}  // namespace refservices
