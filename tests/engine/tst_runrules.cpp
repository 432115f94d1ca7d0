#include "engine/exerciserules.h"
#include "engine/runrules.h"
#include "library/examrules.h"
#include "results/sportscoring.h"
#include "tests/testsupport.h"

#include <QMap>
#include <QSet>
#include <QTest>

class TestRunRules : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void timerTicks_data();
    void timerTicks();
    void refusal_data();
    void refusal();
    void span_data();
    void span();
    void draws_data();
    void draws();
    void drawing_data();
    void drawing();
    void tickPeriod_data();
    void tickPeriod();
    void fadeLevel_data();
    void fadeLevel();
    void tooSlow_data();
    void tooSlow();
    void examTimeExceeded_data();
    void examTimeExceeded();
    void mayContinue_data();
    void mayContinue();
    void examMistakeLimit_data();
    void examMistakeLimit();
    void wrongAnswersText_data();
    void wrongAnswersText();
    void splitRecall_data();
    void splitRecall();
    void texts();
};

void TestRunRules::timerTicks_data()
{
    QTest::addColumn<int>("ms");
    QTest::addColumn<int>("ticks");
    QTest::newRow("5000") << 5000 << 5;
    QTest::newRow("5500 half up") << 5500 << 6;
    QTest::newRow("6000") << 6000 << 6;
    QTest::newRow("6040") << 6040 << 6;
    QTest::newRow("6050 held below the half") << 6050 << 6;
    QTest::newRow("6051") << 6051 << 7;
    QTest::newRow("6100") << 6100 << 7;
    QTest::newRow("8050 held above the half") << 8050 << 9;
    QTest::newRow("20000") << 20000 << 20;
    QTest::newRow("49 gives none") << 49 << 0;
    QTest::newRow("50") << 50 << 1;
    QTest::newRow("negative") << -3000 << -3;
    QTest::newRow("largest") << 2147483647 << 2147484;
}

void TestRunRules::timerTicks()
{
    QFETCH(int, ms);
    QFETCH(int, ticks);
    QCOMPARE(Run::TimerTicks(ms), ticks);
}

void TestRunRules::refusal_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("total");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<bool>("refused");
    QTest::newRow("training whole list") << 2 << 20 << 5 << 0 << 4 << false;
    QTest::newRow("bounds reversed") << 2 << 20 << 5 << 4 << 0 << false;
    QTest::newRow("one item range") << 3 << 20 << 5 << 2 << 2 << false;
    QTest::newRow("single element run") << 2 << 1 << 5 << 0 << 4 << true;
    QTest::newRow("no elements") << 3 << 0 << 5 << 0 << 4 << true;
    QTest::newRow("negative count") << 3 << -5 << 5 << 0 << 4 << true;
    QTest::newRow("two elements") << 2 << 2 << 5 << 0 << 4 << false;
    QTest::newRow("largest count") << 2 << 100000 << 5 << 0 << 4 << false;
    QTest::newRow("beyond largest count") << 2 << 100001 << 5 << 0 << 4 << true;
    QTest::newRow("empty module") << 2 << 20 << 0 << -1 << -1 << true;
    QTest::newRow("nothing selected as to") << 3 << 20 << 5 << 0 << -1 << true;
    QTest::newRow("bound beyond the list") << 2 << 20 << 5 << 0 << 5 << true;
    QTest::newRow("introductory needs no range") << 1 << 20 << 0 << -1 << -1 << false;
}

void TestRunRules::refusal()
{
    QFETCH(int, mode);
    QFETCH(int, count);
    QFETCH(int, total);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(bool, refused);
    Run::LaunchValues values;
    values.elementTotal = total;
    values.rangeFrom = from;
    values.rangeTo = to;
    Run::Parameters p;
    p.elementCount = count;
    QCOMPARE(!Run::Refusal(mode, p, values).isEmpty(), refused);
}

