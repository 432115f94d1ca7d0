#include "profile/fileaccess.h"
#include "profile/memoryfiles.h"
#include "profile/profilefile.h"
#include "results/resultsstore.h"
#include "results/standing.h"
#include "results/storedruns.h"
#include "results/storedsheets.h"
#include "tests/testsupport.h"

#include <QProcess>
#include <QTest>

#include <cerrno>
#include <ctime>

#include <fcntl.h>
#include <sys/stat.h>

namespace {

RunReport report(const QString &total, const QString &errors, const QString &koeff, const QString &mark)
{
    return RunReport{total, QString(), errors, "0:1:5  Average time for each number: 3,25 sec.", koeff, mark};
}

AnswerSheet sheetOf(const QStringList &texts, const QStringList &answers)
{
    AnswerSheet sheet;
    sheet.SetRowCount(int(texts.size()));
    for (int r = 0; r < texts.size(); ++r) {
        sheet.SetCell(AnswerSheet::Text, r, texts.at(r));
        sheet.SetCell(AnswerSheet::Answer, r, answers.value(r));
    }
    return sheet;
}

QByteArray section(const QByteArray &name, const QList<QByteArray> &lines)
{
    QByteArray out = '[' + name + "]\r\n";
    for (const QByteArray &line : lines)
        out += line + "\r\n";
    return out + "\r\n";
}

// A run's sheet in one line: its Module, then each row's Element and answer.
QString sheetText(const QString &module, const ResultsStore::SheetColumns &columns)
{
    QString text = module;
    for (size_t r = 0; r < columns.elements.size(); ++r)
        text += '|' + columns.elements[r].toString() + '=' + columns.answers[r].toString();
    return text;
}

} // namespace

class TestResultsStore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void formats_data();
    void formats();
    void sectionName_underFixedLocales_data();
    void sectionName_underFixedLocales();
    void save_appendsAfterTenSectionsAndNormalisesThem();
    void save_sameNameGetsANameOfItsOwn();
    void mergeRuns_takesTheCopysRunsOnce_data();
    void mergeRuns_takesTheCopysRunsOnce();
    void save_whileASecondCopyHoldsTheFile_keepsBothRuns_data();
    void save_whileASecondCopyHoldsTheFile_keepsBothRuns();
    void save_whenASecondCopyHoldsTheFileLong_failsAndChangesNothing();
    void read_storedLists_data();
    void read_storedLists();
    void save_moduleKeysAfterTheSeven_data();
    void save_moduleKeysAfterTheSeven();
    void listRuns_readsWhatDirectAccessReads_data();
    void listRuns_readsWhatDirectAccessReads();
    void standing_againstTheModulesRuns_data();
    void standing_againstTheModulesRuns();
};

void TestResultsStore::formats_data()
{
    QTest::addColumn<bool>("date");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("expected");
    // clang-format off
    QTest::newRow("two-digit year") << true << "dd.MM.yy" << "dd.MM.yyyy";
    QTest::newRow("year first") << true << "yy. M. d." << "yyyy. M. d.";
    QTest::newRow("quoted y kept") << true << "d.MM.yy 'y''y'." << "d.MM.yyyy 'y''y'.";
    QTest::newRow("zone after") << false << "HH:mm:ss t" << "HH:mm:ss";
    QTest::newRow("am/pm kept") << false << "h:mm:ss AP t" << "h:mm:ss AP";
    QTest::newRow("zone first") << false << "t HH:mm:ss" << "HH:mm:ss";
    QTest::newRow("bracketed zone") << false << "H:mm:ss (t)" << "H:mm:ss";
    QTest::newRow("comma and long zone") << false << "h:mm:ss AP, tttt" << "h:mm:ss AP";
    QTest::newRow("zone inside") << false << "AP t h:mm:ss" << "AP h:mm:ss";
    QTest::newRow("quoted t kept") << false << "H:mm:ss 't'. t" << "H:mm:ss 't'.";
    QTest::newRow("seconds added") << false << "HH:mm t" << "HH:mm:ss";
    // clang-format on
}

void TestResultsStore::formats()
{
    QFETCH(bool, date);
    QFETCH(QString, format);
    QFETCH(QString, expected);
    QCOMPARE(date ? ResultsStore::FullYearDateFormat(format) : ResultsStore::ZonelessTimeFormat(format), expected);
}

