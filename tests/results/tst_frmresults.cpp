#include "results/answersheetview.h"
#include "results/frmresults.h"
#include "tests/testsupport.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTest>

namespace {

// The example Exam run: twenty Elements, one mistake at Element 7.
const QStringList ExampleRes = QStringLiteral("42,20,51,84,7,10,69,13,47,75,8,65,28,5,12,56,54,9,31,12").split(QLatin1Char(','));
const QStringList ExampleAnsw = QStringLiteral("42,20,51,84,7,10,80,13,47,75,8,65,28,5,12,56,54,9,31,12").split(QLatin1Char(','));
const QDateTime ExampleStart(QDate(2026, 12, 6), QTime(20, 54, 9, 400));

// Plays a run into the window the way the runner does: size, show each
// Element, then take each answer.
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

int mistakes(const QStringList &texts, const QStringList &answers)
{
    int n = 0;
    for (int r = 0; r < texts.size(); ++r)
        n += IsAnswerRight(texts.at(r), answers.value(r)) ? 0 : 1;
    return n;
}

bool isRed(QRgb p) { return qRed(p) > 200 && qGreen(p) < 80 && qBlue(p) < 80; }
bool isDark(QRgb p) { return qRed(p) < 100 && qGreen(p) < 100 && qBlue(p) < 100; }

int darkIn(const QImage &image, const QRect &rect)
{
    int count = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            count += isDark(image.pixel(x, y)) ? 1 : 0;
    return count;
}

struct RedPixels
{
    int count = 0;
    int longestRun = 0; // longest horizontal run of red pixels
    int left = INT_MAX; // leftmost red pixel
};

RedPixels redIn(const QImage &image, const QRect &rect)
{
    RedPixels red;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        int run = 0;
        for (int x = rect.left(); x <= rect.right(); ++x) {
            if (isRed(image.pixel(x, y))) {
                ++red.count;
                red.left = std::min(red.left, x);
                red.longestRun = std::max(red.longestRun, ++run);
            } else {
                run = 0;
            }
        }
    }
    return red;
}

QImage gridImage(Tfrm_results &w)
{
    return w.StringGrid1->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

class TestReportWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void window_controlsAndShowing();
    void okButton_closesWithOk_data();
    void okButton_closesWithOk();
    void sheet_sizeKeepsOnlyRowsBelowIt_data();
    void sheet_sizeKeepsOnlyRowsBelowIt();
    void resetReport_zeroesCountsButKeepsKoeffAndMark();
    void computeReport_scoresOrLeavesUnscoredRuns_data();
    void computeReport_scoresOrLeavesUnscoredRuns();
    void saveResult_exampleSectionBytes();
    void saveResult_fileByMode_data();
    void saveResult_fileByMode();
    void saveResult_twiceInOneSecondKeepsOneSection();
    void answerLook_data();
    void answerLook();
    void drawing_wrongAnswersRedAndStruckOut();
    void accessibleText_saysWhichAnswersAreWrong_data();
    void accessibleText_saysWhichAnswersAreWrong();
    void reopen_fillsSheetAndLabelsWithoutWriting();
};

void TestReportWindow::cleanup() { QLocale::setDefault(QLocale::system()); }

