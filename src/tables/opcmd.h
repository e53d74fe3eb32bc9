#pragma once
// Loading the settings files into the settings object and saving them back.

namespace opcmd {

// Reads BMSETUP and BMSETUP2 into the settings object (each record is created when the
// file has none: zero-filled for BMSETUP, the settings of a first start for BMSETUP2),
// sets the language and hands the mode words, the suffix rules and the own call to the
// services that registered for them. From then on changes of the own station and the
// layout are stored at once. False when a file cannot be opened or written.
bool LoadSettings();
// Writes the settings object back, with what the services hold now.
bool SaveSettings();

}  // namespace opcmd
