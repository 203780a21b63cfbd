#include "qt/window_metrics.h"

#include <cmath>

#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringList>

namespace tidemark::qt {

int TwipScale::Pixels(int twips) const { return static_cast<int>(std::lround(twips * pixelsPerTwip_)); }

// Edges are rounded, not sizes, so neighbours that touch in twips touch in pixels.
QRect TwipScale::Rect(const TwipRect& twips) const {
    const int left = Pixels(twips.left);
    const int top = Pixels(twips.top);
    return {left, top, Pixels(twips.left + twips.width) - left, Pixels(twips.top + twips.height) - top};
}

QString WindowFontFamily(std::string_view preferred) {
    const QStringList installed = QFontDatabase::families();
    const QString wanted = QString::fromUtf8(preferred.data(), static_cast<qsizetype>(preferred.size()));
    for (const QString& family : {wanted, QStringLiteral("MS PGothic"), QStringLiteral("IPAPGothic"),
                                  QStringLiteral("IPAexGothic"), QStringLiteral("Noto Sans CJK JP")})
        if (installed.contains(family, Qt::CaseInsensitive)) return family;
    for (const QString& family : QFontDatabase::families(QFontDatabase::Japanese))
        if (!QFontDatabase::isFixedPitch(family)) return family;
    return {};
}

QFont WindowFont(std::string_view preferred, double points) {
    QFont font;
    const QString family = WindowFontFamily(preferred);
    if (!family.isEmpty()) font.setFamily(family);
    font.setPointSizeF(points);
    return font;
}

QFont NarrowedToFit(const QFont& font, const QString& text, int width) {
    constexpr int kNarrowest = 75;  // percent; narrower than this reads badly, so clip instead
    QFont narrowed = font;
    for (int stretch = 100; stretch >= kNarrowest; --stretch) {
        narrowed.setStretch(stretch);
        if (QFontMetrics(narrowed).horizontalAdvance(text) <= width) return narrowed;
    }
    return narrowed;
}

}  // namespace tidemark::qt