void TestReportWindow::window_controlsAndShowing()
{
    TestUser user;
    QWidget owner;
    owner.setGeometry(100, 80, 900, 700);
    owner.show();
    Tfrm_results w(&owner);
    QCOMPARE(w.windowTitle(), QStringLiteral("Report"));
    QCOMPARE(w.size(), QSize(417, 376));
    QCOMPARE(w.minimumSize(), w.maximumSize());
    QVERIFY(w.BitBtn1->isDefault());
    QCOMPARE(w.BitBtn1->text(), QStringLiteral("OK"));
    for (int c = 0; c < 3; ++c) {
        QCOMPARE(w.StringGrid1->columnWidth(c), 133);
        QCOMPARE(w.StringGrid2->columnWidth(c), 133);
    }
    QCOMPARE(w.StringGrid1->verticalHeader()->defaultSectionSize(), 18);
    QCOMPARE(w.StringGrid1->editTriggers(), QAbstractItemView::NoEditTriggers);
    QCOMPARE(w.StringGrid1->selectionBehavior(), QAbstractItemView::SelectRows);
    QCOMPARE(w.Label1->text(), QStringLiteral("Number of elements: "));
    QCOMPARE(w.Label2->text(), QStringLiteral("Total time: "));
    QCOMPARE(w.Label3->text(), QStringLiteral("Correct answers: "));
    QCOMPARE(w.Label4->text(), QStringLiteral("Mistakes: "));

    user.scripts.push_back([&](QDialog *) {
        QStringList headers;
        for (int c = 0; c < 3; ++c)
            headers << w.StringGrid2->horizontalHeaderItem(c)->text();
        QCOMPARE(headers, (QStringList{QStringLiteral("Number"), QStringLiteral("Text"), QStringLiteral("Answer")}));
        QVERIFY(!w.Edit1->isVisible());
        QVERIFY(!w.Edit2->isVisible());
        QVERIFY(w.Label6->isVisible());
        const QPoint offset = w.frameGeometry().center() - owner.frameGeometry().center();
        QVERIFY2(offset.manhattanLength() <= 2, qPrintable(QStringLiteral("%1,%2").arg(offset.x()).arg(offset.y())));
        // Values sit right after their captions.
        QVERIFY(w.Label6->x() >= w.Label1->x() + w.Label1->sizeHint().width());
        QVERIFY(w.Label6->geometry().right() < 417);
    });
    Dialogs::ExecModal(&w);
    QVERIFY(user.scripts.empty());
}

void TestReportWindow::okButton_closesWithOk_data()
{
    QTest::addColumn<int>("how");
    QTest::newRow("click") << 0;
    QTest::newRow("Enter") << 1;
    QTest::newRow("handler") << 2;
}

void TestReportWindow::okButton_closesWithOk()
{
    QFETCH(int, how);
    TestUser user;
    Tfrm_results w;
    user.scripts.push_back([&](QDialog *) {
        if (how == 0)
            QTest::mouseClick(w.BitBtn1, Qt::LeftButton);
        else if (how == 1)
            QTest::keyClick(w.StringGrid1, Qt::Key_Return);
        else
            w.BitBtn1Click();
    });
    QCOMPARE(Dialogs::ExecModal(&w), int(QDialog::Accepted));
    QVERIFY(!w.isVisible());
}

void TestReportWindow::sheet_sizeKeepsOnlyRowsBelowIt_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("count");
    QTest::newRow("shrink to 3") << 3 << 3;
    QTest::newRow("shrink to 1") << 1 << 1;
    QTest::newRow("zero gives one") << 0 << 1;
    QTest::newRow("negative gives one") << -4 << 1;
    QTest::newRow("grow to 8") << 8 << 8;
}

void TestReportWindow::sheet_sizeKeepsOnlyRowsBelowIt()
{
    QFETCH(int, rows);
    QFETCH(int, count);
    Tfrm_results w;
    w.SetRowCount(5);
    for (int r = 0; r < 5; ++r)
        w.SetCell(1, r, QStringLiteral("t%1").arg(r));
    w.SetRowCount(rows);
    QCOMPARE(w.RowCount(), count);
    QCOMPARE(w.StringGrid1->model()->rowCount(), count);
    w.SetRowCount(5);
    for (int r = 0; r < 5; ++r)
        QCOMPARE(w.Cell(1, r), r < count ? QStringLiteral("t%1").arg(r) : QString());
    // Writes outside the sheet go nowhere.
    w.SetCell(1, 5, QStringLiteral("x"));
    w.SetCell(3, 0, QStringLiteral("x"));
    QCOMPARE(w.RowCount(), 5);
    QCOMPARE(w.Cell(1, 5), QString());
}

void TestReportWindow::resetReport_zeroesCountsButKeepsKoeffAndMark()
{
    Tfrm_results w;
    playRun(w, ExampleRes, ExampleAnsw);
    w.ComputeReport(RunState{3, ExampleStart, 0, 65000}, 1);
    QCOMPARE(w.KoeffText(), QStringLiteral("5,63"));
    w.ResetReport(4);
    QCOMPARE(w.RowCount(), 4);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 3; ++c)
            QCOMPARE(w.Cell(c, r), QString());
    const QStringList values{w.TotalText(), w.RightText(), w.ErrorsText(), w.TimeText()};
    QCOMPARE(values, QStringList(4, QStringLiteral("0")));
    QCOMPARE(w.KoeffText(), QStringLiteral("5,63"));
    QCOMPARE(w.MarkText(), QStringLiteral("3-"));
}

