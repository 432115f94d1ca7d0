#include "results/sportscoring.h"
#include "tests/testsupport.h"

#include <QTest>

using SportScoring::Choice;
using SportScoring::Rule;

namespace {

// One letter a row: "r" a right answer, "x" a wrong one, "_" none, "?"
// the untouched "???", "c" the Element in other letter case, "!" a stored
// answer that was wrong by its blanks, which the results file lost.
AnswerSheet sheetOf(const QString &rows)
{
    AnswerSheet sheet;
    sheet.SetRowCount(int(rows.size()));
    for (int r = 0; r < rows.size(); ++r) {
        const QString element = QStringLiteral("e") + QString::number(r + 1);
        sheet.SetCell(AnswerSheet::Text, r, element);
        const QChar c = rows.at(r);
        if (c == QLatin1Char('!'))
            sheet.SetBlanksLost(r);
        sheet.SetCell(AnswerSheet::Answer, r,
                      c == QLatin1Char('r') || c == QLatin1Char('!') ? element
                      : c == QLatin1Char('x')                        ? QStringLiteral("other")
                      : c == QLatin1Char('?')                        ? QStringLiteral("???")
                      : c == QLatin1Char('c')                        ? element.toUpper()
                                                                     : QString());
    }
    return sheet;
}

QString repeated(const QString &piece, int times) { return piece.repeated(times); }

// A choice as "rule/length/switches", the switches half a row, skipped
// row ends, letter case counts as 1 or 0: "1/40/101".
QString textOf(const Choice &c)
{
    return QStringLiteral("%1/%2/%3%4%5")
        .arg(int(c.rule))
        .arg(c.rowLength)
        .arg(int(c.halfRowForOneMistake))
        .arg(int(c.skippedRowEnds))
        .arg(int(c.letterCaseCounts));
}

Choice choiceOf(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char('/'));
    const QString switches = parts.value(2);
    return Choice{Rule(parts.value(0).toInt()), parts.value(1).toInt(), switches.at(0) == QLatin1Char('1'),
                  switches.at(1) == QLatin1Char('1'), switches.at(2) == QLatin1Char('1')};
}

} // namespace

class TestSportScoring : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rules_data();
    void rules();
    void letterCase_data();
    void letterCase();
    void config_data();
    void config();
};