void TestResultsStore::sectionName_underFixedLocales_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QString>("name");
    const QLocale german(QLocale::German, QLocale::Germany);
    QTest::newRow("day.month.year") << german << QTime(20, 54, 9) << "06.12.2026 20:54:09";
    QTest::newRow("milliseconds dropped") << german << QTime(20, 54, 9, 999) << "06.12.2026 20:54:09";
    QTest::newRow("midnight: date alone") << german << QTime(0, 0, 0, 500) << "06.12.2026";
    QTest::newRow("past midnight") << german << QTime(0, 0, 1) << "06.12.2026 00:00:01";
    QTest::newRow("12-hour clock") << QLocale(QLocale::English, QLocale::UnitedStates) << QTime(8, 5, 3)
                                   << "12/6/2026 8:05:03 AM";
}

void TestResultsStore::sectionName_underFixedLocales()
{
    QFETCH(QLocale, locale);
    QFETCH(QTime, time);
    QFETCH(QString, name);
    QCOMPARE(ResultsStore::SectionName(QDateTime(QDate(2026, 12, 6), time), locale), name);
}

void TestResultsStore::save_appendsAfterTenSectionsAndNormalisesThem()
{
    TestDataDir dir;
    QByteArray old = "; kept by hand\r\n\r\n";
    QByteArray expected;
    for (int i = 0; i < 10; ++i) {
        const QByteArray name = "0" + QByteArray::number(i) + ".01.2026 10:00:00";
        const QByteArray koeff = QByteArray::number(i) + ",5";
        old += "[" + name + "]\r\nTotal = 2\r\n; note\r\nErrors=  1\r\n\r\n\r\nKoeff =" + koeff + "\r\n";
        expected += section(name, {"Total=2", "Errors=1", "Koeff=" + koeff});
    }
    dir.Write("examres.ini", old);
    ResultsStore::Save(dir.Path("examres.ini"), "06.12.2026 20:54:09", report("2", "1", "5,63", "3-"),
                       sheetOf({"42", "20"}, {"42", "21,"}));
    expected +=
        section("06.12.2026 20:54:09", {"Total=2", "Errors=1", "Time=0:1:5  Average time for each number: 3,25 sec.",
                                        "Mark=3-", "Koeff=5,63", "Res=42,20", "Answ=42,21,"});
    QCOMPARE(dir.Read("examres.ini"), expected);
}

void TestResultsStore::save_sameNameGetsANameOfItsOwn()
{
    // Two copies started in the same second, or the hour repeated when
    // summer time ends: the stored run stays, the new one is listed apart.
    TestDataDir dir;
    const QByteArray before = "[Before]\r\nTotal=1\r\n\r\n[run]\r\nTotal=9\r\nNote=keep\r\n\r\n[After]\r\nTotal=3\r\n";
    dir.Write("testres.ini", before);
    QCOMPARE(ResultsStore::Save(dir.Path("testres.ini"), "run", report("2", "1", "3,6", "2"),
                                sheetOf({"a", "b"}, {"a", "x"})),
             QString("run (2)"));
    // Again with the name in other letter case; a sheet longer than Total.
    QCOMPARE(ResultsStore::Save(dir.Path("testres.ini"), "RUN", report("2", "0", "7", "3-"),
                                sheetOf({"c", "d", "e"}, {"c", "d"})),
             QString("RUN (3)"));
    const QByteArray time = "Time=0:1:5  Average time for each number: 3,25 sec.";
    const QByteArray expected =
        section("Before", {"Total=1"}) + section("run", {"Total=9", "Note=keep"}) + section("After", {"Total=3"})
        + section("run (2)", {"Total=2", "Errors=1", time, "Mark=2", "Koeff=3,6", "Res=a,b", "Answ=a,x"})
        + section("RUN (3)", {"Total=2", "Errors=0", time, "Mark=3-", "Koeff=7", "Res=c,d", "Answ=c,d"});
    QCOMPARE(dir.Read("testres.ini"), expected);
    QCOMPARE(ResultsStore::Read(dir.Path("testres.ini"), "RUN (3)").report.Koeff, QString("7"));
}

