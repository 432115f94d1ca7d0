#include "results/resultsstore.h"

#include "platform/platform.h"
#include "profile/fileaccess.h"
#include "profile/inicopy.h"
#include "profile/profilefile.h"
#include "results/storedruns.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QVector>

#include <algorithm>
#include <limits>
#include <optional>

namespace ResultsStore {
namespace {

// A piece of a date or time format: a run of one field letter, a quoted
// literal (quotes included), or a single unquoted literal character.
struct Piece
{
    QString text;
    QChar field; // the field letter; null for literals
    bool quoted = false;
};

QVector<Piece> splitFormat(const QString &format)
{
    QVector<Piece> pieces;
    const qsizetype n = format.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar c = format.at(i);
        if (c == QLatin1Char('\'')) {
            // Up to the closing quote; '' inside stands for one quote.
            qsizetype j = i + 1;
            while (j < n) {
                if (format.at(j) == QLatin1Char('\'')) {
                    if (j + 1 < n && format.at(j + 1) == QLatin1Char('\'')) {
                        j += 2;
                        continue;
                    }
                    ++j;
                    break;
                }
                ++j;
            }
            pieces.append(Piece{format.mid(i, j - i), QChar(), true});
            i = j;
        } else if ((c >= QLatin1Char('a') && c <= QLatin1Char('z'))
                   || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))) {
            qsizetype j = i + 1;
            while (j < n && format.at(j) == c)
                ++j;
            pieces.append(Piece{format.mid(i, j - i), c, false});
            i = j;
        } else {
            pieces.append(Piece{QString(c), QChar(), false});
            ++i;
        }
    }
    return pieces;
}

QString joinFormat(const QVector<Piece> &pieces)
{
    QString out;
    for (const Piece &p : pieces)
        out += p.text;
    return out.trimmed();
}

// Blanks and the punctuation that frames a time-zone name: "(t)", ", t".
bool framesZone(const Piece &p)
{
    if (p.quoted || !p.field.isNull())
        return false;
    const QChar c = p.text.at(0);
    return c.isSpace() || c == QLatin1Char(',') || c == QLatin1Char('(') || c == QLatin1Char(')')
           || c == QLatin1Char('[') || c == QLatin1Char(']');
}

bool hasField(const QVector<Piece> &pieces, QChar field)
{
    return std::any_of(pieces.cbegin(), pieces.cend(), [field](const Piece &p) { return p.field == field; });
}

// The file trims each value it reads: blanks at the start of the first
// Element and answer, and at the end of the last, are gone. A right answer
// that differed from its Element only there now agrees with it, so the
// sheet has fewer wrong rows than the run's mistake count says. When the
// rows at those ends that now agree are exactly the missing ones, they
// were the wrong ones, and are marked so.
void markLostBlanks(AnswerSheet &sheet, qint32 errors)
{
    const int rows = sheet.RowCount();
    int wrong = 0;
    for (int r = 0; r < rows; ++r)
        wrong += !IsRowRight(sheet, r);
    QVector<int> ends;
    for (const int r : {0, rows - 1}) {
        if ((ends.isEmpty() || ends.first() != r) && IsRowRight(sheet, r))
            ends.append(r);
    }
    if (qint64(errors) - wrong != ends.size())
        return;
    for (const int r : ends)
        sheet.SetBlanksLost(r);
}

} // namespace

QString FullYearDateFormat(const QString &shortDateFormat)
{
    QVector<Piece> pieces = splitFormat(shortDateFormat);
    for (Piece &p : pieces) {
        if (p.field == QLatin1Char('y'))
            p.text = QStringLiteral("yyyy");
    }
    return joinFormat(pieces);
}

QString ZonelessTimeFormat(const QString &longTimeFormat)
{
    QVector<Piece> pieces = splitFormat(longTimeFormat);
    for (;;) {
        const auto it =
            std::find_if(pieces.cbegin(), pieces.cend(), [](const Piece &p) { return p.field == QLatin1Char('t'); });
        if (it == pieces.cend())
            break;
        qsizetype first = it - pieces.cbegin();
        qsizetype last = first;
        while (first > 0 && framesZone(pieces.at(first - 1)))
            --first;
        while (last + 1 < pieces.size() && framesZone(pieces.at(last + 1)))
            ++last;
        bool blank = false;
        for (qsizetype k = first; k <= last; ++k)
            blank = blank || pieces.at(k).text.at(0).isSpace();
        const bool inside = first > 0 && last + 1 < pieces.size();
        pieces.remove(first, last - first + 1);
        if (inside && blank)
            pieces.insert(first, Piece{QStringLiteral(" "), QChar(), false});
    }
    // Names must differ from one second to the next.
    if (!hasField(pieces, QLatin1Char('s'))) {
        const auto minute =
            std::find_if(pieces.crbegin(), pieces.crend(), [](const Piece &p) { return p.field == QLatin1Char('m'); });
        if (minute != pieces.crend()) {
            const qsizetype at = pieces.crend() - minute;
            pieces.insert(at, Piece{QStringLiteral("ss"), QLatin1Char('s'), false});
            pieces.insert(at, Piece{QStringLiteral(":"), QChar(), false});
        }
    }
    return joinFormat(pieces);
}