void TestReportWindow::computeReport_scoresOrLeavesUnscoredRuns_data()
{
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QStringList>("values"); // Total, Right, Errors, Time, Koeff, Mark
    QTest::newRow("example exam") << ExampleRes << 3
                                  << QStringList{"20", "19", "1", "0:1:5  Average time for each number: 3,25 sec.",
                                                 "5,63", "3-"};
    QTest::newRow("introductory") << ExampleRes << 1
                                  << QStringList{"20", "19", "1", "0:1:5  Average time for each number: 3,25 sec.",
                                                 "3,8", "3-"};
    QTest::newRow("single Element stays unscored")
        << QStringList{"7"} << 2 << QStringList{"0", "0", "0", "0", "prev", "prev mark"};
}

void TestReportWindow::computeReport_scoresOrLeavesUnscoredRuns()
{
    QFETCH(QStringList, texts);
    QFETCH(int, mode);
    QFETCH(QStringList, values);
    Tfrm_results w;
    w.Edit1->setText(QStringLiteral("prev"));
    w.Edit2->setText(QStringLiteral("prev mark"));
    QStringList answers = texts;
    if (answers.size() > 6)
        answers[6] = QStringLiteral("80");
    playRun(w, texts, answers);
    w.ComputeReport(RunState{mode, ExampleStart, 4000000000u, 4000065000u}, mistakes(texts, answers));
    QCOMPARE((QStringList{w.TotalText(), w.RightText(), w.ErrorsText(), w.TimeText(), w.KoeffText(), w.MarkText()}),
             values);
}

void TestReportWindow::saveResult_exampleSectionBytes()
{
    TestDataDir dir;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    Tfrm_results w;
    playRun(w, ExampleRes, ExampleAnsw);
    const RunState run{3, ExampleStart, 0xFFFFF000u, 0xFFFFF000u + 65000u};
    w.ComputeReport(run, mistakes(ExampleRes, ExampleAnsw));
    w.SaveResult(run);
    QCOMPARE(dir.read(QStringLiteral("examres.ini")),
             QByteArray("[06.12.2026 20:54:09]\r\n"
                        "Total=20\r\n"
                        "Errors=1\r\n"
                        "Time=0:1:5  Average time for each number: 3,25 sec.\r\n"
                        "Mark=3-\r\n"
                        "Koeff=5,63\r\n"
                        "Res=42,20,51,84,7,10,69,13,47,75,8,65,28,5,12,56,54,9,31,12\r\n"
                        "Answ=42,20,51,84,7,10,80,13,47,75,8,65,28,5,12,56,54,9,31,12\r\n"
                        "\r\n"));
    QVERIFY(!dir.exists(QStringLiteral("testres.ini")));
}

void TestReportWindow::saveResult_fileByMode_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("file");
    QTest::newRow("introductory is never stored") << 1 << QString();
    QTest::newRow("finished run") << 0 << QString();
    QTest::newRow("training") << 2 << QStringLiteral("testres.ini");
    QTest::newRow("exam") << 3 << QStringLiteral("examres.ini");
}

void TestReportWindow::saveResult_fileByMode()
{
    QFETCH(int, mode);
    QFETCH(QString, file);
    TestDataDir dir;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QByteArray old = "[01.12.2026 10:00:00]\r\nTotal=2\r\n\r\n";
    dir.write(QStringLiteral("testres.ini"), old);
    dir.write(QStringLiteral("examres.ini"), old);
    Tfrm_results w;
    const QStringList texts{QStringLiteral("a"), QStringLiteral("b")};
    playRun(w, texts, texts);
    const RunState run{mode, ExampleStart, 0, 10000};
    w.ComputeReport(run, 0);
    w.SaveResult(run);
    for (const QString &name : {QStringLiteral("testres.ini"), QStringLiteral("examres.ini")}) {
        const QByteArray bytes = dir.read(name);
        if (name != file) {
            QCOMPARE(bytes, old);
            continue;
        }
        QVERIFY(bytes.startsWith(old));
        QVERIFY(bytes.endsWith("Res=a,b\r\nAnsw=a,b\r\n\r\n"));
        QVERIFY(bytes.contains("[06.12.2026 20:54:09]\r\nTotal=2\r\nErrors=0\r\n"));
    }
}

