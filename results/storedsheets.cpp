#include "results/storedsheets.h"

#include "platform/platform.h"
#include "results/resultsstore.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace ResultsStore {
namespace {

// A key's value as in-memory reads give it: what follows the first "="
// of the first line whose name matches, letter case aside.
std::optional<QStringView> valueOf(const Profile::CopySection &section, QLatin1String key)
{
    for (const QString &line : section.lines) {
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq >= 0 && QStringView(line).left(eq).compare(key, Qt::CaseInsensitive) == 0)
            return QStringView(line).mid(eq + 1);
    }
    return std::nullopt;
}

} // namespace

StoredSheets::StoredSheets(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return;
    QFile file(path);
    if (info.isDir() || !file.open(QIODevice::ReadOnly)) {
        const QString reason =
            info.isDir() ? QCoreApplication::translate("Files", "Is a directory") : file.errorString();
        throw AppError(QCoreApplication::translate("Files", "Cannot open file \"%1\". %2").arg(path, reason));
    }
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw AppError(
            QCoreApplication::translate("Files", "Cannot open file \"%1\". %2").arg(path, file.errorString()));
    m_copy = Profile::LoadCopy(data);
    for (int s = 0; s < m_copy.sections.size(); ++s) {
        const QString folded = Profile::FoldedName(m_copy.sections.at(s).name);
        if (!m_first.contains(folded))
            m_first.insert(folded, s);
    }
}

StoredSheets::Lists StoredSheets::ListsOf(const QString &section) const
{
    Lists lists;
    const auto it = m_first.constFind(Profile::FoldedName(section));
    if (it == m_first.constEnd()) {
        lists.elements.append(QString());
        lists.answers.append(QString());
        return lists;
    }
    const Profile::CopySection &found = m_copy.sections.at(it.value());
    const qint32 total = StoredCount(valueOf(found, TotalKey).value_or(QStringView()).toString());
    const QStringView res = valueOf(found, ResKey).value_or(QStringView());
    const QStringView answ = valueOf(found, AnswKey).value_or(QStringView());
    // As many rows as SheetOf makes, each part of a list in its row.
    const int rows = std::max(1, std::min(total, std::max(PartCount(res), PartCount(answ))));
    const auto split = [rows](QStringView text, QStringList &out) {
        out.reserve(rows);
        for (const QStringView part : text.tokenize(QLatin1Char(','))) {
            if (out.size() == rows)
                break;
            out.append(part.toString());
        }
        while (out.size() < rows)
            out.append(QString());
    };
    split(res, lists.elements);
    split(answ, lists.answers);
    return lists;
}

AnswerSheet StoredSheets::Sheet(const QString &section) const
{
    const auto it = m_first.constFind(Profile::FoldedName(section));
    if (it == m_first.constEnd())
        return AnswerSheet();
    const Profile::CopySection &found = m_copy.sections.at(it.value());
    const qint32 total = StoredCount(valueOf(found, TotalKey).value_or(QStringView()).toString());
    return SheetOf(valueOf(found, ResKey).value_or(QStringView()), valueOf(found, AnswKey).value_or(QStringView()),
                   total);
}

} // namespace ResultsStore
