#pragma once

// How many mistakes an Exam allows: said on the Exam page of the options
// and before an Exam starts, as the runner applies it.

#include <QString>

namespace Exam {

// The mistake that ends an Exam of `elementCount` Elements: the first
// count above a tenth of the Elements (a real division). 20 and 25
// Elements allow two mistakes and end at the third, 30 allow three, fewer
// than 10 allow none. For a count of 0 or more.
qint32 MistakeLimit(qint32 elementCount);

// "Mistakes allowed in an Exam of 20 Elements: 2. Mistake 3 ends it."
QString MistakeRule(qint32 elementCount);

} // namespace Exam