void TestReportWindow::saveResult_twiceInOneSecondKeepsOneSection()
{
    TestDataDir dir;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    Tfrm_results w;
    const QStringList texts{QStringLiteral("a"), QStringLiteral("b")};
    playRun(w, texts, {QStringLiteral("a"), QStringLiteral("x")});
    RunState run{2, QDateTime(QDate(2026, 12, 6), QTime(9, 0, 0, 100)), 0, 10000};
    w.ComputeReport(run, 1);
    w.SaveResult(run);
    playRun(w, texts, texts);
    run.StartDateTime = QDateTime(QDate(2026, 12, 6), QTime(9, 0, 0, 900));
    w.ComputeReport(run, 0);
    w.SaveResult(run);
    QCOMPARE(dir.read(QStringLiteral("testres.ini")),
             QByteArray("[06.12.2026 09:00:00]\r\nTotal=2\r\nErrors=0\r\n"
                        "Time=0:0:10  Average time for each number: 5 sec.\r\nMark=2\r\nKoeff=0,47\r\n"
                        "Res=a,b\r\nAnsw=a,b\r\n\r\n"));
}

void TestReportWindow::answerLook_data()
{
    QTest::addColumn<QString>("element");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("selected");
    QTest::addColumn<bool>("wrong");
    QTest::addColumn<int>("colour"); // 0 red, 1 text, 2 selected text
    QTest::newRow("right") << "cat" << "cat" << false << false << 1;
    QTest::newRow("right, selected row") << "cat" << "cat" << true << false << 2;
    QTest::newRow("letter case differs") << "cat" << "Cat" << false << true << 0;
    QTest::newRow("letter case differs, selected") << "cat" << "Cat" << true << true << 0;
    QTest::newRow("empty answer") << "cat" << "" << false << true << 0;
    QTest::newRow("trailing blank") << "cat" << "cat " << false << true << 0;
    QTest::newRow("row not reached") << "" << "" << false << false << 1;
}

void TestReportWindow::answerLook()
{
    QFETCH(QString, element);
    QFETCH(QString, answer);
    QFETCH(bool, selected);
    QFETCH(bool, wrong);
    QFETCH(int, colour);
    QPalette palette;
    palette.setColor(QPalette::Text, QColor(10, 20, 30));
    palette.setColor(QPalette::HighlightedText, QColor(200, 210, 220));
    const AnswerCellLook look = LookOfAnswerCell(element, answer, QRect(133 * 2, 36, 133, 18), selected, true, palette);
    QCOMPARE(look.wrong, wrong);
    const QColor expected[] = {QColor(255, 0, 0), QColor(10, 20, 30), QColor(200, 210, 220)};
    QCOMPARE(look.colour, expected[colour]);
    QCOMPARE(look.textAt, QPoint(266 + 13, 36 + 1));
}

