#include "library/modules.h"

#include "app/platform.h"
#include "profile/profilefile.h"

namespace Modules {

QStringList SplitElements(const QString &data)
{
    if (data.isEmpty())
        return {};
    QStringList elements = data.split(QLatin1Char(','));
    if (elements.last().isEmpty())
        elements.removeLast();
    return elements;
}

QString JoinElements(const QStringList &lines)
{
    QString result;
    for (const QString &line : lines) {
        if (line.isEmpty())
            continue;
        if (!result.isEmpty())
            result += QLatin1Char(',');
        result += line;
    }
    return result;
}

QString LibraryPath() { return Platform::DataFile(QLatin1String(Platform::ModulesFile)); }

QStringList ListModuleNames(const QString &path)
{
    QStringList names;
    ProfileFile(path, ProfileFile::Access::Direct).ListSections(names);
    return names;
}

Module ReadModule(const QString &path, const QString &name)
{
    const ProfileFile file(path, ProfileFile::Access::InMemory);
    return Module{name, SplitElements(file.ReadText(name, DataKey, QString()))};
}

} // namespace Modules
