#include "foundation/kvedit.h"

#include <QValidator>

#include "foundation/cp1252.h"
#include "foundation/desktop.h"
#include "foundation/kvedittext.h"
#include "foundation/strings.h"

namespace {

// Whether a partly typed text can still become a value of the data type.
bool FitsDataType(TkvDataType type, std::string_view s) {
  switch (type) {
    case TkvDataType::Byte:
      return s.size() <= 3 && ToStrings::AllDigits(s) &&
             (s.empty() || std::stoi(std::string(s)) <= 255);
    case TkvDataType::Integer:
      if (!s.empty() && s.front() == '-') s.remove_prefix(1);
      return s.size() <= 10 && ToStrings::AllDigits(s);
    case TkvDataType::Single: {
      if (!s.empty() && s.front() == '-') s.remove_prefix(1);
      int points = 0;
      for (char c : s) {
        if (c == ',' || c == '.')
          ++points;
        else if (c < '0' || c > '9')
          return false;
      }
      return points <= 1;
    }
    default: return true;
  }
}

}  // namespace

// Applies upper case, the data type and the picture to whatever is typed or pasted.
class TkvEdit::TValidator : public QValidator {
 public:
  TValidator(TkvEdit* edit) : QValidator(edit), edit_(edit) {}

  State validate(QString& input, int& pos) const override {
    std::string bytes = S(input);
    // Characters without a Windows-1252 form cannot be stored.
    if (Q(bytes) != input) return Invalid;
    // A pasted line end or tab, or one in a value the program puts in, would be stored
    // and split the lines of every export: it becomes a blank.
    if (ToStrings::HasControls(bytes)) {
      bytes = ToStrings::BlankControls(bytes);
      input = Q(bytes);
    }
    // A value put in by the program is taken as it stands.
    if (input == edit_->shown_) return Acceptable;
    if (edit_->upper_) bytes = kvedittext::UpperText(bytes);
    if (!FitsDataType(edit_->dataType_, bytes)) return Invalid;
    auto fitted = kvedittext::FitToPicture(edit_->picture_, bytes, pos);
    if (!fitted) {
      // A text shown from a record need not follow the picture ("15:30:00" in an "hh:mm"
      // edit); the operator must still be able to delete from it.
      if (input.size() >= edit_->shown_.size()) return Invalid;
      input = Q(bytes);
      return Acceptable;
    }
    input = Q(fitted->Text);
    pos = fitted->Cursor;
    return Acceptable;
  }

 private:
  TkvEdit* edit_;
};

TkvEdit::TkvEdit(QWidget* parent) : QLineEdit(parent) {
  // QLineEdit asks the validator after it took the new text in; what was shown before is
  // kept here.
  connect(this, &QLineEdit::textChanged, this, [this](const QString& text) { shown_ = text; });
  // Every edit has one: no field may take control characters.
  setValidator(new TValidator(this));
}

void TkvEdit::SetDataType(TkvDataType type) { dataType_ = type; }

void TkvEdit::SetPictureMask(const std::string& picture) { picture_ = picture; }

void TkvEdit::SetUpperCase(bool upper) { upper_ = upper; }

std::string TkvEdit::GetValueStr() const { return S(text()); }

void TkvEdit::SetValueStr(const std::string& value) {
  const QString q = Q(value);
  if (q == text()) return;
  shown_ = q;
  setText(q);
}

float TkvEdit::GetValueSingle() const { return kvedittext::ReadSingle(GetValueStr()); }

void TkvEdit::SetValueSingle(float value) {
  // A picture such as "#####,####" fixes the decimal character and the decimals shown.
  char decimalChar = ',';
  int decimals = -1;
  const size_t point = picture_.find_last_of(",.");
  if (point != std::string::npos) {
    decimalChar = picture_[point];
    decimals = int(picture_.size() - point - 1);
  }
  SetValueStr(kvedittext::SingleText(value, decimalChar, decimals));
}

void TkvEdit::SetValueByte(uint8_t value) { SetValueStr(std::to_string(value)); }

void TkvEdit::CompleteDate() {
  const QDate today = Desktop().NowLocal().date();
  SetValueStr(kvedittext::CompleteDate(GetValueStr(), today.day(), today.month(), today.year()));
}

void TkvEdit::SelectSingleCharacter() {
  if (maxLength() == 1) selectAll();
}

void TkvEdit::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  SelectSingleCharacter();
}

// The press placed the cursor and dropped the selection the focus made.
void TkvEdit::mouseReleaseEvent(QMouseEvent* event) {
  QLineEdit::mouseReleaseEvent(event);
  SelectSingleCharacter();
}

void TkvEdit::CompleteTime() { SetValueStr(kvedittext::CompleteTime(GetValueStr())); }
