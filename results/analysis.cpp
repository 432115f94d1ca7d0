#include "results/analysis.h"

#include <QCoreApplication>
#include <QHash>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <optional>
#include <tuple>
#include <utility>

namespace Analysis {
namespace {

// Consecutive matches that make an anchor.
constexpr int AnchorRun = 4;

enum class Op { Match, Wrong, Omit, Insert, Swap };

struct Step
{
    Op op;
    int element; // first of the pair for Swap; -1 for Insert
    int answer;  // first of the pair for Swap; -1 for Omit
};

// The offsets (into the Elements, into the answers) at which an anchor is
// looked for, nearest first: by the most steps the stretch before it can
// cost, then by its length, then omissions before insertions.
const std::vector<std::pair<int, int>> &anchorOffsets()
{
    static const std::vector<std::pair<int, int>> offsets = [] {
        std::vector<std::pair<int, int>> out;
        for (int di = 0; di <= Band; ++di)
            for (int dj = 0; dj <= Band; ++dj)
                if (di + dj > 0)
                    out.emplace_back(di, dj);
        std::sort(out.begin(), out.end(), [](const auto &a, const auto &b) {
            const auto key = [](const std::pair<int, int> &p) {
                return std::make_tuple(std::max(p.first, p.second), p.first + p.second, -p.first);
            };
            return key(a) < key(b);
        });
        return out;
    }();
    return offsets;
}

// A hash that texts equal but for letter case share: each code point
// folded as a case-insensitive comparison folds it.
size_t foldedHash(QStringView text)
{
    size_t h = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text[i], text[i + 1]);
            ++i;
        }
        h = h * 1000003u ^ size_t(QChar::toCaseFolded(c));
    }
    return h;
}

// Aligns two lists of texts where they are (a QStringList, or views of
// texts held elsewhere): no list is copied.
template <typename List>
class Aligner
{
public:
    // Texts are compared by their hash first: no table of them is built.
    // An answer that gives nothing ("???" too) is compared as empty.
    Aligner(const List &elements, const List &answers, Qt::CaseSensitivity letterCase)
        : m_elements(elements)
        , m_answers(answers)
        , m_letterCase(letterCase)
    {
        const auto hash = [letterCase](QStringView text) {
            return letterCase == Qt::CaseSensitive ? qHash(text) : foldedHash(text);
        };
        m_eh.reserve(size_t(elements.size()));
        for (const auto &text : elements)
            m_eh.push_back(hash(text));
        m_ah.reserve(size_t(answers.size()));
        m_none.reserve(size_t(answers.size()));
        for (const auto &text : answers) {
            const bool none = IsNoAnswer(text);
            m_none.push_back(none);
            m_ah.push_back(hash(none ? QStringView() : QStringView(text)));
        }
    }

    void Run()
    {
        const int n = int(m_elements.size());
        const int m = int(m_answers.size());
        m_steps.reserve(size_t(std::max(n, m)) + 16);
        int i = 0;
        int j = 0;
        while (i < n && j < m) {
            if (same(i, j)) {
                m_steps.push_back({Op::Match, i++, j++});
                ++m_inOrder;
                continue;
            }
            if (const auto anchor = findAnchor(i, j)) {
                alignExactly(i, j, i + anchor->first, j + anchor->second);
                i += anchor->first;
                j += anchor->second;
                continue;
            }
            // Near the end no whole anchor fits: the rest is short, aligned exactly.
            if (n - i <= Band && m - j <= Band) {
                alignExactly(i, j, n, m);
                i = n;
                j = m;
                break;
            }
            // Nothing near enough: place by place, then look again.
            for (int k = 0; k < Band / 2 && i < n && j < m; ++k, ++i, ++j) {
                const bool match = same(i, j);
                m_steps.push_back({match ? Op::Match : Op::Wrong, i, j});
                m_inOrder += match ? 1 : 0;
            }
        }
        for (; i < n; ++i)
            m_steps.push_back({Op::Omit, i, -1});
        for (; j < m; ++j)
            m_steps.push_back({Op::Insert, -1, j});
    }

    const std::vector<Step> &Steps() const { return m_steps; }
    int InOrder() const { return m_inOrder; }

private:
    std::optional<std::pair<int, int>> findAnchor(int i, int j) const
    {
        const int n = int(m_elements.size());
        const int m = int(m_answers.size());
        // The offsets come nearest first: past the farthest at which an
        // anchor still fits on either side, none fits. Near the end of a
        // short run that is all of them.
        const int farthest = std::max(n - i, m - j) - AnchorRun;
        for (const auto &[di, dj] : anchorOffsets()) {
            if (std::max(di, dj) > farthest)
                break;
            const int x = i + di;
            const int y = j + dj;
            if (x + AnchorRun > n || y + AnchorRun > m || !same(x, y))
                continue;
            int k = 1;
            while (k < AnchorRun && same(x + k, y + k))
                ++k;
            if (k == AnchorRun)
                return std::make_pair(di, dj);
        }
        return std::nullopt;
    }

