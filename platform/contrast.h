#pragma once

// How well a colour reads on another: the contrast ratio of the WCAG
// (1:1 for equal colours up to 21:1 for black on white), and a colour
// brought to a least ratio.

#include <QColor>

namespace Contrast {

// Text wants 4.5:1, bars and marks 3:1.
constexpr double Text = 4.5;
constexpr double Graphics = 3.0;

// The relative luminance of an opaque colour, 0 (black) to 1 (white).
double Luminance(const QColor &colour);
// (lighter + 0.05) / (darker + 0.05): 1 to 21.
double Ratio(const QColor &a, const QColor &b);
// The colour as it shows over the background (its alpha blended in).
QColor Over(const QColor &colour, const QColor &background);
// The colour, moved in steps towards black on a light background or
// towards white on a dark one until it reaches the ratio.
QColor AtLeast(const QColor &colour, const QColor &background, double ratio);

} // namespace Contrast
