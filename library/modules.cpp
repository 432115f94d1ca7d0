#include "library/modules.h"

#include "platform/platform.h"
#include "profile/atomicfile.h"
#include "profile/fileaccess.h"
#include "profile/filefailures.h"
#include "profile/iniline.h"
#include "profile/profilefile.h"
#include "profile/sectionindex.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <memory>

// Outside any namespace, as the resource's initialiser requires.
static void initStarterResource() { Q_INIT_RESOURCE(starter); }

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
    // Reading the value trims it: a "," after a last Element that ends in
    // a blank keeps the blank, and adds no Element when read back.
    if (!result.isEmpty() && result.back().unicode() <= 0x20)
        result += QLatin1Char(',');
    return result;
}

ElementList::ElementList(QString data)
    : m_data(std::move(data))
{
    const qsizetype n = m_data.size();
    if (n == 0)
        return;
    const char16_t *text = reinterpret_cast<const char16_t *>(m_data.constData());
    m_marks.append(0);
    qsizetype commas = 0;
    for (qsizetype i = 0; i < n; ++i) {
        if (text[i] == u',' && ++commas % MarkStep == 0)
            m_marks.append(i + 1);
    }
    // The text after the last "," is an Element only when it is not empty
    // (a mark there is never used).
    m_size = text[n - 1] == u',' ? commas : commas + 1;
}

qsizetype ElementList::endOf(qsizetype start) const
{
    const qsizetype comma = m_data.indexOf(QLatin1Char(','), start);
    return comma >= 0 ? comma : m_data.size();
}

QStringView ElementList::At(qsizetype i) const
{
    Q_ASSERT(i >= 0 && i < Size());
    qsizetype start = m_marks.at(i / MarkStep);
    for (qsizetype k = i % MarkStep; k > 0; --k)
        start = endOf(start) + 1;
    return QStringView(m_data).mid(start, endOf(start) - start);
}

qsizetype ElementList::IndexOf(QStringView element) const
{
    qsizetype start = 0;
    for (qsizetype i = 0; i < Size(); ++i) {
        const qsizetype end = endOf(start);
        if (QStringView(m_data).mid(start, end - start) == element)
            return i;
        start = end + 1;
    }
    return -1;
}

QStringList ElementList::ToStringList() const
{
    QStringList out;
    out.reserve(Size());
    qsizetype start = 0;
    for (qsizetype i = 0; i < Size(); ++i) {
        const qsizetype end = endOf(start);
        out.append(m_data.mid(start, end - start));
        start = end + 1;
    }
    return out;
}

QString LibraryPath() { return Platform::DataFile(QLatin1String(Platform::ModulesFile)); }

namespace {

// The starter Modules' names in the user's language, at the moment the
// library is placed: only their section lines change.
QByteArray namedInUsersLanguage(QByteArray content)
{
    static const char *const names[] = {QT_TRANSLATE_NOOP("Modules", "Two-digit numbers"),
                                        QT_TRANSLATE_NOOP("Modules", "Three-digit numbers"),
                                        QT_TRANSLATE_NOOP("Modules", "Common words"),
                                        QT_TRANSLATE_NOOP("Modules", "Pairs 00–99")};
    for (const char *name : names) {
        const QString shown = QCoreApplication::translate("Modules", name);
        if (shown.isEmpty() || shown.contains(QLatin1Char(']')) || shown.contains(QLatin1Char('\n'))
            || shown.contains(QLatin1Char('\r')))
            continue;
        const QByteArray line = QByteArray("[") + name + "]\r\n";
        const QByteArray named = "[" + shown.toUtf8() + "]\r\n";
        content.replace(QByteArray("\n" + line), QByteArray("\n" + named));
        if (content.startsWith(line))
            content.replace(0, line.size(), named);
    }
    return content;
}

} // namespace

bool PlaceStarterLibrary(const QString &path, const QString &installed)
{
    if (QFileInfo::exists(path))
        return false;
    initStarterResource();
    QFile starter(QStringLiteral(":/tenacio/starter-modules.ini"));
    if (!starter.open(QIODevice::ReadOnly))
        return false;
    const QByteArray carried = starter.readAll();
    QByteArray content = carried;
    if (!installed.isEmpty() && QFileInfo(installed).isFile() && LibraryProblem(installed).isEmpty()) {
        QFile file(installed);
        if (file.open(QIODevice::ReadOnly)) {
            QByteArray own = file.readAll();
            if (file.error() == QFileDevice::NoError)
                content = std::move(own);
        }
    }
    // The library as shipped gets its names in the user's language; an
    // administrator's own stays byte for byte.
    if (content == carried)
        content = namedInUsersLanguage(content);
    // Created whole or not at all, and never over a library that appeared
    // meanwhile.
    return Profile::CreateFile(path, content).isEmpty();
}

namespace {

// The names of an index, or none of a file that can't be read.
QStringList indexedNames(const Profile::SectionIndex &index)
{
    QStringList names;
    names.reserve(index.sections.size());
    for (const Profile::IndexedSection &section : index.sections)
        names.append(section.name);
    return names;
}

// Whether the index stands for the file: read without a problem, or no
// file there at all. (A directory, say, is left to the full read, which
// says why it can't be read.)
bool readable(const Profile::SectionIndex &index, const QString &path)
{
    return index.problem.isEmpty() && (index.exists || !QFileInfo::exists(path));
}

} // namespace