void TestRunRules::span_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<int>("total");
    QTest::addColumn<int>("low"); // -1: no span
    QTest::addColumn<int>("high");
    QTest::newRow("in order") << 1 << 3 << 5 << 1 << 3;
    QTest::newRow("reversed") << 3 << 1 << 5 << 1 << 3;
    QTest::newRow("one item") << 2 << 2 << 5 << 2 << 2;
    QTest::newRow("whole list") << 0 << 4 << 5 << 0 << 4;
    QTest::newRow("from unselected") << -1 << 3 << 5 << -1 << -1;
    QTest::newRow("to outside") << 0 << 5 << 5 << -1 << -1;
    QTest::newRow("empty list") << 0 << 0 << 0 << -1 << -1;
}

void TestRunRules::span()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(int, total);
    QFETCH(int, low);
    QFETCH(int, high);
    const std::optional<Run::DrawSpan> s = Run::SpanOf(from, to, total);
    QCOMPARE(s.has_value(), low >= 0);
    if (s) {
        QCOMPARE(s->low, low);
        QCOMPARE(s->high, high);
    }
}

void TestRunRules::draws_data()
{
    // The test generator reduces a queued draw modulo n, so a draw of
    // exactly n shows whether the span's size is right.
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("queued");
    QTest::addColumn<QString>("result");
    QTest::newRow("index low") << "index 1..3" << 0 << "1";
    QTest::newRow("index high") << "index 1..3" << 2 << "3";
    QTest::newRow("index size 3") << "index 1..3" << 3 << "1";
    QTest::newRow("index one item") << "index 4..4" << 7 << "4";
    QTest::newRow("introductory lowest") << "introductory" << 0 << "1";
    QTest::newRow("introductory highest") << "introductory" << 98 << "99";
    QTest::newRow("introductory of 99") << "introductory" << 99 << "1";
    QTest::newRow("sum terms") << "sum" << 49 << "50 + 50 =";
    QTest::newRow("sum of 50") << "sum" << 50 << "1 + 1 =";
}

void TestRunRules::draws()
{
    QFETCH(QString, kind);
    QFETCH(int, queued);
    QFETCH(QString, result);
    TestRandom random;
    random.queued = {queued, queued};
    QString drawn;
    if (kind == QLatin1String("index 1..3"))
        drawn = QString::number(Run::DrawIndex(Run::DrawSpan{1, 3}));
    else if (kind == QLatin1String("index 4..4"))
        drawn = QString::number(Run::DrawIndex(Run::DrawSpan{4, 4}));
    else if (kind == QLatin1String("introductory"))
        drawn = Run::DrawIntroductoryElement();
    else
        drawn = Exercises::DrawSum().Label();
    QCOMPARE(drawn, result);
    QCOMPARE(random.reseeds, 0); // reseeding is the caller's choice
}

void TestRunRules::drawing_data()
{
    // Many draws of a span of five from the test generator.
    QTest::addColumn<int>("drawNumber");
    QTest::addColumn<bool>("passWhole");   // every pass of five holds each position once
    QTest::addColumn<bool>("inOrder");     // each pass is 2, 3, 4, 5, 6
    QTest::addColumn<bool>("repeatsSeen"); // some pass holds a position twice
    // clang-format off
    QTest::newRow("at random: with replacement") << int(Settings::Draw::AtRandom) << false << false << true;
    QTest::newRow("shuffled: each once a pass") << int(Settings::Draw::Shuffled) << true << false << false;
    QTest::newRow("in order: the range, wrapping") << int(Settings::Draw::InOrder) << true << true << false;
    // clang-format on
}

