// The character filters of the edit fields and the grid's cell editor. A character the
// filter does not take is dropped, whether typed or pasted; texts the program sets are not
// filtered.
#pragma once

#include <QValidator>

namespace quorvel::ui {

enum class FilterKind {
    Digits,         // EditKeyPress: "0" … "9"
    DigitsAndPoint  // EditKeyPressPoint: "0" … "9" and "." (more than once)
};

class CharacterFilter : public QValidator {
  public:
    CharacterFilter(FilterKind kind, QObject* parent) : QValidator(parent), kind_(kind) {}
    State validate(QString& input, int& pos) const override;

  private:
    bool accepts(QChar c) const;
    FilterKind kind_;
};

}  // namespace quorvel::ui