void TestResultsStore::mergeRuns_takesTheCopysRunsOnce_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("copy");
    QTest::addColumn<QByteArray>("added");
    QTest::addColumn<QList<int>>("counts"); // added, same, renamed

    const QByteArray a = section("07.12.2026 08:10:00", {"Total=20", "Errors=2", "Koeff=3,9"});
    const QByteArray b = section("08.12.2026 09:05:30", {"Total=20", "Errors=3", "Koeff=3,1"});
    const QByteArray c = section("08.12.2026 10:15:00", {"Total=20", "Errors=0", "Koeff=5,2"});
    const QByteArray c2 = section("08.12.2026 10:15:00", {"Total=30", "Errors=1", "Koeff=6,0"});
    // clang-format off
    QTest::newRow("the copy's new run after the file's") << a + c << a + b << b << QList<int>{1, 1, 0};
    QTest::newRow("a run both hold is not taken twice") << a + b << a + b << QByteArray() << QList<int>{0, 2, 0};
    QTest::newRow("another run under a taken name as a save names it")
        << a + c << a + c2
        << section("08.12.2026 10:15:00 (2)", {"Total=30", "Errors=1", "Koeff=6,0"}) << QList<int>{0, 1, 1};
    QTest::newRow("the file's own bytes stay, blanks and comments too")
        << QByteArray("\xEF\xBB\xBF; mine\n[07.12.2026 08:10:00]\nTotal = 20\n\n") << b << b << QList<int>{1, 0, 0};
    QTest::newRow("into a missing file") << QByteArray() << b + c << b + c << QList<int>{2, 0, 0};
    // clang-format on
}

void TestResultsStore::mergeRuns_takesTheCopysRunsOnce()
{
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, copy);
    QFETCH(QByteArray, added);
    QFETCH(QList<int>, counts);
    TestDataDir dir;
    if (!file.isEmpty())
        dir.Write("testres.ini", file);
    const QString copyName = "testres.sync-conflict-20261208-101500-ABCDEFG.ini";
    dir.Write(copyName, copy);
    const ResultsStore::Merged asked = ResultsStore::MergeRuns(dir.Path("testres.ini"), dir.Path(copyName), false);
    QCOMPARE(dir.Read("testres.ini"), file);
    const ResultsStore::Merged merged = ResultsStore::MergeRuns(dir.Path("testres.ini"), dir.Path(copyName));
    QCOMPARE((QList<int>{merged.added, merged.same, merged.renamed}), counts);
    QCOMPARE((QList<int>{asked.added, asked.same, asked.renamed}), counts);
    // What the file held comes first, byte for byte; the runs taken in
    // follow in the file's own line ends.
    const QByteArray now = dir.Read("testres.ini");
    QVERIFY(now.startsWith(file));
    QByteArray tail = now.mid(file.size());
    if (file.contains("\n") && !file.contains("\r\n"))
        tail.replace("\n", "\r\n");
    QCOMPARE(tail.trimmed(), added.trimmed());
    QCOMPARE(dir.Read(copyName), copy);
}

namespace {

// Starts the second copy on a results file and waits until it holds the
// lock with the file loaded.
bool startSecondCopy(QProcess &copy, const QString &path, const QString &section, bool flock = true)
{
    QStringList arguments{path, section};
    if (!flock)
        arguments << "no-flock";
    copy.start(QStringLiteral(TENACIO_SECOND_COPY), arguments);
    return copy.waitForReadyRead(20000) && copy.readLine() == "holding\n";
}

void letSecondCopyWrite(QProcess &copy)
{
    copy.write("go\n");
    copy.closeWriteChannel();
    copy.waitForFinished(20000);
}

} // namespace

void TestResultsStore::save_whileASecondCopyHoldsTheFile_keepsBothRuns_data()
{
    QTest::addColumn<bool>("flock");
    QTest::newRow("flock") << true;
    // A network or FUSE file system: both copies lock with a file of their own.
    QTest::newRow("no flock: the lock file") << false;
}

void TestResultsStore::save_whileASecondCopyHoldsTheFile_keepsBothRuns()
{
    // Two copies save at once: the second has loaded the file and is about
    // to write it back. This save waits for it and reads what it wrote.
    QFETCH(bool, flock);
    TestDataDir dir;
    const QString path = dir.Path("testres.ini");
    dir.Write("testres.ini", section("first", {"Total=1"}));
    if (!flock) {
        Profile::SetFolderLockCall([](int, int) {
            errno = ENOLCK;
            return -1;
        });
    }
    QProcess copy;
    QVERIFY(startSecondCopy(copy, path, "other copy's run", flock));
    QCOMPARE(dir.Exists(Profile::LockFileName), !flock);
    int waits = 0;
    Profile::SetLockWait([&] {
        if (waits++ == 0)
            letSecondCopyWrite(copy);
    });
    ResultsStore::Save(path, "this copy's run", report("2", "1", "3,6", "2"), sheetOf({"a", "b"}, {"a", "x"}));
    Profile::SetLockWait({});
    Profile::SetFolderLockCall({});
    if (waits == 0)
        letSecondCopyWrite(copy);
    QCOMPARE(copy.exitCode(), 0);
    QVERIFY(!dir.Exists(Profile::LockFileName));
    QStringList names;
    ProfileFile(path, ProfileFile::Access::InMemory).ListSections(names);
    QCOMPARE(names, (QStringList{"first", "other copy's run", "this copy's run"}));
}

