#include "library/examrules.h"

#include <QCoreApplication>

namespace Exam {

qint32 MistakeLimit(qint32 elementCount) { return elementCount / 10 + 1; }

QString MistakeRule(qint32 elementCount)
{
    const qint32 limit = MistakeLimit(elementCount);
    return QCoreApplication::translate("Exam", "Mistakes allowed in an Exam of %1 Elements: %2. Mistake %3 ends it.")
        .arg(elementCount)
        .arg(limit - 1)
        .arg(limit);
}

} // namespace Exam
