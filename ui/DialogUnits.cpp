#include "ui/DialogUnits.h"

#include <QFontInfo>
#include <QFontMetrics>

namespace marlo {

namespace {

// Rounds a·b/c to the nearest integer, halves away from zero.
int scale(int a, int b, int c) {
    const long long product = static_cast<long long>(a) * b;
    const long long half = c / 2;
    return static_cast<int>(product >= 0 ? (product + half) / c : (product - half) / c);
}

} // namespace

DialogUnits::DialogUnits(int averageCharWidth, int charHeight)
    : averageCharWidth_(averageCharWidth)
    , charHeight_(charHeight) {}

DialogUnits DialogUnits::forFont(const QFont& font) {
    const QFontMetrics metrics(font);
    const int letters =
        metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return DialogUnits((letters / 26 + 1) / 2, QFontInfo(font).pixelSize());
}

int DialogUnits::toPixelsX(int x) const {
    return scale(x, averageCharWidth_, 4);
}

int DialogUnits::toPixelsY(int y) const {
    return scale(y, charHeight_, 8);
}

QRect DialogUnits::toPixels(int x, int y, int width, int height) const {
    return QRect(toPixelsX(x), toPixelsY(y), toPixelsX(width), toPixelsY(height));
}

QSize DialogUnits::toPixels(int width, int height) const {
    return QSize(toPixelsX(width), toPixelsY(height));
}

} // namespace marlo