void TestRunRules::drawing()
{
    QFETCH(int, drawNumber);
    const auto draw = Settings::Draw(drawNumber);
    QFETCH(bool, passWhole);
    QFETCH(bool, inOrder);
    QFETCH(bool, repeatsSeen);
    TestRandom random;
    const Run::DrawSpan span{2, 6};
    constexpr int Passes = 2000;
    Run::Drawing drawing(draw, span);
    QMap<int, int> counts;   // position: how often drawn
    QMap<int, int> firsts;   // position: how often first of its pass
    QSet<QList<int>> orders; // the passes as drawn
    bool repeated = false;
    bool whole = true;
    bool ordered = true;
    for (int pass = 0; pass < Passes; ++pass) {
        QList<int> drawn;
        for (int i = 0; i < span.Size(); ++i) {
            const int position = drawing.Next();
            QVERIFY2(position >= span.low && position <= span.high, qPrintable(QString::number(position)));
            drawn << position;
            ++counts[position];
        }
        ++firsts[drawn.first()];
        orders.insert(drawn);
        const QSet<int> distinct(drawn.begin(), drawn.end());
        repeated = repeated || distinct.size() < drawn.size();
        whole = whole && distinct.size() == span.Size();
        ordered = ordered && drawn == QList<int>{2, 3, 4, 5, 6};
    }
    QCOMPARE(whole, passWhole);
    QCOMPARE(ordered, inOrder);
    QCOMPARE(repeated, repeatsSeen);
    // Every position is drawn about as often as any other: exactly so
    // where each pass is whole.
    QCOMPARE(counts.size(), span.Size());
    for (int count : std::as_const(counts)) {
        if (passWhole)
            QCOMPARE(count, Passes);
        else
            QVERIFY2(qAbs(count - Passes) < Passes / 10, qPrintable(QString::number(count)));
    }
    // A shuffled deck starts anywhere and comes in many orders; in order
    // always starts at the low end.
    if (inOrder) {
        QCOMPARE(firsts.keys(), QList<int>{span.low});
        QCOMPARE(orders.size(), 1);
    } else {
        QCOMPARE(firsts.size(), span.Size());
        for (int count : std::as_const(firsts))
            QVERIFY2(qAbs(count - Passes / span.Size()) < Passes / span.Size() / 4, qPrintable(QString::number(count)));
        QVERIFY(orders.size() > 100);
    }
    // One Element in the range gives it every time.
    Run::Drawing single(draw, Run::DrawSpan{4, 4});
    for (int i = 0; i < 3; ++i)
        QCOMPARE(single.Next(), 4);
}

void TestRunRules::tickPeriod_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("timer");
    QTest::addColumn<bool>("unlimited");
    QTest::addColumn<int>("period"); // ms of a tick
    QTest::addColumn<int>("ticks");  // ticks an Element stands
    // clang-format off
    QTest::newRow("half a second stands half a second") << 2 << "500" << false << 500 << 1;
    QTest::newRow("spoken 0.8 s")                       << 2 << "800" << false << 800 << 1;
    QTest::newRow("just under a second")                << 2 << "999" << false << 999 << 1;
    QTest::newRow("a second")                           << 2 << "1000" << false << 1000 << 1;
    QTest::newRow("six seconds")                        << 2 << "6000" << false << 1000 << 6;
    QTest::newRow("unlimited time keeps the second")    << 2 << "500" << true << 1000 << 20;
    QTest::newRow("below 50 ms: until Next")            << 2 << "49" << false << 1000 << 0;
    QTest::newRow("exam: its own pace")                 << 3 << "500" << false << 1000 << 6;
    QTest::newRow("introductory: its own pace")         << 1 << "500" << false << 1000 << 6;
    // clang-format on
}

void TestRunRules::tickPeriod()
{
    QFETCH(int, mode);
    QFETCH(QString, timer);
    QFETCH(bool, unlimited);
    QFETCH(int, period);
    QFETCH(int, ticks);
    Run::LaunchValues values;
    values.numberText = QStringLiteral("20");
    values.timerText = timer;
    values.unlimitedTime = unlimited;
    values.showSerialNumber = true;
    const Run::Parameters p = Run::ParametersFor(mode, values);
    QCOMPARE(p.tickPeriodMs, period);
    QCOMPARE(p.ticksPerElement, ticks);
    // Mutant runrules-exam-counter: an Exam hides the counter whatever the
    // Training page chose.
    QCOMPARE(p.counterVisible, mode != Run::ExamMode);
}

void TestRunRules::fadeLevel_data()
{
    QTest::addColumn<int>("ticks");
    QTest::addColumn<QList<int>>("levels"); // for k = 0 .. T - 1
    QTest::newRow("6") << 6 << QList<int>{0, 32, 64, 96, 128, 160};
    QTest::newRow("5") << 5 << QList<int>{0, 38, 76, 115, 153};
    QTest::newRow("7") << 7 << QList<int>{0, 27, 54, 82, 109, 137, 164};
    QTest::newRow("1") << 1 << QList<int>{0};
}

