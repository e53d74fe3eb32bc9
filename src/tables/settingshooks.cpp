#include "tables/settingshooks.h"

namespace settingshooks {
namespace {
THooks gHooks;
}
THooks& Hooks() { return gHooks; }
void Reset() { gHooks = THooks(); }
}  // namespace settingshooks
