#include "library/keepfile.h"
#include "profile/profilefile.h"
#include "results/keeping.h"
#include "results/resultsstore.h"
#include "tests/testsupport.h"

#include <QDir>
#include <QTest>

namespace {

const QDate Day0(2026, 10, 1);

// "d:r/t": a run on day d (from Day0) at noon with r of t right in order;
// "d@h:r/t" at hour h.
QVector<Keeping::Figure> figures(const QStringList &runs)
{
    QVector<Keeping::Figure> out;
    for (const QString &run : runs) {
        const QStringList parts = run.split(QLatin1Char(':'));
        const QStringList when = parts.at(0).split(QLatin1Char('@'));
        const QStringList score = parts.at(1).split(QLatin1Char('/'));
        const int hour = when.size() > 1 ? when.at(1).toInt() : 12;
        out.append(Keeping::Figure{QDateTime(Day0.addDays(when.at(0).toInt()), QTime(hour, 0)), score.at(1).toInt(),
                                   score.at(0).toInt()});
    }
    return out;
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

// A run of the ten Elements "a".."j" stored on day `day` with `right` of
// them answered in their places and the rest wrong.
void saveRun(const QString &path, const QString &module, int day, int hour, int right)
{
    const QStringList texts = {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"};
    QStringList answers = texts;
    for (int i = right; i < answers.size(); ++i)
        answers[i] = QStringLiteral("x");
    const QString start = ResultsStore::SectionName(QDateTime(Day0.addDays(day), QTime(hour, 0)), QLocale());
    ResultsStore::Save(path, start,
                       RunReport{"10", QString::number(right), QString::number(10 - right), "0:0:30", "1", "5"},
                       sheetOf(texts, answers), RunModule{module, "a", "j"});
}

} // namespace

class TestKeeping : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void scheduleOf_data();
    void scheduleOf();
    void runStart_readsWhatSectionNameWrote_data();
    void runStart_readsWhatSectionNameWrote();
    void plan_fromStoredRuns_data();
    void plan_fromStoredRuns();
    void plan_unreadableResultsFile_raises();
    void keepFile_setKeepsOtherSections();
    void retention_daysSinceThePreviousRun();
};

void TestKeeping::scheduleOf_data()
{
    QTest::addColumn<QStringList>("runs");
    QTest::addColumn<int>("threshold");
    QTest::addColumn<int>("today");
    QTest::addColumn<int>("interval"); // 0: no run counted
    QTest::addColumn<int>("due");      // day from Day0; ignored without a run
    QTest::addColumn<int>("overdue");

    // clang-format off
    QTest::newRow("no runs: due at once")         << QStringList{} << 90 << 5 << 0 << 0 << 0;
    QTest::newRow("first run holds")              << QStringList{"0:20/20"} << 90 << 0 << 1 << 1 << -1;
    QTest::newRow("first run fails")              << QStringList{"0:3/20"} << 90 << 0 << 1 << 1 << -1;
    QTest::newRow("ladder up, each on its day")   << QStringList{"0:20/20", "1:20/20", "4:20/20", "11:20/20"} << 90 << 11 << 14 << 25 << -14;
    QTest::newRow("ladder top stays at 120")      << QStringList{"0:9/9", "1:9/9", "4:9/9", "11:9/9", "25:9/9", "55:9/9", "115:9/9", "235:9/9"} << 90 << 235 << 120 << 355 << -120;
    QTest::newRow("late re-test climbs from its day") << QStringList{"0:20/20", "1:20/20", "9:20/20"} << 90 << 9 << 7 << 16 << -7;
    QTest::newRow("fail brings back to 1 day")    << QStringList{"0:20/20", "1:20/20", "4:20/20", "11:17/20"} << 90 << 11 << 1 << 12 << -1;
    QTest::newRow("climbs again after a fail")    << QStringList{"0:20/20", "1:20/20", "4:10/20", "5:20/20"} << 90 << 5 << 3 << 8 << -3;
    QTest::newRow("threshold met exactly holds")  << QStringList{"0:20/20", "1:18/20"} << 90 << 1 << 3 << 4 << -3;
    QTest::newRow("one short of threshold fails") << QStringList{"0:20/20", "1:17/20"} << 90 << 1 << 1 << 2 << -1;
    QTest::newRow("89.6 % is below 90")           << QStringList{"0:29/29", "1:26/29"} << 90 << 1 << 1 << 2 << -1;
    QTest::newRow("threshold 100, one wrong")     << QStringList{"0:20/20", "1:19/20"} << 100 << 1 << 1 << 2 << -1;
    QTest::newRow("threshold 50 takes half")      << QStringList{"0:20/20", "1:10/20"} << 50 << 1 << 3 << 4 << -3;
    QTest::newRow("no Elements never hold")       << QStringList{"0:20/20", "1:0/0"} << 90 << 1 << 1 << 2 << -1;
    QTest::newRow("same day twice climbs once")   << QStringList{"0@9:20/20", "0@18:20/20"} << 90 << 0 << 1 << 1 << -1;
    QTest::newRow("same day, then a fail")        << QStringList{"0:20/20", "1@9:20/20", "1@18:5/20"} << 90 << 1 << 1 << 2 << -1;
    QTest::newRow("early pass changes nothing")   << QStringList{"0:20/20", "1:20/20", "2:20/20"} << 90 << 2 << 3 << 4 << -2;
    QTest::newRow("early fail resets")            << QStringList{"0:20/20", "1:20/20", "2:1/20"} << 90 << 2 << 1 << 3 << -1;
    QTest::newRow("the README's worked example") << QStringList{"0:19/20", "1:20/20", "1@20:20/20", "7:18/20", "14:16/20"} << 90 << 14 << 1 << 15 << -1;
    QTest::newRow("worked example before its last run") << QStringList{"0:19/20", "1:20/20", "1@20:20/20", "7:18/20"} << 90 << 10 << 7 << 14 << -4;
    QTest::newRow("overdue counts days")          << QStringList{"0:20/20", "1:20/20"} << 90 << 10 << 3 << 4 << 6;
    QTest::newRow("due on the day itself")        << QStringList{"0:20/20"} << 90 << 1 << 1 << 1 << 0;
    QTest::newRow("taken by start, not as given") << QStringList{"4:20/20", "0:20/20", "1:20/20"} << 90 << 4 << 7 << 11 << -7;
    QTest::newRow("clock set back: run from the future counts as today") << QStringList{"0:20/20", "30:20/20"} << 90 << 2 << 3 << 5 << -3;
    QTest::newRow("clock set back below the last run") << QStringList{"0:20/20", "1:20/20"} << 90 << 0 << 1 << 1 << -1;
    // clang-format on
}

void TestKeeping::scheduleOf()
{
    QFETCH(QStringList, runs);
    QFETCH(int, threshold);
    QFETCH(int, today);
    QFETCH(int, interval);
    QFETCH(int, due);
    QFETCH(int, overdue);
    const QDate now = Day0.addDays(today);
    const Keeping::Schedule s = Keeping::ScheduleOf(figures(runs), threshold, now);
    QCOMPARE(s.Interval(), interval);
    if (interval > 0)
        QCOMPARE(s.due, Day0.addDays(due));
    else
        QVERIFY(!s.due.isValid());
    QCOMPARE(Keeping::DaysOverdue(s, now), overdue);
    QCOMPARE(Keeping::IsDue(s, now), overdue >= 0);
}

void TestKeeping::runStart_readsWhatSectionNameWrote_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QDateTime>("start");
    QTest::addColumn<QString>("suffix");

