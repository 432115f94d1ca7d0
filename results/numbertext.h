#pragma once

#include <QString>

// Decimal number texts. Every number the program writes or parses uses ","
// as the decimal separator, whatever the system locale.
namespace NumberText {

// General form: at most 15 significant digits, trailing zeros dropped, no
// separator for whole numbers, "-" for negatives (5.63 -> "5,63", 7 -> "7").
QString FromDouble(double value);

// Parses a decimal text with "," as separator (blanks at the ends allowed,
// an optional sign and exponent). A "." anywhere fails. False when the text
// is not such a number, the empty text included.
bool ToDouble(const QString &text, double *value);

} // namespace NumberText
