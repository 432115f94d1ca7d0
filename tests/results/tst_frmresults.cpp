#include "library/frmoptions.h"
#include "library/modules.h"
#include "platform/contrast.h"
#include "profile/fileaccess.h"
#include "results/answersheetview.h"
#include "results/frmresults.h"
#include "results/standing.h"
#include "tests/testsupport.h"
#include "tests/testuser.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QSpinBox>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QTextDocument>

namespace {

// The example Exam: twenty Elements, one mistake at Element 7.
const QStringList ExampleRes = QString("42,20,51,84,7,10,69,13,47,75,8,65,28,5,12,56,54,9,31,12").split(',');
const QStringList ExampleAnsw = QString("42,20,51,84,7,10,80,13,47,75,8,65,28,5,12,56,54,9,31,12").split(',');
const QDateTime ExampleStart(QDate(2026, 12, 6), QTime(20, 54, 9, 400));

// Fills the window as the runner does: size, each Element, each answer.
void playRun(Tfrm_results &w, const QStringList &texts, const QStringList &answers)
{
    w.ResetReport(int(texts.size()));
    for (int r = 0; r < texts.size(); ++r) {
        w.SetCell(0, r, QString::number(r + 1));
        w.SetCell(1, r, texts.at(r));
    }
    for (int r = 0; r < answers.size(); ++r)
        w.SetCell(2, r, answers.at(r));
}

QStringList values(const Tfrm_results &w)
{
    return {w.TotalText(), w.RightText(), w.ErrorsText(), w.TimeText(), w.KoeffText(), w.MarkText()};
}

// Pixels of a cell: red ones, the longest horizontal run of red, the
// leftmost red column, and dark (default text colour) ones.
struct Pixels
{
    int red = 0, longestRed = 0, left = INT_MAX, dark = 0;
};

Pixels pixelsOf(Tfrm_results &w, int row, int column)
{
    const QImage image = w.StringGrid1->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect rect = w.StringGrid1->visualRect(w.StringGrid1->model()->index(row, column));
    Pixels p;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(), run = 0; x <= rect.right(); ++x) {
            const QRgb c = image.pixel(x, y);
            const bool red = qRed(c) > 150 && qGreen(c) < 80 && qBlue(c) < 80;
            run = red ? run + 1 : 0;
            p.red += red;
            p.longestRed = std::max(p.longestRed, run);
            p.left = red ? std::min(p.left, x - rect.left()) : p.left;
            p.dark += qRed(c) < 100 && qGreen(c) < 100 && qBlue(c) < 100;
        }
    }
    return p;
}

} // namespace

class TestReportWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { QLocale::setDefault(QLocale::system()); }
    void window_controlsAndShowing();
    void sheet_sizeKeepsOnlyRowsBelowIt();
    void computeReport_scoresOrLeavesUnscoredRuns_data();
    void computeReport_scoresOrLeavesUnscoredRuns();
    void saveResult_exampleGoesToTheModesFile_data();
    void saveResult_exampleGoesToTheModesFile();
    void saveResult_twiceInOneSecondKeepsBoth();
    void answerLook_data();
    void answerLook();
    void drawing_wrongAnswersRedAndStruckOut();
    void largeFonts_fitTheScreen_data();
    void largeFonts_fitTheScreen();
    void accessibleText_saysWhichAnswersAreWrong_data();
    void accessibleText_saysWhichAnswersAreWrong();
    void reopen_fillsSheetAndLabels();
    void finishedRun_showsScoreAndStanding_data();
    void finishedRun_showsScoreAndStanding();
    void analysis_kindsSummaryAndScoringKept();
    void drillMistakes_setsOnlyTheTrainingKeys_data();
    void drillMistakes_setsOnlyTheTrainingKeys();
    void letterCaseAndUntouched_followTheChoice();
};

