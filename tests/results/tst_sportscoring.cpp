#include "results/sportscoring.h"
#include "tests/testsupport.h"

#include <QTest>

using SportScoring::Choice;
using SportScoring::Rule;

namespace {

// One letter a row: "r" a right answer, "x" a wrong one, "_" none.
AnswerSheet sheetOf(const QString &rows)
{
    AnswerSheet sheet;
    sheet.SetRowCount(int(rows.size()));
    for (int r = 0; r < rows.size(); ++r) {
        const QString element = QStringLiteral("e") + QString::number(r + 1);
        sheet.SetCell(AnswerSheet::Text, r, element);
        const QChar c = rows.at(r);
        sheet.SetCell(AnswerSheet::Answer, r,
                      c == QLatin1Char('r')   ? element
                      : c == QLatin1Char('x') ? QStringLiteral("other")
                                              : QString());
    }
    return sheet;
}

QString repeated(const QString &piece, int times) { return piece.repeated(times); }

} // namespace

class TestSportScoring : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rules_data();
    void rules();
    void config_data();
    void config();
};

void TestSportScoring::rules_data()
{
    QTest::addColumn<QString>("rows");
    QTest::addColumn<int>("rowLength");
    QTest::addColumn<int>("byRows");
    QTest::addColumn<int>("untilFirst");
    QTest::addColumn<int>("rightAnswers");
    QTest::addColumn<QString>("rowsLine");
    // A row all right scores its length.
    // clang-format off
    QTest::newRow("perfect") << repeated("r", 20) << 10 << 20 << 20 << 20 << "Rows of 10: 20 of 20";
    // One mistake: half the row, rounded up.
    QTest::newRow("one error") << "rrrxrrrrrr" << 10 << 5 << 3 << 9 << "Rows of 10: 5 of 10; lost 5 in row 1 (1–10)";
    QTest::newRow("one error in an odd row") << "rrxrr" << 5 << 3 << 2 << 4 << "Rows of 5: 3 of 5; lost 2 in row 1 (1–5)";
    // A blank answer is a mistake like any other.
    QTest::newRow("one blank") << "_rrrrrrrrr" << 10 << 5 << 0 << 9 << "Rows of 10: 5 of 10; lost 5 in row 1 (1–10)";
    QTest::newRow("two errors in a row") << "rrxrrrrxrr" + repeated("r", 10) << 10 << 10 << 2 << 18
                                         << "Rows of 10: 10 of 20; lost 10 in row 1 (1–10)";
    QTest::newRow("two errors in two rows") << "rrxrrrrrrr" + QString("rrrrrrrrxr") << 10 << 10 << 2 << 18
                                            << "Rows of 10: 10 of 20; lost 5 in row 1 (1–10), 5 in row 2 (11–20)";
    // The last row is shorter: scored on its own length.
    QTest::newRow("short last row, right") << repeated("r", 13) << 10 << 13 << 13 << 13 << "Rows of 10: 13 of 13";
    QTest::newRow("short last row, one error") << repeated("r", 10) + "rxr" << 10 << 12 << 11 << 12
                                               << "Rows of 10: 12 of 13; lost 1 in row 2 (11–13)";
    QTest::newRow("short last row, two errors") << repeated("r", 10) + "xxr" << 10 << 10 << 10 << 11
                                                << "Rows of 10: 10 of 13; lost 3 in row 2 (11–13)";
    // Half of one, rounded up, is the whole row.
    QTest::newRow("rows of one") << "rxr" << 1 << 3 << 1 << 2 << "Rows of 1: 3 of 3";
    QTest::newRow("empty run") << repeated("_", 20) << 10 << 0 << 0 << 0
                               << "Rows of 10: 0 of 20; lost 10 in row 1 (1–10), 10 in row 2 (11–20)";
    // clang-format on
}

void TestSportScoring::rules()
{
    QFETCH(QString, rows);
    QFETCH(int, rowLength);
    QFETCH(int, byRows);
    QFETCH(int, untilFirst);
    QFETCH(int, rightAnswers);
    QFETCH(QString, rowsLine);
    const QVector<bool> right = SportScoring::RightByPosition(sheetOf(rows));
    QCOMPARE(SportScoring::Score(right, Choice{Rule::Rows, rowLength}), byRows);
    QCOMPARE(SportScoring::Score(right, Choice{Rule::UntilFirstMistake, rowLength}), untilFirst);
    QCOMPARE(SportScoring::Score(right, Choice{Rule::RightAnswers, rowLength}), rightAnswers);
    QCOMPARE(SportScoring::ScoreLine(right, Choice{Rule::Rows, rowLength}), rowsLine);
    QCOMPARE(SportScoring::ScoreLine(right, Choice{Rule::KoeffAndMark, rowLength}), QString());
}

void TestSportScoring::config_data()
{
    QTest::addColumn<QByteArray>("before"); // null: no file
    QTest::addColumn<int>("readRule");
    QTest::addColumn<int>("readLength");
    QTest::addColumn<int>("rule"); // written
    QTest::addColumn<int>("length");
    QTest::addColumn<QByteArray>("after"); // null: no file
    const QByteArray settings = "\xEF\xBB\xBF[Test]\r\nTNumOfEl=20\r\n";
    QTest::newRow("a file without the section reads the default, and stays as it was")
        << settings << 0 << 10 << 0 << 10 << settings;
    QTest::newRow("no file, nothing chosen: none made") << QByteArray() << 0 << 10 << 0 << 10 << QByteArray();
    QTest::newRow("a new choice adds the section, the rest kept")
        << settings << 0 << 10 << 1 << 25 << settings + "\r\n[Report]\r\nScoring=1\r\nScoringRowLength=25\r\n";
    QTest::newRow("values out of range read as the defaults")
        << QByteArray("[Report]\nScoring=7\nScoringRowLength=101\n") << 0 << 10 << 3 << 10
        << QByteArray("[Report]\nScoring=3\nScoringRowLength=101\n");
    QTest::newRow("only the changed key is written")
        << QByteArray("[Report]\nScoring=1\nScoringRowLength= 5\n") << 1 << 5 << 2 << 5
        << QByteArray("[Report]\nScoring=2\nScoringRowLength= 5\n");
}

void TestSportScoring::config()
{
    QFETCH(QByteArray, before);
    QFETCH(int, readRule);
    QFETCH(int, readLength);
    QFETCH(int, rule);
    QFETCH(int, length);
    QFETCH(QByteArray, after);
    TestDataDir dir;
    if (!before.isNull())
        dir.write("config.ini", before);
    const Choice held = SportScoring::Read(dir.path("config.ini"));
    QCOMPARE(int(held.rule), readRule);
    QCOMPARE(held.rowLength, readLength);
    SportScoring::Write(dir.path("config.ini"), Choice{Rule(rule), length});
    QCOMPARE(dir.exists("config.ini"), !after.isNull());
    if (!after.isNull())
        QCOMPARE(dir.read("config.ini"), after);
}

QTEST_GUILESS_MAIN(TestSportScoring)
#include "tst_sportscoring.moc"
