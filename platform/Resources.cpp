#include "platform/Resources.h"

#include "res/ResourceIds.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace platform {
namespace {

QString ToQString(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// The working directory wins over the program's folder.
QStringList SearchFolders() {
  QStringList folders{QDir::currentPath()};
  if (QCoreApplication::instance())
    folders << QCoreApplication::applicationDirPath();
  return folders;
}

// The games name their files with backslashes.
QString Locate(const QString& relativePath, const QStringList& folders = SearchFolders()) {
  QString relative = relativePath;
  relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
  for (const QString& base : folders) {
    const QFileInfo file(QDir(base), relative);
    if (file.isFile())
      return file.absoluteFilePath();
  }
  return {};
}

QString ResourceFile(std::string_view folder, int id) {
  return ToQString(folder) + QLatin1Char('/') + QString::number(id) + QStringLiteral(".png");
}

const res::CursorResource* FindCursor(int id) {
  for (const auto& cursor : res::kCursors)
    if (cursor.id == id)
      return &cursor;
  return nullptr;
}

} // namespace

QPixmap Bitmap(int id) {
  const QString path = Locate(ResourceFile(res::kBitmapFolder, id));
  return path.isEmpty() ? QPixmap() : QPixmap(path);
}

QIcon Icon(int id) {
  const QString path = Locate(ResourceFile(res::kIconFolder, id));
  return path.isEmpty() ? QIcon() : QIcon(path);
}

QCursor Cursor(int id) {
  const res::CursorResource* cursor = FindCursor(id);
  const QString path = cursor ? Locate(ResourceFile(res::kCursorFolder, id)) : QString();
  if (path.isEmpty())
    return QCursor(Qt::ArrowCursor);
  return QCursor(QPixmap(path), cursor->hotX, cursor->hotY);
}

QString String(int id) {
  for (const auto& s : res::kStrings)
    if (s.id == id)
      return ToQString(s.text);
  return {};
}

QString GameFilePath(const QString& relativePath) {
  return Locate(relativePath);
}

QStringList MissingResources() {
  return MissingResourcesIn(SearchFolders());
}

QStringList MissingResourcesIn(const QStringList& folders) {
  QStringList missing;
  auto check = [&](const char* kind, std::string_view folder, int id) {
    if (Locate(ResourceFile(folder, id), folders).isEmpty())
      missing << QStringLiteral("%1 %2").arg(QLatin1String(kind)).arg(id);
  };
  for (const auto& bitmap : res::kBitmaps)
    check("bitmap", res::kBitmapFolder, bitmap.id);
  for (const auto& icon : res::kIcons)
    check("icon", res::kIconFolder, icon.id);
  for (const auto& cursor : res::kCursors)
    check("cursor", res::kCursorFolder, cursor.id);
  for (std::string_view file : res::kGameFiles)
    if (Locate(ToQString(file), folders).isEmpty())
      missing << ToQString(file);
  return missing;
}

} // namespace platform
