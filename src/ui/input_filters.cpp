#include "ui/input_filters.h"

namespace quorvel::ui {

bool CharacterFilter::accepts(QChar c) const {
    if (c >= u'0' && c <= u'9') {
        return true;
    }
    return kind_ == FilterKind::DigitsAndPoint && c == u'.';
}

QValidator::State CharacterFilter::validate(QString& input, int& pos) const {
    QString kept;
    kept.reserve(input.size());
    int newPos = pos;
    for (int i = 0; i < input.size(); ++i) {
        if (accepts(input[i])) {
            kept.append(input[i]);
        } else if (i < pos) {
            --newPos;
        }
    }
    input = kept;
    pos = newPos;
    return Acceptable;
}

}  // namespace quorvel::ui
