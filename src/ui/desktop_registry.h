// Whether the desktop has a program for a file, asked before "open": the desktop's opener
// reports success once it has started, even when it then finds no program for the file, so
// that answer alone cannot tell the user why nothing opened.
#pragma once

#include <QString>
#include <QStringList>

namespace quorvel::ui {

// Whether a program is registered for the type of `file` (its MIME type by name, or an alias
// of it), as the freedesktop.org rules register one: a desktop entry (*.desktop, not Hidden)
// in one of `applicationFolders` or below whose MimeType lists the type, or an entry named
// for it under [Default Applications] or [Added Associations] of a mimeapps.list in
// `configFolders` or `applicationFolders` that exists in one of `applicationFolders`.
bool programRegisteredFor(const QString& file, const QStringList& applicationFolders,
                          const QStringList& configFolders);

// The same with the user's and the system's folders (XDG_DATA_HOME, XDG_DATA_DIRS,
// XDG_CONFIG_HOME, XDG_CONFIG_DIRS).
bool programRegisteredFor(const QString& file);

}  // namespace quorvel::ui