void TestReportWindow::window_controlsAndShowing()
{
    TestUser user;
    QWidget owner;
    owner.setGeometry(100, 80, 900, 700);
    owner.show();
    Tfrm_results w(&owner);
    QCOMPARE(w.windowTitle(), QString("Report"));
    // Four columns of at least 133, the lines on the run, the key's three
    // lines and the Scoring switches: wider and taller than 417 x 376.
    QCOMPARE(w.size(), QSize(548, 443));
    QCOMPARE(w.minimumSize(), QSize(548, 443));
    QVERIFY(w.BitBtn1->isDefault());
    QCOMPARE(w.StringGrid1->verticalHeader()->defaultSectionSize(), 18);
    // The number narrow, the Element and the answer as designed, and the
    // rest to the kind of mistake, whose notes are the longest.
    QList<int> widths;
    for (int c = 0; c < 4; ++c) {
        QCOMPARE(w.StringGrid1->columnWidth(c), w.StringGrid2->columnWidth(c));
        widths << w.StringGrid1->columnWidth(c);
    }
    QCOMPARE(widths, (QList<int>{66, 133, 133, 200}));
    user.scripts.push_back([&](QDialog *) {
        QStringList headers;
        for (int c = 0; c < 4; ++c)
            headers << w.StringGrid2->horizontalHeaderItem(c)->text();
        QCOMPARE(headers, (QStringList{"Number", "Text", "Answer", "Kind"}));
        QVERIFY(!w.Edit1->isVisible() && !w.Edit2->isVisible() && w.Label6->isVisible());
        const QPoint offset = w.frameGeometry().center() - owner.frameGeometry().center();
        QVERIFY(offset.manhattanLength() <= 2);
        QTest::keyClick(w.StringGrid1, Qt::Key_Return); // OK is the default button
    });
    QCOMPARE(Dialogs::ExecModal(&w), int(QDialog::Accepted));
    user.scripts.push_back([&](QDialog *) { QTest::mouseClick(w.BitBtn1, Qt::LeftButton); });
    QCOMPARE(Dialogs::ExecModal(&w), int(QDialog::Accepted));
    QVERIFY(user.scripts.empty());
    // Enlarged, the kind of mistake takes the room; the columns stay under
    // their headings.
    w.show();
    w.resize(948, 600);
    QCoreApplication::processEvents();
    for (int c = 0; c < 4; ++c)
        QCOMPARE(w.StringGrid1->columnWidth(c), w.StringGrid2->columnWidth(c));
    QCOMPARE(w.StringGrid1->columnWidth(2), 133);
    QCOMPARE(w.StringGrid1->columnWidth(3), 200 + 400);

    // The kinds of mistake whole at the opening size: a quarter of the width
    // cut "right but one place off".
    Tfrm_results swapped(&owner);
    playRun(swapped, {"cat", "dog", "owl", "fox"}, {"dog", "cat", "", "fox"});
    user.scripts.push_back([&](QDialog *) {
        const QAbstractItemView *sheet = swapped.StringGrid1;
        QVERIFY2(swapped.StringGrid1->columnWidth(3) >= sheet->sizeHintForColumn(3),
                 qPrintable(QString::number(sheet->sizeHintForColumn(3))));
        swapped.accept();
    });
    Dialogs::ExecModal(&swapped);
    QVERIFY(user.scripts.empty());
}

void TestReportWindow::sheet_sizeKeepsOnlyRowsBelowIt()
{
    Tfrm_results w;
    for (const int rows : {3, 0, -4, 8}) {
        w.SetRowCount(5);
        for (int r = 0; r < 5; ++r)
            w.SetCell(1, r, QString::number(r));
        w.SetRowCount(rows);
        const int kept = std::max(rows, 1);
        QCOMPARE(w.StringGrid1->model()->rowCount(), kept);
        w.SetRowCount(5);
        for (int r = 0; r < 5; ++r)
            QCOMPARE(w.Cell(1, r), r < kept ? QString::number(r) : QString());
    }
}

void TestReportWindow::computeReport_scoresOrLeavesUnscoredRuns_data()
{
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QStringList>("expected"); // Total, Right, Errors, Time, Koeff, Mark
    const QString time = "0:1:5  Average time for each number: 3,25 sec.";
    QTest::newRow("exam") << ExampleRes << 3 << QStringList{"20", "19", "1", time, "5,63", "3-"};
    QTest::newRow("introductory") << ExampleRes << 1 << QStringList{"20", "19", "1", time, "3,8", "3-"};
    QTest::newRow("single Element") << QStringList{"7"} << 2 << QStringList{"0", "0", "0", "0", "old", "old mark"};
}

void TestReportWindow::computeReport_scoresOrLeavesUnscoredRuns()
{
    QFETCH(QStringList, texts);
    QFETCH(int, mode);
    QFETCH(QStringList, expected);
    Tfrm_results w;
    w.Edit1->setText("old");
    w.Edit2->setText("old mark");
    w.SetCell(2, 0, "stale");
    playRun(w, texts, texts.size() > 6 ? ExampleAnsw : texts);
    QCOMPARE(w.RowCount(), texts.size());
    w.ComputeReport(RunState{mode, ExampleStart, 4000000000u, 4000065000u}, texts.size() > 6 ? 1 : 0);
    QCOMPARE(values(w), expected);
    // The next run's reset zeroes the counts and keeps Koeff and Mark.
    w.ResetReport(4);
    QCOMPARE(values(w), (QStringList{"0", "0", "0", "0", expected[4], expected[5]}));
    QCOMPARE(w.Cell(2, 0), QString());
}