    // The Elements [i0, i1) against the answers [j0, j1): the fewest steps,
    // then the fewest other texts; and their longest common subsequence.
    void alignExactly(int i0, int j0, int i1, int j1)
    {
        const int p = i1 - i0;
        const int q = j1 - j0;
        const int w = q + 1;
        struct Cell
        {
            int steps;
            int others;
            bool operator<(const Cell &o) const { return steps != o.steps ? steps < o.steps : others < o.others; }
            bool operator==(const Cell &o) const { return steps == o.steps && others == o.others; }
        };
        std::vector<Cell> d(size_t(p + 1) * size_t(w));
        std::vector<int> lcs(size_t(p + 1) * size_t(w), 0);
        const auto at = [w](int x, int y) { return size_t(x) * size_t(w) + size_t(y); };
        // Element x of the stretch (from 1) is answer y of it.
        const auto eq = [&](int x, int y) { return same(i0 + x - 1, j0 + y - 1); };
        const auto swapAt = [&](int x, int y) {
            return x >= 2 && y >= 2 && !sameElements(i0 + x - 1, i0 + x - 2) && eq(x, y - 1) && eq(x - 1, y);
        };
        for (int x = 0; x <= p; ++x) {
            for (int y = 0; y <= q; ++y) {
                if (x == 0 || y == 0) {
                    d[at(x, y)] = {x + y, 0};
                    continue;
                }
                const bool match = eq(x, y);
                lcs[at(x, y)] = match ? lcs[at(x - 1, y - 1)] + 1 : std::max(lcs[at(x - 1, y)], lcs[at(x, y - 1)]);
                const Cell diag = d[at(x - 1, y - 1)];
                Cell best = match ? diag : Cell{diag.steps + 1, diag.others + 1};
                if (swapAt(x, y)) {
                    const Cell c = d[at(x - 2, y - 2)];
                    best = std::min(best, Cell{c.steps + 1, c.others});
                }
                const Cell up = d[at(x - 1, y)];
                best = std::min(best, Cell{up.steps + 1, up.others});
                const Cell left = d[at(x, y - 1)];
                best = std::min(best, Cell{left.steps + 1, left.others});
                d[at(x, y)] = best;
            }
        }
        m_inOrder += lcs[at(p, q)];

        std::vector<Step> back;
        int x = p;
        int y = q;
        while (x > 0 || y > 0) {
            const Cell here = d[at(x, y)];
            if (x > 0 && y > 0 && eq(x, y) && d[at(x - 1, y - 1)] == here) {
                back.push_back({Op::Match, i0 + x - 1, j0 + y - 1});
                --x, --y;
            } else if (swapAt(x, y) && (Cell{d[at(x - 2, y - 2)].steps + 1, d[at(x - 2, y - 2)].others} == here)) {
                back.push_back({Op::Swap, i0 + x - 2, j0 + y - 2});
                x -= 2, y -= 2;
            } else if (x > 0 && (Cell{d[at(x - 1, y)].steps + 1, d[at(x - 1, y)].others} == here)) {
                back.push_back({Op::Omit, i0 + x - 1, -1});
                --x;
            } else if (y > 0 && (Cell{d[at(x, y - 1)].steps + 1, d[at(x, y - 1)].others} == here)) {
                back.push_back({Op::Insert, -1, j0 + y - 1});
                --y;
            } else {
                back.push_back({Op::Wrong, i0 + x - 1, j0 + y - 1});
                --x, --y;
            }
        }
        m_steps.insert(m_steps.end(), back.rbegin(), back.rend());
    }

    bool equal(QStringView a, QStringView b) const
    {
        return m_letterCase == Qt::CaseSensitive ? a == b : a.compare(b, Qt::CaseInsensitive) == 0;
    }
    // Element x and answer y are the same text.
    bool same(int x, int y) const
    {
        return m_eh[size_t(x)] == m_ah[size_t(y)]
               && equal(m_elements[size_t(x)], m_none[size_t(y)] ? QStringView() : QStringView(m_answers[size_t(y)]));
    }
    // Elements x and y are the same text.
    bool sameElements(int x, int y) const
    {
        return m_eh[size_t(x)] == m_eh[size_t(y)] && equal(m_elements[size_t(x)], m_elements[size_t(y)]);
    }

