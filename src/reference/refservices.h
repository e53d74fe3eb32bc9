#pragma once
// The reference data's process-wide objects (oModi, oBaender, oLocator, oPrefix).

namespace refservices {
void Start();
void Stop();  // frees them in reverse order
}  // namespace refservices
