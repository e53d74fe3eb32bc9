#pragma once
// The text of a plain-text editor exactly as typed. Qt's toPlainText turns every no-break
// space (byte 0xA0 of the program's text) into a blank; notes and station texts must
// come back byte for byte.

class QPlainTextEdit;
class QString;

QString ExactPlainText(const QPlainTextEdit* edit);