void TestRunRules::fadeLevel()
{
    QFETCH(int, ticks);
    QFETCH(QList<int>, levels);
    for (int k = 0; k < ticks; ++k)
        QCOMPARE(Run::FadeLevel(k, ticks), levels.at(k));
    QCOMPARE(Run::FadeLevel(19, 20), 182);
    QCOMPARE(Run::FadeLevel(3, 0), 0);
}

void TestRunRules::tooSlow_data()
{
    QTest::addColumn<quint32>("ms");
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("slow");
    QTest::newRow("1: 11 s") << quint32(11 * 999 + 998) << 1 << false;
    QTest::newRow("1: 12 s") << quint32(12 * 999) << 1 << true;
    QTest::newRow("1: 999 ms seconds") << quint32(11990) << 1 << true;
    QTest::newRow("1: seconds part only") << quint32(60 * 999 + 5 * 999) << 1 << false;
    QTest::newRow("1: 72 s is 12") << quint32(72 * 999) << 1 << true;
    QTest::newRow("2: 23 s") << quint32(23 * 999) << 2 << false;
    QTest::newRow("2: 24 s") << quint32(24 * 999) << 2 << true;
    QTest::newRow("3: 35 s") << quint32(35 * 999) << 3 << false;
    QTest::newRow("3: 36 s") << quint32(36 * 999) << 3 << true;
    QTest::newRow("4: 47 s") << quint32(47 * 999) << 4 << false;
    QTest::newRow("4: 48 s") << quint32(48 * 999) << 4 << true;
    QTest::newRow("5: 59 s") << quint32(59 * 999) << 5 << false;
    QTest::newRow("20: an hour") << quint32(3600 * 1000 + 59 * 999) << 20 << false;
    QTest::newRow("wrapped difference") << quint32(0u - 12u * 999u) << 1 << true;
}

void TestRunRules::tooSlow()
{
    QFETCH(quint32, ms);
    QFETCH(int, count);
    QFETCH(bool, slow);
    QCOMPARE(Run::TooSlow(ms, count), slow);
}

void TestRunRules::examTimeExceeded_data()
{
    QTest::addColumn<quint32>("ms");
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("exceeded");
    QTest::newRow("120.4 s") << quint32(120400) << 20 << false;
    QTest::newRow("120.5 s to even 120") << quint32(120500) << 20 << false;
    QTest::newRow("120.6 s") << quint32(120600) << 20 << true;
    QTest::newRow("121 s") << quint32(121000) << 20 << true;
    QTest::newRow("119.5 s to even 120") << quint32(119500) << 20 << false;
    QTest::newRow("120 s at 999 would pass") << quint32(120880) << 20 << true;
    QTest::newRow("30: 180 s") << quint32(180000) << 30 << false;
    QTest::newRow("longest time") << quint32(4294967295u) << 715827 << true;
    QTest::newRow("six times count beyond 32 bits") << quint32(4294967295u) << 400000000 << false;
}

void TestRunRules::examTimeExceeded()
{
    QFETCH(quint32, ms);
    QFETCH(int, count);
    QFETCH(bool, exceeded);
    QCOMPARE(Run::ExamTimeExceeded(ms, count), exceeded);
}

void TestRunRules::mayContinue_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("mistakes");
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("goesOn");
    QTest::newRow("exam 20: 2") << 3 << 2 << 20 << true;
    QTest::newRow("exam 20: 3") << 3 << 3 << 20 << false;
    QTest::newRow("exam 25: 2") << 3 << 2 << 25 << true;
    QTest::newRow("exam 25: 3") << 3 << 3 << 25 << false;
    QTest::newRow("exam 30: 3") << 3 << 3 << 30 << true;
    QTest::newRow("exam 30: 4") << 3 << 4 << 30 << false;
    QTest::newRow("exam 9: 0") << 3 << 0 << 9 << true;
    QTest::newRow("exam 9: 1") << 3 << 1 << 9 << false;
    QTest::newRow("training any") << 2 << 20 << 20 << true;
    QTest::newRow("introductory any") << 1 << 20 << 20 << true;
}

