#include "app/history.h"
#include "results/storedsheets.h"
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

QString runName(int i)
{
    return QStringLiteral("01.02.2026 10:%1:%2")
        .arg(i / 60, 2, 10, QLatin1Char('0'))
        .arg(i % 60, 2, 10, QLatin1Char('0'));
}

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
    void readModule_narrowsToItsRuns_data();
    void readModule_narrowsToItsRuns();
    void movingAverage_lastFive_data();
    void movingAverage_lastFive();
    void csv_quotingAndNumbers_data();
    void csv_quotingAndNumbers();
    void csv_analysisOfEachStoredRun_data();
    void csv_analysisOfEachStoredRun();
    void csv_rowsOfTheRulebooks_data();
    void csv_rowsOfTheRulebooks();
    void exportCsv_keptModulesEndInDueAndInterval();
    void storedSheets_keysReadAsInMemory_data();
    void storedSheets_keysReadAsInMemory();
    void rightByPosition_data();
    void rightByPosition();
};

void TestHistory::missingFile_oneEmptyRow()
{
    TestDataDir dir;
    const History::Listing l = History::Read(dir.Path(QStringLiteral("examres.ini")));
    QCOMPARE(l.rows.size(), 1);
    QVERIFY(l.rows.first().name.isEmpty() && l.rows.first().Koeff.isEmpty() && l.rows.first().Mark.isEmpty());
    QVERIFY(l.bars.isEmpty());
    QCOMPARE(l.axisMaximum, 1.0);
}

void TestHistory::axisMaximum_data()
{
    QTest::addColumn<QStringList>("koeffs");
    QTest::addColumn<double>("axis");
    // clang-format off
    QTest::newRow("0,5 and 7,25") << QStringList{QStringLiteral("0,5"), QStringLiteral("7,25")} << 7.75;
    QTest::newRow("all zero") << QStringList{QStringLiteral("0"), QStringLiteral("0")} << 1.0;
    QTest::newRow("all negative") << QStringList{QStringLiteral("-3,5"), QStringLiteral("-26")} << 1.0;
    QTest::newRow("unparsed ignored") << QStringList{QStringLiteral("7.25"), QStringLiteral("abc"), QString(), QStringLiteral("2")} << 2.5;
    // clang-format on
}

void TestHistory::axisMaximum()
{
    QFETCH(QStringList, koeffs);
    QFETCH(double, axis);
    TestDataDir dir;
    QList<QPair<QString, QString>> runs;
    for (int i = 0; i < koeffs.size(); ++i)
        runs.append({runName(i), koeffs.at(i)});
    dir.Write(QStringLiteral("testres.ini"), resultsFile(runs));
    const History::Listing l = History::Read(dir.Path(QStringLiteral("testres.ini")));
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
    dir.Write(QStringLiteral("examres.ini"), resultsFile(runs));
    const History::Listing l = History::Read(dir.Path(QStringLiteral("examres.ini")));
    QCOMPARE(l.rows.size(), listed);
    // The last `listed` sections of the file (the newest), the last on top.
    for (int r = 0; r < listed; ++r) {
        QCOMPARE(l.rows.at(r).name, runName(stored - 1 - r));
        QCOMPARE(l.rows.at(r).Koeff, QString::number(stored - 1 - r));
        QCOMPARE(l.rows.at(r).Mark, QStringLiteral("3"));
    }
}

void TestHistory::bars_skipUnparsedKoeff_colourByRow()
{
    TestDataDir dir;
    // File order = oldest first; rows are reversed, so row 0 is "g".
    const QStringList koeffs{QStringLiteral("1"),   QStringLiteral("2"), QStringLiteral("abc"), QStringLiteral("4"),
                             QStringLiteral("5,5"), QStringLiteral("6"), QStringLiteral("7")};
    QList<QPair<QString, QString>> runs;
    for (int i = 0; i < koeffs.size(); ++i)
        runs.append({runName(i), koeffs.at(i)});
    dir.Write(QStringLiteral("examres.ini"), resultsFile(runs));
    const History::Listing l = History::Read(dir.Path(QStringLiteral("examres.ini")));
    QCOMPARE(l.rows.size(), 7);
    QCOMPARE(l.rows.at(4).Koeff, QStringLiteral("abc")); // listed as stored
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
    // The date whole, however long, and the time left out, whatever its form.
    QCOMPARE(History::BarLabel(QStringLiteral("11 Dec 2026 14:05:33")), QStringLiteral("11 Dec 2026"));
    QCOMPARE(History::BarLabel(QStringLiteral("12/16/2026 8:05:03 PM")), QStringLiteral("12/16/2026"));
    // A character beyond the Basic Multilingual Plane is one of the ten, never split.
    QCOMPARE(History::BarLabel(QStringLiteral("06.12.202\U0001F600 20:54")), QStringLiteral("06.12.202\U0001F600"));
}