    const List &m_elements;
    const List &m_answers;
    Qt::CaseSensitivity m_letterCase;
    std::vector<size_t> m_eh;
    std::vector<size_t> m_ah;
    std::vector<bool> m_none; // answers that give nothing
    std::vector<Step> m_steps;
    int m_inOrder = 0;
};

QString positions(const QVector<int> &list)
{
    constexpr int shown = 5;
    QStringList parts;
    for (int k = 0; k < list.size() && k < shown; ++k)
        parts.append(QString::number(list.at(k) + 1));
    if (list.size() > shown)
        parts.append(QStringLiteral("…"));
    return parts.join(QStringLiteral(", "));
}

QString pairText(const Swap &s)
{
    return QString::number(s.first + 1) + QStringLiteral("–") + QString::number(s.second + 1);
}

// "one place late", "3 places early".
QString placesText(int places, bool late)
{
    if (places == 1)
        return late ? QCoreApplication::translate("Analysis", "one place late")
                    : QCoreApplication::translate("Analysis", "one place early");
    return late ? QCoreApplication::translate("Analysis", "%n places late", nullptr, places)
                : QCoreApplication::translate("Analysis", "%n places early", nullptr, places);
}

// "3 right but 2 places late", "1 after it right but one place early".
QString shiftedText(int count, bool afterIt, const QString &places)
{
    return (afterIt ? QCoreApplication::translate("Analysis", "%n after it right but %1", nullptr, count)
                    : QCoreApplication::translate("Analysis", "%n right but %1", nullptr, count))
        .arg(places);
}

template <typename List>
Result analyse(const List &elements, const List &answers, Qt::CaseSensitivity letterCase)
{
    Aligner<List> aligner(elements, answers, letterCase);
    aligner.Run();

    Result r;
    r.kinds.fill(Kind::Omitted, qsizetype(elements.size()));
    r.answerOf.fill(-1, qsizetype(elements.size()));
    r.elementOf.fill(-1, qsizetype(answers.size()));
    r.answerEmpty.reserve(qsizetype(answers.size()));
    for (const auto &answer : answers)
        r.answerEmpty.append(IsNoAnswer(answer));
    r.rightInOrder = aligner.InOrder();
    for (const Step &s : aligner.Steps()) {
        switch (s.op) {
        case Op::Match:
            r.answerOf[s.element] = s.answer;
            r.elementOf[s.answer] = s.element;
            if (s.answer == s.element) {
                r.kinds[s.element] = Kind::Right;
                ++r.right;
            } else {
                r.kinds[s.element] = Kind::Shifted;
            }
            break;
        case Op::Wrong: {
            const bool empty = IsNoAnswer(answers[size_t(s.answer)]);
            r.answerOf[s.element] = s.answer;
            r.elementOf[s.answer] = s.element;
            r.kinds[s.element] = empty ? Kind::Blank : Kind::Wrong;
            ++(empty ? r.blank : r.wrong);
            break;
        }
        case Op::Omit:
            ++r.omitted;
            break;
        case Op::Insert:
            r.inserted += IsNoAnswer(answers[size_t(s.answer)]) ? 0 : 1;
            break;
        case Op::Swap:
            r.kinds[s.element] = Kind::Swapped;
            r.kinds[s.element + 1] = Kind::Swapped;
            r.answerOf[s.element] = s.answer + 1;
            r.answerOf[s.element + 1] = s.answer;
            r.elementOf[s.answer] = s.element + 1;
            r.elementOf[s.answer + 1] = s.element;
            r.swaps.append({s.element, s.element + 1});
            ++r.swapped;
            break;
        }
    }
    return r;
}

} // namespace

Result Analyse(Texts elements, Texts answers, Qt::CaseSensitivity letterCase)
{
    return analyse(elements, answers, letterCase);
}

int RightInOrder(Texts elements, Texts answers, Qt::CaseSensitivity letterCase)
{
    Aligner<Texts> aligner(elements, answers, letterCase);
    aligner.Run();
    return aligner.InOrder();
}

Result Analyse(const QStringList &elements, const QStringList &answers, Qt::CaseSensitivity letterCase)
{
    return analyse(elements, answers, letterCase);
}

Result Analyse(const AnswerSheet &sheet, Qt::CaseSensitivity letterCase)
{
    // Cell gives copies: they are kept here while the views look at them.
    QStringList elements;
    QStringList answers;
    elements.reserve(sheet.RowCount());
    answers.reserve(sheet.RowCount());
    for (int row = 0; row < sheet.RowCount(); ++row) {
        elements.append(sheet.Cell(AnswerSheet::Text, row));
        answers.append(sheet.Cell(AnswerSheet::Answer, row));
    }
    return Analyse(elements, answers, letterCase);
}

