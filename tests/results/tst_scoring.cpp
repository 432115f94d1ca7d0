#include "results/numbertext.h"
#include "results/scoring.h"

#include <QTest>

namespace {

// A sheet of `rows` Elements numbered as the runner numbers them.
AnswerSheet numberedSheet(int rows)
{
    AnswerSheet sheet;
    sheet.SetRowCount(rows);
    for (int r = 0; r < rows; ++r) {
        sheet.SetCell(AnswerSheet::Number, r, QString::number(r + 1));
        sheet.SetCell(AnswerSheet::Text, r, QString::number(r * 7 % 99));
    }
    return sheet;
}

} // namespace

class TestScoring : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void roundToFraction_followsTheDoubleValue_data();
    void roundToFraction_followsTheDoubleValue();
    void numberText_commaAndNoTrailingZeros_data();
    void numberText_commaAndNoTrailingZeros();
    void score_workedRuns_data();
    void score_workedRuns();
    void markFor_bandsEdgesAndGaps_data();
    void markFor_bandsEdgesAndGaps();
    void score_unscoredSheets_data();
    void score_unscoredSheets();
};

void TestScoring::roundToFraction_followsTheDoubleValue_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<int>("a");
    QTest::addColumn<double>("expected");
    QTest::newRow("1.005 lies below the half") << 1.005 << 100 << 1.0;
    QTest::newRow("2.345 lies above the half") << 2.345 << 100 << 2.35;
    QTest::newRow("0.125 half up") << 0.125 << 100 << 0.13;
    QTest::newRow("-0.125 half away from zero") << -0.125 << 100 << -0.13;
    QTest::newRow("0.005") << 0.005 << 100 << 0.01;
    QTest::newRow("-2.345") << -2.345 << 100 << -2.35;
    QTest::newRow("5.6333 down") << (20.0 - 65.0 / 6.0 + 19.0) / 5.0 << 100 << 5.63;
    QTest::newRow("tenths 6.25") << 6.25 << 10 << 6.3;
    QTest::newRow("tenths 6.05 below the half") << 6.05 << 10 << 6.0;
    QTest::newRow("whole stays") << -26.0 << 100 << -26.0;
    QTest::newRow("large whole part") << 123456.789 << 100 << 123456.79;
}

void TestScoring::roundToFraction_followsTheDoubleValue()
{
    QFETCH(double, x);
    QFETCH(int, a);
    QFETCH(double, expected);
    const double actual = RoundToFraction(x, a);
    // Exact: the program compares and prints these values.
    QVERIFY2(actual == expected, qPrintable(QString::number(actual, 'g', 17)));
}

void TestScoring::numberText_commaAndNoTrailingZeros_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("hundredths") << 5.63 << QStringLiteral("5,63");
    QTest::newRow("tenths") << 12.5 << QStringLiteral("12,5");
    QTest::newRow("whole") << 7.0 << QStringLiteral("7");
    QTest::newRow("negative") << -26.0 << QStringLiteral("-26");
    QTest::newRow("negative fraction") << -3.5 << QStringLiteral("-3,5");
    QTest::newRow("negative zero") << -0.0 << QStringLiteral("0");
    QTest::newRow("fifteen digits") << 0.1 + 0.2 << QStringLiteral("0,3");
}

void TestScoring::numberText_commaAndNoTrailingZeros()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(NumberText::FromDouble(value), text);
    double back = 0;
    QVERIFY(NumberText::ToDouble(text, &back));
    QCOMPARE(NumberText::FromDouble(back), text);
}

void TestScoring::score_workedRuns_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("total");
    QTest::addColumn<int>("mistakes");
    QTest::addColumn<quint32>("start");
    QTest::addColumn<quint32>("ms");
    QTest::addColumn<QString>("time");
    QTest::addColumn<double>("seconds");
    QTest::addColumn<QString>("koeff");
    QTest::addColumn<QString>("mark");

    const QString avg = QStringLiteral("  Average time for each number: ");
    QTest::newRow("exam 65 s, one mistake") << 3 << 20 << 1 << 5000u << 65000u
                                            << QStringLiteral("0:1:5") + avg + QStringLiteral("3,25 sec.") << 65.0
                                            << QStringLiteral("5,63") << QStringLiteral("3-");
    QTest::newRow("training scores like the exam") << 2 << 20 << 1 << 5000u << 65000u
                                                   << QStringLiteral("0:1:5") + avg + QStringLiteral("3,25 sec.")
                                                   << 65.0 << QStringLiteral("5,63") << QStringLiteral("3-");
    QTest::newRow("across a tick wrap") << 3 << 20 << 1 << 0xFFFFF000u << 65000u
                                        << QStringLiteral("0:1:5") + avg + QStringLiteral("3,25 sec.") << 65.0
                                        << QStringLiteral("5,63") << QStringLiteral("3-");
    QTest::newRow("59950 ms shows a minute, counts 59.95 s")
        << 3 << 20 << 0 << 0u << 59950u << QStringLiteral("0:1:0") + avg + QStringLiteral("3 sec.") << 59.95
        << QStringLiteral("6") << QStringLiteral("3-");
    QTest::newRow("3596400 ms is one hour")
        << 2 << 20 << 0 << 100u << 3596400u << QStringLiteral("1:0:0") + avg + QStringLiteral("180 sec.") << 3596.4
        << QStringLiteral("-111,88") << QStringLiteral("2");
    QTest::newRow("long phase makes a negative Koeff")
        << 2 << 20 << 20 << 0u << 900000u << QStringLiteral("0:15:0") + avg + QStringLiteral("45 sec.") << 900.0
        << QStringLiteral("-26") << QStringLiteral("2");
    QTest::newRow("introductory, two mistakes")
        << 1 << 20 << 2 << 0u << 120000u << QStringLiteral("0:2:0") + avg + QStringLiteral("6 sec.") << 120.0
        << QStringLiteral("3,6") << QStringLiteral("2");
    QTest::newRow("introductory, one mistake") << 1 << 20 << 1 << 0u << 120000u
                                               << QStringLiteral("0:2:0") + avg + QStringLiteral("6 sec.") << 120.0
                                               << QStringLiteral("3,8") << QStringLiteral("3-");
    QTest::newRow("introductory, no mistake") << 1 << 20 << 0 << 0u << 120000u
                                              << QStringLiteral("0:2:0") + avg + QStringLiteral("6 sec.") << 120.0
                                              << QStringLiteral("4") << QStringLiteral("3-");
    QTest::newRow("master, 19 errors in 200")
        << 3 << 200 << 19 << 0u << 486000u << QStringLiteral("0:8:6") + avg + QStringLiteral("2,43 sec.") << 486.0
        << QStringLiteral("60") << QStringLiteral("Master");
    QTest::newRow("not master, 20 errors in 200")
        << 3 << 200 << 20 << 0u << 480000u << QStringLiteral("0:8:0") + avg + QStringLiteral("2,4 sec.") << 480.0
        << QStringLiteral("60") << QStringLiteral("5");
}

