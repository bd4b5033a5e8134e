#pragma once

#include <QFont>
#include <QRect>

namespace marlo {

// Converts rectangles given in dialog units into pixels: a horizontal unit is a quarter of the
// dialog font's average character width, a vertical unit an eighth of its character height.
class DialogUnits {
public:
    DialogUnits(int averageCharWidth, int charHeight);

    // The average width is taken over the 52 Latin letters, rounded as the dialog manager rounds
    // it. The character height is the font's em height: CJK fonts add a line gap of nearly half
    // an em, which would stretch every window by half without giving the text more room.
    static DialogUnits forFont(const QFont& font);

    int toPixelsX(int x) const;
    int toPixelsY(int y) const;
    QRect toPixels(int x, int y, int width, int height) const;
    QSize toPixels(int width, int height) const;

private:
    int averageCharWidth_;
    int charHeight_;
};

} // namespace marlo