    const QDateTime evening(QDate(2026, 12, 6), QTime(20, 54, 9));
    // clang-format off
    QTest::newRow("C")                 << "C" << evening << "";
    QTest::newRow("German")            << "de_DE" << evening << "";
    QTest::newRow("Russian")           << "ru_RU" << evening << "";
    QTest::newRow("US, afternoon")     << "en_US" << evening << "";
    QTest::newRow("US, morning")       << "en_US" << QDateTime(QDate(2027, 1, 2), QTime(8, 5, 1)) << "";
    QTest::newRow("Japanese")          << "ja_JP" << evening << "";
    QTest::newRow("second of a name")  << "de_DE" << evening << " (2)";
    QTest::newRow("midnight: date only") << "de_DE" << QDateTime(QDate(2026, 3, 1), QTime(0, 0)) << "";
    // clang-format on
}

void TestKeeping::runStart_readsWhatSectionNameWrote()
{
    QFETCH(QString, locale);
    QFETCH(QDateTime, start);
    QFETCH(QString, suffix);
    const QLocale l(locale);
    QCOMPARE(Keeping::RunStart(ResultsStore::SectionName(start, l) + suffix, l), start);
    QVERIFY(!Keeping::RunStart(QStringLiteral("not a date"), l).isValid());
}

