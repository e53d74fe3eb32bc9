#pragma once
// The program's own edit control: a line edit with a data type, an optional picture mask
// and the slashed-zero flag. Values cross as Windows-1252 text or as numbers.

#include <QLineEdit>
#include <cstdint>
#include <string>

enum class TkvDataType {
  String,   // any text
  Byte,     // digits, 0..255
  Integer,  // digits with an optional leading '-'
  Single,   // a decimal number with ',' or '.'
  Date,     // completed by CompleteDate
  Time,     // completed by CompleteTime
};

class TkvEdit : public QLineEdit {
  Q_OBJECT
 public:
  explicit TkvEdit(QWidget* parent = nullptr);

  TkvDataType DataType() const { return dataType_; }
  void SetDataType(TkvDataType type);

  // An empty text clears the mask.
  void SetPictureMask(const std::string& picture);
  const std::string& PictureMask() const { return picture_; }

  // Typed letters become capitals (Windows character set, umlauts included).
  void SetUpperCase(bool upper);
  bool UpperCase() const { return upper_; }

  // Whether a '0' typed into this edit may become the slashed zero (code 216). The call
  // field's key filter reads it; the edit itself never changes what is typed.
  bool SlashedZero() const { return slashedZero_; }
  void SetSlashedZero(bool on) { slashedZero_ = on; }

  std::string GetValueStr() const;
  void SetValueStr(const std::string& value);
  float GetValueSingle() const;
  void SetValueSingle(float value);
  void SetValueByte(uint8_t value);

  // Complete a partly typed date ("dd.mm.yyyy", from today's date) or time in place.
  void CompleteDate();
  void CompleteTime();

 protected:
  // A one-character field is overwritten, not extended: its text is selected whenever it
  // takes the focus (by Enter, Tab or a click), so the character typed replaces it.
  void focusInEvent(QFocusEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  class TValidator;
  void SelectSingleCharacter();

  TkvDataType dataType_ = TkvDataType::String;
  std::string picture_;
  bool upper_ = false;
  bool slashedZero_ = false;
  QString shown_;
};
