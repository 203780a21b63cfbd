#pragma once

#include <string_view>

#include <QFont>
#include <QRect>

#include "app/form1_layout.h"

namespace tidemark::qt {

// Twips to pixels: 15 twips a pixel at 96 dpi, scaled by the screen's logical dpi.
class TwipScale {
public:
    explicit TwipScale(double logicalDpi) : pixelsPerTwip_(logicalDpi / 96.0 / kTwipsPerPixelAt96Dpi) {}

    int Pixels(int twips) const;
    QRect Rect(const TwipRect& twips) const;

private:
    double pixelsPerTwip_;
};

// The family the window draws with: the preferred one where installed, else
// a proportional Gothic that has the Japanese characters.
QString WindowFontFamily(std::string_view preferred);

QFont WindowFont(std::string_view preferred, double points);

// The font narrowed just enough for the text to fit the width: the layout was
// made for MS PGothic, whose Latin letters a stand-in may draw wider.
QFont NarrowedToFit(const QFont& font, const QString& text, int width);

}  // namespace tidemark::qt
