#pragma once
// The reference data's process-wide objects (oModi, oBaender, oLocator, oPrefix).

namespace refservices {
void Start();
// What the settings load and the key builders ask of the reference data, into the
// settings hooks (again, after a test emptied them).
void RegisterHooks();
void Stop();  // frees them in reverse order
}  // namespace refservices