void TestRunRules::mayContinue()
{
    QFETCH(int, mode);
    QFETCH(int, mistakes);
    QFETCH(int, count);
    QFETCH(bool, goesOn);
    QCOMPARE(Run::MayContinue(mode, mistakes, count), goesOn);
}

void TestRunRules::examMistakeLimit_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("limit");
    QTest::addColumn<QString>("rule");
    // clang-format off
    QTest::newRow("2") << 2 << 1 << "Mistakes allowed in an Exam of 2 Elements: 0. Mistake 1 ends it.";
    QTest::newRow("9") << 9 << 1 << "Mistakes allowed in an Exam of 9 Elements: 0. Mistake 1 ends it.";
    QTest::newRow("10") << 10 << 2 << "Mistakes allowed in an Exam of 10 Elements: 1. Mistake 2 ends it.";
    QTest::newRow("20") << 20 << 3 << "Mistakes allowed in an Exam of 20 Elements: 2. Mistake 3 ends it.";
    QTest::newRow("25") << 25 << 3 << "Mistakes allowed in an Exam of 25 Elements: 2. Mistake 3 ends it.";
    QTest::newRow("29") << 29 << 3 << "Mistakes allowed in an Exam of 29 Elements: 2. Mistake 3 ends it.";
    QTest::newRow("30") << 30 << 4 << "Mistakes allowed in an Exam of 30 Elements: 3. Mistake 4 ends it.";
    QTest::newRow("1000") << 1000 << 101 << "Mistakes allowed in an Exam of 1000 Elements: 100. Mistake 101 ends it.";
    QTest::newRow("100000") << 100000 << 10001 << "Mistakes allowed in an Exam of 100000 Elements: 10000. Mistake 10001 ends it.";
    // clang-format on
}

// What the options and the start say is what the runner does: the Exam
// goes on up to the limit and ends at it.
void TestRunRules::examMistakeLimit()
{
    QFETCH(int, count);
    QFETCH(int, limit);
    QFETCH(QString, rule);
    QCOMPARE(Exam::MistakeLimit(count), limit);
    QVERIFY(Run::MayContinue(Run::ExamMode, limit - 1, count));
    QVERIFY(!Run::MayContinue(Run::ExamMode, limit, count));
    QCOMPARE(Exam::MistakeRule(count), rule);
}

void TestRunRules::wrongAnswersText_data()
{
    QTest::addColumn<QStringList>("elements");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<int>("maxLines");
    QTest::addColumn<QString>("text");
    const QString w40 = QString(40, QLatin1Char('w')), w41 = QString(41, QLatin1Char('w'));
    // clang-format off
    QTest::newRow("wrong and blank") << QStringList{"a", "b", "c"} << QStringList{"a", "", "x"} << 20
        << "Wrong answers:\n2. b (no answer)\n3. c (answered: x)";
    QTest::newRow("case and blanks count") << QStringList{"Rome", "Oslo"} << QStringList{"rome", "Oslo "} << 20
        << "Wrong answers:\n1. Rome (answered: rome)\n2. Oslo (answered: Oslo )";
    QTest::newRow("more than shown") << QStringList{"a", "b", "c", "d"} << QStringList{"x", "b", "y", "z"} << 2
        << "Wrong answers:\n1. a (answered: x)\n3. c (answered: y)\n... and 1 more";
    QTest::newRow("as many as shown") << QStringList{"a", "b"} << QStringList{"x", "y"} << 2
        << "Wrong answers:\n1. a (answered: x)\n2. b (answered: y)";
    QTest::newRow("long texts cut, breaks as blanks") << QStringList{w41, w40} << QStringList{"a\nb", "x"} << 20
        << "Wrong answers:\n1. " + QString(39, QLatin1Char('w')) + QChar(0x2026) + " (answered: a b)\n2. " + w40 + " (answered: x)";
    QTest::newRow("answers stop early") << QStringList{"a", "b", "c"} << QStringList{"x"} << 20
        << "Wrong answers:\n1. a (answered: x)";
    QTest::newRow("all right") << QStringList{"a"} << QStringList{"a"} << 20 << QString();
    // clang-format on
}

