// Qt's own texts in the window's language: the buttons of the message boxes ("是", "否"),
// the save dialog.
#pragma once

#include <QCoreApplication>
#include <QLocale>
#include <QString>
#include <QTranslator>

namespace quorvel::ui {

// Installs Qt's translation (qtbase_*.qm from `folder`, Debian's qt6-translations-l10n) for
// `locale`, or the Simplified Chinese one when Qt has none for that locale (the C locale of a
// bare system, a language Qt does not speak). Returns the translator installed (owned by
// `app`), or nullptr when not even the Chinese file was found: Qt's English texts stay.
QTranslator* installQtTranslations(QCoreApplication& app, const QLocale& locale,
                                   const QString& folder);

// The same for the system's locale and Qt's translations folder.
QTranslator* installQtTranslations(QCoreApplication& app);

}  // namespace quorvel::ui
