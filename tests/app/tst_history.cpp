#include "app/history.h"
#include "tests/testsupport.h"

#include <QTest>

namespace {

// A results file with one section per (name, Koeff) pair.
QByteArray resultsFile(const QList<QPair<QString, QString>> &runs)
{
    QByteArray out;
    for (const auto &run : runs)
        out += "[" + run.first.toUtf8() + "]\r\nTotal=20\r\nMark=3\r\nKoeff=" + run.second.toUtf8() + "\r\n\r\n";
    return out;
}

QString runName(int i) { return QStringLiteral("01.02.2026 10:%1:%2").arg(i / 60, 2, 10, QLatin1Char('0')).arg(i % 60, 2, 10, QLatin1Char('0')); }

} // namespace

class TestHistory : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void missingFile_oneEmptyRow();
    void axisMaximum_data();
    void axisMaximum();
    void rowsNewestFirst_capAt100_data();
    void rowsNewestFirst_capAt100();
    void bars_skipUnparsedKoeff_colourByRow();
    void shortName_isWholeLabel();
    void emptyNames_takeNoRow();
};

void TestHistory::missingFile_oneEmptyRow()
{
    TestDataDir dir;
    const History::Listing l = History::Read(dir.path(QStringLiteral("examres.ini")));
    QCOMPARE(l.rows.size(), 1);
    QVERIFY(l.rows.first().name.isEmpty() && l.rows.first().koeff.isEmpty() && l.rows.first().mark.isEmpty());
    QVERIFY(l.bars.isEmpty());
    QCOMPARE(l.axisMaximum, 1.0);
}

void TestHistory::axisMaximum_data()
{
    QTest::addColumn<QStringList>("koeffs");
    QTest::addColumn<double>("axis");
    QTest::newRow("0,5 and 7,25") << QStringList{QStringLiteral("0,5"), QStringLiteral("7,25")} << 7.75;
    QTest::newRow("all zero") << QStringList{QStringLiteral("0"), QStringLiteral("0")} << 1.0;
    QTest::newRow("all negative") << QStringList{QStringLiteral("-3,5"), QStringLiteral("-26")} << 1.0;
    QTest::newRow("unparsed ignored") << QStringList{QStringLiteral("7.25"), QStringLiteral("abc"), QString(), QStringLiteral("2")} << 2.5;
}

void TestHistory::axisMaximum()
{
    QFETCH(QStringList, koeffs);
    QFETCH(double, axis);
    TestDataDir dir;
    QList<QPair<QString, QString>> runs;
    for (int i = 0; i < koeffs.size(); ++i)
        runs.append({runName(i), koeffs.at(i)});
    dir.write(QStringLiteral("testres.ini"), resultsFile(runs));
    const History::Listing l = History::Read(dir.path(QStringLiteral("testres.ini")));
    QCOMPARE(l.axisMaximum, axis);
}

void TestHistory::rowsNewestFirst_capAt100_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("listed");
    QTest::newRow("1") << 1 << 1;
    QTest::newRow("7") << 7 << 7;
    QTest::newRow("100") << 100 << 100;
    QTest::newRow("101") << 101 << 100;
    QTest::newRow("250") << 250 << 100;
}

void TestHistory::rowsNewestFirst_capAt100()
{
    QFETCH(int, stored);
    QFETCH(int, listed);
    TestDataDir dir;
    QList<QPair<QString, QString>> runs;
    for (int i = 0; i < stored; ++i)
        runs.append({runName(i), QString::number(i)});
    dir.write(QStringLiteral("examres.ini"), resultsFile(runs));
    const History::Listing l = History::Read(dir.path(QStringLiteral("examres.ini")));
    QCOMPARE(l.rows.size(), listed);
    // The first `listed` sections of the file, the last of them on top.
    for (int r = 0; r < listed; ++r) {
        QCOMPARE(l.rows.at(r).name, runName(listed - 1 - r));
        QCOMPARE(l.rows.at(r).koeff, QString::number(listed - 1 - r));
        QCOMPARE(l.rows.at(r).mark, QStringLiteral("3"));
    }
}