void TestHistory::emptyNames_takeNoRow()
{
    TestDataDir dir;
    // 150 empty names among the last runs: the list still shows 100 runs.
    QByteArray file;
    for (int i = 0; i < 150; ++i)
        file += "[]\r\nKoeff=1\r\n";
    QList<QPair<QString, QString>> runs;
    for (int i = 0; i < 120; ++i)
        runs.append({runName(i), QString::number(i)});
    dir.Write(QStringLiteral("examres.ini"), resultsFile(runs) + file);
    const History::Listing l = History::Read(dir.Path(QStringLiteral("examres.ini")));
    QCOMPARE(l.rows.size(), 100);
    QCOMPARE(l.rows.first().name, runName(119));
    QCOMPARE(l.rows.last().name, runName(20));
}

void TestHistory::readModule_narrowsToItsRuns_data()
{
    QTest::addColumn<int>("runs"); // run i has Module "A" when i % 3 == 0, "B" when 1, none when 2
    QTest::addColumn<QString>("module");
    QTest::addColumn<QList<int>>("rows"); // the runs listed, top row first
    QTest::newRow("A") << 7 << "A" << QList<int>{6, 3, 0};
    QTest::newRow("B") << 7 << "B" << QList<int>{4, 1};
    QTest::newRow("exactly that name") << 7 << "a" << QList<int>{};
    QList<int> last100;
    for (int i = 447; i >= 150; i -= 3)
        last100 << i;
    QTest::newRow("the last 100 of 150") << 450 << "A" << last100;
}

void TestHistory::readModule_narrowsToItsRuns()
{
    QFETCH(int, runs);
    QFETCH(QString, module);
    QFETCH(QList<int>, rows);
    QVector<ResultsStore::RunSummary> all;
    for (int i = 0; i < runs; ++i) {
        ResultsStore::RunSummary run;
        run.name = runName(i);
        run.Koeff = QString::number(i) + QStringLiteral(",5");
        run.Mark = QStringLiteral("3");
        run.Module = i % 3 == 0 ? QStringLiteral("A") : i % 3 == 1 ? QStringLiteral("B") : QString();
        all << run;
    }
    QCOMPARE(History::ModuleNames(all), (QStringList{QStringLiteral("A"), QStringLiteral("B")}));
    const History::Listing l = History::ReadModule(all, module);
    QStringList names;
    for (const History::Row &row : l.rows)
        names << row.name;
    QStringList expected;
    for (int i : rows)
        expected << runName(i);
    QCOMPARE(names, expected.isEmpty() ? QStringList{QString()} : expected);
    // Bars oldest first, coloured by row as the whole history's are.
    QCOMPARE(l.bars.size(), rows.size());
    for (int b = 0; b < l.bars.size(); ++b) {
        QCOMPARE(l.bars.at(b).value, rows.at(rows.size() - 1 - b) + 0.5);
        int r, g, bl;
        History::BarColour(int(rows.size()) - 1 - b, &r, &g, &bl);
        QCOMPARE((QList<int>{l.bars.at(b).red, l.bars.at(b).green, l.bars.at(b).blue}), (QList<int>{r, g, bl}));
    }
    QCOMPARE(l.axisMaximum, rows.isEmpty() ? 1.0 : rows.first() + 1.0);
    QCOMPARE(History::RunsOf(all, module).size(), module == QLatin1String("A") ? (runs + 2) / 3 : rows.size());
}