void TestResultsStore::save_whenASecondCopyHoldsTheFileLong_failsAndChangesNothing()
{
    // The wait is bounded: the window is never frozen for good.
    TestDataDir dir;
    const QString path = dir.Path("testres.ini");
    const QByteArray before = section("first", {"Total=1"});
    dir.Write("testres.ini", before);
    QProcess copy;
    QVERIFY(startSecondCopy(copy, path, "other copy's run"));
    FakeTicks ticks;
    int waits = 0;
    Profile::SetLockWait([&] {
        ++waits;
        ticks.Advance(1000);
    });
    QString message;
    try {
        ResultsStore::Save(path, "this copy's run", report("2", "1", "3,6", "2"), sheetOf({"a", "b"}, {"a", "x"}));
    } catch (const AppError &e) {
        message = e.Text();
    }
    Profile::SetLockWait({});
    QCOMPARE(waits, 5);
    QCOMPARE(message, "Unable to write to " + path
                          + ". Another copy of Tenacio is writing to its folder; nothing was changed. "
                            "Try again in a moment.");
    QCOMPARE(dir.Read("testres.ini"), before);
    letSecondCopyWrite(copy);
    QCOMPARE(dir.Read("testres.ini"), before + section("other copy's run", {"Total=1"}));
}

void TestResultsStore::read_storedLists_data()
{
    QTest::addColumn<QByteArray>("keys"); // null: no file at all
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QStringList>("values"); // Total, Right, Errors, Time
    // clang-format off
    QTest::newRow("empty part between commas") << QByteArray("Total=4\r\nErrors=1\r\nTime=0:0:9\r\nRes=a,b,,c\r\nAnsw=a,x,,c")
                                               << QStringList{"1|a|a", "2|b|x", "3||", "4|c|c"}
                                               << QStringList{"4", "3", "1", "0:0:9"};
    QTest::newRow("final comma adds no number") << QByteArray("Total=3\r\nRes=a,b,")
                                                << QStringList{"1|a|", "2|b|", "||"} << QStringList{"3", "3", "0", ""};
    QTest::newRow("missing Total: one row") << QByteArray("Res=a,b\r\nAnsw=a,b") << QStringList{"1|a|a"}
                                            << QStringList{"0", "0", "0", ""};
    QTest::newRow("Total not a number") << QByteArray("Total=many\r\nRes=a,b") << QStringList{"1|a|"}
                                        << QStringList{"0", "0", "0", ""};
    QTest::newRow("negative Total") << QByteArray("Total=-5\r\nErrors=1") << QStringList{"||"}
                                    << QStringList{"-5", "-6", "1", ""};
    QTest::newRow("answer with a comma shifts the rest") << QByteArray("Total=3\r\nRes=1,2,3\r\nAnsw=1,2,5,3")
                                                         << QStringList{"1|1|1", "2|2|2", "3|3|5"}
                                                         << QStringList{"3", "3", "0", ""};
    QTest::newRow("last answer empty") << QByteArray("Total=3\r\nErrors=1\r\nRes=1,2,3\r\nAnsw=1,2,")
                                       << QStringList{"1|1|1", "2|2|2", "3|3|"} << QStringList{"3", "2", "1", ""};
    QTest::newRow("hand-edited huge Total capped at the lists")
        << QByteArray("Total=2000000000\r\nErrors=1\r\nRes=a,b\r\nAnsw=a,c") << QStringList{"1|a|a", "2|b|c"}
        << QStringList{"2000000000", "1999999999", "1", ""};
    // " beta" answered "beta" and "c" answered "c ": the file kept neither blank.
    QTest::newRow("a wrong first row the file's trimming hid")
        << QByteArray("Total=4\r\nErrors=3\r\nRes= beta,x,y,z\r\nAnsw=beta,q,y,w")
        << QStringList{"1|beta|beta!", "2|x|q", "3|y|y", "4|z|w"} << QStringList{"4", "1", "3", ""};
    QTest::newRow("a wrong last row the file's trimming hid")
        << QByteArray("Total=3\r\nErrors=2\r\nRes=a,b,c\r\nAnsw=x,b,c ")
        << QStringList{"1|a|x", "2|b|b", "3|c|c!"} << QStringList{"3", "1", "2", ""};
    QTest::newRow("both ends") << QByteArray("Total=3\r\nErrors=3\r\nRes=a,b,c\r\nAnsw=a,x,c")
                               << QStringList{"1|a|a!", "2|b|x", "3|c|c!"} << QStringList{"3", "0", "3", ""};
    QTest::newRow("either end could be the one: neither marked")
        << QByteArray("Total=3\r\nErrors=2\r\nRes=a,b,c\r\nAnsw=a,x,c") << QStringList{"1|a|a", "2|b|x", "3|c|c"}
        << QStringList{"3", "1", "2", ""};
    QTest::newRow("sections after it, one of the same name") << QByteArray("Total=2\r\nRes=a,b\r  [ after ]\rTotal=9\r\n"
                                                                         "Res=x,y,z\r\n\t[RUN]\r\nTotal=3\r\nRes=p,q,r")
                                                              << QStringList{"1|a|", "2|b|"}
                                                              << QStringList{"2", "2", "0", ""};
    QTest::newRow("section missing") << QByteArray("") << QStringList{"||"} << QStringList{"0", "0", "0", ""};
    QTest::newRow("file missing") << QByteArray() << QStringList{"||"} << QStringList{"0", "0", "0", ""};
    // clang-format on
}

