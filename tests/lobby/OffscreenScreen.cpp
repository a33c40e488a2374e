#include "OffscreenScreen.h"

#include <QFile>
#include <QTemporaryDir>

void UseOffscreenScreen(const QSize& size)
{
    // The platform reads the file while the application starts; the folder lives on.
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("screen.json"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return;
    file.write(QStringLiteral(R"({"windowFrameMargins": false, "screens": [{"name": "screen", "x": 0, "y": 0, "width": %1, "height": %2,
        "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})")
                   .arg(size.width())
                   .arg(size.height())
                   .toUtf8());
    file.close();
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + path).toUtf8());
}
