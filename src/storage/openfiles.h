#pragma once
// The files open in this process, for settings that apply to all of them; used inside the
// storage engine only.

#include <functional>

class TdbTreiber;

namespace openfiles {

void ForEach(const std::function<void(TdbTreiber&)>& fn);
// The auto-flush mode of files opened from now on.
int DefaultFlushMode();
void SetDefaultFlushMode(int mode);
// Closes the files whose last use ended while a write group was running in them.
void CloseUnused();

}  // namespace openfiles