void TestHistory::movingAverage_lastFive_data()
{
    QTest::addColumn<QList<double>>("values");
    QTest::addColumn<QList<double>>("averages");
    QTest::newRow("none") << QList<double>{} << QList<double>{};
    QTest::newRow("fewer than five: all so far") << QList<double>{2, 4, 9} << QList<double>{2, 3, 5};
    QTest::newRow("then the last five") << QList<double>{1, 2, 3, 4, 5, 6, 12}
                                        << QList<double>{1, 1.5, 2, 2.5, 3, 4, 6};
    QTest::newRow("negative Koeffs count") << QList<double>{-26, 4} << QList<double>{-26, -11};
}

void TestHistory::movingAverage_lastFive()
{
    QFETCH(QList<double>, values);
    QFETCH(QList<double>, averages);
    QVector<History::Bar> bars;
    for (double v : values)
        bars << History::Bar{v, QString(), 0, 0, 0};
    const QVector<double> got = History::MovingAverage(bars);
    QCOMPARE(got.size(), averages.size());
    for (int i = 0; i < got.size(); ++i)
        QVERIFY2(qAbs(got.at(i) - averages.at(i)) < 1e-9, qPrintable(QString::number(i)));
}

void TestHistory::csv_quotingAndNumbers_data()
{
    // name, Total, Errors, Time, Mark, Koeff, Module, From, To
    QTest::addColumn<QStringList>("run");
    QTest::addColumn<QString>("line");
    const QString time = QStringLiteral("0:1:5  Average time for each number: 3,25 sec.");
    // clang-format off
    QTest::newRow("plain") << QStringList{"06.12.2026 20:54:09", "20", "1", time, "3-", "5,63", "Capitals", "Paris", "Oslo"}
                           << "06.12.2026 20:54:09,Capitals,Paris,Oslo,20,1,19,65,5.63,3-";
    QTest::newRow("comma, quote, line break quoted")
        << QStringList{"12/6/2026 8:05:03 AM", "2", "0", "1:0:0", "2", "-26", "Say \"hi\", all", "a,b", "x\ny"}
        << "12/6/2026 8:05:03 AM,\"Say \"\"hi\"\", all\",\"a,b\",\"x\ny\",2,0,2,3600,-26,2";
    QTest::newRow("stored without a Module") << QStringList{"run", "20", "3", time, "4", "12,5", "", "", ""}
                                             << QString::fromUtf8("run,\u2014,\u2014,\u2014,20,3,17,65,12.5,4");
    QTest::newRow("numbers that do not parse stay empty; counts read as 0")
        << QStringList{"run", "", "many", "soon", "", "7.25", "M", "", ""} << "run,M,,,0,0,0,,,";
    QTest::newRow("a Time of ten-digit seconds is none") << QStringList{"run", "1", "0", "1:2:1234567890", "5", "9", "M", "1", "9"}
                                                         << "run,M,1,9,1,0,1,,9,5";
    QTest::newRow("a Time with a letter after its seconds is none")
        << QStringList{"run", "1", "0", "1:2:3s", "5", "9", "M", "1", "9"} << "run,M,1,9,1,0,1,,9,5";
    QTest::newRow("a Time followed by a tab; nine-digit hours")
        << QStringList{"run", "1", "0", "999999999:0:7\tx", "5", "9", "M", "1", "9"}
        << "run,M,1,9,1,0,1,3599999996407,9,5";
    QTest::newRow("hexadecimal Total, blanks around Koeff") << QStringList{"run", "$14", "0x2", time, "3", " 1,5e1 ", "M", "1", "9"}
                                                            << "run,M,1,9,20,2,18,65,1.5e1,3";
    QTest::newRow("texts a spreadsheet would run as formulas")
        << QStringList{"run", "1", "0", time, "5", "9", "=HYPERLINK(\"x\")", "-5", "@sum"}
        << "run,\"'=HYPERLINK(\"\"x\"\")\",-5,'@sum,1,0,1,65,9,5";
    // The lone surrogate stands for the byte E9 of the file.
    QTest::newRow("a byte that is not UTF-8 as U+FFFD, a pair kept")
        << QStringList{"run", "1", "0", time, "5", "9", QStringLiteral("Caf") + QChar(0xDCE9), "\U0001F600", "x"}
        << QString::fromUtf8("run,Caf\uFFFD,\U0001F600,x,1,0,1,65,9,5");
    // clang-format on
}

