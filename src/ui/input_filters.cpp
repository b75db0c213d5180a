#include "ui/input_filters.h"

#include <algorithm>

namespace quorvel::ui {

bool CharacterFilter::accepts(QChar c) const {
    return filterAccepts(kind_, c.unicode());
}

QValidator::State CharacterFilter::validate(QString& input, int& pos) const {
    if (!programWrite_) {
        // An edit replaces one stretch of the text: what lies between the longest common
        // start and the longest common end of the texts before and after it was put in.
        const qsizetype shorter = std::min(before_.size(), input.size());
        qsizetype start = 0;
        while (start < shorter && before_[start] == input[start]) {
            ++start;
        }
        qsizetype end = 0;
        while (end < shorter - start &&
               before_[before_.size() - 1 - end] == input[input.size() - 1 - end]) {
            ++end;
        }
        QString kept = input.left(start);
        int newPos = pos;
        for (qsizetype i = start; i < input.size() - end; ++i) {
            if (accepts(input[i])) {
                kept.append(input[i]);
            } else if (i < pos) {
                --newPos;
            }
        }
        kept.append(input.right(end));
        input = kept;
        pos = newPos;
    }
    before_ = input;
    return Acceptable;
}

void writeUnfiltered(QLineEdit& edit, const QString& text) {
    const auto* filter = dynamic_cast<const CharacterFilter*>(edit.validator());
    if (filter == nullptr) {
        edit.setText(text);
        return;
    }
    filter->programWrite_ = true;
    edit.setText(text);
    filter->programWrite_ = false;
    filter->before_ = edit.text();
}

}  // namespace quorvel::ui