// What an Exam ended for too many mistakes lists under its message.
void TestRunRules::wrongAnswersText()
{
    QFETCH(QStringList, elements);
    QFETCH(QStringList, answers);
    QFETCH(int, maxLines);
    QFETCH(QString, text);
    QCOMPARE(Run::WrongAnswersText(elements, answers, maxLines), text);
}

void TestRunRules::splitRecall_data()
{
    QTest::addColumn<QStringList>("elements");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<int>("untilFirst"); // the score until the first mistake
    const QStringList pi{"3", "1", "4", "1", "5", "9", "2", "6", "5", "3"};
    // clang-format off
    QTest::newRow("all right, blanks and line breaks left out")
        << pi << " 31 415\n92\t65 3\r\n" << pi << 10;
    QTest::newRow("a mistake at the 6th: 5 count")
        << pi << "3141529653" << QStringList{"3", "1", "4", "1", "5", "2", "9", "6", "5", "3"} << 5;
    QTest::newRow("stops after the 7th: the rest blank")
        << pi << "3141592" << QStringList{"3", "1", "4", "1", "5", "9", "2", "", "", ""} << 7;
    QTest::newRow("a digit left out shifts the rest")
        << pi << "314159653" << QStringList{"3", "1", "4", "1", "5", "9", "6", "5", "3", ""} << 6;
    QTest::newRow("more typed than heard: the rest left out")
        << QStringList{"7", "0"} << "7012" << QStringList{"7", "0"} << 2;
    QTest::newRow("Elements of several digits take as many")
        << QStringList{"12", "345", "6 7"} << "1234 567" << QStringList{"12", "345", "67"} << 2;
    QTest::newRow("nothing typed") << QStringList{"1", "2"} << "  " << QStringList{"", ""} << 0;
    QTest::newRow("runrules-split-blanks: an Element's blanks take no digit")
        << QStringList{"1 2", "34"} << "1234" << QStringList{"12", "34"} << 0;
    // clang-format on
}

// The spoken-numbers recall, typed as one line, split into the Elements'
// answers and scored until the first mistake.
void TestRunRules::splitRecall()
{
    QFETCH(QStringList, elements);
    QFETCH(QString, line);
    QFETCH(QStringList, answers);
    QFETCH(int, untilFirst);
    const QStringList split = Run::SplitRecall(elements, line);
    QCOMPARE(split, answers);
    std::vector<QStringView> e(elements.begin(), elements.end()), a(split.begin(), split.end());
    SportScoring::Choice choice;
    choice.rule = SportScoring::Rule::UntilFirstMistake;
    QCOMPARE(SportScoring::Score(SportScoring::Judge(e, a, true), choice), untilFirst);
}

void TestRunRules::texts()
{
    QCOMPARE(Run::CounterText(3, 20), QStringLiteral("3 of 20"));
    // ceil(W / 2 - w / 2), W the outer width
    QCOMPARE(Run::CentredLeft(376, 51), 163);
    QCOMPARE(Run::CentredLeft(376, 50), 163);
    QCOMPARE(Run::CentredLeft(377, 50), 164);
    QCOMPARE(Run::CentredLeft(20, 31), -5);
    QCOMPARE((Exercises::Sum{17, 33}.Label()), QStringLiteral("17 + 33 ="));
    QVERIFY(Exercises::TextAllowed(QStringLiteral("0123456789?")));
    QVERIFY(!Exercises::TextAllowed(QStringLiteral("1 2")));
    QVERIFY(!Exercises::TextAllowed(QStringLiteral("-1")));
    // Mutant exercises-text-backspace: the key that deletes is no text.
    QVERIFY(!Exercises::TextAllowed(QStringLiteral("1\b2")));
}

QTEST_GUILESS_MAIN(TestRunRules)
#include "tst_runrules.moc"
