#include "results/scoring.h"

#include <QTest>

class TestScoring : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void roundToFraction_followsTheDoubleValue_data();
    void roundToFraction_followsTheDoubleValue();
    void score_workedRuns_data();
    void score_workedRuns();
    void markFor_bandEdgesAndGaps_data();
    void markFor_bandEdgesAndGaps();
    void markKey_saysWhatMarkForGives();
    void shownTime_fromTheStoredFigures_data();
    void shownTime_fromTheStoredFigures();
};

void TestScoring::roundToFraction_followsTheDoubleValue_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<int>("a");
    QTest::addColumn<double>("expected");
    QTest::newRow("1.005 lies below the half") << 1.005 << 100 << 1.0;
    QTest::newRow("2.345 lies above the half") << 2.345 << 100 << 2.35;
    QTest::newRow("0.125") << 0.125 << 100 << 0.13;
    QTest::newRow("-0.125 away from zero") << -0.125 << 100 << -0.13;
    QTest::newRow("0.005") << 0.005 << 100 << 0.01;
    QTest::newRow("tenths 6.25") << 6.25 << 10 << 6.3;
    QTest::newRow("tenths 6.05 below the half") << 6.05 << 10 << 6.0;
    QTest::newRow("large whole part") << 123456.789 << 100 << 123456.79;
}

void TestScoring::roundToFraction_followsTheDoubleValue()
{
    QFETCH(double, x);
    QFETCH(int, a);
    QFETCH(double, expected);
    const double actual = RoundToFraction(x, a);
    QVERIFY2(actual == expected, qPrintable(QString::number(actual, 'g', 17)));
}

void TestScoring::score_workedRuns_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("total");
    QTest::addColumn<int>("mistakes");
    QTest::addColumn<quint32>("start");
    QTest::addColumn<quint32>("ms");
    QTest::addColumn<QString>("hms");
    QTest::addColumn<QString>("average");
    QTest::addColumn<double>("seconds");
    QTest::addColumn<QString>("koeff");
    QTest::addColumn<QString>("mark");
    // clang-format off
    QTest::newRow("exam 65 s") << 3 << 20 << 1 << 5000u << 65000u << "0:1:5" << "3,25" << 65.0 << "5,63" << "3-";
    QTest::newRow("training scores alike") << 2 << 20 << 1 << 5000u << 65000u << "0:1:5" << "3,25" << 65.0 << "5,63" << "3-";
    QTest::newRow("across a tick wrap") << 3 << 20 << 1 << 0xFFFFF000u << 65000u << "0:1:5" << "3,25" << 65.0 << "5,63" << "3-";
    QTest::newRow("59950 ms: 999-based minute") << 3 << 20 << 0 << 0u << 59950u << "0:1:0" << "3" << 59.95 << "6" << "3-";
    QTest::newRow("3596400 ms: one hour") << 2 << 20 << 0 << 9u << 3596400u << "1:0:0" << "180" << 3596.4 << "-111,88" << "2";
    QTest::newRow("negative Koeff") << 2 << 20 << 20 << 0u << 900000u << "0:15:0" << "45" << 900.0 << "-26" << "2";
    QTest::newRow("introductory, 2 mistakes") << 1 << 20 << 2 << 0u << 120000u << "0:2:0" << "6" << 120.0 << "3,6" << "2";
    QTest::newRow("introductory, 1 mistake") << 1 << 20 << 1 << 0u << 120000u << "0:2:0" << "6" << 120.0 << "3,8" << "3-";
    QTest::newRow("introductory, none") << 1 << 20 << 0 << 0u << 120000u << "0:2:0" << "6" << 120.0 << "4" << "3-";
    QTest::newRow("master, 19 of 200") << 3 << 200 << 19 << 0u << 486000u << "0:8:6" << "2,43" << 486.0 << "60" << "Master";
    QTest::newRow("no master, 20 of 200") << 3 << 200 << 20 << 0u << 480000u << "0:8:0" << "2,4" << 480.0 << "60" << "5";
    // clang-format on
}

void TestScoring::score_workedRuns()
{
    QFETCH(int, mode);
    QFETCH(int, total);
    QFETCH(int, mistakes);
    QFETCH(quint32, start);
    QFETCH(quint32, ms);
    QFETCH(QString, hms);
    QFETCH(QString, average);
    QFETCH(double, seconds);
    QFETCH(QString, koeff);
    QFETCH(QString, mark);
    AnswerSheet sheet;
    sheet.SetRowCount(total);
    for (int r = 0; r < total; ++r)
        sheet.SetCell(AnswerSheet::Number, r, QString::number(r + 1));
    const auto result = Scoring::Score(sheet, mode, start, start + ms, mistakes);
    QVERIFY(result.has_value());
    const QStringList counts{result->report.Total, result->report.Right, result->report.Errors};
    QCOMPARE(counts,
             (QStringList{QString::number(total), QString::number(total - mistakes), QString::number(mistakes)}));
    QCOMPARE(result->report.Time, hms + "  Average time for each number: " + average + " sec.");
    QVERIFY2(result->seconds == seconds, qPrintable(QString::number(result->seconds, 'g', 17)));
    QCOMPARE(result->report.Koeff, koeff);
    QCOMPARE(result->report.Mark, mark);
}