void TestScoring::score_workedRuns()
{
    QFETCH(int, mode);
    QFETCH(int, total);
    QFETCH(int, mistakes);
    QFETCH(quint32, start);
    QFETCH(quint32, ms);
    QFETCH(QString, time);
    QFETCH(double, seconds);
    QFETCH(QString, koeff);
    QFETCH(QString, mark);

    const auto result = Scoring::Score(numberedSheet(total), mode, start, start + ms, mistakes);
    QVERIFY(result.has_value());
    QCOMPARE(result->report.Total, QString::number(total));
    QCOMPARE(result->report.Errors, QString::number(mistakes));
    QCOMPARE(result->report.Right, QString::number(total - mistakes));
    QCOMPARE(result->report.Time, time);
    QVERIFY2(result->seconds == seconds, qPrintable(QString::number(result->seconds, 'g', 17)));
    QCOMPARE(result->report.Koeff, koeff);
    QCOMPARE(result->report.Mark, mark);
}

void TestScoring::markFor_bandsEdgesAndGaps_data()
{
    QTest::addColumn<double>("koeff");
    QTest::addColumn<int>("total");
    QTest::addColumn<int>("errors");
    QTest::addColumn<QString>("mark");
    struct Edge
    {
        double koeff;
        const char *mark;
    };
    // Both ends of every band, and values in the gaps between bands.
    const Edge edges[] = {
        {-26, "2"},    {0, "2"},      {3.6, "2"},    {3.65, "2"},   {3.69, "2"},   {3.7, "3-"},   {11.3, "3-"},
        {11.35, "3-"}, {11.4, "3"},   {18.8, "3"},   {18.85, "3"},  {18.9, "4-"},  {28.4, "4-"},  {28.45, "4-"},
        {28.5, "4"},   {37.8, "4"},   {37.89, "4"},  {37.9, "5-"},  {47.4, "5-"},  {47.41, "5-"}, {47.5, "5"},
        {56.9, "5"},   {56.95, "5"},  {56.99, "5"},
    };
    for (const Edge &e : edges)
        QTest::newRow(qPrintable(QString::number(e.koeff))) << e.koeff << 20 << 0 << QString::fromLatin1(e.mark);
    QTest::newRow("57, 1 error in 20") << 57.0 << 20 << 1 << QStringLiteral("Master");
    QTest::newRow("57, 2 errors in 20") << 57.0 << 20 << 2 << QStringLiteral("5");
    QTest::newRow("60, 19 in 200") << 60.0 << 200 << 19 << QStringLiteral("Master");
    QTest::newRow("60, 20 in 200") << 60.0 << 200 << 20 << QStringLiteral("5");
    // 369 x 0.01 + 0.01 lies just below the double 3.7 but is 370 hundredths.
    QTest::newRow("edge reached by a sum") << 369 * 0.01 + 0.01 << 20 << 0 << QStringLiteral("3-");
}

void TestScoring::markFor_bandsEdgesAndGaps()
{
    QFETCH(double, koeff);
    QFETCH(int, total);
    QFETCH(int, errors);
    QFETCH(QString, mark);
    QCOMPARE(Scoring::MarkFor(koeff, total, errors), mark);
}

void TestScoring::score_unscoredSheets_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<bool>("secondNumbered");
    QTest::addColumn<bool>("scored");
    QTest::newRow("one Element") << 1 << false << false;
    QTest::newRow("second row not reached") << 2 << false << false;
    QTest::newRow("two Elements") << 2 << true << true;
}

void TestScoring::score_unscoredSheets()
{
    QFETCH(int, rows);
    QFETCH(bool, secondNumbered);
    QFETCH(bool, scored);
    AnswerSheet sheet;
    sheet.SetRowCount(rows);
    sheet.SetCell(AnswerSheet::Number, 0, QStringLiteral("1"));
    if (secondNumbered)
        sheet.SetCell(AnswerSheet::Number, 1, QStringLiteral("2"));
    QCOMPARE(Scoring::Score(sheet, 2, 0, 10000, 0).has_value(), scored);
}

QTEST_GUILESS_MAIN(TestScoring)
#include "tst_scoring.moc"