QStringList ListModuleNames(const QString &path)
{
    // The names of the kept index: a large Module is not read again.
    return indexedNames(*Profile::IndexSections(path));
}

bool HasModule(const QString &path, const QString &name)
{
    return ProfileFile(path, ProfileFile::Access::Direct).HasSection(name);
}

QString LibraryProblem(const QString &path) { return ProfileFile(path, ProfileFile::Access::Direct).ReadProblem(); }

Module ReadModule(const QString &path, const QString &name)
{
    // The Module's own lines, where the index of the file places them; the
    // whole file only when that can't be done.
    const auto index = Profile::IndexSections(path);
    if (readable(*index, path)) {
        const auto section =
            std::find_if(index->sections.cbegin(), index->sections.cend(), [&](const Profile::IndexedSection &s) {
                return s.name.compare(name, Qt::CaseInsensitive) == 0;
            });
        if (section == index->sections.cend())
            return Module{name, ElementList()};
        QByteArray body = Profile::ReadIndexedBytes(path, *index, section->bodyStart, section->bodyEnd);
        if (!body.isNull()) {
            // Only the Data value is decoded, straight into the text the
            // list keeps: the section's other lines and a copy of the whole
            // line are not made.
            QString data;
            bool found = false;
            Profile::ForEachLine(body, [&](const Profile::LineSpan &span) {
                if (found)
                    return;
                const Profile::IniLine line = Profile::ParseIniLine(body.constData(), span);
                if (line.kind == Profile::IniLine::Kind::Key
                    && Profile::DecodeBytes(line.name).compare(DataKey, Qt::CaseInsensitive) == 0) {
                    data = Profile::DecodeBytes(line.value);
                    found = true;
                }
            });
            body = QByteArray(); // given back before the places are found
            return Module{name, ElementList(std::move(data))};
        }
        // The file changed since it was indexed: read it whole.
    }
    const ProfileFile file(path, ProfileFile::Access::InMemory);
    return Module{name, ElementList(file.ReadText(name, DataKey, QString()))};
}

QStringList AllModuleNames(const QString &path)
{
    const auto index = Profile::IndexSections(path);
    if (readable(*index, path))
        return indexedNames(*index);
    QStringList names;
    ProfileFile(path, ProfileFile::Access::InMemory).ListSections(names); // says why it can't be read
    return names;
}

QString FreeName(const QString &base, const QStringList &taken)
{
    QString name = base;
    for (int n = 2; taken.contains(name, Qt::CaseInsensitive); ++n)
        name = base + QStringLiteral(" (") + QString::number(n) + QLatin1Char(')');
    return name;
}

namespace {

bool blank(QChar c) { return c.unicode() <= 0x20; }

} // namespace

bool ExactData(QStringList &elements, QString *data)
{
    for (const QString &e : elements) {
        if (e.contains(QLatin1Char(',')) || e.contains(QLatin1Char('\n')) || e.contains(QLatin1Char('\r')))
            return false;
    }
    const auto first = std::find_if(elements.cbegin(), elements.cend(),
                                    [](const QString &e) { return e.isEmpty() || !blank(e.front()); });
    if (!elements.isEmpty() && first == elements.cend())
        return false;
    if (first != elements.cbegin())
        elements.move(first - elements.cbegin(), 0);
    *data = elements.join(QLatin1Char(','));
    if (!elements.isEmpty() && (elements.last().isEmpty() || blank(elements.last().back())))
        *data += QLatin1Char(',');
    return true;
}

void AddModule(const QString &path, const QString &name, const QStringList &elements, const QString &replaced)
{
    const Profile::FileLock lock(path);
    // A Module added beside the others needs only the names: the library's
    // bytes stay as they are, however large it is. One that takes another's
    // place rewrites the library from a copy.
    const auto index = Profile::IndexSections(path);
    std::unique_ptr<ProfileFile> file;
    QStringList names;
    if (readable(*index, path)) {
        names = indexedNames(*index);
    } else {
        file = std::make_unique<ProfileFile>(path, ProfileFile::Access::InMemory); // says why it can't be read
        file->ListSections(names);
    }
    // Refused as AppendSection refuses it, in the same words.
    if (!(file ? file->Recognisable() : index->recognisable))
        Profile::FailCreate(path, Profile::UnrecognisedReason());
    const bool inPlace = !replaced.isEmpty() && names.contains(replaced, Qt::CaseInsensitive);
    if (names.contains(name, Qt::CaseInsensitive)
        && !(inPlace && QString::compare(name, replaced, Qt::CaseInsensitive) == 0))
        throw AppError(QCoreApplication::translate("Modules", "The Module library already holds a Module named \"%1\".")
                           .arg(name));
    QStringList kept = elements;
    QString data;
    if (!ExactData(kept, &data))
        throw AppError(QCoreApplication::translate(
            "Modules", "The Module library can't keep these Elements as they are; no Module was made."));
    if (!inPlace && !file) {
        Profile::AppendSection(path, name, {DataKey + QLatin1Char('=') + data});
        return;
    }
    if (!file)
        file = std::make_unique<ProfileFile>(path, ProfileFile::Access::InMemory);
    if (inPlace)
        file->RenewSection(replaced, name);
    file->WriteText(name, DataKey, data);
    file->WriteBack();
}

} // namespace Modules