QString Summary(const Result &r)
{
    QVector<int> omitted;
    QVector<int> inserted;
    std::map<int, int> shifts; // answer row - Element index -> how many
    for (int e = 0; e < r.kinds.size(); ++e) {
        if (r.kinds.at(e) == Kind::Omitted)
            omitted.append(e);
        else if (r.kinds.at(e) == Kind::Shifted)
            ++shifts[r.answerOf.at(e) - e];
    }
    // Blank answers that belong to no Element are not insertions.
    for (int a = 0; a < r.elementOf.size(); ++a)
        if (r.elementOf.at(a) < 0 && !r.answerEmpty.at(a))
            inserted.append(a);

    QStringList parts;
    if (!omitted.isEmpty())
        parts.append(QCoreApplication::translate("Analysis", "%n omitted at %1", nullptr, int(omitted.size()))
                         .arg(positions(omitted)));
    const bool afterIt = r.omitted + r.inserted == 1;
    for (auto it = shifts.begin(); it != shifts.end(); ++it)
        if (it->first < 0)
            parts.append(shiftedText(it->second, afterIt, placesText(-it->first, true)));
    if (r.inserted > 0)
        parts.append(
            QCoreApplication::translate("Analysis", "%n inserted at %1", nullptr, r.inserted).arg(positions(inserted)));
    for (auto it = shifts.begin(); it != shifts.end(); ++it)
        if (it->first > 0)
            parts.append(shiftedText(it->second, afterIt, placesText(it->first, false)));
    if (r.wrong > 0)
        parts.append(QCoreApplication::translate("Analysis", "%n wrong", nullptr, r.wrong));
    if (r.blank > 0)
        parts.append(QCoreApplication::translate("Analysis", "%n blank", nullptr, r.blank));
    if (r.swapped > 0) {
        QStringList pairs;
        for (int k = 0; k < r.swaps.size() && k < 5; ++k)
            pairs.append(pairText(r.swaps.at(k)));
        if (r.swaps.size() > 5)
            pairs.append(QStringLiteral("…"));
        parts.append(QCoreApplication::translate("Analysis", "%n swapped (%1)", nullptr, r.swapped)
                         .arg(pairs.join(QStringLiteral(", "))));
    }
    return parts.isEmpty() ? QCoreApplication::translate("Analysis", "No mistakes") : parts.join(QStringLiteral("; "));
}

QString RightInOrderText(const Result &r)
{
    return QCoreApplication::translate("Analysis", "Right in order: %1 of %2")
        .arg(QString::number(r.rightInOrder), QString::number(r.kinds.size()));
}

QString RowText(const Result &r, int row)
{
    QStringList parts;
    const auto add = [&parts](const QString &text) {
        if (!parts.contains(text))
            parts.append(text);
    };
    const auto fate = [&](int e) -> QString {
        for (const Swap &s : r.swaps)
            if (s.first == e || s.second == e)
                return QCoreApplication::translate("Analysis", "swapped (%1)").arg(pairText(s));
        switch (r.kinds.at(e)) {
        case Kind::Right:
            return QCoreApplication::translate("Analysis", "right");
        case Kind::Omitted:
            return QCoreApplication::translate("Analysis", "omitted");
        case Kind::Wrong:
            return QCoreApplication::translate("Analysis", "wrong");
        case Kind::Blank:
            return QCoreApplication::translate("Analysis", "blank");
        case Kind::Shifted:
        case Kind::Swapped:
            break;
        }
        return QString();
    };
    if (row >= 0 && row < r.kinds.size() && r.kinds.at(row) != Kind::Shifted)
        add(fate(row));
    if (row >= 0 && row < r.elementOf.size()) {
        const int e = r.elementOf.at(row);
        if (e < 0)
            add(r.answerEmpty.at(row) ? QCoreApplication::translate("Analysis", "no answer")
                                      : QCoreApplication::translate("Analysis", "inserted"));
        else if (r.kinds.at(e) == Kind::Shifted)
            add(QCoreApplication::translate("Analysis", "right but %1").arg(placesText(std::abs(e - row), e > row)));
        else if (e != row)
            add(fate(e));
    }
    parts.removeAll(QString());
    return parts.join(QStringLiteral("; "));
}

QVector<int> MissedElements(const Result &r)
{
    QVector<int> out;
    for (int e = 0; e < r.kinds.size(); ++e) {
        switch (r.kinds.at(e)) {
        case Kind::Omitted:
        case Kind::Swapped:
        case Kind::Wrong:
        case Kind::Blank:
            out.append(e);
            break;
        case Kind::Right:
        case Kind::Shifted:
            break;
        }
    }
    return out;
}

} // namespace Analysis