void TestHistory::csv_quotingAndNumbers()
{
    QFETCH(QStringList, run);
    QFETCH(QString, line);
    const ResultsStore::RunSummary summary{run.at(0), run.at(1), run.at(2), run.at(3), run.at(4),
                                           run.at(5), run.at(6), run.at(7), run.at(8)};
    const QByteArray csv = History::Csv({summary, summary});
    const QByteArray header = "\xEF\xBB\xBF"
                              "DateTime,Module,From,To,Total,Errors,Right,Time,Koeff,Mark\r\n";
    QCOMPARE(csv, header + line.toUtf8() + "\r\n" + line.toUtf8() + "\r\n");
}

void TestHistory::csv_analysisOfEachStoredRun_data()
{
    QTest::addColumn<int>("rule");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QString>("score");
    // clang-format off
    QTest::newRow("Koeff and mark") << 0 << "Score (Koeff and mark)" << "1.5";
    // a c e d f and no answer for a b c d e f: one mistake in each of the
    // first two rows, and the last row written as far as its e, wrong: half
    // of 1, rounded up.
    QTest::newRow("rows of 2") << 1 << "Score (Rows of 2)" << "3";
    QTest::newRow("until the first mistake") << 2 << "Score (Until the first mistake)" << "1";
    QTest::newRow("right answers") << 3 << "Score (Right answers)" << "2";
    // clang-format on
}

void TestHistory::csv_analysisOfEachStoredRun()
{
    QFETCH(int, rule);
    QFETCH(QString, heading);
    QFETCH(QString, score);
    TestDataDir dir;
    // b left out, d and e swapped; a later section of the same name, in
    // other letter case, is read by no one.
    dir.Write("examres.ini", "[Run]\r\nTotal=6\r\nKoeff=1,5\r\nRes=a,b,c,d,e,f\r\nAnsw=a,c,e,d,f,\r\n\r\n"
                             "[run]\r\nTotal=2\r\nRes=x,y\r\nAnsw=x,y\r\n");
    const ResultsStore::StoredSheets sheets(dir.Path("examres.ini"));
    // The lists are the columns of the sheet the reopen shows.
    const AnswerSheet sheet = sheets.Sheet("RUN");
    const ResultsStore::StoredSheets::Lists lists = sheets.ListsOf("RUN");
    QCOMPARE(lists.elements.size(), sheet.RowCount());
    QCOMPARE(lists.answers.size(), sheet.RowCount());
    for (int r = 0; r < sheet.RowCount(); ++r) {
        QCOMPARE(lists.elements.at(r), sheet.Cell(AnswerSheet::Text, r));
        QCOMPARE(lists.answers.at(r), sheet.Cell(AnswerSheet::Answer, r));
    }
    ResultsStore::RunSummary run;
    run.name = "RUN";
    run.Total = "6";
    run.Koeff = "1,5";
    const QByteArray csv = History::Csv({run},
                                        [&](const QString &section) {
                                            const ResultsStore::StoredSheets::Lists lists = sheets.ListsOf(section);
                                            return std::make_pair(lists.elements, lists.answers);
                                        },
                                        {SportScoring::Rule(rule), 2});
    const QList<QByteArray> lines = csv.split('\n');
    QCOMPARE(lines.at(0), "\xEF\xBB\xBF"
                          "DateTime,Module,From,To,Total,Errors,Right,Time,Koeff,Mark,Omitted,Inserted,"
                          "Swapped,Wrong,Blank,RightInOrder,"
                              + heading.toUtf8() + "\r");
    QCOMPARE(lines.at(1), "RUN,\u2014,\u2014,\u2014,6,0,6,,1.5,,1,0,1,0,0,4," + score.toUtf8() + "\r");
}