void TestResultsStore::read_storedLists()
{
    QFETCH(QByteArray, keys);
    QFETCH(QStringList, rows);
    QFETCH(QStringList, values);
    TestDataDir dir;
    const QByteArray bytes =
        "; kept\r\n[other]\r\nTotal=1\r\nRes=z\r\n" + (keys.isEmpty() ? QByteArray() : "[run]\r\n" + keys + "\r\n");
    if (!keys.isNull())
        dir.Write("examres.ini", bytes);
    // Read afresh, and where the history's list of the file found the run.
    for (const bool listed : {false, true}) {
        ResultsStore::ForgetRuns();
        if (listed)
            ResultsStore::ListRuns(dir.Path("examres.ini"));
        const ResultsStore::StoredRun run = ResultsStore::Read(dir.Path("examres.ini"), "run");
        QStringList cells;
        for (int r = 0; r < run.sheet.RowCount(); ++r)
            cells << run.sheet.Cell(0, r) + '|' + run.sheet.Cell(1, r) + '|' + run.sheet.Cell(2, r)
                         + (run.sheet.BlanksLost(r) ? "!" : "");
        QCOMPARE(cells, rows);
        QCOMPARE((QStringList{run.report.Total, run.report.Right, run.report.Errors, run.report.Time}), values);
    }
    // Reading writes nothing.
    QCOMPARE(dir.Read("examres.ini"), keys.isNull() ? QByteArray() : bytes);
    QCOMPARE(dir.Exists("examres.ini"), !keys.isNull());
}

void TestResultsStore::save_moduleKeysAfterTheSeven_data()
{
    QTest::addColumn<QStringList>("module"); // name, from, to
    QTest::addColumn<QByteArray>("tail");
    // clang-format off
    QTest::newRow("Module and range") << QStringList{"Capitals", "Paris", "Oslo"}
                                      << QByteArray("Module=Capitals\r\nFrom=Paris\r\nTo=Oslo\r\n");
    QTest::newRow("empty bounds are written") << QStringList{"Empty", "", ""}
                                              << QByteArray("Module=Empty\r\nFrom=\r\nTo=\r\n");
    QTest::newRow("no Module: the seven alone") << QStringList{"", "", ""} << QByteArray();
    QTest::newRow("bounds with a blank at an end or in quotes go between quotes")
        << QStringList{"Words", " 7", "7 "} << QByteArray("Module=Words\r\nFrom=\" 7\"\r\nTo=\"7 \"\r\n");
    QTest::newRow("a quoted bound keeps its quotes") << QStringList{"'Q'", "\"a\"", "\"b"}
                                                     << QByteArray("Module=\"'Q'\"\r\nFrom=\"\"a\"\"\r\nTo=\"b\r\n");
    QTest::newRow("a bound longer than direct access reads")
        << QStringList{"Long", QString(3000, 'f'), "t"} << "Module=Long\r\nFrom=" + QByteArray(3000, 'f') + "\r\nTo=t\r\n";
    // clang-format on
}

