// One stored field shown in two places (the reference height Edit48 beside an ullage): what is
// typed into the second view goes into the stored field, and the stored field's text, however
// it changes, shows in the view.
#pragma once

#include <QLineEdit>
#include <QObject>

namespace quorvel::ui {

inline void mirrorField(QLineEdit& stored, QLineEdit& view) {
    view.setText(stored.text());
    QObject::connect(&view, &QLineEdit::textEdited, &stored,
                     [&stored](const QString& t) { stored.setText(t); });
    QObject::connect(&stored, &QLineEdit::textChanged, &view, [&view](const QString& t) {
        if (view.text() != t) {
            view.setText(t);
        }
    });
}

}  // namespace quorvel::ui
