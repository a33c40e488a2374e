#pragma once
// Resources of the program by numeric id (bitmaps, icons, cursors, strings) and the
// game files by the relative paths the games use ("gif\\horse\\horse1.gif" or with
// '/'), looked up in the working directory first, then next to the executable.
#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QString>
#include <QStringList>

namespace platform {

QPixmap Bitmap(int id);
QIcon Icon(int id);
QCursor Cursor(int id);
QString String(int id);
// Absolute path of a game file; empty when it does not exist.
QString GameFilePath(const QString& relativePath);
// Ids and paths that are missing; the program refuses to start when this is not empty.
QStringList MissingResources();
// The same check in the given folders only: "bitmap 136", "gif\\horse\\horse1.gif", ...
QStringList MissingResourcesIn(const QStringList& folders);

} // namespace platform