void TestHistory::csv_rowsOfTheRulebooks_data()
{
    QTest::addColumn<QString>("unanswered"); // what the last 15 answers hold
    QTest::addColumn<int>("wrongAt");        // a wrong answer at this position (from 1); 0: none
    QTest::addColumn<QByteArray>("report");  // config.ini's [Report]
    QTest::addColumn<QByteArray>("heading");
    QTest::addColumn<QByteArray>("analysis"); // Omitted,Inserted,Swapped,Wrong,Blank,RightInOrder,Score
    const QByteArray rows40 = "Scoring=1\r\nScoringRowLength=40\r\n";
    // 80 digits in rows of 40, the first 65 right, the rest not answered:
    // the last row scores the 25 written.
    // clang-format off
    QTest::newRow("65 right, 15 left blank") << "" << 0 << rows40 << QByteArray("Score (Rows of 40)") << QByteArray("0,0,0,0,15,65,65");
    QTest::newRow("65 right, 15 untouched ???") << "???" << 0 << rows40 << QByteArray("Score (Rows of 40)") << QByteArray("0,0,0,0,15,65,65");
    QTest::newRow("one mistake in the last row: half of 25") << "???" << 50 << rows40 << QByteArray("Score (Rows of 40)")
                                                             << QByteArray("0,0,0,1,15,64,53");
    QTest::newRow("one mistake in the last row, national rules") << "???" << 50 << rows40 + "ScoringHalfRow=0\r\n"
        << QByteArray("\"Score (Rows of 40, no half rows)\"") << QByteArray("0,0,0,1,15,64,40");
    QTest::newRow("a skipped row ends, case ignored: named in the heading") << "" << 0
        << rows40 + "ScoringSkippedRowEnds=1\r\nScoringLetterCase=0\r\n"
        << QByteArray("\"Score (Rows of 40, a skipped row ends, letter case ignored)\"") << QByteArray("0,0,0,0,15,65,65");
    QTest::newRow("right answers") << "???" << 0 << QByteArray("Scoring=3\r\n") << QByteArray("Score (Right answers)")
                                   << QByteArray("0,0,0,0,15,65,65");
    // clang-format on
}

void TestHistory::csv_rowsOfTheRulebooks()
{
    QFETCH(QString, unanswered);
    QFETCH(int, wrongAt);
    QFETCH(QByteArray, report);
    QFETCH(QByteArray, heading);
    QFETCH(QByteArray, analysis);
    QStringList elements;
    QStringList answers;
    for (int k = 1; k <= 80; ++k) {
        elements.append(QString::number(k * 7 % 10));
        answers.append(k > 65 ? unanswered : k == wrongAt ? QStringLiteral("x") : elements.last());
    }
    const int errors = wrongAt > 0 ? 16 : 15;
    TestDataDir dir;
    dir.Write("testres.ini", "[08.12.2026 19:00:00]\r\nTotal=80\r\nErrors=" + QByteArray::number(errors)
                                 + "\r\nTime=0:4:0  Average time for each number: 3 sec.\r\nMark=4\r\nKoeff=21,2\r\n"
                                   "Res="
                                 + elements.join(',').toUtf8() + "\r\nAnsw=" + answers.join(',').toUtf8()
                                 + "\r\nModule=Digits\r\nFrom=0\r\nTo=9\r\n\r\n");
    dir.Write("config.ini", "[Report]\r\n" + report);
    // As Export makes it: the runs listed, the choice read from config.ini.
    const ResultsStore::RunList list = ResultsStore::ListRuns(dir.Path("testres.ini"));
    History::ExportCsv(dir.Path("out.csv"), dir.Path("testres.ini"), History::RunsOf(list.runs, "Digits"),
                       SportScoring::Read(dir.Path("config.ini")));
    const QList<QByteArray> lines = dir.Read("out.csv").split('\n');
    QCOMPARE(lines.size(), 3);
    const QByteArray header = ",Omitted,Inserted,Swapped,Wrong,Blank,RightInOrder," + heading + "\r";
    QVERIFY2(lines.at(0).endsWith(header), lines.at(0).constData());
    QCOMPARE(lines.at(1), "08.12.2026 19:00:00,Digits,0,9,80," + QByteArray::number(errors) + ","
                              + QByteArray::number(80 - errors) + ",240,21.2,4," + analysis + "\r");
}