void TestScoring::markFor_bandEdgesAndGaps_data()
{
    QTest::addColumn<double>("koeff");
    QTest::addColumn<int>("errors");
    QTest::addColumn<QString>("mark");
    // Both ends of every band out of 20 Elements, and values between bands.
    const std::pair<double, const char *> edges[] = {
        {-26, "2"},  {3.6, "2"},  {3.65, "2"},  {3.7, "3-"},    {11.3, "3-"}, {11.35, "3-"},
        {11.4, "3"}, {18.8, "3"}, {18.89, "3"}, {18.9, "4-"},   {28.4, "4-"}, {28.45, "4-"},
        {28.5, "4"}, {37.8, "4"}, {37.81, "4"}, {37.9, "5-"},   {47.4, "5-"}, {47.49, "5-"},
        {47.5, "5"}, {56.9, "5"}, {56.95, "5"}, {57, "Master"},
    };
    for (const auto &[koeff, mark] : edges)
        QTest::newRow(qPrintable(QString::number(koeff))) << koeff << 0 << QString::fromLatin1(mark);
    QTest::newRow("57, 1 error") << 57.0 << 1 << "Master";
    QTest::newRow("57, 2 errors") << 57.0 << 2 << "5";
    // 369 x 0.01 + 0.01 lies just below the double 3.7, yet is 370 hundredths.
    QTest::newRow("edge reached by a sum") << 369 * 0.01 + 0.01 << 0 << "3-";
}

void TestScoring::markFor_bandEdgesAndGaps()
{
    QFETCH(double, koeff);
    QFETCH(int, errors);
    QFETCH(QString, mark);
    QCOMPARE(Scoring::MarkFor(koeff, 20, errors), mark);
}

void TestScoring::markKey_saysWhatMarkForGives()
{
    // Every edge of the key gives its mark, and a hundredth below it the
    // mark of the band beneath.
    const QVector<Scoring::MarkBand> bands = Scoring::MarkBands();
    QCOMPARE(bands.size(), 8);
    QCOMPARE(Scoring::MarkFor(-100, 20, 0), bands.first().mark);
    for (qsizetype i = 1; i < bands.size(); ++i) {
        const double edge = bands.at(i).fromHundredths / 100.0;
        QCOMPARE(Scoring::MarkFor(edge, 20, 0), bands.at(i).mark);
        QCOMPARE(Scoring::MarkFor(edge - 0.01, 20, 0), bands.at(i - 1).mark);
    }
    QCOMPARE(Scoring::MarkKey(),
             QString::fromUtf8("Marks: 2 <3,7 \u00B7 3- \u22653,7 \u00B7 3 \u226511,4 \u00B7 4- \u226518,9\n"
                               "4 \u226528,5 \u00B7 5- \u226537,9 \u00B7 5 \u226547,5 \u00B7 "
                               "Master \u226557 (<1 in 10 wrong)"));
    QVERIFY(Scoring::MarkKeyInWords().startsWith(QStringLiteral("A Koeff below 3,7 gives the mark 2; from 3,7, 3-;")));
}

// The report shows the stored time line with minutes and seconds of two
// digits; a line of another shape is shown as stored, never half read.
void TestScoring::shownTime_fromTheStoredFigures_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("shown");
    const QString tail = "  Average time for each number: ";
    // clang-format off
    QTest::newRow("0:1:5") << "0:1:5" + tail + "3,25 sec." << "0:01:05" + tail + "3,25 sec.";
    QTest::newRow("1:0:0") << "1:0:0" + tail + "180 sec." << "1:00:00" + tail + "180 sec.";
    QTest::newRow("0:15:59") << "0:15:59" + tail + "45 sec." << "0:15:59" + tail + "45 sec.";
    QTest::newRow("a blank after it") << "0:1:5" + tail + "3 sec. " << "0:1:5" + tail + "3 sec. ";
    QTest::newRow("no average") << "0:1:5" + tail + " sec." << "0:1:5" + tail + " sec.";
    QTest::newRow("written by hand") << QString("about a minute") << QString("about a minute");
    // clang-format on
}

void TestScoring::shownTime_fromTheStoredFigures()
{
    QFETCH(QString, stored);
    QFETCH(QString, shown);
    QCOMPARE(Scoring::ShownTime(stored), shown);
}

QTEST_GUILESS_MAIN(TestScoring)
#include "tst_scoring.moc"
