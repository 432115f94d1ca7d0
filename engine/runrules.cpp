#include "engine/runrules.h"

#include "platform/platform.h"
#include "results/answersheet.h"
#include "results/scoring.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace Run {

qint32 TimerTicks(qint32 milliseconds)
{
    const double seconds = double(milliseconds) / 1000.0;
    return qint32(std::ceil(RoundToFraction(seconds, 10)));
}

qint32 TickPeriod(qint32 testMode, qint32 milliseconds, bool unlimitedTime)
{
    if (testMode != TrainingMode || unlimitedTime || TimerTicks(milliseconds) != 1 || milliseconds >= TickPeriodMs)
        return TickPeriodMs;
    return milliseconds;
}

Parameters ParametersFor(qint32 testMode, const LaunchValues &values)
{
    Parameters p;
    switch (testMode) {
    case TrainingMode: {
        const qint32 milliseconds = Platform::StrToInt(values.timerText);
        p.ticksPerElement = TimerTicks(milliseconds);
        p.tickPeriodMs = TickPeriod(testMode, milliseconds, values.unlimitedTime);
        p.elementCount = Platform::StrToInt(values.numberText);
        p.counterVisible = values.showSerialNumber;
        if (values.unlimitedTime)
            p.ticksPerElement = UnlimitedTicksPerElement;
        break;
    }
    case ExamMode:
        p.counterVisible = false;
        p.elementCount = Platform::StrToInt(values.numberText);
        p.ticksPerElement = FixedTicksPerElement;
        break;
    default:
        p.ticksPerElement = FixedTicksPerElement;
        p.elementCount = IntroductoryElementCount;
        break;
    }
    return p;
}

QString Refusal(qint32 testMode, const Parameters &parameters, const LaunchValues &values)
{
    if (parameters.elementCount < MinimumElementCount || parameters.elementCount > MaximumElementCount)
        return QCoreApplication::translate("RunRules", "The number of elements must lie between %1 and %2.")
            .arg(MinimumElementCount)
            .arg(MaximumElementCount);
    if ((testMode == TrainingMode || testMode == ExamMode)
        && !SpanOf(values.rangeFrom, values.rangeTo, values.elementTotal))
        return QCoreApplication::translate("RunRules", "The Module has no range of elements to draw from.");
    return QString();
}

std::optional<DrawSpan> SpanOf(int from, int to, int total)
{
    if (from < 0 || to < 0 || from >= total || to >= total)
        return std::nullopt;
    return DrawSpan{std::min(from, to), std::max(from, to)};
}

int DrawIndex(const DrawSpan &span) { return span.low + Platform::Random(span.Size()); }

Drawing::Drawing(Settings::Draw draw, const DrawSpan &span)
    : m_draw(draw)
    , m_span(span)
{
}

int Drawing::Next()
{
    switch (m_draw) {
    case Settings::Draw::Shuffled:
        if (m_deck.empty())
            shuffle();
        {
            const int position = m_deck.back();
            m_deck.pop_back();
            return position;
        }
    case Settings::Draw::InOrder:
        return m_span.low + m_dealt++ % m_span.Size();
    case Settings::Draw::AtRandom:
        break;
    }
    return DrawIndex(m_span);
}

void Drawing::shuffle()
{
    const int size = m_span.Size();
    m_deck.resize(std::size_t(size));
    for (int i = 0; i < size; ++i)
        m_deck[std::size_t(i)] = m_span.low + i;
    // Fisher-Yates: each order of the deck equally likely.
    for (int i = size - 1; i > 0; --i)
        std::swap(m_deck[std::size_t(i)], m_deck[std::size_t(Platform::Random(i + 1))]);
}

QString DrawIntroductoryElement() { return QString::number(Platform::Random(99) + 1); }

QString CounterText(qint32 number, qint32 count)
{
    return QCoreApplication::translate("Run", "%1 of %2").arg(QString::number(number), QString::number(count));
}

int CentredLeft(int windowWidth, int labelWidth)
{
    return int(std::ceil(double(windowWidth) / 2.0 - double(labelWidth) / 2.0));
}

int FadeLevel(qint32 tickInElement, qint32 ticksPerElement)
{
    if (ticksPerElement <= 0)
        return 0;
    return int(qint64(tickInElement) * 192 / ticksPerElement);
}

bool TooSlow(quint32 elapsedMs, qint32 elementCount)
{
    if (elementCount < 1)
        return false;
    const quint32 seconds = (elapsedMs / 999) % 60;
    return RoundToFraction(double(seconds) / double(elementCount), 100) > 11.85;
}

bool ExamTimeExceeded(quint32 elapsedMs, qint32 elementCount)
{
    quint32 seconds = elapsedMs / 1000;
    const quint32 rest = elapsedMs % 1000;
    if (rest > 500 || (rest == 500 && seconds % 2 == 1))
        ++seconds;
    return qint64(seconds) > 6 * qint64(elementCount);
}

namespace {
QString withoutBlanks(const QString &text)
{
    QString kept;
    for (const QChar c : text)
        if (!c.isSpace())
            kept += c;
    return kept;
}
} // namespace

QStringList SplitRecall(const QStringList &elements, const QString &line)
{
    const QString typed = withoutBlanks(line);
    QStringList answers;
    qsizetype at = 0;
    for (const QString &element : elements) {
        const qsizetype length = withoutBlanks(element).size();
        answers << typed.mid(at, length);
        at += length;
    }
    return answers;
}

bool MayContinue(qint32 testMode, qint32 mistakeCount, qint32 elementCount)
{
    if (testMode != ExamMode)
        return true;
    return double(mistakeCount) <= double(elementCount) / 10.0;
}

namespace {

// A text of the run as one short line of the message: line breaks shown as
// blanks, a long one cut with an ellipsis.
QString shortText(const QString &text)
{
    constexpr qsizetype most = 40;
    QString line = text;
    for (QChar &c : line)
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QChar::LineSeparator
            || c == QChar::ParagraphSeparator)
            c = QLatin1Char(' ');
    return line.size() > most ? line.left(most - 1) + QChar(0x2026) : line;
}

} // namespace

QString WrongAnswersText(const QStringList &elements, const QStringList &answers, int maxLines)
{
    QStringList lines;
    int more = 0;
    const qsizetype count = std::min(elements.size(), answers.size());
    for (qsizetype i = 0; i < count; ++i) {
        if (IsAnswerRight(elements.at(i), answers.at(i)))
            continue;
        if (lines.size() == maxLines) {
            ++more;
            continue;
        }
        const QString element = shortText(elements.at(i));
        lines << (answers.at(i).isEmpty()
                      ? QCoreApplication::translate("Run", "%1. %2 (no answer)").arg(i + 1).arg(element)
                      : QCoreApplication::translate("Run", "%1. %2 (answered: %3)")
                            .arg(i + 1)
                            .arg(element, shortText(answers.at(i))));
    }
    if (lines.isEmpty())
        return QString();
    if (more > 0)
        lines << QCoreApplication::translate("Run", "... and %1 more").arg(more);
    return QCoreApplication::translate("Run", "Wrong answers:") + QLatin1Char('\n') + lines.join(QLatin1Char('\n'));
}

} // namespace Run
