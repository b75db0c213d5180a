#include "ui/qt_translations.h"

#include <QLibraryInfo>

namespace quorvel::ui {

QTranslator* installQtTranslations(QCoreApplication& app, const QLocale& locale,
                                   const QString& folder) {
    auto* translator = new QTranslator(&app);
    if (translator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"), folder) ||
        translator->load(QStringLiteral("qtbase_zh_CN"), folder)) {
        QCoreApplication::installTranslator(translator);
        return translator;
    }
    delete translator;
    return nullptr;
}

QTranslator* installQtTranslations(QCoreApplication& app) {
    return installQtTranslations(app, QLocale::system(),
                                 QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

}  // namespace quorvel::ui