QString SectionName(const QDateTime &start, const QLocale &locale)
{
    const QTime t = start.time();
    const QTime second(t.hour(), t.minute(), t.second());
    const QString date = locale.toString(start.date(), FullYearDateFormat(locale.dateFormat(QLocale::ShortFormat)));
    if (second == QTime(0, 0, 0))
        return date;
    return date + QLatin1Char(' ')
           + locale.toString(second, ZonelessTimeFormat(locale.timeFormat(QLocale::LongFormat)));
}

QString FileFor(int testMode)
{
    if (testMode == 2)
        return Platform::DataFile(QLatin1String(Platform::TrainingResultsFile));
    if (testMode == 3)
        return Platform::DataFile(QLatin1String(Platform::ExamResultsFile));
    return QString();
}

QString JoinColumn(const AnswerSheet &sheet, int column, int rows)
{
    rows = std::min(rows, sheet.RowCount());
    qsizetype size = 0;
    for (int r = 0; r < rows; ++r)
        size += sheet.Cell(column, r).size() + 1;
    QString out;
    out.reserve(size);
    for (int r = 0; r < rows; ++r) {
        if (r > 0)
            out += QLatin1Char(',');
        out += sheet.Cell(column, r);
    }
    return out;
}

void SplitIntoColumn(AnswerSheet &sheet, int column, QStringView text)
{
    int row = 0;
    qsizetype from = 0;
    while (row < sheet.RowCount()) {
        const qsizetype comma = text.indexOf(QLatin1Char(','), from);
        if (comma < 0) {
            if (from < text.size()) {
                sheet.SetCell(column, row, text.mid(from).toString());
                sheet.SetCell(AnswerSheet::Number, row, QString::number(row + 1));
            }
            return;
        }
        sheet.SetCell(column, row, text.mid(from, comma - from).toString());
        sheet.SetCell(AnswerSheet::Number, row, QString::number(row + 1));
        from = comma + 1;
        ++row;
    }
}

qint32 StoredCount(const QString &text)
{
    qint32 value = 0;
    return Profile::ParseNumber(text, &value) ? value : 0;
}

int PartCount(QStringView text)
{
    const qsizetype parts = text.count(QLatin1Char(',')) + 1;
    return int(std::min<qsizetype>(parts, std::numeric_limits<int>::max()));
}

QString Save(const QString &path, const QString &start, const RunReport &report, const AnswerSheet &sheet,
             const RunModule &module)
{
    const Profile::FileLock lock(path);
    ProfileFile file(path, ProfileFile::Access::InMemory);
    const QString section = FreeSectionName(start, [&file](const QString &name) { return file.HasSection(name); });
    file.WriteText(section, TotalKey, report.Total);
    file.WriteText(section, ErrorsKey, report.Errors);
    file.WriteText(section, TimeKey, report.Time);
    file.WriteText(section, MarkKey, report.Mark);
    file.WriteText(section, KoeffKey, report.Koeff);
    const int rows = std::max(0, file.ReadNumber(section, TotalKey, 0));
    file.WriteText(section, ResKey, JoinColumn(sheet, AnswerSheet::Text, rows));
    file.WriteText(section, AnswKey, JoinColumn(sheet, AnswerSheet::Answer, rows));
    if (!module.name.isEmpty()) {
        // Between quotes where reading would change them (Profile::DirectStored).
        file.WriteText(section, ModuleKey, Profile::DirectStored(module.name));
        file.WriteText(section, FromKey, Profile::DirectStored(module.from));
        file.WriteText(section, ToKey, Profile::DirectStored(module.to));
    }
    file.WriteBack();
    return section;
}

QString FreeSectionName(const QString &start, const std::function<bool(const QString &)> &taken)
{
    QString section = start;
    for (int n = 2; taken(section); ++n)
        section = start + QStringLiteral(" (") + QString::number(n) + QLatin1Char(')');
    return section;
}