// Kept Modules add their schedule to every line of theirs; others, and a
// kept Module not yet run, leave both fields empty.
void TestHistory::exportCsv_keptModulesEndInDueAndInterval()
{
    TestDataDir dir;
    const QByteArray run = "\r\nTotal=2\r\nErrors=0\r\nKoeff=1\r\nRes=a,b\r\nAnsw=a,b\r\nModule=";
    dir.Write("testres.ini", "[1]" + run + "Digits\r\n\r\n[2]" + run + "Words\r\n\r\n[3]" + run + "Fresh\r\n\r\n");
    const ResultsStore::RunList list = ResultsStore::ListRuns(dir.Path("testres.ini"));
    History::ExportCsv(dir.Path("out.csv"), dir.Path("testres.ini"), list.runs, {},
                       {{"Digits", {QDate(2026, 12, 10), 3}}, {"Fresh", {}}});
    const QList<QByteArray> lines = dir.Read("out.csv").split('\n');
    QCOMPARE(lines.size(), 5);
    QVERIFY2(lines.at(0).endsWith(",RightInOrder,Score (Koeff and mark),Due,Interval\r"), lines.at(0).constData());
    QVERIFY2(lines.at(1).startsWith("1,Digits,") && lines.at(1).endsWith(",2,1,2026-12-10,3\r"),
             lines.at(1).constData());
    QVERIFY2(lines.at(2).startsWith("2,Words,") && lines.at(2).endsWith(",2,1,,\r"), lines.at(2).constData());
    QVERIFY2(lines.at(3).startsWith("3,Fresh,") && lines.at(3).endsWith(",2,1,,\r"), lines.at(3).constData());
}

void TestHistory::storedSheets_keysReadAsInMemory_data()
{
    // The lines of run RUN; its Elements and answers as in-memory reads
    // find its keys Total, Res and Answ.
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QStringList>("elements");
    QTest::addColumn<QStringList>("answers");
    QTest::newRow("keys in any letter case, blanks around")
        << QByteArray("  total = 2\r\n res =a, b \r\nANSW=\ta,x\r\n") << QStringList{"a", " b"}
        << QStringList{"a", "x"};
    QTest::newRow("a key given twice counts where it first stands; comments and lines without = passed over")
        << QByteArray("Total=2\r\n;Res=z,z\r\nRes\r\nRes=a,b\r\nRes=c,d\r\nAnsw=a,b\r\nAnsw=x,x\r\n")
        << QStringList{"a", "b"} << QStringList{"a", "b"};
    QTest::newRow("CR alone or LF alone ends a line")
        << QByteArray("Total=2\rRes=a,b\nAnsw=a,c\r") << QStringList{"a", "b"} << QStringList{"a", "c"};
    QTest::newRow("a name that is more than the key")
        << QByteArray("Total=2\r\nRes2=x,y\r\nResult=x,y\r\nRes=a,b\r\nAnsw=a,b\r\n") << QStringList{"a", "b"}
        << QStringList{"a", "b"};
    // U+017F folds to "s", as letter case is compared.
    QTest::newRow("a name with a long s")
        << QByteArray("Total=2\r\nRe\xC5\xBF=a,b\r\nAnsw=a,b\r\n") << QStringList{"a", "b"} << QStringList{"a", "b"};
    QTest::newRow("a byte that is not UTF-8, in a value and in a name")
        << QByteArray("Total=2\r\nRe\xE9=x,y\r\nRes=Caf\xE9,b\r\nAnsw=a,b\r\n")
        << QStringList{QStringLiteral("Caf") + QChar(0xDCE9), "b"} << QStringList{"a", "b"};
    QTest::newRow("a byte-order mark before the first key")
        << QByteArray("\xEF\xBB\xBFRes=x,y\r\nTotal=2\r\nAnsw=a,b\r\n") << QStringList{"", ""} << QStringList{"a", "b"};
    // Longer than the buffer the export reads the file through.
    const QByteArray longText(300000, 'a');
    QTest::newRow("a run longer than a piece read")
        << QByteArray("Total=2\r\nRes=" + longText + ",b\r\nAnsw=a,b\r\n  ")
        << QStringList{QString::fromLatin1(longText), "b"} << QStringList{"a", "b"};
}

