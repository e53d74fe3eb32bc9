#include "storage/dberror.h"

#include <QDateTime>
#include <QThread>
#include <fstream>

#include "foundation/cp1252.h"
#include "foundation/desktop.h"
#include "storage/dberrlog.h"

namespace {
uint16_t gError = kDbOk;
int gCode = 0;
std::string gText;
uint16_t gRetryDelay = 30;
int gBusy = 0;
int gFailures = 0;
bool gStarting = true;

std::string Stamp() {
  // The program's clock, so that the error logs carry the time the rest of the program sees.
  return S(Desktop().NowLocal().toString(QStringLiteral("dd.MM.yyyy HH:mm:ss")));
}
}  // namespace

uint16_t DriverError() { return gError; }
int DriverErrorCode() { return gCode; }
std::string DriverErrorText() { return gText; }
int DriverFailures() { return gFailures; }
uint16_t LockRetryDelay() { return gRetryDelay; }
void SetLockRetryDelay(uint16_t ms) { gRetryDelay = ms; }

namespace OOPShell {
bool DriverIsBusy() { return gBusy > 0; }
}  // namespace OOPShell

namespace BTBase {
void Sleep(int ms) {
  if (ms > 0) QThread::msleep(static_cast<unsigned long>(ms));
}
}  // namespace BTBase

namespace dberr {

void Clear() {
  gError = kDbOk;
  gCode = 0;
  gText.clear();
}

TBusy::TBusy() { ++gBusy; }
TBusy::~TBusy() { --gBusy; }

void Raise(uint16_t cls) {
  if (cls > gError) gError = cls;
}

void Set(uint16_t cls, int code, const std::string& description, const std::string& file,
         const std::string& operation, bool quiet) {
  Raise(cls);
  if (cls >= kDbFailed) ++gFailures;
  gCode = code;
  gText = "Datenbankfehler (" + std::to_string(code) + ") " + description;
  if (!file.empty()) gText += ": " + file;
  if (quiet || cls < kDbRefused) return;
  // The logs are plain text in the current directory; a failure to write them must not
  // hide the original error, so write errors here are ignored.
  std::ofstream log(gStarting ? "KV.ERR" : "IFD.ERR", std::ios::app);
  log << Stamp() << ' ' << gText << "\r\n";
  std::ofstream dump("IFDErr.Dmp", std::ios::trunc);
  dump << Stamp() << "\r\n"
       << gText << "\r\n"
       << "Datei: " << file << "\r\n"
       << "Operation: " << operation << "\r\n"
       << "Fehlerklasse: " << cls << "\r\n"
       << "Fehlernummer: " << code << "\r\n";
}

TSaved Save() { return TSaved{gError, gCode, gText}; }

void Restore(const TSaved& saved) {
  gError = saved.Cls;
  gCode = saved.Code;
  gText = saved.Text;
}

void SetStarting(bool starting) { gStarting = starting; }

}  // namespace dberr