Merged MergeRuns(const QString &path, const QString &copyPath, bool write)
{
    QByteArray bytes;
    const QString reason = Profile::ReadWholeFile(copyPath, &bytes);
    if (!reason.isEmpty())
        throw AppError(QCoreApplication::translate("Files", "Cannot open file \"%1\". %2").arg(copyPath, reason));
    const Profile::Copy theirs = Profile::LoadCopy(bytes);
    if (!theirs.recognisable)
        throw AppError(QCoreApplication::translate("Files", "Cannot open file \"%1\". %2")
                           .arg(copyPath, ProfileFile(copyPath, ProfileFile::Access::InMemory).ReadProblem()));
    const Profile::FileLock lock(path);
    QByteArray ourBytes;
    const QString ourReason = Profile::ReadWholeFile(path, &ourBytes);
    if (!ourReason.isEmpty() && QFileInfo::exists(path))
        throw AppError(QCoreApplication::translate("Files", "Cannot open file \"%1\". %2").arg(path, ourReason));
    const Profile::Copy ours = Profile::LoadCopy(ourBytes);
    const auto named = [](const QVector<Profile::CopySection> &sections, const QString &name) {
        return std::find_if(sections.cbegin(), sections.cend(), [&name](const Profile::CopySection &s) {
            return s.name.compare(name, Qt::CaseInsensitive) == 0;
        });
    };
    // The runs go after the file's last line, every byte of it kept.
    QVector<Profile::CopySection> added;
    Merged merged;
    for (const Profile::CopySection &run : theirs.sections) {
        const auto same =
            std::find_if(ours.sections.cbegin(), ours.sections.cend(), [&run](const Profile::CopySection &s) {
                return s.name.compare(run.name, Qt::CaseInsensitive) == 0 && s.lines == run.lines;
            });
        if (same != ours.sections.cend()) {
            ++merged.same;
            continue;
        }
        const QString name = FreeSectionName(run.name, [&](const QString &n) {
            return named(ours.sections, n) != ours.sections.cend() || named(added, n) != added.cend();
        });
        ++(name == run.name ? merged.added : merged.renamed);
        added.append(Profile::CopySection{name, run.lines});
    }
    if (write && !added.isEmpty())
        Profile::AppendSections(path, added);
    return merged;
}

void Delete(const QString &path, const QString &section)
{
    ProfileFile(path, ProfileFile::Access::Direct).DeleteSection(section);
}

void Delete(const QString &path, const QStringList &sections)
{
    ProfileFile(path, ProfileFile::Access::Direct).DeleteSections(sections);
}

AnswerSheet SheetOf(QStringView res, QStringView answ, qint32 total)
{
    AnswerSheet sheet;
    // Rows that neither list reaches would stay empty; a Total far beyond
    // them (a hand-edited file) is not allowed to size the sheet.
    const int reach = std::max(PartCount(res), PartCount(answ));
    sheet.SetRowCount(std::min(total, reach));
    SplitIntoColumn(sheet, AnswerSheet::Text, res);
    SplitIntoColumn(sheet, AnswerSheet::Answer, answ);
    return sheet;
}

StoredRun Read(const QString &path, const QString &section)
{
    // The history has just listed the file: its section is read where the
    // list found it, not in a load of every run.
    const QByteArray kept = KeptSectionBytes(path, section);
    const Profile::Copy copy = kept.isNull() ? Profile::Copy() : Profile::LoadCopy(kept);
    std::optional<ProfileFile> file;
    if (kept.isNull())
        file.emplace(path, ProfileFile::Access::InMemory);
    const auto text = [&](const QString &key) -> QString {
        if (file)
            return file->ReadText(section, key, QString());
        if (copy.sections.isEmpty())
            return QString();
        for (const QString &line : copy.sections.first().lines) {
            const qsizetype eq = line.indexOf(QLatin1Char('='));
            if (eq >= 0 && QStringView(line).left(eq).compare(key, Qt::CaseInsensitive) == 0)
                return line.mid(eq + 1);
        }
        return QString();
    };
    StoredRun run;
    const QString res = text(ResKey);
    const QString answ = text(AnswKey);
    const qint32 total = StoredCount(text(TotalKey));
    const qint32 errors = StoredCount(text(ErrorsKey));
    run.sheet = SheetOf(res, answ, total);
    if (total == run.sheet.RowCount())
        markLostBlanks(run.sheet, errors);
    run.report.Total = QString::number(total);
    run.report.Errors = QString::number(errors);
    run.report.Right = QString::number(qint64(total) - qint64(errors));
    run.report.Time = text(TimeKey);
    run.report.Koeff = text(KoeffKey);
    run.report.Mark = text(MarkKey);
    return run;
}

} // namespace ResultsStore