void TestReportWindow::saveResult_exampleGoesToTheModesFile_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("file");
    QTest::newRow("introductory is never stored") << 1 << "";
    QTest::newRow("finished run") << 0 << "";
    QTest::newRow("training") << 2 << "testres.ini";
    QTest::newRow("exam") << 3 << "examres.ini";
}

void TestReportWindow::saveResult_exampleGoesToTheModesFile()
{
    QFETCH(int, mode);
    QFETCH(QString, file);
    TestDataDir dir;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QByteArray old = "[01.12.2026 10:00:00]\r\nTotal=2\r\n\r\n";
    dir.Write("testres.ini", old);
    dir.Write("examres.ini", old);
    Tfrm_results w;
    playRun(w, ExampleRes, ExampleAnsw);
    const RunState run{mode, ExampleStart, 0xFFFFF000u, 0xFFFFF000u + 65000u};
    w.ComputeReport(run, 1);
    w.SaveResult(run);
    const QByteArray example = "[06.12.2026 20:54:09]\r\nTotal=20\r\nErrors=1\r\n"
                               "Time=0:1:5  Average time for each number: 3,25 sec.\r\nMark=3-\r\nKoeff=5,63\r\n"
                               "Res=42,20,51,84,7,10,69,13,47,75,8,65,28,5,12,56,54,9,31,12\r\n"
                               "Answ=42,20,51,84,7,10,80,13,47,75,8,65,28,5,12,56,54,9,31,12\r\n\r\n";
    for (const QString name : {"testres.ini", "examres.ini"})
        QCOMPARE(dir.Read(name), name == file ? old + example : old);
}

void TestReportWindow::saveResult_twiceInOneSecondKeepsBoth()
{
    TestDataDir dir;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    Tfrm_results w;
    playRun(w, {"a", "b"}, {"a", "x"});
    RunState run{2, QDateTime(QDate(2026, 12, 6), QTime(9, 0, 0, 100)), 0, 10000};
    w.ComputeReport(run, 1);
    w.SaveResult(run);
    playRun(w, {"a", "b"}, {"a", "b"});
    run.StartDateTime = run.StartDateTime.addMSecs(800);
    w.ComputeReport(run, 0);
    w.SaveResult(run);
    // The second run gets a name of its own; the first stays.
    QCOMPARE(dir.Read("testres.ini"), QByteArray("[06.12.2026 09:00:00]\r\nTotal=2\r\nErrors=1\r\n"
                                                 "Time=0:0:10  Average time for each number: 5 sec.\r\nMark=2\r\n"
                                                 "Koeff=0,27\r\nRes=a,b\r\nAnsw=a,x\r\n\r\n"
                                                 "[06.12.2026 09:00:00 (2)]\r\nTotal=2\r\nErrors=0\r\n"
                                                 "Time=0:0:10  Average time for each number: 5 sec.\r\nMark=2\r\n"
                                                 "Koeff=0,47\r\nRes=a,b\r\nAnsw=a,b\r\n\r\n"));
}

void TestReportWindow::answerLook_data()
{
    QTest::addColumn<QString>("element");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("selected");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<QString>("shown"); // mark, text and note as the cell shows them
    const QColor red = WrongAnswerColour, text(10, 20, 30), selectedText(200, 210, 220);
    const QString cafe = QStringLiteral("caf\u00e9"), cafeDecomposed = QStringLiteral("cafe\u0301");
    // clang-format off
    QTest::newRow("right") << "cat" << "cat" << false << text << "cat";
    QTest::newRow("right, selected row") << "cat" << "cat" << true << selectedText << "cat";
    QTest::newRow("right, blanks as the Element has them") << " a  b " << " a  b " << false << text << " a  b ";
    QTest::newRow("letter case differs") << "cat" << "Cat" << false << red << "\u2717 Cat";
    QTest::newRow("letter case differs, selected") << "cat" << "Cat" << true << red << "\u2717 Cat";
    QTest::newRow("looks like a strike line") << "BEF15x" << "BEF15X" << false << red << "\u2717 BEF15X";
    QTest::newRow("empty answer") << "cat" << "" << false << red << "\u2717 (no answer)";
    QTest::newRow("trailing blank") << "cat" << "cat " << false << red << "\u2717 cat\u2423";
    QTest::newRow("leading blanks") << "cat" << "  cat" << false << red << "\u2717 \u2423\u2423cat";
    QTest::newRow("a blank inside") << "cat" << "c at" << false << red << "\u2717 c\u2423at";
    QTest::newRow("two blanks for one") << "a b" << "a  b" << false << red << "\u2717 a\u2423\u2423b";
    QTest::newRow("no-break space for a blank") << "a b" << "a\u00a0b" << false << red << "\u2717 a\u2423b";
    QTest::newRow("only blanks") << "cat" << " " << false << red << "\u2717 \u2423";
    QTest::newRow("another word, its single blank kept") << "a cat" << "a dog " << false << red
                                                         << "\u2717 a dog\u2423";
    QTest::newRow("another Unicode form") << cafe << cafeDecomposed << false << red
                                          << "\u2717 " + cafeDecomposed + " (another Unicode form)";
    QTest::newRow("looks like markup") << "x" << "<b>x</b> &amp;" << false << red << "\u2717 <b>x</b> &amp;";
    QTest::newRow("row not reached") << "" << "" << false << text << "";
    // clang-format on
}