void TestHistory::bars_skipUnparsedKoeff_colourByRow()
{
    TestDataDir dir;
    // File order = oldest first; rows are reversed, so row 0 is "g".
    const QStringList koeffs{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("abc"), QStringLiteral("4"),
                             QStringLiteral("5,5"), QStringLiteral("6"), QStringLiteral("7")};
    QList<QPair<QString, QString>> runs;
    for (int i = 0; i < koeffs.size(); ++i)
        runs.append({runName(i), koeffs.at(i)});
    dir.write(QStringLiteral("examres.ini"), resultsFile(runs));
    const History::Listing l = History::Read(dir.path(QStringLiteral("examres.ini")));
    QCOMPARE(l.rows.size(), 7);
    QCOMPARE(l.rows.at(4).koeff, QStringLiteral("abc")); // listed as stored
    // Bars oldest first (row 6 leftmost), the unparsed one left out.
    const QList<double> values{1, 2, 4, 5.5, 6, 7};
    const QList<int> rows{6, 5, 3, 2, 1, 0};
    QCOMPARE(l.bars.size(), values.size());
    for (int i = 0; i < values.size(); ++i) {
        QCOMPARE(l.bars.at(i).value, values.at(i));
        int r, g, b;
        History::BarColour(rows.at(i), &r, &g, &b);
        QCOMPARE(l.bars.at(i).red, r);
        QCOMPARE(l.bars.at(i).green, g);
        QCOMPARE(l.bars.at(i).blue, b);
        QCOMPARE(l.bars.at(i).label, QStringLiteral("01.02.2026"));
    }
    // Rows 5 and 6 stand side by side, both red; row 1 is yellow, row 4 magenta.
    QCOMPARE((QList<int>{l.bars.at(0).red, l.bars.at(0).green, l.bars.at(0).blue}), (QList<int>{255, 0, 0}));
    QCOMPARE((QList<int>{l.bars.at(1).red, l.bars.at(1).green, l.bars.at(1).blue}), (QList<int>{255, 0, 0}));
    QCOMPARE((QList<int>{l.bars.at(4).red, l.bars.at(4).green, l.bars.at(4).blue}), (QList<int>{255, 255, 0}));
    int r, g, b;
    History::BarColour(4, &r, &g, &b);
    QCOMPARE((QList<int>{r, g, b}), (QList<int>{255, 0, 255}));
    History::BarColour(3, &r, &g, &b);
    QCOMPARE((QList<int>{r, g, b}), (QList<int>{0, 255, 255}));
    History::BarColour(2, &r, &g, &b);
    QCOMPARE((QList<int>{r, g, b}), (QList<int>{0, 255, 0}));
}

void TestHistory::shortName_isWholeLabel()
{
    QCOMPARE(History::BarLabel(QStringLiteral("short")), QStringLiteral("short"));
    QCOMPARE(History::BarLabel(QStringLiteral("06.12.2026 20:54:09")), QStringLiteral("06.12.2026"));
    // A character beyond the Basic Multilingual Plane is one of the ten, never split.
    QCOMPARE(History::BarLabel(QStringLiteral("06.12.202\U0001F600 20:54")), QStringLiteral("06.12.202\U0001F600"));
}

void TestHistory::emptyNames_takeNoRow()
{
    TestDataDir dir;
    // 150 empty names among the first runs: the list still shows 100 runs.
    QByteArray file;
    for (int i = 0; i < 150; ++i)
        file += "[]\r\nKoeff=1\r\n";
    QList<QPair<QString, QString>> runs;
    for (int i = 0; i < 120; ++i)
        runs.append({runName(i), QString::number(i)});
    dir.write(QStringLiteral("examres.ini"), file + resultsFile(runs));
    const History::Listing l = History::Read(dir.path(QStringLiteral("examres.ini")));
    QCOMPARE(l.rows.size(), 100);
    QCOMPARE(l.rows.first().name, runName(99));
    QCOMPARE(l.rows.last().name, runName(0));
}

QTEST_GUILESS_MAIN(TestHistory)
#include "tst_history.moc"
