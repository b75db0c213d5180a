// One stored field shown in two places (the reference height Edit48 beside an ullage): what is
// typed into the second view goes into the stored field, and the stored field's text, however
// it changes, shows in the view as it is — past the view's character filter, so that a loaded
// "-5" shows as "-5", the value every use of it reads.
#pragma once

#include <QLineEdit>
#include <QObject>

#include "ui/input_filters.h"

namespace quorvel::ui {

inline void mirrorField(QLineEdit& stored, QLineEdit& view) {
    writeUnfiltered(view, stored.text());
    QObject::connect(&view, &QLineEdit::textEdited, &stored,
                     [&stored](const QString& t) { writeUnfiltered(stored, t); });
    QObject::connect(&stored, &QLineEdit::textChanged, &view, [&view](const QString& t) {
        if (view.text() != t) {
            writeUnfiltered(view, t);
        }
    });
}

}  // namespace quorvel::ui