void TestReportWindow::answerLook()
{
    QFETCH(QString, element);
    QFETCH(QString, answer);
    QFETCH(bool, selected);
    QFETCH(QColor, colour);
    QFETCH(QString, shown);
    QPalette palette;
    palette.setColor(QPalette::Text, QColor(10, 20, 30));
    palette.setColor(QPalette::HighlightedText, QColor(200, 210, 220));
    const AnswerCellLook look = LookOfAnswerCell(element, answer, QRect(266, 36, 133, 18), selected, true, palette);
    QCOMPARE(look.wrong, colour == WrongAnswerColour);
    QCOMPARE(look.colour, colour);
    QCOMPARE(look.textAt, QPoint(266 + 13, 36 + 1));
    QCOMPARE(look.mark + look.text + look.note, shown);
    QCOMPARE(AnswerShownText(element, answer), shown);
    // Every wrong answer carries the mark, whatever its colour and strike line.
    QCOMPARE(look.mark, look.wrong ? QStringLiteral("\u2717 ") : QString());
    // The tip over the cell shows it whole, as plain text.
    Tfrm_results w;
    playRun(w, {"x", element}, {"x", answer});
    const QString tip = w.StringGrid1->model()->index(1, 2).data(Qt::ToolTipRole).toString();
    QTextDocument document;
    document.setHtml(tip);
    QCOMPARE(document.toPlainText(), shown);
}

void TestReportWindow::drawing_wrongAnswersRedAndStruckOut()
{
    // Under a dark palette too: the sheet keeps its light cells.
    const QPalette system = QApplication::palette();
    const auto restore = qScopeGuard([&] { QApplication::setPalette(system); });
    QPalette dark = system;
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    dark.setColor(QPalette::Text, QColor(230, 230, 230));
    dark.setColor(QPalette::Highlight, QColor(20, 60, 120));
    QApplication::setPalette(dark);
    const auto background = [](Tfrm_results &w, int row) {
        const QImage image = w.StringGrid1->viewport()->grab().toImage();
        return image.pixelColor(w.StringGrid1->visualRect(w.StringGrid1->model()->index(row, 2)).topLeft()
                                + QPoint(1, 1));
    };
    TestUser user;
    Tfrm_results w;
    playRun(w, {"oooooooo", "oooooooo", "cat", "dog"}, {"oooooooo", "OOOOOOOO", "", ""});
    user.scripts.push_back([&](QDialog *) {
        QCOMPARE(pixelsOf(w, 0, 2).red, 0);
        QVERIFY(pixelsOf(w, 0, 2).dark > 0);
        const Pixels wrong = pixelsOf(w, 1, 2);
        QVERIFY2(wrong.longestRed >= 30, "the strike-out runs across the text");
        QVERIFY(wrong.left >= 13);
        QCOMPARE(wrong.dark, 0); // the default drawing is gone
        QVERIFY(background(w, 1).lightness() > 200);
        QCOMPARE(pixelsOf(w, 1, 1).red, 0);
        // Empty: its mark shows, in red, and nothing struck out.
        QVERIFY(pixelsOf(w, 2, 2).red > 0);
        QCOMPARE(pixelsOf(w, 2, 2).dark, 0);
        QVERIFY(pixelsOf(w, 2, 2).longestRed < 30);
        // The runner's writes show at once; a selected row keeps its red.
        w.SetCell(2, 3, "oooooooo");
        w.StringGrid1->selectRow(3);
        QVERIFY(pixelsOf(w, 3, 2).longestRed >= 30);
        QVERIFY(background(w, 3).lightness() > 200);
        w.SetCell(2, 3, "dog");
        QCOMPARE(pixelsOf(w, 3, 2).red, 0);
    });
    Dialogs::ExecModal(&w);
    QVERIFY(user.scripts.empty());
}

