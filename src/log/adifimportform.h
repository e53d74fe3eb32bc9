#pragma once
// The window "ADIF-Import": the operator picks the ADIF file and maps the fields it holds
// onto the log's fields by dragging them from the left list onto the right one.

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

class QCheckBox;
class QLabel;
class QListWidget;
class QTabWidget;
class TkvBitBtn;

class TContestAdifimportForm : public QDialog {
  Q_OBJECT
 public:
  explicit TContestAdifimportForm(QWidget* parent = nullptr);

  QLabel *ldatei = nullptr, *Label2 = nullptr;
  TkvBitBtn* btndatei = nullptr;
  QTabWidget* PageControl1 = nullptr;
  QLabel *Label1 = nullptr, *Label3 = nullptr, *Label4 = nullptr;
  QListWidget *ListeLinks = nullptr, *ListeRechtsLB = nullptr;
  QCheckBox* checkkeincheck = nullptr;
  TkvBitBtn *btnimportstart = nullptr, *BitBtn1 = nullptr;

  // Run by btndatei: the chosen file is read and its field names fill the left list.
  std::function<void()> OnChooseFile;

  // The field names of a file read: they replace the left list.
  void SetFileFields(const std::string& fileName, const std::vector<std::string>& names);
  // Appends a log field to the right list unless an entry of that name (in any case) is
  // there already.
  void AddLogField(const std::string& field);
  // The entries of the right list as they stand (the mapping).
  std::vector<std::string> LogEntries() const;

  // The drop of the left list's selected entry on the right list's entry at row: an
  // unmapped entry becomes "FIELD (ADIF)", Start is enabled and the left entry goes. A
  // mapped entry, no row or no selection changes nothing; true when mapped.
  bool DropOnRow(int row);
  // Selects the ADIF field in the left list and drops it on the log field's entry.
  bool MapField(const std::string& logField, const std::string& adifField);
};
