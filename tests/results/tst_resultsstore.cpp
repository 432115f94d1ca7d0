#include "app/platform.h"
#include "profile/profilefile.h"
#include "results/resultsstore.h"
#include "tests/testsupport.h"

#include <QTest>

namespace {

const QString Avg = QStringLiteral("  Average time for each number: ");

RunReport report(const QString &total, const QString &errors, const QString &koeff, const QString &mark)
{
    return RunReport{total, QString(), errors, QStringLiteral("0:1:5") + Avg + QStringLiteral("3,25 sec."), koeff, mark};
}

// A sheet whose rows hold the given texts and answers.
AnswerSheet sheetOf(const QStringList &texts, const QStringList &answers)
{
    AnswerSheet sheet;
    sheet.SetRowCount(int(texts.size()));
    for (int r = 0; r < texts.size(); ++r) {
        sheet.SetCell(AnswerSheet::Number, r, QString::number(r + 1));
        sheet.SetCell(AnswerSheet::Text, r, texts.at(r));
        sheet.SetCell(AnswerSheet::Answer, r, answers.value(r));
    }
    return sheet;
}

// The rows of a sheet as "number|text|answer".
QStringList rowsOf(const AnswerSheet &sheet)
{
    QStringList rows;
    for (int r = 0; r < sheet.RowCount(); ++r)
        rows << sheet.Cell(0, r) + QLatin1Char('|') + sheet.Cell(1, r) + QLatin1Char('|') + sheet.Cell(2, r);
    return rows;
}

QByteArray section(const QByteArray &name, const QList<QByteArray> &lines)
{
    QByteArray out = '[' + name + "]\r\n";
    for (const QByteArray &line : lines)
        out += line + "\r\n";
    return out + "\r\n";
}

} // namespace

class TestResultsStore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fullYearDateFormat_data();
    void fullYearDateFormat();
    void zonelessTimeFormat_data();
    void zonelessTimeFormat();
    void sectionName_underFixedLocales_data();
    void sectionName_underFixedLocales();
    void fileFor_onlyTrainingAndExamAreStored_data();
    void fileFor_onlyTrainingAndExamAreStored();
    void save_appendsAfterTenSectionsAndNormalisesThem();
    void save_sameNameUpdatesInPlaceAndKeepsOtherKeys();
    void save_writesTotalRowsOnly();
    void save_unwritableFileRaisesAndKeepsContent();
    void read_storedLists_data();
    void read_storedLists();
    void read_missingFileOrSectionGivesDefaults();
    void saveThenRead_roundTrip();
};

void TestResultsStore::fullYearDateFormat_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("expected");
    QTest::newRow("two-digit year") << QStringLiteral("dd.MM.yy") << QStringLiteral("dd.MM.yyyy");
    QTest::newRow("year first") << QStringLiteral("yy. M. d.") << QStringLiteral("yyyy. M. d.");
    QTest::newRow("already four") << QStringLiteral("dd/MM/yyyy") << QStringLiteral("dd/MM/yyyy");
    QTest::newRow("quoted y kept") << QStringLiteral("d.MM.yy 'y'.") << QStringLiteral("d.MM.yyyy 'y'.");
    QTest::newRow("escaped quote") << QStringLiteral("d 'o''y' yy") << QStringLiteral("d 'o''y' yyyy");
}

void TestResultsStore::fullYearDateFormat()
{
    QFETCH(QString, format);
    QFETCH(QString, expected);
    QCOMPARE(ResultsStore::FullYearDateFormat(format), expected);
}

void TestResultsStore::zonelessTimeFormat_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("expected");
    QTest::newRow("zone after") << QStringLiteral("HH:mm:ss t") << QStringLiteral("HH:mm:ss");
    QTest::newRow("am/pm kept") << QStringLiteral("h:mm:ss AP t") << QStringLiteral("h:mm:ss AP");
    QTest::newRow("zone first") << QStringLiteral("t HH:mm:ss") << QStringLiteral("HH:mm:ss");
    QTest::newRow("bracketed zone") << QStringLiteral("H:mm:ss (t)") << QStringLiteral("H:mm:ss");
    QTest::newRow("comma before zone") << QStringLiteral("h:mm:ss AP, t") << QStringLiteral("h:mm:ss AP");
    QTest::newRow("long zone name") << QStringLiteral("HH:mm:ss tttt") << QStringLiteral("HH:mm:ss");
    QTest::newRow("zone inside") << QStringLiteral("AP t h:mm:ss") << QStringLiteral("AP h:mm:ss");
    QTest::newRow("quoted t kept") << QStringLiteral("H:mm:ss 't'. t") << QStringLiteral("H:mm:ss 't'.");
    QTest::newRow("seconds added") << QStringLiteral("HH:mm t") << QStringLiteral("HH:mm:ss");
}