void TestKeeping::plan_fromStoredRuns_data()
{
    QTest::addColumn<QByteArray>("keep");
    QTest::addColumn<QStringList>("library");
    QTest::addColumn<QStringList>("expected"); // "Module interval due-day overdue order"

    // Stored: Training of "Capitals" on day 0 (10/10) and day 1 (10/10),
    // an Exam of "Capitals" on day 4 (9/10), a Training of "Digits" on day
    // 2 (5/10), "Old" on day 0. Today is day 6.
    // clang-format off
    QTest::newRow("both files count, in start order") << QByteArray("[Capitals]\nOrder=sequence\n")
        << QStringList{"Capitals", "Digits"} << QStringList{"Capitals 7 11 -5 sequence"};
    QTest::newRow("due first, overdue before never run") << QByteArray("[Digits]\nOrder=set\n[Capitals]\n[Fresh]\n")
        << QStringList{"Capitals", "Digits", "Fresh"}
        << QStringList{"Digits 1 3 3 set", "Fresh 0 -1 0 sequence", "Capitals 7 11 -5 sequence"};
    QTest::newRow("kept name in other letter case") << QByteArray("[capitals]\n")
        << QStringList{"Capitals"} << QStringList{"Capitals 7 11 -5 sequence"};
    QTest::newRow("deleted Module is left out") << QByteArray("[Gone]\n[Digits]\n")
        << QStringList{"Capitals", "Digits"} << QStringList{"Digits 1 3 3 sequence"};
    QTest::newRow("renamed Module starts afresh") << QByteArray("[New]\n")
        << QStringList{"New"} << QStringList{"New 0 -1 0 sequence"};
    QTest::newRow("no keep file keeps nothing") << QByteArray()
        << QStringList{"Capitals", "Digits"} << QStringList{};
    // clang-format on
}

void TestKeeping::plan_fromStoredRuns()
{
    QFETCH(QByteArray, keep);
    QFETCH(QStringList, library);
    QFETCH(QStringList, expected);
    TestDataDir dir;
    const QString training = dir.Path("testres.ini"), exam = dir.Path("examres.ini");
    saveRun(training, "Capitals", 0, 10, 10);
    saveRun(training, "Old", 0, 11, 10);
    saveRun(training, "Capitals", 1, 10, 10);
    saveRun(training, "Digits", 2, 10, 5);
    saveRun(exam, "Capitals", 4, 10, 9);
    if (!keep.isEmpty())
        dir.Write("keep.ini", keep);
    const QDate today = Day0.addDays(6);
    const QVector<Keeping::KeptModule> plan =
        Keeping::Plan(KeepFile::Read(KeepFile::KeepPath()), library, {training, exam}, 90, today);
    // The due ones as the list shows them, then the rest in the plan's order.
    QStringList got;
    QVector<Keeping::KeptModule> ordered = Keeping::DueToday(plan, today);
    for (const Keeping::KeptModule &m : plan) {
        if (!Keeping::IsDue(m.schedule, today))
            ordered.append(m);
    }
    for (const Keeping::KeptModule &m : ordered)
        got << QStringLiteral("%1 %2 %3 %4 %5")
                   .arg(m.module)
                   .arg(m.schedule.Interval())
                   .arg(m.schedule.due.isValid() ? Day0.daysTo(m.schedule.due) : -1)
                   .arg(Keeping::DaysOverdue(m.schedule, today))
                   .arg(m.sequence ? "sequence" : "set");
    QCOMPARE(got, expected);
}

void TestKeeping::plan_unreadableResultsFile_raises()
{
    // Counting no runs would make a kept Module look never trained.
    TestDataDir dir;
    const QString training = dir.Path("testres.ini");
    QVERIFY(QDir().mkdir(training));
    QString message;
    try {
        Keeping::Plan({KeepFile::Kept{"Capitals", true}}, {"Capitals"}, {training}, 90, Day0);
    } catch (const AppError &e) {
        message = e.Text();
    }
    QVERIFY2(message.startsWith(QStringLiteral("Cannot open file \"%1\". ").arg(training)), qPrintable(message));
}

void TestKeeping::keepFile_setKeepsOtherSections()
{
    TestDataDir dir;
    const QByteArray before =
        "\xEF\xBB\xBF; kept by hand\r\n[Capitals]\r\nOrder=set\r\n\r\n[D\xE9j\xE0]\r\nOrder=sequence\r\n\r\n";
    dir.Write("keep.ini", before);
    KeepFile::Set(KeepFile::KeepPath(), "Digits", true, true);
    KeepFile::Set(KeepFile::KeepPath(), "Digits", false);
    QCOMPARE(dir.Read("keep.ini"), before);
    QCOMPARE(KeepFile::Read(KeepFile::KeepPath()).size(), 2);
    QVERIFY(!KeepFile::Read(KeepFile::KeepPath()).at(0).sequence);
    KeepFile::Set(KeepFile::KeepPath(), "capitals", false);
    QCOMPARE(KeepFile::Read(KeepFile::KeepPath()).size(), 1);
    KeepFile::Set(dir.Path("absent.ini"), "Digits", false);
    QVERIFY(!dir.Exists("absent.ini"));
}

void TestKeeping::retention_daysSinceThePreviousRun()
{
    const QVector<QPointF> points = Keeping::Retention(figures({"0:20/20", "3:15/20", "3:20/20", "10:18/20"}));
    QCOMPARE(points, (QVector<QPointF>{{3, 75}, {0, 100}, {7, 90}}));
}

QTEST_GUILESS_MAIN(TestKeeping)
#include "tst_keeping.moc"
