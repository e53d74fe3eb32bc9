#pragma once
// Between the EDI header and its participant form: the form filled from the log, the
// own station and "editemp.txt", read back after it was shown, and the texts kept in
// "editemp.txt" for the next export.

#include "output/ediexport.h"

struct TExportLog;
struct TEdiTexts;
class Tuhfteilnehmer;
class ToSetupEigeneStation;

namespace ediparticipant {

constexpr const char* kTempFile = "editemp.txt";

void Fill(Tuhfteilnehmer& form, const TExportLog& log, const TEdiTexts& texts);
ediexport::TParticipant Read(const Tuhfteilnehmer& form);
// The address of the form taken into the own station record (texts cut to 50).
void TakeAddress(const Tuhfteilnehmer& form, ToSetupEigeneStation& station);
// The six texts club, DOK, e-mail, power, transceiver and antenna as the lines of
// "editemp.txt" in the current directory.
void SaveTemp(const Tuhfteilnehmer& form);

}  // namespace ediparticipant