void TestResultsStore::save_moduleKeysAfterTheSeven()
{
    QFETCH(QStringList, module);
    QFETCH(QByteArray, tail);
    TestDataDir dir;
    ResultsStore::Save(dir.Path("testres.ini"), "run", report("2", "1", "3,6", "2"), sheetOf({"a", "b"}, {"a", "x"}),
                       RunModule{module.at(0), module.at(1), module.at(2)});
    const QByteArray seven = "[run]\r\nTotal=2\r\nErrors=1\r\nTime=0:1:5  Average time for each number: 3,25 sec.\r\n"
                             "Mark=2\r\nKoeff=3,6\r\nRes=a,b\r\nAnsw=a,x\r\n";
    QCOMPARE(dir.Read("testres.ini"), seven + tail + "\r\n");
    // The reopen reads the run as it reads one stored before the three keys.
    const ResultsStore::StoredRun run = ResultsStore::Read(dir.Path("testres.ini"), "run");
    QCOMPARE((QStringList{run.report.Total, run.report.Errors, run.report.Koeff, run.report.Mark}),
             (QStringList{"2", "1", "3,6", "2"}));
    QCOMPARE(run.sheet.Cell(AnswerSheet::Answer, 1), QString("x"));
    // The history and its export list the Module and bounds as they were.
    const ResultsStore::RunList list = ResultsStore::ListRuns(dir.Path("testres.ini"));
    QCOMPARE(list.runs.size(), 1);
    QCOMPARE((QStringList{list.runs.at(0).Module, list.runs.at(0).From, list.runs.at(0).To}), module);
}

void TestResultsStore::listRuns_readsWhatDirectAccessReads_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("onePass"); // ForEachRunSheet reads it
    const QByteArray longValue(3000, 'm');
    // clang-format off
    QTest::newRow("seven keys, then three") << QByteArray("[a]\r\nTotal=20\r\nErrors=1\r\nTime=0:1:5  Average\r\nMark=3-\r\n"
                                                          "Koeff=5,63\r\nRes=1,2\r\nAnsw=1,3\r\nModule=M\r\nFrom=1\r\nTo=9\r\n\r\n"
                                                          "[b]\r\nTotal=3\r\nKoeff=1\r\n") << true;
    QTest::newRow("byte-order mark, CR alone, LF alone")
        << QByteArray("\xEF\xBB\xBF[a]\rKoeff=1\rModule=X\n[b]\nKoeff=2\r\nModule=Y") << true;
    QTest::newRow("blanks, quotes, letter case, comments")
        << QByteArray("; note\r\n  [ a ]  \r\n koeff =  '7,5' \r\n;Module=no\r\nMODULE= \" spaced \" \r\n"
                      "Mark=\"3-\r\nfrom=\"\"\r\n") << true;
    QTest::newRow("a key given twice counts where it first stands")
        << QByteArray("[a]\r\nModule=first\r\nModule=second\r\nTo\r\n=x\r\nTo=z=y\r\n") << true;
    QTest::newRow("a name given twice reads its first section")
        << QByteArray("[Run]\r\nModule=A\r\nKoeff=1\r\n[other]\r\nModule=B\r\n[RUN]\r\nModule=C\r\nKoeff=9\r\n") << true;
    QTest::newRow("bytes that are not UTF-8, a value beyond the limit")
        << QByteArray("[Gr\xF6\xDF" "e]\r\nModule=Gr\xF6\xDF" "e \xC3\xA9\r\nFrom=") + longValue + "\r\n" << true;
    QTest::newRow("sections without a name, keys before the first section")
        << QByteArray("Module=stray\r\n[]\r\nModule=none\r\n[a]\r\nTotal=1\r\n") << true;
    QTest::newRow("no sections") << QByteArray("just text\r\n") << true;
    QTest::newRow("sheets: lists not ASCII, keys missing or twice, a name twice")
        << QByteArray("[a]\r\nRes=\xC3\xA9t\xC3\xA9,b\r\nAnsw=\xC3\xA9t\xC3\xA9,c\r\nTotal=2\r\nModule=M\r\n[b]\r\nModule=M\r\n"
                      "Total=3\r\nRes=X,y,z\r\n[A]\r\nModule=N\r\nRes=q\r\n[c]\r\nmodule=M\r\nRES= 1,2\r\nansw=1,2\r\n"
                      "Total=2\r\nRes=9\r\n[d]\r\nModule=M\r\nTotal=\r\nRes=1\r\n[e]\r\nAnsw=1\r\nModule=\"M\"") << true;
    QTest::newRow("byte-order mark where a section's lines start")
        << QByteArray("[a]\r\n\xEF\xBB\xBFRes=1,2\r\nModule=M\r\nTotal=2\r\n") << false;
    // clang-format on
    // A file is read in pieces of Profile::IniPiece bytes: a line across
    // two of them, a line longer than one, sections far past the first.
    for (const int shift : {-4, -3, -2, -1, 0, 1}) {
        // The "[" of b's header at the end of the first piece plus shift.
        const QByteArray head = "[a]\r\nModule=A\r\nRes=";
        QTest::addRow("header at the end of a piece %+d", shift)
            << head + QByteArray(Profile::IniPiece + shift - head.size() - 2, 'x') + "\r\n[b]\r\nModule=B\rKoeff=2"
            << true;
    }
    QTest::newRow("a line longer than a piece")
        << "[a]\nRes=" + QByteArray(Profile::IniPiece * 5 / 2, 'y') + "\n[b]\nModule=B\n[c]\r\nModule=C" << true;
    QByteArray many = "\xEF\xBB\xBF";
    for (int i = 0; many.size() < 3 * Profile::IniPiece; ++i)
        many += "[run " + QByteArray::number(i) + "]\r\nModule=M" + QByteArray::number(i % 7) + "\r\nKoeff="
                + QByteArray::number(i) + (i % 3 ? "\r\n" : "\n") + "Res=" + QByteArray(i % 1000, 'r') + "\r\n";
    QTest::newRow("sections in many pieces") << many << true;
}