void TestReportWindow::drawing_wrongAnswersRedAndStruckOut()
{
    TestUser user;
    Tfrm_results w;
    const QStringList texts{QStringLiteral("oooooooo"), QStringLiteral("oooooooo"), QStringLiteral("cat"), QStringLiteral("dog")};
    playRun(w, texts, {QStringLiteral("oooooooo"), QStringLiteral("OOOOOOOO"), QString(), QString()});
    user.scripts.push_back([&](QDialog *) {
        auto cell = [&](int row, int column) { return w.StringGrid1->visualRect(w.StringGrid1->model()->index(row, column)); };
        QImage image = gridImage(w);
        QCOMPARE(redIn(image, cell(0, 2)).count, 0);
        const RedPixels wrong = redIn(image, cell(1, 2));
        QVERIFY(wrong.count > 0);
        // The strike-out line runs across the whole text.
        QVERIFY2(wrong.longestRun >= 30, qPrintable(QString::number(wrong.longestRun)));
        QVERIFY(wrong.left >= cell(1, 2).left() + 13);
        // The default drawing of a redrawn cell is gone; a right answer shows in the text colour.
        QCOMPARE(darkIn(image, cell(1, 2)), 0);
        QVERIFY(darkIn(image, cell(0, 2)) > 0);
        // An empty wrong answer shows nothing; the Element columns are never red.
        QCOMPARE(redIn(image, cell(2, 2)).count, 0);
        QCOMPARE(redIn(image, cell(1, 0).united(cell(1, 1))).count, 0);

        // The runner's writes show at once, and the row's selection keeps them red.
        w.SetCell(2, 3, QStringLiteral("oooooooo"));
        w.StringGrid1->selectRow(3);
        image = gridImage(w);
        QVERIFY(redIn(image, cell(3, 2)).longestRun >= 30);
        w.SetCell(2, 3, QStringLiteral("dog"));
        image = gridImage(w);
        QCOMPARE(redIn(image, cell(3, 2)).count, 0);
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
    QTest::newRow("right") << "cat" << "cat" << "cat" << "";
    QTest::newRow("letter case") << "cat" << "Cat" << "wrong: Cat" << "wrong answer";
    QTest::newRow("empty") << "cat" << "" << "wrong: no answer" << "wrong answer";
}

void TestReportWindow::accessibleText_saysWhichAnswersAreWrong()
{
    QFETCH(QString, element);
    QFETCH(QString, answer);
    QFETCH(QString, name);
    QFETCH(QString, description);
    Tfrm_results w;
    playRun(w, {QStringLiteral("x"), element}, {QStringLiteral("x"), answer});
    const QModelIndex index = w.StringGrid1->model()->index(1, 2);
    QCOMPARE(index.data(Qt::AccessibleTextRole).toString(), name);
    QCOMPARE(index.data(Qt::AccessibleDescriptionRole).toString(), description);
    QCOMPARE(index.data(Qt::DisplayRole).toString(), answer);

    // What assistive technology is handed for the cell.
    w.show();
    QAccessibleInterface *grid = QAccessible::queryAccessibleInterface(w.StringGrid1);
    QVERIFY(grid && grid->tableInterface());
    QAccessibleInterface *cell = grid->tableInterface()->cellAt(1, 2);
    QVERIFY(cell);
    QCOMPARE(cell->text(QAccessible::Name), name);
    QCOMPARE(grid->tableInterface()->cellAt(1, 1)->text(QAccessible::Name), element);
}

void TestReportWindow::reopen_fillsSheetAndLabelsWithoutWriting()
{
    TestDataDir dir;
    const QByteArray bytes = "[06.12.2026 20:54:09]\r\nTotal=4\r\nErrors=2\r\nTime=0:0:40  Average time for each number: 10 sec.\r\n"
                             "Mark=2\r\nKoeff=1,2\r\nRes=a,b,,c\r\nAnsw=a,B,x,c\r\n\r\n";
    dir.write(QStringLiteral("testres.ini"), bytes);
    Tfrm_results w;
    playRun(w, ExampleRes, ExampleAnsw);
    w.Reopen(dir.path(QStringLiteral("testres.ini")), QStringLiteral("06.12.2026 20:54:09"));
    QCOMPARE(w.RowCount(), 4);
    QCOMPARE(w.StringGrid1->model()->rowCount(), 4);
    QStringList rows;
    for (int r = 0; r < 4; ++r)
        rows << w.Cell(0, r) + QLatin1Char('|') + w.Cell(1, r) + QLatin1Char('|') + w.Cell(2, r);
    QCOMPARE(rows, (QStringList{"1|a|a", "2|b|B", "3||x", "4|c|c"}));
    QCOMPARE((QStringList{w.TotalText(), w.RightText(), w.ErrorsText(), w.TimeText()}),
             (QStringList{"4", "2", "2", "0:0:40  Average time for each number: 10 sec."}));
    QCOMPARE(w.StringGrid1->model()->index(1, 2).data(Qt::AccessibleTextRole).toString(), QStringLiteral("wrong: B"));
    QCOMPARE(dir.read(QStringLiteral("testres.ini")), bytes);
}

QTEST_MAIN(TestReportWindow)
#include "tst_frmresults.moc"
