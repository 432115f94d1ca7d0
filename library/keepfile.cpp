#include "library/keepfile.h"

#include "platform/platform.h"
#include "profile/profilefile.h"

#include <QFileInfo>
#include <QSet>
#include <QStringList>

namespace KeepFile {

QString KeepPath() { return Platform::DataFile(QLatin1String(FileName)); }

QVector<Kept> Read(const QString &path)
{
    QVector<Kept> kept;
    if (!QFileInfo::exists(path))
        return kept;
    ProfileFile file(path, ProfileFile::Access::InMemory);
    QStringList sections;
    file.ListSections(sections);
    QSet<QString> seen;
    for (const QString &name : sections) {
        const QString folded = name.toCaseFolded();
        if (name.isEmpty() || seen.contains(folded))
            continue;
        seen.insert(folded);
        const QString order = file.ReadText(name, OrderKey, SequenceOrder).trimmed();
        kept.append(Kept{name, order.compare(SetOrder, Qt::CaseInsensitive) != 0});
    }
    return kept;
}

void Set(const QString &path, const QString &module, bool kept, bool sequence)
{
    ProfileFile file(path, ProfileFile::Access::Direct);
    if (kept)
        file.WriteText(module, OrderKey, sequence ? QString(SequenceOrder) : QString(SetOrder));
    else if (QFileInfo::exists(path))
        file.DeleteSection(module);
}

int Threshold(const QString &configPath)
{
    const qint32 value =
        ProfileFile(configPath, ProfileFile::Access::Direct).ReadNumber(KeepSection, ThresholdKey, DefaultThreshold);
    return value >= 1 && value <= 100 ? value : DefaultThreshold;
}

} // namespace KeepFile