void TestResultsStore::listRuns_readsWhatDirectAccessReads()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, onePass);
    TestDataDir dir;
    const QString path = dir.Path("examres.ini");
    // Mutant storedruns-stale: the file was listed before another process
    // wrote it (of another size, so that even a coarse clock tells): the
    // list kept of it then is not handed out again.
    dir.Write("examres.ini", "[earlier]\r\nModule=gone\r\n");
    QCOMPARE(ResultsStore::ListRuns(path).runs.size(), 1);
    // Mutant filestamp-ctime: rewritten in place to the same size, with its
    // modification time put back to the nanosecond (as a copying tool may
    // do): only the change time tells, once the file clock has moved on.
    struct stat before;
    QCOMPARE(::stat(QFile::encodeName(path).constData(), &before), 0);
    timespec start, now;
    ::clock_gettime(CLOCK_REALTIME_COARSE, &start);
    do
        ::clock_gettime(CLOCK_REALTIME_COARSE, &now);
    while (now.tv_sec == start.tv_sec && now.tv_nsec == start.tv_nsec);
    const QByteArray went = "[earlier]\r\nModule=went\r\n";
    QFile same(path);
    QVERIFY(same.open(QIODevice::WriteOnly) && same.write(went) == went.size());
    same.close();
    const timespec times[2] = {before.st_atim, before.st_mtim};
    QCOMPARE(::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0), 0);
    QCOMPARE(ResultsStore::ListRuns(path).runs.value(0).Module, QStringLiteral("went"));
    QFile other(path);
    QVERIFY(other.open(QIODevice::WriteOnly) && other.write(bytes) == bytes.size());
    other.close();
    const ResultsStore::RunList list = ResultsStore::ListRuns(path);
    QVERIFY(list.problem.isEmpty());
    const ProfileFile file(path, ProfileFile::Access::Direct);
    QStringList names;
    file.ListSections(names);
    names.removeAll(QString());
    QStringList listed;
    for (const ResultsStore::RunSummary &run : list.runs)
        listed << run.name;
    QCOMPARE(listed, names);
    for (const ResultsStore::RunSummary &run : list.runs) {
        const QStringList got{run.Total, run.Errors, run.Time, run.Mark, run.Koeff, run.Module, run.From, run.To};
        QStringList want;
        for (const char *key : {"Total", "Errors", "Time", "Mark", "Koeff"})
            want << file.ReadText(run.name, QString::fromLatin1(key), QString());
        // The Module and its bounds are read whole.
        for (const char *key : {"Module", "From", "To"})
            want << file.ReadWholeText(run.name, QString::fromLatin1(key), QString());
        QCOMPARE(got, want);
    }
    // Where each run's bytes lie, as when the same bytes are held whole.
    const QString memory = QStringLiteral("memory:/examres.ini");
    Profile::SetMemoryFile(memory, bytes);
    const ResultsStore::RunList whole = ResultsStore::ListRuns(memory);
    QCOMPARE(list.runs.size(), whole.runs.size());
    for (qsizetype r = 0; r < list.runs.size(); ++r) {
        QCOMPARE(list.runs.at(r).offset, whole.runs.at(r).offset);
        QCOMPARE(list.runs.at(r).length, whole.runs.at(r).length);
    }
    // One pass over the runs reads each as the list and its sheet read it,
    // the lists of the runs of a Module only.
    QVector<QString> sheets(list.runs.size());
    ResultsStore::ForEachSheet(path, list.runs, [&](qsizetype i, const ResultsStore::SheetColumns &columns) {
        sheets[i] = list.runs.at(i).Module.isEmpty() ? QString() : sheetText(list.runs.at(i).Module, columns);
    });
    for (const QString &file : {path, memory}) {
        QStringList passedNames;
        QVector<QString> passed(list.runs.size());
        const bool read = ResultsStore::ForEachRunSheet(
            file, [](const QString &) { return true; },
            [&](const ResultsStore::RunSheet &run) {
                QCOMPARE_LE(run.first, run.run);
                passedNames << run.name;
                passed[run.run] = run.first != run.run ? passed.at(run.first)
                                  : run.columns        ? sheetText(run.module, *run.columns)
                                                       : run.module;
            });
        QCOMPARE(read, onePass);
        if (read) {
            QCOMPARE(passedNames, listed);
            QCOMPARE(passed, sheets);
        }
    }
    Profile::RemoveMemoryFiles();
}

