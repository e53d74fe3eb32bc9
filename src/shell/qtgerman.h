#pragma once
// Qt's own dialogs (file open and save, print, the overwrite question) speak the
// program's German instead of Qt's built-in English.

namespace qtgerman {

// Installs Qt's German translations (qtbase_de, Debian package qt6-translations-l10n)
// into the running application; false when they are not installed, and Qt's dialogs
// stay English.
bool Install();
void Remove();

}  // namespace qtgerman