void TestResultsStore::zonelessTimeFormat()
{
    QFETCH(QString, format);
    QFETCH(QString, expected);
    QCOMPARE(ResultsStore::ZonelessTimeFormat(format), expected);
}

void TestResultsStore::sectionName_underFixedLocales_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QDateTime>("start");
    QTest::addColumn<QString>("name");
    const QLocale german(QLocale::German, QLocale::Germany);
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    const QDate day(2026, 12, 6);
    QTest::newRow("day.month.year") << german << QDateTime(day, QTime(20, 54, 9)) << QStringLiteral("06.12.2026 20:54:09");
    QTest::newRow("milliseconds dropped") << german << QDateTime(day, QTime(20, 54, 9, 999))
                                          << QStringLiteral("06.12.2026 20:54:09");
    QTest::newRow("midnight: date alone") << german << QDateTime(day, QTime(0, 0)) << QStringLiteral("06.12.2026");
    QTest::newRow("within midnight's second") << german << QDateTime(day, QTime(0, 0, 0, 500))
                                              << QStringLiteral("06.12.2026");
    QTest::newRow("one second past midnight") << german << QDateTime(day, QTime(0, 0, 1))
                                              << QStringLiteral("06.12.2026 00:00:01");
    QTest::newRow("month/day/year, 12-hour") << us << QDateTime(QDate(2026, 1, 2), QTime(8, 5, 3))
                                             << QStringLiteral("1/2/2026 8:05:03 AM");
}

void TestResultsStore::sectionName_underFixedLocales()
{
    QFETCH(QLocale, locale);
    QFETCH(QDateTime, start);
    QFETCH(QString, name);
    QCOMPARE(ResultsStore::SectionName(start, locale), name);
}

void TestResultsStore::fileFor_onlyTrainingAndExamAreStored_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("file");
    QTest::newRow("none") << 0 << QString();
    QTest::newRow("introductory") << 1 << QString();
    QTest::newRow("training") << 2 << QStringLiteral("testres.ini");
    QTest::newRow("exam") << 3 << QStringLiteral("examres.ini");
}

void TestResultsStore::fileFor_onlyTrainingAndExamAreStored()
{
    QFETCH(int, mode);
    QFETCH(QString, file);
    TestDataDir dir;
    QCOMPARE(ResultsStore::FileFor(mode), file.isEmpty() ? QString() : dir.path(file));
}

void TestResultsStore::save_appendsAfterTenSectionsAndNormalisesThem()
{
    TestDataDir dir;
    QByteArray old = "; results kept by hand\r\n\r\n";
    QByteArray expected;
    for (int i = 0; i < 10; ++i) {
        const QByteArray name = "0" + QByteArray::number(i) + ".01.2026 10:00:00";
        const QByteArray koeff = QByteArray::number(i) + ",5";
        old += "[" + name + "]\r\nTotal = 2\r\n; a comment\r\nErrors=  1\r\n\r\n\r\nKoeff =" + koeff + "\r\nMark=2\r\n";
        expected += section(name, {"Total=2", "Errors=1", "Koeff=" + koeff, "Mark=2"});
    }
    dir.write(QStringLiteral("examres.ini"), old);
    ResultsStore::Save(dir.path(QStringLiteral("examres.ini")), QStringLiteral("06.12.2026 20:54:09"),
                       report(QStringLiteral("2"), QStringLiteral("1"), QStringLiteral("5,63"), QStringLiteral("3-")),
                       sheetOf({QStringLiteral("42"), QStringLiteral("20")}, {QStringLiteral("42"), QStringLiteral("21")}));
    expected += section("06.12.2026 20:54:09", {"Total=2", "Errors=1",
                                                "Time=0:1:5  Average time for each number: 3,25 sec.", "Mark=3-",
                                                "Koeff=5,63", "Res=42,20", "Answ=42,21"});
    QCOMPARE(dir.read(QStringLiteral("examres.ini")), expected);
}