void TestSportScoring::rules_data()
{
    QTest::addColumn<QString>("rows");
    QTest::addColumn<QString>("choice"); // textOf; the rule is Rows, the others scored beside it
    QTest::addColumn<int>("byRows");
    QTest::addColumn<int>("untilFirst");
    QTest::addColumn<int>("rightAnswers");
    QTest::addColumn<QString>("rowsLine");
    const QString world10 = QStringLiteral("1/10/101");
    // A row all right scores its length.
    // clang-format off
    QTest::newRow("perfect") << repeated("r", 20) << world10 << 20 << 20 << 20 << "Rows of 10: 20 of 20";
    // One mistake: half the row, rounded up.
    QTest::newRow("one error") << "rrrxrrrrrr" << world10 << 5 << 3 << 9 << "Rows of 10: 5 of 10; lost 5 in row 1 (1–10)";
    QTest::newRow("one error in an odd row") << "rrxrr" << "1/5/101" << 3 << 2 << 4 << "Rows of 5: 3 of 5; lost 2 in row 1 (1–5)";
    // A blank answer before the last one written is a mistake like any other.
    QTest::newRow("one blank") << "_rrrrrrrrr" << world10 << 5 << 0 << 9 << "Rows of 10: 5 of 10; lost 5 in row 1 (1–10)";
    QTest::newRow("two errors in a row") << "rrxrrrrxrr" + repeated("r", 10) << world10 << 10 << 2 << 18
                                         << "Rows of 10: 10 of 20; lost 10 in row 1 (1–10)";
    QTest::newRow("two errors in two rows") << "rrxrrrrrrr" + QString("rrrrrrrrxr") << world10 << 10 << 2 << 18
                                            << "Rows of 10: 10 of 20; lost 5 in row 1 (1–10), 5 in row 2 (11–20)";
    // The last row is shorter: scored on its own length.
    QTest::newRow("short last row, right") << repeated("r", 13) << world10 << 13 << 13 << 13 << "Rows of 10: 13 of 13";
    QTest::newRow("short last row, one error") << repeated("r", 10) + "rxr" << world10 << 12 << 11 << 12
                                               << "Rows of 10: 12 of 13; lost 1 in row 2 (11–13)";
    QTest::newRow("short last row, two errors") << repeated("r", 10) + "xxr" << world10 << 10 << 10 << 11
                                                << "Rows of 10: 10 of 13; lost 3 in row 2 (11–13)";
    QTest::newRow("empty run") << repeated("_", 20) << world10 << 0 << 0 << 0
                               << "Rows of 10: 0 of 20; lost 10 in row 1 (1–10), 10 in row 2 (11–20)";
    // Mutant sport-stop-blank: with no answer at all, no row was skipped.
    QTest::newRow("empty run, a skipped row would end it") << repeated("_", 20) << "1/10/111" << 0 << 0 << 0
                               << "Rows of 10: 0 of 20; lost 10 in row 1 (1–10), 10 in row 2 (11–20)";
    // Mutant sport-blanks-lost: an answer whose lost blanks made it wrong stays wrong.
    QTest::newRow("blanks lost in the results file") << "rr!rr" << "1/5/101" << 3 << 2 << 4
                                                     << "Rows of 5: 3 of 5; lost 2 in row 1 (1–5)";

    // The rulebooks' last row: where the competitor stopped writing. 80
    // digits in rows of 40, the first 65 right and the rest left blank.
    QTest::newRow("65 of 80: the last row scores what was written") << repeated("r", 65) + repeated("_", 15) << "1/40/101"
        << 65 << 65 << 65 << "Rows of 40: 65 of 80; lost 15 in row 2 (41–80)";
    QTest::newRow("65 of 80 under national rules too") << repeated("r", 65) + repeated("_", 15) << "1/40/001"
        << 65 << 65 << 65 << "Rows of 40: 65 of 80; lost 15 in row 2 (41–80)";
    // One mistake among the 25 written of the last row: 13 (half of 25, rounded up).
    QTest::newRow("one mistake in the last partial row") << repeated("r", 50) + "x" + repeated("r", 14) + repeated("_", 15)
        << "1/40/101" << 53 << 50 << 64 << "Rows of 40: 53 of 80; lost 27 in row 2 (41–80)";
    QTest::newRow("one mistake in the last partial row, national rules") << repeated("r", 50) + "x" + repeated("r", 14) + repeated("_", 15)
        << "1/40/001" << 40 << 50 << 64 << "Rows of 40: 40 of 80; lost 40 in row 2 (41–80)";
    // A missing digit inside what was written counts as one mistake.
    QTest::newRow("a blank inside the written part") << repeated("r", 39) + "_" + repeated("r", 25) + repeated("_", 15)
        << "1/40/101" << 45 << 39 << 64 << "Rows of 40: 45 of 80; lost 20 in row 1 (1–40), 15 in row 2 (41–80)";
    QTest::newRow("rows after the last answer score nothing") << repeated("r", 12) + repeated("_", 18) << world10
        << 12 << 12 << 12 << "Rows of 10: 12 of 30; lost 8 in row 2 (11–20), 10 in row 3 (21–30)";
    // A row left wholly blank between written rows.
    QTest::newRow("a skipped row scores 0, the rows after it count") << repeated("r", 10) + repeated("_", 10) + repeated("r", 10)
        << world10 << 20 << 10 << 20 << "Rows of 10: 20 of 30; lost 10 in row 2 (11–20)";
    QTest::newRow("a skipped row ends the scoring") << repeated("r", 10) + repeated("_", 10) + repeated("r", 10)
        << "1/10/111" << 10 << 10 << 20
        << "Rows of 10: 10 of 30; lost 10 in row 2 (11–20), 10 in row 3 (21–30); row 2 left blank ends the scoring";
    QTest::newRow("blank rows after the last answer are not skipped") << repeated("r", 10) + repeated("_", 20)
        << "1/10/111" << 10 << 10 << 10 << "Rows of 10: 10 of 30; lost 10 in row 2 (11–20), 10 in row 3 (21–30)";
    QTest::newRow("the first skipped row ends it") << repeated("_", 10) + "r" + repeated("_", 10) + "r"
        << "1/10/111" << 0 << 0 << 2
        << "Rows of 10: 0 of 22; lost 10 in row 1 (1–10), 10 in row 2 (11–20), 2 in row 3 (21–22); "
           "row 1 left blank ends the scoring";
    // An untouched "???" is no answer: blank, not wrong.
    QTest::newRow("??? after the last answer") << "rrrrr?????" << world10 << 5 << 5 << 5
                                               << "Rows of 10: 5 of 10; lost 5 in row 1 (1–10)";
    QTest::newRow("??? inside the written part") << "r?rrr" << "1/5/101" << 3 << 1 << 4
                                                 << "Rows of 5: 3 of 5; lost 2 in row 1 (1–5)";
    QTest::newRow("a row of ??? skipped") << "rr??rr" << "1/2/111" << 2 << 2 << 4
                                          << "Rows of 2: 2 of 6; lost 2 in row 2 (3–4), 2 in row 3 (5–6); "
                                             "row 2 left blank ends the scoring";
    // Row lengths at their ends, and beyond (taken as the end).
    QTest::newRow("rows of one: half of one is the whole row") << "rxr" << "1/1/101" << 3 << 1 << 2 << "Rows of 1: 3 of 3";
    QTest::newRow("rows of one, national rules") << "rxr" << "1/1/001" << 2 << 1 << 2 << "Rows of 1: 2 of 3; lost 1 in row 2 (2–2)";
    QTest::newRow("rows of 100") << "x" + repeated("r", 149) << "1/100/101" << 100 << 0 << 149
                                 << "Rows of 100: 100 of 150; lost 50 in row 1 (1–100)";
    QTest::newRow("rows of 101 are rows of 100") << "x" + repeated("r", 149) << "1/101/101" << 100 << 0 << 149
                                                 << "Rows of 100: 100 of 150; lost 50 in row 1 (1–100)";
    // The line names eight losing rows, then "…".
    QTest::newRow("eight losing rows named") << repeated("x", 8) + "r" << "1/1/001" << 1 << 0 << 1
        << "Rows of 1: 1 of 9; lost 1 in row 1 (1–1), 1 in row 2 (2–2), 1 in row 3 (3–3), 1 in row 4 (4–4), "
           "1 in row 5 (5–5), 1 in row 6 (6–6), 1 in row 7 (7–7), 1 in row 8 (8–8)";
    QTest::newRow("a ninth losing row is \"…\"") << repeated("x", 9) << "1/1/001" << 0 << 0 << 0
        << "Rows of 1: 0 of 9; lost 1 in row 1 (1–1), 1 in row 2 (2–2), 1 in row 3 (3–3), 1 in row 4 (4–4), "
           "1 in row 5 (5–5), 1 in row 6 (6–6), 1 in row 7 (7–7), 1 in row 8 (8–8), …";
    // Letter case: a mistake while it counts, right when it does not.
    QTest::newRow("other case, case counts") << "rrcrr" << "1/5/101" << 3 << 2 << 4
                                             << "Rows of 5: 3 of 5; lost 2 in row 1 (1–5)";
    QTest::newRow("other case, case ignored") << "rrcrr" << "1/5/100" << 5 << 5 << 5 << "Rows of 5: 5 of 5";
    // clang-format on
}

