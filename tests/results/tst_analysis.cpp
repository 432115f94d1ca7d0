#include "results/analysis.h"

#include <QTest>

namespace {

// Words apart by blanks; "_" is an empty text.
QStringList words(const QString &text)
{
    QStringList out = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (QString &word : out)
        if (word == QLatin1String("_"))
            word.clear();
    return out;
}

// Numbers 1..n as texts, each Element told apart from the others.
QStringList numbered(int n)
{
    QStringList out;
    for (int k = 1; k <= n; ++k)
        out.append(QString::number(k));
    return out;
}

QString elementsOf(const QStringList &elements, const QVector<int> &indices)
{
    QStringList out;
    for (int index : indices)
        out.append(elements.at(index).isEmpty() ? QStringLiteral("_") : elements.at(index));
    return out.join(QLatin1Char(' '));
}

} // namespace

class TestAnalysis : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void analyse_data();
    void analyse();
    void rows_data();
    void rows();
};

void TestAnalysis::analyse_data()
{
    QTest::addColumn<QStringList>("elements");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QString>("summary");
    QTest::addColumn<int>("inOrder");
    QTest::addColumn<QString>("missed");

    // clang-format off
    QTest::newRow("perfect") << words("a b c d") << words("a b c d") << "No mistakes" << 4 << "";
    // Mutant analysis-ellipsis5: five places are all named, without "…".
    QTest::newRow("five places named in full") << words("a b c d e f g h i j") << words("a b c d e")
        << "5 omitted at 6, 7, 8, 9, 10" << 5 << "f g h i j";
    // Mutant analysis-one-place: two places are "2 places", not "one place".
    QTest::newRow("two omitted, the rest two places late") << words("a b c d e f") << words("a d e f _ _")
        << "2 omitted at 2, 3; 3 right but 2 places late" << 4 << "b c";
    QTest::newRow("one omitted, the rest one place late")
        << words("a b c d e f") << words("a b d e f _") << "1 omitted at 3; 3 after it right but one place late" << 5
        << "c";
    QTest::newRow("neighbours swapped") << words("a b c d e") << words("a c b d e") << "1 swapped (2–3)" << 4
                                        << "b c";
    QTest::newRow("swapped at the very end") << words("a b c d") << words("a b d c") << "1 swapped (3–4)" << 3
                                             << "c d";
    QTest::newRow("wrong and blank") << words("a b c d") << words("a x c _") << "1 wrong; 1 blank" << 2 << "b d";
    QTest::newRow("an inserted answer pushes the rest one place early")
        << words("a b c d") << words("a x b c") << "1 omitted at 4; 1 inserted at 2; 2 right but one place early" << 3
        << "d";
    // Leaving b out and answering c one place late costs as much as a
    // wrong b and a blank c: the omission is the explanation taken.
    QTest::newRow("a tie is an omission, not wrong and blank")
        << words("a b c") << words("a c _") << "1 omitted at 2; 1 after it right but one place late" << 2 << "b";
    QTest::newRow("a tie is a swap, not two wrong") << words("a b") << words("b a") << "1 swapped (1–2)" << 1
                                                    << "a b";
    QTest::newRow("omitted, then a swap, the last row left empty")
        << words("10 20 30 40 50 60") << words("10 20 40 60 50 _")
        << "1 omitted at 3; 1 after it right but one place late; 1 swapped (5–6)" << 4 << "30 50 60";
    QTest::newRow("nothing matches") << words("a b c") << words("x y z") << "3 wrong" << 0 << "a b c";
    QTest::newRow("letter case and blanks count") << words("Cat dog") << QStringList{"cat", "dog "} << "2 wrong"
                                                  << 0 << "Cat dog";
    QTest::newRow("an empty Element answered empty is right") << words("a _ b") << words("a _ b") << "No mistakes"
                                                              << 3 << "";
    // The answer box's untouched "???" is no answer: blank, and at the end
    // of the sheet nothing at all.
    QTest::newRow("??? is blank, not wrong") << words("a b c") << words("a ??? ???") << "2 blank" << 1 << "b c";
    QTest::newRow("??? left over at the end is not inserted")
        << words("a b c") << words("a c ???") << "1 omitted at 2; 1 after it right but one place late" << 2 << "b";

    QStringList longAnswers = numbered(20);
    longAnswers.removeAt(6);          // 7 left out
    std::swap(longAnswers[9], longAnswers[10]); // 11 and 12, now in rows 10 and 11
    longAnswers[12] = QStringLiteral("x");      // 14
    longAnswers[14] = QStringLiteral("y");      // 16
    longAnswers.append(QString());
    QTest::newRow("omitted, swapped and wrong in one run")
        << numbered(20) << longAnswers << "1 omitted at 7; 9 after it right but one place late; 2 wrong; 1 swapped (11–12)"
        << 16 << "7 11 12 14 16";

    // A run as long as the band, where no anchor fits, is aligned exactly.
    QStringList pairsSwapped = numbered(Analysis::Band);
    for (int k = 0; k + 1 < pairsSwapped.size(); k += 2)
        std::swap(pairsSwapped[k], pairsSwapped[k + 1]);
    QTest::newRow("analysis-band: every pair swapped in a run of the band's length")
        << numbered(Analysis::Band) << pairsSwapped << "48 swapped (1–2, 3–4, 5–6, 7–8, 9–10, …)" << 48
        << numbered(Analysis::Band).join(QLatin1Char(' '));

    // Runs longer than the band go through the anchors; the same mistakes
    // far apart must still be told apart.
    QStringList far = numbered(2000);
    far.removeAt(1500);                  // 1501 left out
    far[999] = QStringLiteral("x");       // 1000
    std::swap(far[299], far[300]);        // 300 and 301
    far.insert(100, QStringLiteral("y")); // before 101
    QTest::newRow("mistakes far apart in a long run")
        << numbered(2000) << far
        << "1 omitted at 1501; 1 inserted at 101; 1397 right but one place early; 1 wrong; 1 swapped (300–301)" << 1997
        << "300 301 1000 1501";

    QStringList skipped = numbered(1000);
    skipped.remove(400, 60); // a stretch of 60 left out, within the band
    QTest::newRow("a long stretch left out") << numbered(1000) << skipped
                                             << "60 omitted at 401, 402, 403, 404, 405, …; 540 right but 60 places late"
                                             << 940 << elementsOf(numbered(1000), [] {
                                                    QVector<int> v;
                                                    for (int k = 400; k < 460; ++k)
                                                        v.append(k);
                                                    return v;
                                                }());

    QStringList none;
    for (int k = 0; k < 1000; ++k)
        none.append(QStringLiteral("z") + QString::number(k));
    QTest::newRow("a long run where nothing matches")
        << numbered(1000) << none << "1000 wrong" << 0 << elementsOf(numbered(1000), [] {
               QVector<int> v;
               // clang-format on
               for (int k = 0; k < 1000; ++k)
                   v.append(k);
               return v;
           }());
}