void TestHistory::storedSheets_keysReadAsInMemory()
{
    QFETCH(QByteArray, body);
    QFETCH(QStringList, elements);
    QFETCH(QStringList, answers);
    TestDataDir dir;
    dir.Write("examres.ini", "[Other]\r\nRes=o\r\n[RUN]\r\n" + body + "[Next]\r\nRes=n\r\n");
    const ResultsStore::StoredSheets sheets(dir.Path("examres.ini"));
    const ResultsStore::StoredSheets::Lists lists = sheets.ListsOf("run");
    QCOMPARE(lists.elements, elements);
    QCOMPARE(lists.answers, answers);
    const AnswerSheet sheet = sheets.Sheet("run");
    QCOMPARE(sheet.RowCount(), elements.size());
    for (int r = 0; r < sheet.RowCount(); ++r) {
        QCOMPARE(sheet.Cell(AnswerSheet::Text, r), elements.at(r));
        QCOMPARE(sheet.Cell(AnswerSheet::Answer, r), answers.at(r));
    }

    // The export reads each listed run where the list found it: the same
    // columns for every run; and, once the file has changed since it was
    // listed, the same from a load of the file as it is now.
    const QString path = dir.Path("examres.ini");
    const QVector<ResultsStore::RunSummary> runs = ResultsStore::ListRuns(path).runs;
    QCOMPARE(runs.size(), 3);
    QVERIFY(ResultsStore::ForEachKeptSection(path, runs, [](qsizetype, QByteArrayView) {}));
    const auto exported = [&] {
        QList<QStringList> columns(runs.size() * 2);
        ResultsStore::ForEachSheet(path, runs, [&](qsizetype i, const ResultsStore::SheetColumns &sheet) {
            for (const QStringView text : sheet.elements)
                columns[i * 2].append(text.toString());
            for (const QStringView text : sheet.answers)
                columns[i * 2 + 1].append(text.toString());
        });
        return columns;
    };
    const auto loaded = [&] {
        const ResultsStore::StoredSheets now(path);
        QList<QStringList> columns;
        for (const ResultsStore::RunSummary &run : runs)
            columns << now.ListsOf(run.name).elements << now.ListsOf(run.name).answers;
        return columns;
    };
    QCOMPARE(exported(), loaded());
    dir.Write("examres.ini", "[Next]\r\nRes=first\r\n[Other]\r\nRes=o\r\n[RUN]\r\n" + body + "[Next]\r\nRes=n\r\n");
    QVERIFY(!ResultsStore::ForEachKeptSection(path, runs, [](qsizetype, QByteArrayView) {}));
    QCOMPARE(exported(), loaded());
    QCOMPARE(exported().at(4), QStringList{"first"});
}

void TestHistory::rightByPosition_data()
{
    // Per run "text=answer" pairs apart by ","; "" a run stored without lists.
    QTest::addColumn<QStringList>("runs");
    QTest::addColumn<QList<double>>("shares");
    QTest::newRow("none") << QStringList{} << QList<double>{};
    QTest::newRow("one run") << QStringList{"a=a,b=x,c=c"} << QList<double>{1, 0, 1};
    QTest::newRow("a blank answer is not right") << QStringList{"a=a,b=", "a=x,b=b"} << QList<double>{0.5, 0.5};
    QTest::newRow("a shorter run counts where it reaches")
        << QStringList{"a=a,b=b,c=x", "a=x", "a=a,b=b,c=c,d=d"} << QList<double>{2.0 / 3, 1, 0.5, 1};
    QTest::newRow("a run without lists counts nowhere") << QStringList{"", "a=x"} << QList<double>{0};
}

void TestHistory::rightByPosition()
{
    QFETCH(QStringList, runs);
    QFETCH(QList<double>, shares);
    QVector<AnswerSheet> sheets;
    for (const QString &run : runs) {
        AnswerSheet sheet;
        const QStringList rows = run.isEmpty() ? QStringList{} : run.split(',');
        sheet.SetRowCount(int(rows.size()));
        for (int r = 0; r < rows.size(); ++r) {
            sheet.SetCell(AnswerSheet::Text, r, rows.at(r).section('=', 0, 0));
            sheet.SetCell(AnswerSheet::Answer, r, rows.at(r).section('=', 1));
        }
        sheets.append(sheet);
    }
    const QVector<double> got = History::RightByPosition(sheets);
    QCOMPARE(got.size(), shares.size());
    for (int i = 0; i < got.size(); ++i)
        QVERIFY2(qAbs(got.at(i) - shares.at(i)) < 1e-9, qPrintable(QString::number(i)));
}

QTEST_GUILESS_MAIN(TestHistory)
#include "tst_history.moc"