void TestSportScoring::rules()
{
    QFETCH(QString, rows);
    QFETCH(QString, choice);
    QFETCH(int, byRows);
    QFETCH(int, untilFirst);
    QFETCH(int, rightAnswers);
    QFETCH(QString, rowsLine);
    Choice c = choiceOf(choice);
    const AnswerSheet sheet = sheetOf(rows);
    const QVector<SportScoring::Verdict> verdicts = SportScoring::Judge(sheet, c.letterCaseCounts);
    QCOMPARE(SportScoring::Score(verdicts, c), byRows);
    QCOMPARE(SportScoring::ScoreLine(verdicts, c), rowsLine);
    // The lists of the results file give the same.
    QStringList elements;
    QStringList answers;
    for (int r = 0; r < sheet.RowCount(); ++r) {
        elements.append(sheet.Cell(AnswerSheet::Text, r));
        answers.append(sheet.Cell(AnswerSheet::Answer, r));
    }
    const std::vector<QStringView> e(elements.cbegin(), elements.cend());
    const std::vector<QStringView> a(answers.cbegin(), answers.cend());
    if (!rows.contains(QLatin1Char('!'))) // the lists do not tell lost blanks
        QCOMPARE(SportScoring::Judge(e, a, c.letterCaseCounts), verdicts);
    c.rule = Rule::UntilFirstMistake;
    QCOMPARE(SportScoring::Score(verdicts, c), untilFirst);
    c.rule = Rule::RightAnswers;
    QCOMPARE(SportScoring::Score(verdicts, c), rightAnswers);
    c.rule = Rule::KoeffAndMark;
    QCOMPARE(SportScoring::ScoreLine(verdicts, c), QString());
}

void TestSportScoring::letterCase_data()
{
    QTest::addColumn<QString>("element");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("caseCounts"); // verdicts: 0 right, 1 wrong, 2 blank
    QTest::addColumn<int>("caseIgnored");
    // clang-format off
    QTest::newRow("Apple, apple") << "Apple" << "apple" << 1 << 0;
    QTest::newRow("Apple, Apple") << "Apple" << "Apple" << 0 << 0;
    QTest::newRow("Apple, Apples") << "Apple" << "Apples" << 1 << 1;
    QTest::newRow("Ärger, ärger") << "Ärger" << "ärger" << 1 << 0;
    QTest::newRow("Ωμέγα, ΩΜΈΓΑ") << "Ωμέγα" << "ΩΜΈΓΑ" << 1 << 0;
    QTest::newRow("??? is no answer") << "Apple" << "???" << 2 << 2;
    QTest::newRow("??? is no answer, an Element ??? too") << "???" << "???" << 2 << 2;
    QTest::newRow("an empty Element, no answer") << "" << "???" << 0 << 0;
    QTest::newRow("??? typed beside other text") << "Apple" << "???a" << 1 << 1;
    // clang-format on
}