void TestResultsStore::save_sameNameUpdatesInPlaceAndKeepsOtherKeys()
{
    TestDataDir dir;
    const QString path = dir.path(QStringLiteral("testres.ini"));
    dir.write(QStringLiteral("testres.ini"), "[Before]\r\nTotal=1\r\n\r\n[run]\r\nTotal=9\r\nNote=keep\r\n\r\n[After]\r\nTotal=3\r\n");
    const AnswerSheet first = sheetOf({QStringLiteral("a"), QStringLiteral("b")}, {QStringLiteral("a"), QStringLiteral("x")});
    const AnswerSheet second = sheetOf({QStringLiteral("c"), QStringLiteral("d")}, {QStringLiteral("c"), QStringLiteral("d")});
    ResultsStore::Save(path, QStringLiteral("run"), report(QStringLiteral("2"), QStringLiteral("1"), QStringLiteral("3,6"), QStringLiteral("2")), first);
    // The same start again, its name in other letter case.
    ResultsStore::Save(path, QStringLiteral("RUN"), report(QStringLiteral("2"), QStringLiteral("0"), QStringLiteral("7"), QStringLiteral("3-")), second);
    const QByteArray expected = section("Before", {"Total=1"})
                                + section("run", {"Total=2", "Note=keep", "Errors=0",
                                                  "Time=0:1:5  Average time for each number: 3,25 sec.", "Mark=3-",
                                                  "Koeff=7", "Res=c,d", "Answ=c,d"})
                                + section("After", {"Total=3"});
    QCOMPARE(dir.read(QStringLiteral("testres.ini")), expected);
}