void TestAnalysis::analyse()
{
    QFETCH(QStringList, elements);
    QFETCH(QStringList, answers);
    QFETCH(QString, summary);
    QFETCH(int, inOrder);
    QFETCH(QString, missed);
    const Analysis::Result result = Analysis::Analyse(elements, answers);
    QCOMPARE(Analysis::Summary(result), summary);
    QCOMPARE(result.rightInOrder, inOrder);
    QCOMPARE(Analysis::RightInOrderText(result),
             QStringLiteral("Right in order: %1 of %2").arg(inOrder).arg(elements.size()));
    QCOMPARE(elementsOf(elements, Analysis::MissedElements(result)), missed);
}

void TestAnalysis::rows_data()
{
    QTest::addColumn<QStringList>("elements");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<bool>("caseCounts");
    QTest::addColumn<QStringList>("rows");
    // clang-format off
    QTest::newRow("omitted") << words("a b c d") << words("a c d _") << true
                             << QStringList{"right", "omitted; right but one place late", "right but one place late",
                                            "no answer"};
    QTest::newRow("inserted") << words("a b c") << words("x a b") << true
                              << QStringList{"inserted", "right but one place early",
                                             "omitted; right but one place early"};
    QTest::newRow("swapped, wrong, blank")
        << words("a b c d") << words("b a x _") << true
        << QStringList{"swapped (1–2)", "swapped (1–2)", "wrong", "blank"};
    QTest::newRow("??? blank, and no answer at the end") << words("a b c d") << words("a ??? d ???") << true
        << QStringList{"right", "blank", "omitted; right but one place late", "no answer"};
    // Word disciplines accept either letter case when it is ignored.
    QTest::newRow("Apple, apple: case counts") << words("Apple Pear") << words("apple Pear") << true
        << QStringList{"wrong", "right"};
    QTest::newRow("Apple, apple: case ignored") << words("Apple Pear") << words("apple Pear") << false
        << QStringList{"right", "right"};
    QTest::newRow("case ignored finds the omission")
        << words("Apple Pear Plum Fig") << words("apple PLUM fig _") << false
        << QStringList{"right", "omitted; right but one place late", "right but one place late", "no answer"};
    QTest::newRow("case ignored finds the swap") << words("Apple Pear Plum") << words("PEAR apple Plum") << false
        << QStringList{"swapped (1–2)", "swapped (1–2)", "right"};
    // clang-format on
}

void TestAnalysis::rows()
{
    QFETCH(QStringList, elements);
    QFETCH(QStringList, answers);
    QFETCH(bool, caseCounts);
    QFETCH(QStringList, rows);
    const Analysis::Result result =
        Analysis::Analyse(elements, answers, caseCounts ? Qt::CaseSensitive : Qt::CaseInsensitive);
    QStringList got;
    for (int row = 0; row < rows.size(); ++row)
        got.append(Analysis::RowText(result, row));
    QCOMPARE(got, rows);
}

QTEST_GUILESS_MAIN(TestAnalysis)
#include "tst_analysis.moc"
