#include "profile/conflictcopy.h"

#include "profile/fileaccess.h"
#include "profile/profilefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace Profile {
namespace {

// The name before the tool's mark is group 1, the extension after it
// group 2.
const QRegularExpression &conflictName(int which)
{
    static const QRegularExpression names[] = {
        QRegularExpression(QStringLiteral(R"(^(.+)\.sync-conflict-\d{8}-\d{6}-[A-Z0-9]{7}(\.[^.]+)?$)")),
        QRegularExpression(QStringLiteral(R"(^(.+) \(conflicted copy \d{4}-\d{2}-\d{2} \d{6}\)(\.[^.]+)?$)")),
        QRegularExpression(
            QStringLiteral(R"(^(.+) \([^()/]+'s conflicted copy \d{4}-\d{2}-\d{2}(?: \(\d+\))?\)(\.[^.]+)?$)")),
    };
    return names[which];
}

QString sectionText(const CopySection &section) { return section.lines.join(QLatin1Char('\n')); }

const CopySection *findSection(const Copy &copy, const QString &name)
{
    for (const CopySection &s : copy.sections) {
        if (s.name.compare(name, Qt::CaseInsensitive) == 0)
            return &s;
    }
    return nullptr;
}

// The key of a "key=value" line, or empty for another line.
QString keyOf(const QString &line)
{
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    return eq > 0 ? line.left(eq) : QString();
}

const QString *findLine(const CopySection &section, const QString &key)
{
    for (const QString &line : section.lines) {
        if (keyOf(line).compare(key, Qt::CaseInsensitive) == 0)
            return &line;
    }
    return nullptr;
}

} // namespace

QString ConflictCopyOf(const QString &fileName)
{
    for (int which = 0; which < 3; ++which) {
        const QRegularExpressionMatch m = conflictName(which).match(fileName);
        if (m.hasMatch())
            return m.captured(1) + m.captured(2);
    }
    return QString();
}

QStringList ConflictCopies(const QString &folder, const QStringList &dataFiles)
{
    QStringList found;
    const QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString &name : names) {
        const QString of = ConflictCopyOf(name);
        if (!of.isEmpty() && dataFiles.contains(of))
            found.append(QDir(folder).filePath(name));
    }
    return found;
}

QString SetAside(const QString &copyPath, QString *aside)
{
    QString target = copyPath + QStringLiteral(".merged");
    for (int n = 2; QFileInfo::exists(target) || QFileInfo(target).isSymLink(); ++n)
        target = copyPath + QStringLiteral(".merged.") + QString::number(n);
    if (std::rename(QFile::encodeName(copyPath).constData(), QFile::encodeName(target).constData()) != 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    if (aside)
        *aside = target;
    return QString();
}

QVector<Difference> Differences(const Copy &ours, const Copy &theirs, bool bySection)
{
    QVector<Difference> out;
    for (const CopySection &o : ours.sections) {
        const CopySection *t = findSection(theirs, o.name);
        if (bySection) {
            if (!t || sectionText(o) != sectionText(*t))
                out.append(
                    Difference{o.name, QString(), sectionText(o), t ? sectionText(*t) : QString(), true, t != nullptr});
            continue;
        }
        if (!t)
            continue;
        for (const QString &line : t->lines) {
            const QString key = keyOf(line);
            if (key.isEmpty())
                continue;
            const QString *mine = findLine(o, key);
            if (!mine || *mine != line)
                out.append(Difference{o.name, key, mine ? *mine : QString(), line, mine != nullptr, true});
        }
    }
    for (const CopySection &t : theirs.sections) {
        if (findSection(ours, t.name))
            continue;
        if (bySection) {
            out.append(Difference{t.name, QString(), QString(), sectionText(t), false, true});
            continue;
        }
        for (const QString &line : t.lines) {
            if (!keyOf(line).isEmpty())
                out.append(Difference{t.name, keyOf(line), QString(), line, false, true});
        }
    }
    return out;
}

void TakeFromCopy(const QString &path, const Copy &theirs, const QVector<Difference> &chosen)
{
    const FileLock lock(path);
    // Whole sections go in with one direct write, single keys each with a
    // direct write of its own: every other byte is kept.
    ProfileFile file(path, ProfileFile::Access::Direct);
    QList<ProfileFile::SectionEntry> sections;
    for (const Difference &d : chosen) {
        if (d.key.isEmpty())
            sections.append(ProfileFile::SectionEntry{d.section, findSection(theirs, d.section)});
    }
    file.WriteSections(sections);
    for (const Difference &d : chosen) {
        if (d.key.isEmpty())
            continue;
        const CopySection *t = findSection(theirs, d.section);
        const QString *line = t ? findLine(*t, d.key) : nullptr;
        const QString key = line ? keyOf(*line) : QString();
        if (!key.isEmpty())
            file.WriteText(t->name, key, line->mid(key.size() + 1));
    }
}

} // namespace Profile