void TestResultsStore::standing_againstTheModulesRuns_data()
{
    QTest::addColumn<QStringList>("runs"); // name|module|koeff, in file order
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("moduleLine");
    QTest::addColumn<QString>("comparison");
    const QStringList runs{"r1|A|5", "r2|B|9", "r3|A|7,25", "r4|A|abc", "r5||8", "r6|A|6,5", "r7|a|20"};
    // clang-format off
    QTest::newRow("first on its Module") << runs << "r1" << "Module: A, f to t" << "No earlier run; best on this Module 7,25 (\u22122,25).";
    QTest::newRow("better than all before") << QStringList{"r1|A|5", "r2|B|9", "r3|A|7,25"} << "r3"
                                            << "Module: A, f to t" << "Previous run 5 (+2,25); best run on this Module so far.";
    QTest::newRow("previous skips other Modules and unparsed Koeffs")
        << runs << "r6" << "Module: A, f to t" << "Previous run 7,25 (\u22120,75); best on this Module 7,25 (\u22120,75).";
    QTest::newRow("found by name in any letter case") << runs << "R6" << "Module: A, f to t"
                                                      << "Previous run 7,25 (\u22120,75); best on this Module 7,25 (\u22120,75).";
    QTest::newRow("equal Koeff") << QStringList{"r1|A|5", "r2|A|5"} << "r2" << "Module: A, f to t"
                                 << QString::fromUtf8("Previous run 5 (\u00B10); best run on this Module so far.");
    QTest::newRow("alone on its Module") << runs << "r7" << "Module: a, f to t" << "The only run on this Module.";
    QTest::newRow("stored without a Module") << runs << "r5" << QString::fromUtf8("Module: \u2014")
                                             << "Stored without its Module: no runs to compare with.";
    QTest::newRow("Koeff not a number") << runs << "r4" << "Module: A, f to t" << "";
    QTest::newRow("not in the file") << runs << "r9" << "" << "";
    QTest::newRow("below the best, after it")
        << QStringList{"r1|A|3", "r2|A|9", "r3|A|4", "r4|A|8"} << "r4" << "Module: A, f to t"
        << "Previous run 4 (+4); best on this Module 9 (\u22121).";
    // clang-format on
}

void TestResultsStore::standing_againstTheModulesRuns()
{
    QFETCH(QStringList, runs);
    QFETCH(QString, section);
    QFETCH(QString, moduleLine);
    QFETCH(QString, comparison);
    QVector<ResultsStore::RunSummary> list;
    QByteArray bytes;
    for (const QString &r : runs) {
        const QStringList f = r.split('|');
        ResultsStore::RunSummary run;
        run.name = f.at(0);
        run.Module = f.at(1);
        run.Koeff = f.at(2);
        run.From = run.Module.isEmpty() ? QString() : QStringLiteral("f");
        run.To = run.Module.isEmpty() ? QString() : QStringLiteral("t");
        list << run;
        bytes += "[" + run.name.toUtf8() + "]\r\nKoeff=" + run.Koeff.toUtf8() + "\r\n";
        if (!run.Module.isEmpty())
            bytes += "Module=" + run.Module.toUtf8() + "\r\nFrom=f\r\nTo=t\r\n";
    }
    const ResultsStore::Standing standing = ResultsStore::StandingOf(list, section);
    QCOMPARE(ResultsStore::ModuleLine(standing), moduleLine);
    QCOMPARE(ResultsStore::ComparisonLine(standing), comparison);
    // The same run of a file, through what its list keeps.
    TestDataDir dir;
    dir.Write("examres.ini", bytes);
    const ResultsStore::Standing stored = ResultsStore::StandingIn(dir.Path("examres.ini"), section);
    QCOMPARE(ResultsStore::ModuleLine(stored), moduleLine);
    QCOMPARE(ResultsStore::ComparisonLine(stored), comparison);
}

QTEST_GUILESS_MAIN(TestResultsStore)
#include "tst_resultsstore.moc"
