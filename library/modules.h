#pragma once

#include <QString>
#include <QStringList>

// The Module library: named, ordered lists of Elements stored as the
// "Data" value of one section per Module in modules.ini.
namespace Modules {

// One Data value to its Elements: empty Elements between two "," are kept,
// a final "," adds none.
QStringList SplitElements(const QString &data);

// Lines of text to one Data value: lines without any character are
// skipped, the rest are joined by ",".
QString JoinElements(const QStringList &lines);

} // namespace Modules