void TestReportWindow::largeFonts_fitTheScreen_data()
{
    QTest::addColumn<double>("scale");
    QTest::newRow("usual") << 1.0;
    QTest::newRow("twice") << 2.0;
    QTest::newRow("three times") << 3.0;
}

// However large the fonts, the report fits the screen with OK in sight:
// its sheet and values scroll instead.
void TestReportWindow::largeFonts_fitTheScreen()
{
    QFETCH(double, scale);
    const ScaledFont font(scale);
    TestUser user;
    // Its owner near the top left: a report centred on it leaves the screen
    // only when it is as large as the screen.
    QWidget owner;
    owner.setGeometry(0, 0, 723, 480);
    owner.show();
    Tfrm_results w(&owner);
    const QStringList texts(20, QStringLiteral("oooooooo"));
    playRun(w, texts, texts);
    user.scripts.push_back([&](QDialog *) {
        const QRect room = w.screen()->availableGeometry();
        if (scale == 1.0)
            QVERIFY((w.frameGeometry().center() - owner.frameGeometry().center()).manhattanLength() <= 2);
        QVERIFY2(room.contains(w.frameGeometry()), qPrintable(QStringLiteral("%1x%2 at %3,%4 on %5x%6")
                                                                  .arg(w.frameGeometry().width())
                                                                  .arg(w.frameGeometry().height())
                                                                  .arg(w.x())
                                                                  .arg(w.y())
                                                                  .arg(room.width())
                                                                  .arg(room.height())));
        QVERIFY(w.rect().contains(QRect(w.BitBtn1->mapTo(&w, QPoint(0, 0)), w.BitBtn1->size())));
        // The wrong answers' red reads on the sheet, in a selected row too.
        const QPalette sheet = w.StringGrid1->palette();
        for (const QPalette::ColorRole role : {QPalette::Base, QPalette::Highlight})
            QVERIFY(Contrast::Ratio(WrongAnswerColour, sheet.color(role)) >= Contrast::Text);
    });
    Dialogs::ExecModal(&w);
    QVERIFY(user.scripts.empty());
}

void TestReportWindow::accessibleText_saysWhichAnswersAreWrong_data()
{
    QTest::addColumn<QString>("element");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");
    // clang-format off
    QTest::newRow("right") << "cat" << "cat" << "cat" << "";
    QTest::newRow("letter case") << "cat" << "Cat" << "wrong: Cat" << "wrong answer";
    QTest::newRow("empty") << "cat" << "" << "wrong: blank (no answer)" << "wrong answer";
    QTest::newRow("trailing blank") << "cat" << "cat " << "wrong: cat  (blanks differ)" << "wrong answer";
    QTest::newRow("another Unicode form") << "caf\u00e9" << "cafe\u0301"
                                          << "wrong: cafe\u0301 (another Unicode form)" << "wrong answer";
    QTest::newRow("another word") << "cat" << "dog" << "wrong: dog" << "wrong answer";
    // clang-format on
}

void TestReportWindow::accessibleText_saysWhichAnswersAreWrong()
{
    QFETCH(QString, element);
    QFETCH(QString, answer);
    QFETCH(QString, name);
    QFETCH(QString, description);
    Tfrm_results w;
    playRun(w, {"x", element}, {"x", answer});
    const QModelIndex index = w.StringGrid1->model()->index(1, 2);
    QCOMPARE(index.data(Qt::AccessibleDescriptionRole).toString(), description);
    QCOMPARE(index.data(Qt::DisplayRole).toString(), answer);
    w.show();
    QAccessibleInterface *grid = QAccessible::queryAccessibleInterface(w.StringGrid1);
    QVERIFY(grid && grid->tableInterface());
    QCOMPARE(grid->tableInterface()->cellAt(1, 2)->text(QAccessible::Name), name);
    QCOMPARE(grid->tableInterface()->cellAt(1, 1)->text(QAccessible::Name), element);
}

