#include "platform/FixedPitchFont.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QStringList>

namespace {

// "i" and "W" advance equally in `font` as it resolves here.
bool MeasuresFixedPitch(const QFont& font)
{
    const QFontMetricsF metrics(font);
    return metrics.horizontalAdvance(QLatin1Char('i')) == metrics.horizontalAdvance(QLatin1Char('W'));
}

}  // namespace

QFont FixedPitchFont()
{
    const QFont system = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    if (MeasuresFixedPitch(system)) return system;
    const QStringList families = {QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Liberation Mono"),
                                  QStringLiteral("Noto Mono"), QStringLiteral("Courier New"),
                                  QStringLiteral("FreeMono")};
    for (const QString& family : families) {
        if (!QFontDatabase::hasFamily(family)) continue;
        QFont font(family);
        font.setPointSizeF(system.pointSizeF());
        if (MeasuresFixedPitch(font)) return font;
    }
    return system;
}
