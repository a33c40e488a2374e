#include "platform/DialogUnits.h"

#include <QFontMetrics>

#include <cmath>

namespace platform {

DialogUnits::DialogUnits(const QFont& font)
{
    const QFontMetrics metrics(font);
    const int letters = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    baseX_ = (letters / 26 + 1) / 2;
    baseY_ = metrics.height();
}

int DialogUnits::Scale(int value, int base, int divisor)
{
    return static_cast<int>(std::lround(static_cast<double>(value) * base / divisor));
}

} // namespace platform
