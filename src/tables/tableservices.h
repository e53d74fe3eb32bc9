#pragma once
// The service objects of the suite tables: the settings object and the current-project
// object, made by the start-up and freed in reverse order at its end.

namespace tableservices {
void Start();
void Stop();
}  // namespace tableservices