void TestResultsStore::save_writesTotalRowsOnly()
{
    TestDataDir dir;
    const QString path = dir.path(QStringLiteral("testres.ini"));
    const AnswerSheet sheet = sheetOf({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")},
                                      {QStringLiteral("a"), QStringLiteral("b,"), QString()});
    ResultsStore::Save(path, QStringLiteral("two"), report(QStringLiteral("2"), QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2")), sheet);
    ResultsStore::Save(path, QStringLiteral("zero"), report(QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2")), sheet);
    ResultsStore::Save(path, QStringLiteral("beyond"), report(QStringLiteral("7"), QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2")), sheet);
    const ProfileFile file(path, ProfileFile::Access::InMemory);
    QCOMPARE(file.ReadText(QStringLiteral("two"), QStringLiteral("Res"), QStringLiteral("?")), QStringLiteral("a,b"));
    QCOMPARE(file.ReadText(QStringLiteral("two"), QStringLiteral("Answ"), QStringLiteral("?")), QStringLiteral("a,b,"));
    QCOMPARE(file.ReadText(QStringLiteral("zero"), QStringLiteral("Res"), QStringLiteral("?")), QString());
    // Never more rows than the sheet has.
    QCOMPARE(file.ReadText(QStringLiteral("beyond"), QStringLiteral("Res"), QStringLiteral("?")), QStringLiteral("a,b,c"));
    QCOMPARE(file.ReadText(QStringLiteral("beyond"), QStringLiteral("Answ"), QStringLiteral("?")), QStringLiteral("a,b,,"));
}

void TestResultsStore::save_unwritableFileRaisesAndKeepsContent()
{
    TestDataDir dir;
    const QByteArray old = "[old]\r\nTotal=2\r\n\r\n";
    dir.write(QStringLiteral("examres.ini"), old);
    ReadOnlyDir lock(dir.dir());
    if (!lock.ok())
        QSKIP("the directory can't be made read-only here");
    bool raised = false;
    try {
        ResultsStore::Save(dir.path(QStringLiteral("examres.ini")), QStringLiteral("new"),
                           report(QStringLiteral("2"), QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2")),
                           sheetOf({QStringLiteral("a"), QStringLiteral("b")}, {}));
    } catch (const AppError &e) {
        raised = true;
        QVERIFY2(e.text().startsWith(QStringLiteral("Cannot create file")), qPrintable(e.text()));
    }
    QVERIFY(raised);
    QCOMPARE(dir.read(QStringLiteral("examres.ini")), old);
}

void TestResultsStore::read_storedLists_data()
{
    QTest::addColumn<QByteArray>("keys");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("total");
    QTest::addColumn<QString>("right");
    QTest::addColumn<QString>("errors");
    QTest::addColumn<QString>("time");

    QTest::newRow("empty part between commas")
        << QByteArray("Total=4\r\nErrors=1\r\nTime=0:0:9\r\nRes=a,b,,c\r\nAnsw=a,x,,c\r\n")
        << QStringList{"1|a|a", "2|b|x", "3||", "4|c|c"} << "4" << "3" << "1" << "0:0:9";
    QTest::newRow("final comma adds no number")
        << QByteArray("Total=3\r\nRes=a,b,\r\n") << QStringList{"1|a|", "2|b|", "||"} << "3" << "3" << "0" << "";
    QTest::newRow("missing Total: one row")
        << QByteArray("Errors=0\r\nRes=a,b\r\nAnsw=a,b\r\n") << QStringList{"1|a|a"} << "0" << "0" << "0" << "";
    QTest::newRow("Total 0: one row") << QByteArray("Total=0\r\nRes=a,b\r\n") << QStringList{"1|a|"} << "0" << "0" << "0" << "";
    QTest::newRow("Total not a number") << QByteArray("Total=many\r\nRes=a,b\r\n") << QStringList{"1|a|"} << "0" << "0"
                                        << "0" << "";
    QTest::newRow("negative Total") << QByteArray("Total=-5\r\nErrors=1\r\n") << QStringList{"||"} << "-5" << "-6" << "1"
                                    << "";
    QTest::newRow("answer with a comma shifts the rest")
        << QByteArray("Total=3\r\nErrors=1\r\nRes=1,2,3\r\nAnsw=1,2,5,3\r\n") << QStringList{"1|1|1", "2|2|2", "3|3|5"}
        << "3" << "2" << "1" << "";
    QTest::newRow("last answer empty")
        << QByteArray("Total=3\r\nErrors=1\r\nRes=1,2,3\r\nAnsw=1,2,\r\n") << QStringList{"1|1|1", "2|2|2", "3|3|"} << "3"
        << "2" << "1" << "";
    QTest::newRow("answers without Elements")
        << QByteArray("Total=2\r\nAnsw=x,y\r\n") << QStringList{"1||x", "2||y"} << "2" << "2" << "0" << "";
    QTest::newRow("hand-edited huge Total is capped at the lists")
        << QByteArray("Total=2000000000\r\nErrors=1\r\nRes=a,b\r\nAnsw=a,c\r\n") << QStringList{"1|a|a", "2|b|c"}
        << "2000000000" << "1999999999" << "1" << "";
    QTest::newRow("Total beyond the lists") << QByteArray("Total=5\r\nRes=a,b,c\r\nAnsw=a\r\n")
                                            << QStringList{"1|a|a", "2|b|", "3|c|"} << "5" << "5" << "0" << "";
}

void TestResultsStore::read_storedLists()
{
    QFETCH(QByteArray, keys);
    QFETCH(QStringList, rows);
    QFETCH(QString, total);
    QFETCH(QString, right);
    QFETCH(QString, errors);
    QFETCH(QString, time);
    TestDataDir dir;
    const QByteArray bytes = "; kept\r\n[other]\r\nTotal=1\r\nRes=z\r\n[run]\r\n" + keys;
    dir.write(QStringLiteral("examres.ini"), bytes);
    const ResultsStore::StoredRun run = ResultsStore::Read(dir.path(QStringLiteral("examres.ini")), QStringLiteral("run"));
    QCOMPARE(rowsOf(run.sheet), rows);
    QCOMPARE(run.report.Total, total);
    QCOMPARE(run.report.Right, right);
    QCOMPARE(run.report.Errors, errors);
    QCOMPARE(run.report.Time, time);
    QCOMPARE(dir.read(QStringLiteral("examres.ini")), bytes);
}

void TestResultsStore::read_missingFileOrSectionGivesDefaults()
{
    TestDataDir dir;
    for (const QString &name : {QStringLiteral("testres.ini"), QStringLiteral("examres.ini")}) {
        if (name == QStringLiteral("examres.ini"))
            dir.write(name, "[other]\r\nTotal=3\r\nErrors=1\r\nTime=x\r\nRes=a,b,c\r\n");
        const ResultsStore::StoredRun run = ResultsStore::Read(dir.path(name), QStringLiteral("absent"));
        QCOMPARE(rowsOf(run.sheet), QStringList{QStringLiteral("||")});
        QCOMPARE(run.report.Total, QStringLiteral("0"));
        QCOMPARE(run.report.Right, QStringLiteral("0"));
        QCOMPARE(run.report.Errors, QStringLiteral("0"));
        QCOMPARE(run.report.Time, QString());
    }
    QVERIFY(!dir.exists(QStringLiteral("testres.ini")));
}

void TestResultsStore::saveThenRead_roundTrip()
{
    TestDataDir dir;
    const QString path = dir.path(QStringLiteral("testres.ini"));
    QStringList texts;
    QStringList answers;
    for (int i = 0; i < 20; ++i) {
        texts << QStringLiteral("Word %1").arg(i);
        answers << (i % 5 == 0 ? QStringLiteral("word %1").arg(i) : texts.last());
    }
    answers.last().clear();
    const AnswerSheet sheet = sheetOf(texts, answers);
    ResultsStore::Save(path, QStringLiteral("run"), report(QStringLiteral("20"), QStringLiteral("5"), QStringLiteral("1"), QStringLiteral("2")), sheet);
    const ResultsStore::StoredRun run = ResultsStore::Read(path, QStringLiteral("run"));
    QCOMPARE(rowsOf(run.sheet), rowsOf(sheet));
    QCOMPARE(run.report.Right, QStringLiteral("15"));
}

QTEST_GUILESS_MAIN(TestResultsStore)
#include "tst_resultsstore.moc"