void TestReportWindow::reopen_fillsSheetAndLabels()
{
    TestDataDir dir;
    dir.Write("testres.ini", "[run]\r\nTotal=4\r\nErrors=2\r\nTime=0:0:40  Average time for each number: 10 sec.\r\n"
                             "Mark=2\r\nKoeff=1,2\r\nRes=a,b,,c\r\nAnsw=a,B,x,c\r\n\r\n");
    Tfrm_results w;
    playRun(w, ExampleRes, ExampleAnsw);
    w.Edit1->setText("5,63");
    w.Reopen(dir.Path("testres.ini"), "run");
    QCOMPARE(w.StringGrid1->model()->rowCount(), 4);
    QStringList rows;
    for (int r = 0; r < w.RowCount(); ++r)
        rows << w.Cell(0, r) + '|' + w.Cell(1, r) + '|' + w.Cell(2, r);
    QCOMPARE(rows, (QStringList{"1|a|a", "2|b|B", "3||x", "4|c|c"}));
    QCOMPARE(values(w), (QStringList{"4", "2", "2", "0:0:40  Average time for each number: 10 sec.", "5,63", ""}));
}

void TestReportWindow::finishedRun_showsScoreAndStanding_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("module");
    QTest::addColumn<QStringList>("shown"); // Koeff, Mark, Module line, comparison
    // clang-format off
    QTest::newRow("introductory: the score, nothing stored to compare")
        << 1 << "" << QStringList{"3,8", "3-", "", ""};
    QTest::newRow("exam on a Module run before") << 3 << "Numbers"
                                                 << QStringList{"5,63", "3-", "Module: Numbers, 42 to 12",
                                                                "Previous run 7,5 (\u22121,87); best on this Module 7,5 (\u22121,87)."};
    QTest::newRow("training on a new Module") << 2 << "Other"
                                              << QStringList{"5,63", "3-", "Module: Other, 42 to 12", "The only run on this Module."};
    // clang-format on
}

void TestReportWindow::finishedRun_showsScoreAndStanding()
{
    QFETCH(int, mode);
    QFETCH(QString, module);
    QFETCH(QStringList, shown);
    TestDataDir dir;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QByteArray before = "[01.12.2026 10:00:00]\r\nKoeff=7,5\r\nModule=Numbers\r\n\r\n";
    dir.Write("testres.ini", before);
    dir.Write("examres.ini", before);
    Tfrm_results w;
    playRun(w, ExampleRes, ExampleAnsw);
    RunState run{mode, ExampleStart, 0, 65000};
    run.Module = RunModule{module, "42", "12"};
    w.ComputeReport(run, 1);
    w.SaveResult(run);
    QCOMPARE((QStringList{w.LabelKoeff->text(), w.LabelMark->text(), w.LabelModule->text(), w.LabelComparison->text()}),
             shown);
    // The next run starts from the held score and says nothing of a Module.
    w.ResetReport(20);
    QCOMPARE((QStringList{w.LabelKoeff->text(), w.LabelModule->text()}), (QStringList{shown.at(0), ""}));
}

void TestReportWindow::analysis_kindsSummaryAndScoringKept()
{
    TestUser user;
    TestDataDir dir;
    dir.Write("config.ini", "[Test]\r\nTNumOfEl=20\r\n");
    // The example with 7 left out and 11 and 12 given in reverse order.
    QStringList answers = ExampleRes;
    answers.removeAt(6);
    answers.swapItemsAt(9, 10);
    answers.append(QString());
    {
        Tfrm_results w;
        playRun(w, ExampleRes, answers);
        w.ComputeReport(RunState{3, ExampleStart, 0, 65000}, 14);
        w.FormShow();
        QCOMPARE(w.LabelSummary->text(),
                 QString("1 omitted at 7; 11 after it right but one place late; 1 swapped (11–12)"));
        QCOMPARE(w.LabelInOrder->text(), QString("Right in order: 18 of 20"));
        QCOMPARE(w.LabelSummary->textFormat(), Qt::PlainText);
        QCOMPARE(w.LabelInOrder->textFormat(), Qt::PlainText);
        const QAbstractItemModel *model = w.StringGrid1->model();
        QCOMPARE(model->index(6, 3).data().toString(), QString("omitted; right but one place late"));
        QCOMPARE(model->index(10, 3).data().toString(), QString("swapped (11–12)"));
        QCOMPARE(model->index(19, 3).data().toString(), QString("no answer"));
        QCOMPARE(w.ComboScoring->currentText(), QString("Koeff and mark"));
        QCOMPARE(w.LabelScore->text(), QString());
        QVERIFY(!w.SpinRowLength->isEnabled());
        // Rows of 10: 6 mistakes by position in the first row, 10 in the second.
        w.ComboScoring->setCurrentIndex(1);
        QCOMPARE(w.LabelScore->text(), QString("Rows of 10: 0 of 20; lost 10 in row 1 (1–10), 10 in row 2 (11–20)"));
        w.SpinRowLength->setValue(5);
        QCOMPARE(w.LabelScore->text().left(19), QString("Rows of 5: 5 of 20;"));
        // A change of the sheet is seen by the next look at the kinds.
        w.SetCell(2, 6, ExampleRes.at(6));
        QCOMPARE(model->index(6, 3).data().toString(), QString("right"));
    }
    QCOMPARE(dir.Read("config.ini"),
             QByteArray("[Test]\r\nTNumOfEl=20\r\n\r\n[Report]\r\nScoring=1\r\nScoringRowLength=5\r\n"));
    Tfrm_results again;
    again.FormShow();
    QCOMPARE(again.ComboScoring->currentText(), QString("Rows"));
    QCOMPARE(again.SpinRowLength->value(), 5);
    QVERIFY(user.asked.isEmpty());
}

