#pragma once
// What the settings load and save exchange with the services above this folder: the
// mode table's words and aliases, the call-sign suffix rules, the resolution of the own
// call and the form in which calls stand in keys. Those services fill the slots at
// start-up; an empty slot is skipped, so the settings can be loaded and saved before they
// exist (and in tests).

#include <functional>
#include <string>
#include <string_view>

#include "tables/setuprecs.h"

namespace settingshooks {

struct THooks {
  std::function<void(const TModeSettings&)> ApplyModes;
  std::function<TModeSettings()> ReadModes;
  std::function<void(int index, const TCallSuffixRule&)> SetSuffixRule;  // 1..18
  std::function<TCallSuffixRule(int index)> GetSuffixRule;
  std::function<void(const std::string& ownCall)> ResolveOwnCall;
  // The home part of a call, upper case ("EA8/dl1abc" -> "DL1ABC"): what the call keys of
  // the QSO log, the call book and the suite logbook hold.
  std::function<std::string(std::string_view call)> CallKeyForm;
};

THooks& Hooks();
void Reset();

}  // namespace settingshooks
