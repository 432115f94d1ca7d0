#include "app/history.h"

#include "platform/platform.h"
#include "profile/atomicfile.h"
#include "profile/profilefile.h"
#include "results/analysis.h"
#include "results/numbertext.h"
#include "results/resultsstore.h"
#include "results/storedsheets.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>
#include <vector>

namespace History {

void BarColour(int row, int *red, int *green, int *blue)
{
    static constexpr int table[6][3] = {
        {255, 0, 0}, {255, 255, 0}, {0, 255, 0}, {0, 255, 255}, {255, 0, 255}, {255, 0, 0},
    };
    const int i = ((row % 6) + 6) % 6;
    *red = table[i][0];
    *green = table[i][1];
    *blue = table[i][2];
}

QString BarLabel(const QString &name)
{
    // A run's name is its date, a blank and its time with seconds; the
    // date may be longer than ten characters ("11 Dec 2026").
    static const QRegularExpression time(QStringLiteral("^(\\S.*?)\\s+\\S*\\d[:.]\\d\\d[:.]\\d\\d(\\s.*)?$"));
    const QRegularExpressionMatch date = time.match(name);
    if (date.hasMatch() && date.capturedLength(1) <= 16)
        return date.captured(1);
    // A character beyond the Basic Multilingual Plane is two units: never split.
    qsizetype units = 0;
    for (int count = 0; count < 10 && units < name.size(); ++count) {
        const bool pair =
            name.at(units).isHighSurrogate() && units + 1 < name.size() && name.at(units + 1).isLowSurrogate();
        units += pair ? 2 : 1;
    }
    return name.left(units);
}

void ReverseHistoryRows(QVector<Row> &rows)
{
    const qsizetype n = rows.size();
    for (qsizetype i = 0; i < n / 2; ++i)
        std::swap(rows[i], rows[n - 1 - i]);
}

namespace {

// The listing of rows in file order: reversed so that the last is row 0,
// with the bars of the Koeffs that parse, oldest listed run first.
Listing listingOf(QVector<Row> rows)
{
    Listing listing;
    for (const Row &row : std::as_const(rows)) {
        double k = 0;
        if (NumberText::ToDouble(row.Koeff, &k) && k > listing.maxKoeff)
            listing.maxKoeff = k;
    }
    ReverseHistoryRows(rows);
    if (rows.isEmpty())
        rows.append(Row{});
    listing.axisMaximum = listing.maxKoeff != 0 ? listing.maxKoeff + 0.5 : 1.0;
    for (int r = int(rows.size()) - 1; r >= 0; --r) {
        const Row &row = rows.at(r);
        if (row.name.isEmpty())
            continue;
        double k = 0;
        if (!NumberText::ToDouble(row.Koeff, &k))
            continue;
        Bar bar{k, BarLabel(row.name), 0, 0, 0, row.Mark};
        BarColour(r, &bar.red, &bar.green, &bar.blue);
        listing.bars.append(bar);
    }
    listing.rows = std::move(rows);
    return listing;
}

} // namespace

Listing Read(const QString &path) { return ReadModule(ResultsStore::ListRuns(path).runs, QString(), true); }

Listing ReadModule(const QVector<ResultsStore::RunSummary> &runs, const QString &module, bool allModules)
{
    // The newest runs are at the end of the file.
    QVector<Row> rows;
    rows.reserve(MaxRows);
    for (qsizetype i = runs.size() - 1; i >= 0 && rows.size() < MaxRows; --i) {
        const ResultsStore::RunSummary &run = runs.at(i);
        if ((allModules || run.Module == module) && !run.name.isEmpty())
            rows.append(Row{run.name, run.Koeff, run.Mark});
    }
    ReverseHistoryRows(rows); // file order
    return listingOf(std::move(rows));
}

QStringList ModuleNames(const QVector<ResultsStore::RunSummary> &runs)
{
    QStringList names;
    QSet<QString> seen;
    for (const ResultsStore::RunSummary &run : runs) {
        if (!run.Module.isEmpty() && !seen.contains(run.Module)) {
            seen.insert(run.Module);
            names.append(run.Module);
        }
    }
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        const int c = a.compare(b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
    return names;
}

QVector<ResultsStore::RunSummary> RunsOf(const QVector<ResultsStore::RunSummary> &runs, const QString &module)
{
    if (module.isEmpty())
        return runs;
    QVector<ResultsStore::RunSummary> out;
    for (const ResultsStore::RunSummary &run : runs) {
        if (run.Module == module)
            out.append(run);
    }
    return out;
}

double AxisStep(double maximum)
{
    if (!(maximum > 0) || !std::isfinite(maximum))
        return 1;
    const double raw = maximum / 5;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    const double m = raw / power;
    return power * (m <= 1 ? 1 : m <= 2 ? 2 : m <= 5 ? 5 : 10);
}

int AxisDecimals(double step) { return step >= 1 ? 0 : int(std::ceil(-std::log10(step) - 1e-9)); }

QVector<double> MovingAverage(const QVector<Bar> &bars, int window)
{
    QVector<double> out;
    out.reserve(bars.size());
    double sum = 0;
    for (qsizetype i = 0; i < bars.size(); ++i) {
        sum += bars.at(i).value;
        if (i >= window)
            sum -= bars.at(i - window).value;
        out.append(sum / double(std::min<qsizetype>(i + 1, window)));
    }
    return out;
}

bool TimeSeconds(const QString &time, qint64 *seconds)
{
    // Read by hand, the pattern below being the rule: three numbers of one
    // to nine digits joined by ":", then the end or a blank.
    const char16_t *p = reinterpret_cast<const char16_t *>(time.constData());
    const qsizetype n = time.size();
    qsizetype i = 0;
    qint64 parts[3] = {};
    bool read = true;
    for (int k = 0; k < 3 && read; ++k) {
        const qsizetype start = i;
        while (i < n && i - start < 10 && p[i] >= u'0' && p[i] <= u'9')
            parts[k] = parts[k] * 10 + (p[i++] - u'0');
        read = i > start && i - start <= 9 && (k == 2 || (i < n && p[i++] == u':'));
    }
    if (!read)
        return false;
    if (i == n || p[i] == u' ' || (p[i] >= u'\t' && p[i] <= u'\r')) {
        *seconds = parts[0] * 3600 + parts[1] * 60 + parts[2];
        return true;
    }
    if (p[i] < 0x80)
        return false;
    static const QRegularExpression hms(QStringLiteral("^([0-9]{1,9}):([0-9]{1,9}):([0-9]{1,9})(?:\\s|$)"));
    const QRegularExpressionMatch m = hms.match(time);
    if (!m.hasMatch())
        return false;
    *seconds = m.captured(1).toLongLong() * 3600 + m.captured(2).toLongLong() * 60 + m.captured(3).toLongLong();
    return true;
}

namespace {

// One CSV field: quoted when it holds a comma, a quote or a line break. A
// text that a spreadsheet would take for a formula (a Module or Element
// beginning with "=", "+", "-" or "@" that is not a number) gets a "'"
// before it, so that opening the file runs nothing.
QString csvField(const QString &stored)
{
    // A byte of the file that is not UTF-8 (a lone surrogate here) becomes
    // U+FFFD, the replacement character the screen shows for it, where
    // UTF-8 encoding would make it a plain "?".
    QString text = stored;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        else if (text.at(i).isSurrogate())
            text[i] = QChar::ReplacementCharacter;
    }
    static const QRegularExpression number(QStringLiteral("^[+-]?[0-9]+([.,][0-9]+)?$"));
    if (!text.isEmpty() && QStringLiteral("=+-@\t\r").contains(text.front()) && !number.match(text).hasMatch())
        text.prepend(QLatin1Char('\''));
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n'))
        && !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

// A stored decimal number with "," as "." for a spreadsheet; empty when
// it does not parse.
QByteArray pointDecimal(const QString &text)
{
    double value = 0;
    if (!NumberText::ToDouble(text, &value))
        return QByteArray();
    QByteArray out = Profile::Trimmed(text).toUtf8();
    out.replace(',', '.');
    return out;
}

} // namespace

namespace {

QString scoreHeading(const SportScoring::Choice &choice)
{
    // In English, as every heading of the file is.
    QString rule = SportScoring::EnglishRuleNames().value(int(choice.rule));
    if (choice.rule == SportScoring::Rule::Rows) {
        rule = QStringLiteral("Rows of ") + QString::number(choice.rowLength);
        if (!choice.halfRowForOneMistake)
            rule += QStringLiteral(", no half rows");
        if (choice.skippedRowEnds)
            rule += QStringLiteral(", a skipped row ends");
    }
    if (!choice.letterCaseCounts)
        rule += QStringLiteral(", letter case ignored");
    return QStringLiteral("Score (") + rule + QLatin1Char(')');
}

// Appends a stored text as one CSV field, encoded. A text of plain ASCII
// that needs neither quotes nor the formula guard (most of them: dates,
// numbers, names) goes straight in; any other takes csvField's way.
void appendField(QByteArray &out, const QString &stored)
{
    const char16_t *p = reinterpret_cast<const char16_t *>(stored.constData());
    const qsizetype n = stored.size();
    bool plain = n == 0 || !(p[0] == u'=' || p[0] == u'+' || p[0] == u'-' || p[0] == u'@');
    for (qsizetype i = 0; plain && i < n; ++i)
        plain = p[i] >= 0x20 && p[i] < 0x7F && p[i] != u',' && p[i] != u'"';
    if (!plain) {
        out += csvField(stored).toUtf8();
        return;
    }
    const qsizetype at = out.size();
    out.resize(at + n);
    char *to = out.data() + at;
    for (qsizetype i = 0; i < n; ++i)
        to[i] = char(p[i]);
}

// A whole number's digits, without a string of its own.
void appendNumber(QByteArray &out, qint64 value)
{
    char digits[24];
    const auto end = std::to_chars(std::begin(digits), std::end(digits), value).ptr;
    out.append(digits, end - digits);
}

// What the analysis of a run's sheet adds to its line, after a ",".
void appendAnalysis(QByteArray &out, const QByteArray &koeff, const RunAnalysis &a, const SportScoring::Choice &choice)
{
    for (const int count : {a.omitted, a.inserted, a.swapped, a.wrong, a.blank, a.rightInOrder}) {
        appendNumber(out, count);
        out += ',';
    }
    if (choice.rule == SportScoring::Rule::KoeffAndMark)
        out += koeff;
    else
        appendNumber(out, a.score);
}

QByteArray csvHeader(bool analysed, const SportScoring::Choice &choice, const KeptSchedules *kept)
{
    // A byte-order mark first: without it Excel reads a CSV file in the
    // system's legacy code page, while LibreOffice reads it as UTF-8 either
    // way once UTF-8 (or the system's UTF-8) is the import's character set.
    QString header = QStringLiteral("\uFEFFDateTime,Module,From,To,Total,Errors,Right,Time,Koeff,Mark");
    if (analysed)
        header +=
            QStringLiteral(",Omitted,Inserted,Swapped,Wrong,Blank,RightInOrder,") + csvField(scoreHeading(choice));
    if (kept)
        header += QStringLiteral(",Due,Interval");
    header += QStringLiteral("\r\n");
    return header.toUtf8();
}

// One run's line, made as UTF-8 at once: no list of fields, no text of
// twice its size first.
void appendLine(QByteArray &out, const ResultsStore::RunSummary &run, const RunAnalysis *analysis,
                const SportScoring::Choice &choice, const KeptSchedules *kept)
{
    const bool known = !run.Module.isEmpty();
    const qint64 total = ResultsStore::StoredCount(run.Total);
    const qint64 errors = ResultsStore::StoredCount(run.Errors);
    qint64 seconds = 0;
    const QByteArray koeff = pointDecimal(run.Koeff);
    appendField(out, run.name);
    out += ',';
    appendField(out, known ? run.Module : ResultsStore::Missing);
    out += ',';
    appendField(out, known ? run.From : ResultsStore::Missing);
    out += ',';
    appendField(out, known ? run.To : ResultsStore::Missing);
    out += ',';
    appendNumber(out, total);
    out += ',';
    appendNumber(out, errors);
    out += ',';
    appendNumber(out, total - errors);
    out += ',';
    if (TimeSeconds(run.Time, &seconds))
        appendNumber(out, seconds);
    out += ',';
    out += koeff;
    out += ',';
    appendField(out, run.Mark);
    if (analysis) {
        out += ',';
        appendAnalysis(out, koeff, *analysis, choice);
    }
    if (kept) {
        // The run's Module's schedule as it stands now: ISO date and days.
        out += ',';
        const auto schedule = known ? kept->constFind(run.Module) : kept->cend();
        if (schedule != kept->cend() && schedule->due.isValid()) {
            out += schedule->due.toString(Qt::ISODate).toLatin1();
            out += ',';
            appendNumber(out, schedule->interval);
        } else {
            out += ',';
        }
    }
    out += "\r\n";
}

} // namespace

RunAnalysis AnalyseRun(const ResultsStore::SheetColumns &sheet, const SportScoring::Choice &choice)
{
    const Analysis::Result a = Analysis::Analyse(sheet.elements, sheet.answers,
                                                 choice.letterCaseCounts ? Qt::CaseSensitive : Qt::CaseInsensitive);
    RunAnalysis out{a.omitted, a.inserted, a.swapped, a.wrong, a.blank, a.rightInOrder, 0};
    if (choice.rule != SportScoring::Rule::KoeffAndMark)
        out.score =
            SportScoring::Score(SportScoring::Judge(sheet.elements, sheet.answers, choice.letterCaseCounts), choice);
    return out;
}

namespace {

// The CSV of the runs, each line with its run's analysis when `analysed`
// is given (one a run), handed to `write` a piece of about 256 KB at a
// time; false as soon as a piece could not be written.
bool writeCsv(const QVector<ResultsStore::RunSummary> &runs, const QVector<RunAnalysis> *analysed,
              const SportScoring::Choice &choice, const Profile::PieceWriter &write,
              const KeptSchedules *kept = nullptr)
{
    constexpr qsizetype Piece = 256 * 1024;
    QByteArray out = csvHeader(analysed != nullptr, choice, kept);
    out.reserve(Piece + 4096);
    for (qsizetype i = 0; i < runs.size(); ++i) {
        appendLine(out, runs.at(i), analysed ? &analysed->at(i) : nullptr, choice, kept);
        if (out.size() >= Piece) {
            if (!write(out))
                return false;
            out.resize(0);
        }
    }
    return write(out);
}

} // namespace

QByteArray Csv(const QVector<ResultsStore::RunSummary> &runs, const SheetOf &sheetOf,
               const SportScoring::Choice &choice)
{
    QVector<RunAnalysis> analysed;
    if (sheetOf) {
        analysed.reserve(runs.size());
        for (const ResultsStore::RunSummary &run : runs) {
            const auto [elements, answers] = sheetOf(run.name);
            const std::vector<QStringView> e(elements.cbegin(), elements.cend());
            const std::vector<QStringView> a(answers.cbegin(), answers.cend());
            analysed.append(AnalyseRun({e, a}, choice));
        }
    }
    QByteArray csv;
    writeCsv(runs, sheetOf ? &analysed : nullptr, choice, [&csv](QByteArrayView piece) {
        csv += piece;
        return true;
    });
    return csv;
}

QString ExportFileName(bool training, const QString &module)
{
    QString name;
    if (module.isEmpty())
        name = training ? QCoreApplication::translate("History", "Training results")
                        : QCoreApplication::translate("History", "Exam results");
    else
        name = training ? QCoreApplication::translate("History", "Training results \u2013 %1").arg(module)
                        : QCoreApplication::translate("History", "Exam results \u2013 %1").arg(module);
    for (QChar &c : name) {
        if (c.unicode() < 0x20 || QStringLiteral("/\\:*?\"<>|").contains(c))
            c = QLatin1Char('_');
    }
    return name + QStringLiteral(".csv");
}

QVector<double> RightByPosition(const QVector<AnswerSheet> &sheets)
{
    QVector<int> right;
    QVector<int> reached;
    for (const AnswerSheet &sheet : sheets) {
        const bool empty = sheet.RowCount() == 1 && sheet.Cell(AnswerSheet::Text, 0).isEmpty()
                           && sheet.Cell(AnswerSheet::Answer, 0).isEmpty();
        if (empty)
            continue;
        if (reached.size() < sheet.RowCount()) {
            reached.resize(sheet.RowCount());
            right.resize(sheet.RowCount());
        }
        for (int r = 0; r < sheet.RowCount(); ++r) {
            ++reached[r];
            right[r] += IsRowRight(sheet, r) ? 1 : 0;
        }
    }
    QVector<double> shares(reached.size());
    for (int r = 0; r < reached.size(); ++r)
        shares[r] = double(right.at(r)) / double(reached.at(r));
    return shares;
}

void ExportCsv(const QString &path, const QString &source, const QVector<ResultsStore::RunSummary> &runs,
               const SportScoring::Choice &choice, const KeptSchedules &kept)
{
    // Each run analysed first (a few numbers a run), then the lines made
    // and written a piece at a time.
    QVector<RunAnalysis> analysed(runs.size());
    ResultsStore::ForEachSheet(source, runs, [&](qsizetype i, const ResultsStore::SheetColumns &sheet) {
        analysed[i] = AnalyseRun(sheet, choice);
    });
    const QString reason = Profile::ReplaceFileWith(path, [&](const Profile::PieceWriter &write) {
        return writeCsv(runs, &analysed, choice, write, kept.isEmpty() ? nullptr : &kept);
    });
    if (!reason.isEmpty())
        throw AppError(QCoreApplication::translate("Files", "Cannot create file \"%1\". %2").arg(path, reason));
}

} // namespace History