void TestReportWindow::drillMistakes_setsOnlyTheTrainingKeys_data()
{
    QTest::addColumn<QString>("meanwhile"); // what happens to config.ini after the options loaded it
    QTest::addColumn<QStringList>("kept");  // lines config.ini holds afterwards
    QTest::addColumn<QString>("unset");     // the end of the message when the options could not be set
    // clang-format off
    QTest::newRow("another copy's Exam count, written while the drill waits")
        << "second copy" << QStringList{"TimerMSec=7000", "ENumOfEl=40", "EMName=Words"} << QString();
    QTest::newRow("a sync tool's pace")
        << "sync tool" << QStringList{"TimerMSec=9000", "ENumOfEl=20", "EMName=Words"} << QString();
    QTest::newRow("config.ini read-only")
        << "read-only" << QStringList{"TimerMSec=7000", "ENumOfEl=20"}
        << "It was added to the library, but the options could not be set to train on it: Unable to write to %1. "
           "The file is read-only.";
    // clang-format on
}

// A drill of the mistakes sets the Training's count, Module and range on
// config.ini as it is then, and nothing else; when it can't, it says that
// the Module was made all the same.
void TestReportWindow::drillMistakes_setsOnlyTheTrainingKeys()
{
    QFETCH(QString, meanwhile);
    QFETCH(QStringList, kept);
    QFETCH(QString, unset);
    TestDataDir dir;
    TestUser user;
    const QString config = dir.Path("config.ini");
    const QByteArray before =
        "[Test]\r\nTNumOfEl=35\r\nTimerMSec=7000\r\n\r\n[Exam]\r\nENumOfEl=20\r\nEMName=Words\r\n";
    dir.Write("modules.ini", "[Words]\r\nData=cat,dog,sun\r\n\r\n");
    dir.Write("config.ini", before);
    Tfrm_options options;
    options.LoadOptions();
    Tfrm_results w;
    w.SetOptions(&options);
    playRun(w, {"cat", "dog", "sun"}, {"cat", "x", "y"});

    QProcess copy;
    const auto restore = qScopeGuard([] { Profile::SetLockWait({}); });
    if (meanwhile == "second copy") {
        // It holds the folder's lock with the file loaded; it writes once
        // the drill has had to wait for it.
        copy.start(QStringLiteral(TENACIO_SECOND_COPY), {config, "Exam", "ENumOfEl", "40"});
        QVERIFY(copy.waitForReadyRead(20000) && copy.readLine() == "holding\n");
        Profile::SetLockWait([&] {
            if (copy.state() == QProcess::Running && copy.isWritable()) {
                copy.write("go\n");
                copy.closeWriteChannel();
                copy.waitForFinished(20000);
            }
        });
    } else if (meanwhile == "sync tool") {
        dir.Write("config.ini", QByteArray(before).replace("7000", "9000"));
    } else {
        QVERIFY(QFile::setPermissions(config, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    }
    const QByteArray onDisk = dir.Read("config.ini");
    w.BitBtn2Click();
    if (meanwhile == "second copy") {
        QCOMPARE(copy.state(), QProcess::NotRunning);
        QCOMPARE(copy.exitCode(), 0);
    }

    const QString name = Modules::ListModuleNames(dir.Path("modules.ini")).last();
    QVERIFY(name.startsWith("Mistakes "));
    QCOMPARE(user.asked.size(), 1);
    const QString made = QString("The Module \"%1\" holds the 2 elements answered wrongly. Taken: 2 wrong. ").arg(name);
    const QString lines = QString::fromUtf8(dir.Read("config.ini"));
    for (const QString &line : kept)
        QVERIFY2(lines.contains(line + "\r\n"), qPrintable(line));
    if (!unset.isEmpty()) {
        QCOMPARE(user.asked.at(0).kind, Dialogs::Kind::Error);
        QCOMPARE(user.asked.at(0).text, made + unset.arg(config));
        QCOMPARE(dir.Read("config.ini"), onDisk);
        QCOMPARE(options.InForce(Tfrm_options::Page::Training).page.ModuleName, QString("Words"));
        return;
    }
    QCOMPARE(user.asked.at(0).text, made + "Training now uses it: Ctrl+T drills them.");
    // Only the Training's four keys were set; the rest is as the file held it.
    for (const QString &line : QStringList{"TNumOfEl=20", "TMName=" + name, "TDiapFrom=dog", "TDiapTo=sun"})
        QVERIFY2(lines.contains(line + "\r\n"), qPrintable(line));
    QVERIFY2(!lines.contains("Ifexec") && !lines.contains("EDiapFrom"), qPrintable(lines));
    // The options in force are the file's.
    const Settings::RunOptions exam = options.InForce(Tfrm_options::Page::Exam);
    QCOMPARE(exam.page.NumOfEl, kept.at(1).section('=', 1));
    QCOMPARE(options.InForce(Tfrm_options::Page::Training).page.ModuleName, name);
}

// "apple" for "Apple" and an untouched "???": the kinds of mistake, the
// drill and the scoring rules follow the choice; the mistake count and the
// Koeff keep the exact rule.
void TestReportWindow::letterCaseAndUntouched_followTheChoice()
{
    TestUser user;
    TestDataDir dir;
    {
        Tfrm_results w;
        playRun(w, {"Apple", "Pear", "Plum"}, {"apple", "Pear", "???"});
        w.ComputeReport(RunState{2, ExampleStart, 0, 6000}, 2);
        w.FormShow();
        const QAbstractItemModel *model = w.StringGrid1->model();
        QCOMPARE(w.LabelSummary->text(), QString("1 wrong; 1 blank"));
        QCOMPARE(model->index(2, 3).data().toString(), QString("blank"));
        QVERIFY(w.CheckLetterCase->isChecked());
        QVERIFY(w.CheckHalfRow->isChecked());
        QVERIFY(!w.CheckSkippedRowEnds->isChecked());
        QVERIFY(!w.CheckHalfRow->isEnabled());
        w.ComboScoring->setCurrentIndex(3);
        QCOMPARE(w.LabelScore->text(), QString("Right answers: 1 of 3"));
        w.CheckLetterCase->setChecked(false);
        QCOMPARE(w.LabelScore->text(), QString("Right answers: 2 of 3"));
        QCOMPARE(w.LabelSummary->text(), QString("1 blank"));
        QCOMPARE(w.LabelInOrder->text(), QString("Right in order: 2 of 3; letter case ignored"));
        QCOMPARE(model->index(0, 3).data().toString(), QString("right"));
        QVERIFY(w.BitBtn2->isEnabled()); // Plum, not answered
        QCOMPARE(w.ErrorsText(), QString("2"));
        QCOMPARE(w.KoeffText(), QString("0,6")); // (3 - 6 / 6 + 1) / 5
        // Rows of 1: the last answer is Pear, so Plum's row is not reached.
        w.ComboScoring->setCurrentIndex(1);
        QVERIFY(w.CheckHalfRow->isEnabled());
        w.SpinRowLength->setValue(1);
        QCOMPARE(w.LabelScore->text(), QString("Rows of 1: 2 of 3; lost 1 in row 3 (3–3)"));
        w.CheckLetterCase->setChecked(true);
        w.CheckHalfRow->setChecked(false);
        QCOMPARE(w.LabelScore->text(), QString("Rows of 1: 1 of 3; lost 1 in row 1 (1–1), 1 in row 3 (3–3)"));
        w.CheckSkippedRowEnds->setChecked(true);
    }
    QCOMPARE(dir.Read("config.ini"), QByteArray("[Report]\r\nScoring=1\r\nScoringLetterCase=1\r\nScoringRowLength=1\r\n"
                                                "ScoringHalfRow=0\r\nScoringSkippedRowEnds=1\r\n"));
    Tfrm_results again;
    again.FormShow();
    QVERIFY(!again.CheckHalfRow->isChecked());
    QVERIFY(again.CheckSkippedRowEnds->isChecked());
    QVERIFY(again.CheckLetterCase->isChecked());
    QVERIFY(user.asked.isEmpty());
}

QTEST_MAIN(TestReportWindow)
#include "tst_frmresults.moc"
