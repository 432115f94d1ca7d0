#include "platform/contrast.h"

#include <QtMath>

namespace Contrast {

namespace {

double linear(double channel) { return channel <= 0.04045 ? channel / 12.92 : qPow((channel + 0.055) / 1.055, 2.4); }

} // namespace

double Luminance(const QColor &colour)
{
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}

double Ratio(const QColor &a, const QColor &b)
{
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

QColor Over(const QColor &colour, const QColor &background)
{
    const double a = colour.alphaF();
    const auto mix = [a](double front, double back) { return front * a + back * (1 - a); };
    return QColor::fromRgbF(float(mix(colour.redF(), background.redF())),
                            float(mix(colour.greenF(), background.greenF())),
                            float(mix(colour.blueF(), background.blueF())));
}

QColor AtLeast(const QColor &colour, const QColor &background, double ratio)
{
    const QColor towards = Luminance(background) > 0.18 ? QColor(0, 0, 0) : QColor(255, 255, 255);
    const QColor start = Over(colour, background);
    QColor out = start;
    for (int step = 1; step <= 20 && Ratio(out, background) < ratio; ++step) {
        const double t = step / 20.0;
        out = QColor::fromRgbF(float(start.redF() + (towards.redF() - start.redF()) * t),
                               float(start.greenF() + (towards.greenF() - start.greenF()) * t),
                               float(start.blueF() + (towards.blueF() - start.blueF()) * t));
    }
    return out;
}

} // namespace Contrast
