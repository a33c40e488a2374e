#include "platform/Fonts.h"

#include <QFontDatabase>
#include <QStringList>

#include <initializer_list>

namespace platform {
namespace {

struct Substitute {
    std::initializer_list<const char*> faces;
    std::initializer_list<const char*> families;
};

// WenQuanYi Zen Hei Sharp has the cell height of the Windows dialog faces (13 pixels
// at 10 points), which keeps dialog units at their Windows sizes.
const Substitute kSubstitutes[] = {
    {{"宋体", "新宋体", "SimSun", "NSimSun", "System", "MS Shell Dlg", "MS Sans Serif"},
     {"WenQuanYi Zen Hei Sharp", "WenQuanYi Zen Hei", "Noto Sans CJK SC", "AR PL UMing CN"}},
    {{"黑体", "SimHei", "方正舒体"}, {"WenQuanYi Zen Hei", "Noto Sans CJK SC", "AR PL UKai CN"}},
    {{"Fixedsys", "Courier New"}, {"WenQuanYi Zen Hei Mono", "Noto Sans Mono CJK SC", "DejaVu Sans Mono"}},
};

} // namespace

QString FontFamily(const QString& face)
{
    if (QFontDatabase::hasFamily(face))
        return face;
    for (const Substitute& s : kSubstitutes) {
        bool named = false;
        for (const char* f : s.faces)
            named = named || face == QString::fromUtf8(f);
        if (!named)
            continue;
        for (const char* family : s.families)
            if (QFontDatabase::hasFamily(QString::fromUtf8(family)))
                return QString::fromUtf8(family);
    }
    const QStringList chinese = QFontDatabase::families(QFontDatabase::SimplifiedChinese);
    return chinese.isEmpty() ? face : chinese.first();
}

QFont PointFont(const QString& face, int pointSize)
{
    QFont font(FontFamily(face));
    font.setPixelSize((pointSize * 96 + 36) / 72);
    return font;
}

} // namespace platform
