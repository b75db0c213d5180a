#include "ui/desktop_registry.h"

#include <QDirIterator>
#include <QFile>
#include <QMimeDatabase>
#include <QSet>
#include <QStandardPaths>
#include <QTextStream>

namespace quorvel::ui {
namespace {

// The lines of the group `group` of a desktop-entry style file (key=value lines under
// [group] headings).
QStringList groupLines(const QString& path, const QString& group) {
    QFile file(path);
    QStringList lines;
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return lines;
    }
    QTextStream in(&file);
    bool inside = false;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.startsWith(u'[')) {
            inside = line == u'[' + group + u']';
        } else if (inside && !line.isEmpty() && !line.startsWith(u'#')) {
            lines.append(line);
        }
    }
    return lines;
}

QString valueOf(const QStringList& lines, const QString& key) {
    for (const QString& line : lines) {
        const qsizetype eq = line.indexOf(u'=');
        if (eq > 0 && line.left(eq).trimmed() == key) {
            return line.mid(eq + 1).trimmed();
        }
    }
    return {};
}

// The desktop entries below `folders`, by their desktop file id ("sub-name.desktop").
QHash<QString, QString> desktopEntries(const QStringList& folders) {
    QHash<QString, QString> entries;
    for (const QString& folder : folders) {
        QDirIterator it(folder, {QStringLiteral("*.desktop")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            QString id = path.mid(folder.size() + 1);
            id.replace(u'/', u'-');
            if (!entries.contains(id)) {  // the first folder wins
                entries.insert(id, path);
            }
        }
    }
    return entries;
}

}  // namespace

bool programRegisteredFor(const QString& file, const QStringList& applicationFolders,
                          const QStringList& configFolders) {
    const QMimeType type = QMimeDatabase().mimeTypeForFile(file, QMimeDatabase::MatchExtension);
    QSet<QString> names{type.name()};
    for (const QString& alias : type.aliases()) {
        names.insert(alias);
    }
    const QHash<QString, QString> entries = desktopEntries(applicationFolders);
    const QString desktopGroup = QStringLiteral("Desktop Entry");
    for (const QString& path : entries) {
        const QStringList lines = groupLines(path, desktopGroup);
        if (valueOf(lines, QStringLiteral("Hidden")) == u"true") {
            continue;
        }
        for (const QString& listed : valueOf(lines, QStringLiteral("MimeType")).split(u';')) {
            if (names.contains(listed.trimmed())) {
                return true;
            }
        }
    }
    for (const QString& folder : configFolders + applicationFolders) {
        const QString list = folder + QStringLiteral("/mimeapps.list");
        for (const char* group : {"Default Applications", "Added Associations"}) {
            const QStringList lines = groupLines(list, QString::fromLatin1(group));
            for (const QString& name : names) {
                for (const QString& id : valueOf(lines, name).split(u';')) {
                    if (entries.contains(id.trimmed())) {
                        return true;
                    }
                }
            }
        }
    }
    return false;
}

bool programRegisteredFor(const QString& file) {
    return programRegisteredFor(
        file, QStandardPaths::standardLocations(QStandardPaths::ApplicationsLocation),
        QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation));
}

}  // namespace quorvel::ui
