// The character filters of the edit fields and the grid's cell editor. Only what a person
// types or pastes is filtered: the characters an edit puts into the field, found by comparing
// the text with the one before, lose those the filter refuses; the rest of the field stays as
// it was. A text the program writes (writeUnfiltered) goes in as it is.
#pragma once

#include <QLineEdit>
#include <QValidator>

#include "form/input_filter.h"

namespace quorvel::ui {

class CharacterFilter : public QValidator {
  public:
    CharacterFilter(FilterKind kind, QObject* parent) : QValidator(parent), kind_(kind) {}
    State validate(QString& input, int& pos) const override;

  private:
    friend void writeUnfiltered(QLineEdit& edit, const QString& text);
    bool accepts(QChar c) const;

    FilterKind kind_;
    mutable QString before_;  // the field's text before the edit being validated
    mutable bool programWrite_ = false;
};

// Sets the text of `edit` as the program does: past its character filter, unchanged.
void writeUnfiltered(QLineEdit& edit, const QString& text);

}  // namespace quorvel::ui