void TestSportScoring::letterCase()
{
    QFETCH(QString, element);
    QFETCH(QString, answer);
    QFETCH(int, caseCounts);
    QFETCH(int, caseIgnored);
    AnswerSheet sheet;
    sheet.SetCell(AnswerSheet::Text, 0, element);
    sheet.SetCell(AnswerSheet::Answer, 0, answer);
    QCOMPARE(int(SportScoring::Judge(sheet, true).value(0)), caseCounts);
    QCOMPARE(int(SportScoring::Judge(sheet, false).value(0)), caseIgnored);
}

void TestSportScoring::config_data()
{
    QTest::addColumn<QByteArray>("before"); // null: no file
    QTest::addColumn<QString>("read");      // textOf
    QTest::addColumn<QString>("written");
    QTest::addColumn<QByteArray>("after"); // null: no file
    const QByteArray settings = "\xEF\xBB\xBF[Test]\r\nTNumOfEl=20\r\n";
    QTest::newRow("a file without the section reads the default, and stays as it was") << settings << "0/10/101"
                                                                                       << "0/10/101" << settings;
    QTest::newRow("no file, nothing chosen: none made") << QByteArray() << "0/10/101"
                                                        << "0/10/101" << QByteArray();
    QTest::newRow("a new choice adds the section, the rest kept")
        << settings << "0/10/101"
        << "1/25/101" << settings + "\r\n[Report]\r\nScoring=1\r\nScoringRowLength=25\r\n";
    QTest::newRow("values out of range read as the defaults")
        << QByteArray("[Report]\nScoring=7\nScoringRowLength=101\nScoringHalfRow=2\nScoringLetterCase=-1\n")
        << "0/10/101"
        << "3/10/101"
        << QByteArray("[Report]\nScoring=3\nScoringRowLength=101\nScoringHalfRow=2\nScoringLetterCase=-1\n");
    QTest::newRow("only the changed key is written")
        << QByteArray("[Report]\nScoring=1\nScoringRowLength= 5\n") << "1/5/101"
        << "2/5/101" << QByteArray("[Report]\nScoring=2\nScoringRowLength= 5\n");
    // Each stored value read back as it was written.
    QTest::newRow("Right answers and rows of 100 read back")
        << QByteArray("[Report]\nScoring=3\nScoringRowLength=100\n") << "3/100/101"
        << "3/100/101" << QByteArray("[Report]\nScoring=3\nScoringRowLength=100\n");
    QTest::newRow("Until the first mistake and rows of 1 read back")
        << QByteArray("[Report]\nScoring=2\nScoringRowLength=1\n") << "2/1/101"
        << "2/1/101" << QByteArray("[Report]\nScoring=2\nScoringRowLength=1\n");
    QTest::newRow("national rules, a skipped row ends, case ignored read back")
        << QByteArray("[Report]\nScoringHalfRow=0\nScoringSkippedRowEnds=1\nScoringLetterCase=0\n") << "0/10/010"
        << "0/10/010" << QByteArray("[Report]\nScoringHalfRow=0\nScoringSkippedRowEnds=1\nScoringLetterCase=0\n");
    QTest::newRow("the switches written when they change")
        << settings << "0/10/101"
        << "1/40/010"
        << settings
               + "\r\n[Report]\r\nScoring=1\r\nScoringRowLength=40\r\nScoringHalfRow=0\r\n"
                 "ScoringSkippedRowEnds=1\r\nScoringLetterCase=0\r\n";
    QTest::newRow("the switches back to the defaults")
        << QByteArray("[Report]\nScoringHalfRow=0\nScoringSkippedRowEnds=1\nScoringLetterCase=0\n") << "0/10/010"
        << "0/10/101" << QByteArray("[Report]\nScoringHalfRow=1\nScoringSkippedRowEnds=0\nScoringLetterCase=1\n");
}

void TestSportScoring::config()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, read);
    QFETCH(QString, written);
    QFETCH(QByteArray, after);
    TestDataDir dir;
    if (!before.isNull())
        dir.Write("config.ini", before);
    QCOMPARE(textOf(SportScoring::Read(dir.Path("config.ini"))), read);
    SportScoring::Write(dir.Path("config.ini"), choiceOf(written));
    QCOMPARE(dir.Exists("config.ini"), !after.isNull());
    if (!after.isNull())
        QCOMPARE(dir.Read("config.ini"), after);
}

QTEST_GUILESS_MAIN(TestSportScoring)
#include "tst_sportscoring.moc"
