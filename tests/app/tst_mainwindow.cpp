#include "app/appinfo.h"
#include "app/conflicts.h"
#include "app/duetoday.h"
#include "app/forms.h"
#include "app/frmhelp.h"
#include "app/frmmain.h"
#include "app/programicon.h"
#include "engine/frmtest.h"
#include "library/frmoptions.h"
#include "platform/contrast.h"
#include "platform/platform.h"
#include "results/frmresults.h"
#include "results/resultsstore.h"
#include "tests/testsupport.h"
#include "tests/testuser.h"

#include "app/historychart.h"
#include <QApplication>
#include <QComboBox>
#include <QFileSystemWatcher>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QSet>
#include <QSignalSpy>
#include <QStatusBar>
#include <QStyleOptionComboBox>
#include <QTableWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolButton>
#include <QTreeWidget>
#include <QtCharts/QBarSet>
#include <QtCharts/QChartView>
#include <QtCharts/QLegend>
#include <QtCharts/QStackedBarSeries>
#include <QtCharts/QValueAxis>

#include <memory>

#include <unistd.h>

namespace {

QString runName(int i)
{
    return QStringLiteral("0%1.03.2026 09:%2:%3")
        .arg(1 + i / 3600)
        .arg((i / 60) % 60, 2, 10, QLatin1Char('0'))
        .arg(i % 60, 2, 10, QLatin1Char('0'));
}

QByteArray results(int count, int from = 0, const QString &koeffPrefix = QString())
{
    QByteArray out;
    for (int i = from; i < from + count; ++i)
        out += "[" + runName(i).toUtf8() + "]\r\nTotal=20\r\nErrors=1\r\nMark=3-\r\nKoeff="
               + (koeffPrefix + QString::number(i % 9)).toUtf8() + ",5\r\n\r\n";
    return out;
}

QString cell(const Tfrm_main *w, int row, int column)
{
    const QTableWidgetItem *item = w->StringGrid1->item(row, column);
    return item ? item->text() : QString();
}

// The value each chart category shows: the one non-zero set, or 0.
QList<qreal> chartValues(const Tfrm_main *w)
{
    const QList<QBarSet *> sets = w->Series1->barSets();
    QList<qreal> values;
    const int n = sets.isEmpty() ? 0 : int(sets.first()->count());
    for (int i = 0; i < n; ++i) {
        qreal v = 0;
        for (QBarSet *set : sets)
            v += set->at(i);
        values.append(v);
    }
    return values;
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void startUp_listsExamResults();
    void help_guideByF1AndFromAbout_linksLeadWithin();
    void help_guideAddress_installedFileElseProgramsOwn();
    void lazyForm_madeOnceSharedNullAfterDelete();
    void programIcon_sizes_data();
    void programIcon_sizes();
    void layout_atDesignSize();
    void panel_followsLargerFonts_data();
    void panel_followsLargerFonts();
    void toggle_switchesFilesAndCaption();
    void chart_barsValuesLabelsColours();
    void chart_coloursReadOnTheBackground_data();
    void chart_coloursReadOnTheBackground();
    void chart_negativeKoeffAndLongNamesShownWhole();
    void delete_asksAndErasesOne();
    void delete_cancelledOrNothingListed_changesNothing();
    void deleteAll_erasesOnlyTheListed100();
    void delete_refusedWrite_reportsAndKeepsList();
    void reload_seesHandEdit();
    void conflictCopy_offeredAtStart_mergedByRun_data();
    void conflictCopy_offeredAtStart_mergedByRun();
    void conflictCopy_ofTheOptions_takesWhatIsChecked_data();
    void conflictCopy_ofTheOptions_takesWhatIsChecked();
    void changesFromOutside_aSecondCopysRunIsListed();
    void reopen_runGoneFromTheFile_saysSoAndRelists();
    void runNames_rightToLeftTextKeptInOrder();
    void showMainMessage_waitsForTheBox();
    void reopen_fillsReportAndShowsIt();
    void reopen_byEnterKey_andNothingListed();
    void filter_narrowsListAndChart_exportsWhatIsShown();
    void reopen_drillMistakes_setsTrainingToThem();
    void history_saysWhatIsListedAndHowToBegin_data();
    void history_saysWhatIsListedAndHowToBegin();
    void reload_afterRun_listsTheFileSavedTo_data();
    void reload_afterRun_listsTheFileSavedTo();
    void reload_afterRun_newestOnTopInSight();
    void chart_axisRoundStepsWithDecimalComma_data();
    void chart_axisRoundStepsWithDecimalComma();
    void chart_runLabelsNeverOverlap_data();
    void chart_runLabelsNeverOverlap();
    void headings_followResizedColumnAndScroll();
    void report_centredOnMainWindowEveryShowing();
    void dueToday_startsATrainingOnTheWholeModule_data();
    void dueToday_startsATrainingOnTheWholeModule();

private:
    std::unique_ptr<TestDataDir> m_dir;
    std::unique_ptr<TestUser> m_user;
    Forms m_forms;
    Tfrm_main *m_w = nullptr;
    void start();
};

void TestMainWindow::init()
{
    m_dir = std::make_unique<TestDataDir>();
    m_user = std::make_unique<TestUser>();
}

void TestMainWindow::cleanup()
{
    if (m_w)
        DestroyForms(m_forms);
    m_w = nullptr;
    m_user.reset();
    m_dir.reset();
}

void TestMainWindow::start()
{
    m_forms = CreateForms();
    m_w = m_forms.frm_main;
    m_w->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_w));
}

void TestMainWindow::startUp_listsExamResults()
{
    m_dir->Write(QStringLiteral("examres.ini"), results(3));
    m_dir->Write(QStringLiteral("testres.ini"), results(5, 100));
    start();
    QCOMPARE(m_w->SpeedButton1->text().remove(QLatin1Char('&')), QStringLiteral("Tests"));
    QVERIFY(!m_w->SpeedButton1->isChecked());
    QCOMPARE(m_w->StringGrid1->rowCount(), 3);
    QCOMPARE(cell(m_w, 0, 0), runName(2));
    QCOMPARE(cell(m_w, 0, 1), QStringLiteral("2,5"));
    QCOMPARE(cell(m_w, 0, 2), QStringLiteral("3-"));
    QCOMPARE(m_w->StringGrid2->horizontalHeaderItem(0)->text(), QStringLiteral("DateTime"));
    QCOMPARE(m_w->StringGrid2->horizontalHeaderItem(1)->text(), QStringLiteral("Result"));
    QCOMPARE(m_w->StringGrid2->horizontalHeaderItem(2)->text(), QStringLiteral("Mark"));
    QCOMPARE(m_w->StringGrid1->columnWidth(0), 140);
    QCOMPARE(m_w->StringGrid1->columnWidth(1), 70);
    QVERIFY(m_w->windowTitle().startsWith(QStringLiteral("Tenacio        Oberlund       ")));
    // The menu bar in its order.
    QStringList titles;
    for (QAction *a : m_w->menuBar()->actions())
        titles << a->text().remove(QLatin1Char('&'));
    QCOMPARE(titles, (QStringList{QStringLiteral("Options"), QStringLiteral("Modules"), QStringLiteral("Test"),
                                  QStringLiteral("Help")}));
    QStringList items;
    for (QAction *a : m_w->est1->actions())
        items << a->text().remove(QLatin1Char('&'));
    QCOMPARE(items,
             (QStringList{QStringLiteral("Introductory Test"), QStringLiteral("Training"), QStringLiteral("Exam")}));
    QCOMPARE(m_w->BitBtn1->text().remove(QLatin1Char('&')), QStringLiteral("Delete"));
    QCOMPARE(m_w->BitBtn2->text().remove(QLatin1Char('&')), QStringLiteral("Delete All"));
    // Each Test item has its own shortcut, distinct from the others.
    const QList<QKeySequence> keys{m_w->est11->shortcut(), m_w->est21->shortcut(), m_w->Exam1->shortcut()};
    QVERIFY(!keys.contains(QKeySequence()));
    QCOMPARE(QSet<QKeySequence>(keys.begin(), keys.end()).size(), 3);
    // The start makes only what it shows and the options that hold the
    // Settings; the other windows wait for their first use.
    QVERIFY(m_forms.frm_options);
    QVERIFY(!m_forms.frm_test.Made());
    QVERIFY(!m_forms.frm_exe.Made());
    QVERIFY(!m_forms.frm_results.Made());
    QVERIFY(!m_forms.frm_modules.Made());
    QVERIFY(!m_forms.frm_name.Made());
    QVERIFY(!m_forms.frm_help.Made());
    // Reaching the runner makes the windows it works with, once.
    Tfrm_test *runner = m_forms.frm_test;
    QVERIFY(runner);
    QVERIFY(m_forms.frm_exe.Made() && m_forms.frm_results.Made());
    QCOMPARE(m_forms.frm_test.Get(), runner);
    QCOMPARE(runner->parentWidget(), static_cast<QWidget *>(m_w));
}

// F1 shows the guide the program carries; About names its local address,
// which opens it too. Every link of the guide leads to a place in it.
void TestMainWindow::help_guideByF1AndFromAbout_linksLeadWithin()
{
    start();
    QVERIFY(m_w->windowTitle().endsWith(QStringLiteral("qrc:/help/guide.html")));
    QVERIFY(!m_w->Guide());
    QTest::keyClick(m_w, Qt::Key_F1);
    Tfrm_guide *guide = m_w->Guide();
    QVERIFY(guide && guide->isVisible());
    QCOMPARE(guide->TextBrowser1->source(), QUrl(QStringLiteral("qrc:/help/guide.html")));
    QCOMPARE(guide->TextBrowser1->documentTitle(), QStringLiteral("Tenacio user guide"));
    QStringList hrefs, names;
    for (QTextBlock b = guide->TextBrowser1->document()->begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (!format.anchorHref().isEmpty())
                hrefs << format.anchorHref();
            names << format.anchorNames();
        }
    QVERIFY(hrefs.size() >= 7);
    for (const QString &href : std::as_const(hrefs)) {
        QVERIFY2(href.startsWith(QLatin1Char('#')) && names.contains(href.mid(1)), qPrintable(href));
        guide->TextBrowser1->setSource(QUrl(href)); // as a click on it does
        QCOMPARE(guide->TextBrowser1->source().fragment(), href.mid(1));
        QVERIFY(guide->TextBrowser1->document()->toPlainText().contains(QStringLiteral("Exam")));
    }
    guide->close();

    // About: the guide's address, not the maker's; following it closes
    // About and shows the guide again.
    m_user->scripts.push_back([](QDialog *d) {
        auto *about = static_cast<Tfrm_help *>(d);
        QCOMPARE(about->Label1->accessibleName(), QStringLiteral("Help is available here - qrc:/help/guide.html"));
        QVERIFY(!about->Label1->text().contains(QStringLiteral("example")));
        Q_EMIT about->Label1->linkActivated(QStringLiteral("guide"));
        QVERIFY(!about->isVisible());
    });
    m_w->Help1Click();
    QCOMPARE(m_user->opened.size(), 1);
    QCOMPARE(m_w->Guide(), guide);
    QVERIFY(guide->isVisible());
}

void TestMainWindow::help_guideAddress_installedFileElseProgramsOwn()
{
    const auto restore = qScopeGuard([] { AppInfo::SetInstalledGuide(QString()); });
    const QString installed = m_dir->Path(QStringLiteral("guide.html"));
    AppInfo::SetInstalledGuide(installed);
    QCOMPARE(AppInfo::GuideAddress(), QStringLiteral("qrc:/help/guide.html")); // not there
    m_dir->Write(QStringLiteral("guide.html"), "<html></html>");
    QCOMPARE(AppInfo::GuideAddress(), QUrl::fromLocalFile(installed).toString());
    QVERIFY(AppInfo::MainCaption().endsWith(QUrl::fromLocalFile(installed).toString()));
}

void TestMainWindow::lazyForm_madeOnceSharedNullAfterDelete()
{
    int made = 0;
    LazyForm<QWidget> form([&made] {
        ++made;
        return new QWidget;
    });
    const LazyForm<QWidget> copy = form;
    QVERIFY(!copy.Made());
    QWidget *widget = copy.Get();
    QVERIFY(widget);
    QCOMPARE(form.Get(), widget);
    QCOMPARE(made, 1);
    delete widget;
    QCOMPARE(form.Get(), nullptr); // gone with its owner, not made again
    QCOMPARE(made, 1);
    QCOMPARE(LazyForm<QWidget>().Get(), nullptr);
}

void TestMainWindow::programIcon_sizes_data()
{
    QTest::addColumn<int>("asked");
    QTest::addColumn<int>("given");
    QTest::newRow("packaged 16") << 16 << 16;
    QTest::newRow("between, scaled down from 24") << 20 << 20;
    QTest::newRow("packaged 48") << 48 << 48;
    QTest::newRow("between, scaled down from 128") << 100 << 100;
    QTest::newRow("largest") << 256 << 256;
    QTest::newRow("beyond the largest") << 400 << 256;
}

void TestMainWindow::programIcon_sizes()
{
    QFETCH(int, asked);
    QFETCH(int, given);
    const QIcon icon = ProgramIcon();
    QCOMPARE(icon.availableSizes().size(), 7);
    const QPixmap pixmap = icon.pixmap(QSize(asked, asked));
    QCOMPARE(pixmap.size(), QSize(given, given));
    const QImage image = pixmap.toImage();
    QVERIFY(image.pixelColor(given / 2, given / 2).alpha() > 0); // drawn, not blank
    QCOMPARE(icon.actualSize(QSize(asked, asked)), QSize(given, given));
}

void TestMainWindow::layout_atDesignSize()
{
    start();
    // Client area of the design size: outer 723 x 480 less the frame.
    m_w->centralWidget()->resize(Tfrm_main::DesignWidth - Tfrm_main::FrameWidth,
                                 Tfrm_main::DesignHeight - Tfrm_main::FrameHeight);
    m_w->FormResize();
    QCOMPARE(m_w->Chart1->geometry(), QRect(0, -18, 426, 420));
    // The listed file's name, the Module choice and Export stand above the
    // headings and the list.
    QCOMPARE(m_w->ComboBox1->parentWidget()->geometry(), QRect(428, 0, 285, 44));
    QCOMPARE(m_w->StringGrid1->geometry(), QRect(428, 63, 285, 298));
    QCOMPARE(m_w->StringGrid2->geometry(), QRect(428, 44, 285, 22));
    QCOMPARE(m_w->SpeedButton1->geometry(), QRect(432, 372, 90, 22));
    QCOMPARE(m_w->BitBtn1->geometry(), QRect(526, 372, 90, 22));
    QCOMPARE(m_w->BitBtn2->geometry(), QRect(620, 372, 90, 22));
    QCOMPARE(m_w->Bevel1->geometry(), QRect(0, 4, 427, 399));
    QCOMPARE(m_w->StatusBar1->geometry(), QRect(0, 404, 715, 22));
    // A larger window: the right-hand side follows the right edge.
    m_w->centralWidget()->resize(1000 - Tfrm_main::FrameWidth, 700 - Tfrm_main::FrameHeight);
    m_w->FormResize();
    QCOMPARE(m_w->Chart1->size(), QSize(703, 640));
    QCOMPARE(m_w->StringGrid1->geometry(), QRect(705, 63, 285, 518));
    QCOMPARE(m_w->ComboBox1->parentWidget()->pos(), QPoint(705, 0));
    QCOMPARE(m_w->BitBtn2->pos(), QPoint(897, 592));
}

void TestMainWindow::panel_followsLargerFonts_data()
{
    QTest::addColumn<double>("scale");
    QTest::newRow("usual") << 1.0;
    QTest::newRow("half as large again") << 1.5;
    QTest::newRow("twice") << 2.0;
}

// The usual fonts keep the designed panel; larger ones widen and heighten
// it so that the headings, the Module choice and its row are shown whole.
void TestMainWindow::panel_followsLargerFonts()
{
    QFETCH(double, scale);
    const ScaledFont font(scale);
    start();
    QWidget *bar = m_w->ComboBox1->parentWidget();
    if (scale == 1.0) {
        QCOMPARE(bar->size(), QSize(285, Tfrm_main::FilterHeight));
        QCOMPARE(m_w->StringGrid1->width(), 285);
        return;
    }
    const QFontMetrics metrics(QApplication::font());
    QVERIFY(bar->height() > Tfrm_main::FilterHeight);
    QCOMPARE(m_w->StringGrid2->y(), bar->height());
    // The two rows: the words on what is listed above the Module choice.
    QVERIFY2(m_w->Label2->height() >= metrics.height(), qPrintable(QString::number(m_w->Label2->height())));
    QVERIFY(m_w->ComboBox1->height() >= metrics.height() + 4);
    QVERIFY(m_w->ComboBox1->y() >= m_w->Label2->geometry().bottom());
    QVERIFY(m_w->ComboBox1->geometry().bottom() < bar->height());
    QVERIFY(m_w->ComboBox1->width() >= metrics.horizontalAdvance(QStringLiteral("All Modules")));
    const QFontMetrics heading(m_w->StringGrid2->horizontalHeader()->font());
    QVERIFY(m_w->StringGrid2->columnWidth(2) > heading.horizontalAdvance(QStringLiteral("Mark")));
    QCOMPARE(m_w->StringGrid1->width(), m_w->StringGrid2->width());
}

void TestMainWindow::toggle_switchesFilesAndCaption()
{
    m_dir->Write(QStringLiteral("examres.ini"), results(2));
    m_dir->Write(QStringLiteral("testres.ini"), results(4, 10));
    start();
    QTest::mouseClick(m_w->SpeedButton1, Qt::LeftButton);
    QVERIFY(m_w->SpeedButton1->isChecked());
    QCOMPARE(m_w->SpeedButton1->text().remove(QLatin1Char('&')), QStringLiteral("Exams"));
    QCOMPARE(m_w->StringGrid1->rowCount(), 4);
    QCOMPARE(cell(m_w, 0, 0), runName(13));
    QTest::mouseClick(m_w->SpeedButton1, Qt::LeftButton);
    QVERIFY(!m_w->SpeedButton1->isChecked());
    QCOMPARE(m_w->SpeedButton1->text().remove(QLatin1Char('&')), QStringLiteral("Tests"));
    QCOMPARE(m_w->StringGrid1->rowCount(), 2);
    QCOMPARE(cell(m_w, 0, 0), runName(1));
}

void TestMainWindow::chart_negativeKoeffAndLongNamesShownWhole()
{
    const QString name = QStringLiteral("11 Dec 2026 14:05:33 Pacific Standard");
    m_dir->Write(QStringLiteral("examres.ini"), "[" + name.toUtf8() + "]\r\nKoeff=-3,5\r\n\r\n[a]\r\nKoeff=6\r\n");
    start();
    // The slow run's bar hangs below zero, inside the axis.
    const auto *axis = qobject_cast<QValueAxis *>(m_w->Chart1->chart()->axes(Qt::Vertical).first());
    QVERIFY(axis->min() <= -3.5);
    QCOMPARE(chartValues(m_w), (QList<qreal>{-3.5, 6}));
    QCOMPARE(m_w->Bars().first().label, QStringLiteral("11 Dec 2026"));
    // The DateTime column shows the long name whole, under its heading.
    QVERIFY(m_w->StringGrid1->columnWidth(0) > m_w->StringGrid1->fontMetrics().horizontalAdvance(name));
    QCOMPARE(m_w->StringGrid1->columnWidth(0), m_w->StringGrid2->columnWidth(0));
}

void TestMainWindow::chart_barsValuesLabelsColours()
{
    QByteArray file;
    const QStringList koeffs{QStringLiteral("0,5"), QStringLiteral("abc"), QStringLiteral("7,25"), QString(),
                             QStringLiteral("3"),   QStringLiteral("1"),   QStringLiteral("2")};
    for (int i = 0; i < koeffs.size(); ++i)
        file += "[" + runName(i).toUtf8() + "]\r\nKoeff=" + koeffs.at(i).toUtf8() + "\r\nMark=2\r\n\r\n";
    file += "[short]\r\nKoeff=4\r\n\r\n";
    m_dir->Write(QStringLiteral("examres.ini"), file);
    start();
    QCOMPARE(m_w->StringGrid1->rowCount(), 8);
    QCOMPARE(cell(m_w, 6, 1), QStringLiteral("abc"));
    QCOMPARE(m_w->AxisMaximum(), 7.75);
    // Oldest first; the unparsed and empty Koeff give no bar.
    QCOMPARE(chartValues(m_w), (QList<qreal>{0.5, 7.25, 3, 1, 2, 4}));
    const QStringList labels = m_w->Bars().isEmpty() ? QStringList() : [this] {
        QStringList l;
        for (const History::Bar &b : m_w->Bars())
            l << b.label;
        return l;
    }();
    QCOMPARE(labels.last(), QStringLiteral("short"));
    QCOMPARE(labels.first(), QStringLiteral("01.03.2026"));
    // The chart view draws the same labels under the bars.
    QCOMPARE(m_w->Chart1->Labels(), labels);
    // Each bar is drawn by the set of its mark, named in the legend; a run
    // without a mark ("short") has a set of its own.
    const QColor background = m_w->Chart1->chart()->backgroundBrush().color();
    for (int i = 0; i < m_w->Bars().size(); ++i) {
        const History::Bar &bar = m_w->Bars().at(i);
        const int group = HistoryChartView::MarkGroup(bar.mark);
        QCOMPARE(group, i + 1 < m_w->Bars().size() ? 3 : 4);
        bool found = false;
        for (QBarSet *set : m_w->Series1->barSets())
            if (set->at(i) != 0)
                found = set->color() == HistoryChartView::MarkColour(group, background)
                        && set->label() == HistoryChartView::MarkGroupName(group);
        QVERIFY2(found, qPrintable(QString::number(i)));
    }
    QVERIFY(m_w->Chart1->chart()->legend()->isVisible());
}

void TestMainWindow::chart_coloursReadOnTheBackground_data()
{
    QTest::addColumn<QColor>("base");
    QTest::addColumn<QColor>("text");
    QTest::newRow("light") << QColor(255, 255, 255) << QColor(0, 0, 0);
    QTest::newRow("dark") << QColor(30, 30, 30) << QColor(230, 230, 230);
    QTest::newRow("mid grey") << QColor(128, 128, 128) << QColor(0, 0, 0);
}

void TestMainWindow::chart_coloursReadOnTheBackground()
{
    QFETCH(QColor, base);
    QFETCH(QColor, text);
    const QPalette system = QApplication::palette();
    const auto restore = qScopeGuard([&] { QApplication::setPalette(system); });
    QPalette palette = system;
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::PlaceholderText, QColor(text.red(), text.green(), text.blue(), 128));
    QApplication::setPalette(palette);
    // The empty list's note: grey, and 4.5:1 on the list.
    start();
    QVERIFY(m_w->Label3->isVisible());
    QVERIFY2(Contrast::Ratio(m_w->Label3->palette().color(QPalette::WindowText), base) >= Contrast::Text,
             qPrintable(m_w->Label3->palette().color(QPalette::WindowText).name()));
    DestroyForms(m_forms);
    // One run of each kind of mark: every bar 3:1 on the chart, which
    // follows the palette.
    QByteArray file;
    const QStringList marks{QStringLiteral("5"), QStringLiteral("4-"), QStringLiteral("3+"), QStringLiteral("2"),
                            QString()};
    for (int i = 0; i < marks.size(); ++i)
        file += "[" + runName(i).toUtf8() + "]\r\nKoeff=" + QByteArray::number(i + 1)
                + "\r\nMark=" + marks.at(i).toUtf8() + "\r\n\r\n";
    m_dir->Write(QStringLiteral("examres.ini"), file);
    start();
    QCOMPARE(m_w->Chart1->chart()->backgroundBrush().color(), base);
    QCOMPARE(m_w->Series1->barSets().size(), marks.size());
    QStringList names;
    for (QBarSet *set : m_w->Series1->barSets()) {
        names << set->label();
        QVERIFY2(Contrast::Ratio(set->color(), base) >= Contrast::Graphics,
                 qPrintable(set->label() + QStringLiteral(" ") + set->color().name()));
    }
    QCOMPARE(names, (QStringList{"Mark 5", "Mark 4", "Mark 3", "Mark 2 or lower", "No mark"}));
}

void TestMainWindow::delete_asksAndErasesOne()
{
    m_dir->Write(QStringLiteral("examres.ini"), results(3));
    start();
    m_w->StringGrid1->setCurrentCell(1, 0);
    QTest::mouseClick(m_w->BitBtn1, Qt::LeftButton);
    QCOMPARE(m_user->asked.size(), 1);
    QCOMPARE(m_user->asked.first().kind, Dialogs::Kind::Confirm);
    QCOMPARE(m_user->asked.first().title, QStringLiteral("Confirm"));
    QCOMPARE(m_user->asked.first().text, QStringLiteral("Delete ") + runName(1) + QLatin1Char('?'));
    QCOMPARE(m_w->StringGrid1->rowCount(), 2);
    QCOMPARE(cell(m_w, 0, 0), runName(2));
    QCOMPARE(cell(m_w, 1, 0), runName(0));
    QVERIFY(!m_dir->Read(QStringLiteral("examres.ini")).contains(runName(1).toUtf8()));
    // The Delete key on the list does the same.
    m_w->StringGrid1->setCurrentCell(0, 0);
    QTest::keyClick(m_w->StringGrid1, Qt::Key_Delete);
    QCOMPARE(m_user->asked.last().text, QStringLiteral("Delete ") + runName(2) + QLatin1Char('?'));
    QCOMPARE(m_w->StringGrid1->rowCount(), 1);
    QCOMPARE(cell(m_w, 0, 0), runName(0));
}

void TestMainWindow::delete_cancelledOrNothingListed_changesNothing()
{
    m_dir->Write(QStringLiteral("examres.ini"), results(2));
    start();
    const QByteArray before = m_dir->Read(QStringLiteral("examres.ini"));
    m_w->StringGrid1->setCurrentCell(0, 0);
    m_user->answers = {Dialogs::Answer::Cancel, Dialogs::Answer::Cancel};
    m_w->BitBtn1Click();
    m_w->BitBtn2Click();
    QCOMPARE(m_user->MessageTexts(),
             (QStringList{QStringLiteral("Delete ") + runName(1) + QLatin1Char('?'), QStringLiteral("Delete All?")}));
    QCOMPARE(m_dir->Read(QStringLiteral("examres.ini")), before);
    // The Training results are empty: nothing listed, nothing asked.
    QTest::mouseClick(m_w->SpeedButton1, Qt::LeftButton);
    QCOMPARE(m_w->StringGrid1->rowCount(), 1);
    m_user->asked.clear();
    m_w->StringGrid1->setCurrentCell(0, 0);
    m_w->BitBtn1Click();
    m_w->BitBtn2Click();
    QVERIFY(m_user->asked.isEmpty());
    QVERIFY(!m_dir->Exists(QStringLiteral("testres.ini")));
}

void TestMainWindow::deleteAll_erasesOnlyTheListed100()
{
    m_dir->Write(QStringLiteral("testres.ini"), results(101));
    start();
    QTest::mouseClick(m_w->SpeedButton1, Qt::LeftButton);
    QCOMPARE(m_w->StringGrid1->rowCount(), 100);
    QCOMPARE(cell(m_w, 0, 0), runName(100));
    QTest::mouseClick(m_w->BitBtn2, Qt::LeftButton);
    QCOMPARE(m_user->MessageTexts(), QStringList{QStringLiteral("Delete All?")});
    // The oldest run was not listed; it is all that is left now.
    QCOMPARE(m_w->StringGrid1->rowCount(), 1);
    QCOMPARE(cell(m_w, 0, 0), runName(0));
    const QByteArray left = m_dir->Read(QStringLiteral("testres.ini"));
    QCOMPARE(left.count('['), 1);
}

void TestMainWindow::delete_refusedWrite_reportsAndKeepsList()
{
    m_dir->Write(QStringLiteral("examres.ini"), results(3));
    start();
    const QByteArray before = m_dir->Read(QStringLiteral("examres.ini"));
    ReadOnlyDir readOnly(m_dir->Dir());
    if (!readOnly.Ok())
        QSKIP("cannot make a directory read-only here");
    m_w->StringGrid1->setCurrentCell(0, 0);
    m_w->BitBtn2Click();
    QCOMPARE(m_user->asked.size(), 2);
    QCOMPARE(m_user->asked.at(1).kind, Dialogs::Kind::Error);
    QCOMPARE(m_user->asked.at(1).text, QStringLiteral("Unable to write to ")
                                           + Platform::DataFile(QStringLiteral("examres.ini")) + QStringLiteral(". ")
                                           + readOnly.Reason());
    QCOMPARE(m_w->StringGrid1->rowCount(), 3);
    QCOMPARE(m_dir->Read(QStringLiteral("examres.ini")), before);
}

void TestMainWindow::conflictCopy_offeredAtStart_mergedByRun_data()
{
    QTest::addColumn<QString>("copyName");
    QTest::addColumn<bool>("merge");
    QTest::addColumn<int>("rows");
    // clang-format off
    QTest::newRow("one tool's, merged") << "examres.sync-conflict-20261208-101500-ABCDEFG.ini" << true << 6;
    QTest::newRow("another's, merged") << "examres (conflicted copy 2026-12-08 101500).ini" << true << 6;
    QTest::newRow("a third's, merged") << "examres (Anna's conflicted copy 2026-12-08).ini" << true << 6;
    QTest::newRow("left for later") << "examres.sync-conflict-20261208-101500-ABCDEFG.ini" << false << 4;
    // clang-format on
}

void TestMainWindow::conflictCopy_offeredAtStart_mergedByRun()
{
    QFETCH(QString, copyName);
    QFETCH(bool, merge);
    QFETCH(int, rows);
    // Both machines have runs 0 to 2; this one added run 3, the other two
    // runs of its own, one of them under the name of run 3.
    m_dir->Write(QStringLiteral("examres.ini"), results(4));
    const QByteArray copy = results(3) + results(1, 3, QStringLiteral("1")) + results(1, 7);
    m_dir->Write(copyName, copy);
    if (!merge)
        m_user->answers.push_back(Dialogs::Answer::Cancel);
    start();
    QCoreApplication::processEvents();
    QCOMPARE(m_user->asked.size(), merge ? 2 : 1);
    QCOMPARE(m_user->asked.first().kind, Dialogs::Kind::Merge);
    QCOMPARE(m_user->asked.first().text,
             QStringLiteral("A sync tool left a second version of examres.ini in the data folder: %1.\n\n"
                            "Runs in it that the history does not show: 2. Merge them into examres.ini? "
                            "The copy is then renamed %1.merged and kept.")
                 .arg(copyName));
    QCOMPARE(m_w->StringGrid1->rowCount(), rows);
    QCOMPARE(m_dir->Exists(copyName), !merge);
    QCOMPARE(m_dir->Exists(copyName + QStringLiteral(".merged")), merge);
    if (!merge) {
        // Not asked again while this copy runs, whatever changes.
        m_dir->Write(QStringLiteral("examres.ini"), results(4) + "[new]\r\nKoeff=9\r\n");
        m_w->DataChanged();
        QCOMPARE(m_user->asked.size(), 1);
        return;
    }
    QCOMPARE(m_user->asked.at(1).text, QStringLiteral("Runs merged into examres.ini: 2\n"
                                                      "Of them under their name with a number added, as this computer "
                                                      "has another run under that name: 1\n"
                                                      "Runs that were already there: 3\nThe copy is kept as %1.merged.")
                                           .arg(copyName));
    QCOMPARE(cell(m_w, 0, 0), runName(7));
    QCOMPARE(cell(m_w, 1, 0), runName(3) + QStringLiteral(" (2)"));
    QCOMPARE(m_dir->Read(copyName + QStringLiteral(".merged")), copy);
}

void TestMainWindow::conflictCopy_ofTheOptions_takesWhatIsChecked_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("ours");
    QTest::addColumn<QString>("copyName");
    QTest::addColumn<QByteArray>("theirs");
    QTest::addColumn<int>("checked"); // the row checked before Merge; -1: as offered
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("options, the one checked taken")
        << QStringLiteral("config.ini") << QByteArray("[Test]\r\nTNumOfEl=20\r\nTimerMSec=6000\r\n")
        << QStringLiteral("config (Anna's conflicted copy 2026-12-08).ini")
        << QByteArray("[Test]\r\nTNumOfEl=25\r\nTimerMSec=7000\r\n") << 1
        << QStringList{QStringLiteral("Test \u203A TNumOfEl|20|25"), QStringLiteral("Test \u203A TimerMSec|6000|7000")}
        << QByteArray("[Test]\r\nTNumOfEl=20\r\nTimerMSec=7000\r\n");
    // Each machine started keeping a Module of its own: both stay kept, the
    // copy's added after an empty line, this one's bytes as they were.
    QTest::newRow("kept Modules of both machines")
        << QStringLiteral("keep.ini") << QByteArray("[Capitals]\r\nOrder=sequence\r\n")
        << QStringLiteral("keep.sync-conflict-20261208-183133-KTOZSLL.ini") << QByteArray("[Digits]\r\nOrder=set\r\n")
        << -1 << QStringList{QStringLiteral("Capitals|sequence|(none)"), QStringLiteral("Digits|(none)|set")}
        << QByteArray("[Capitals]\r\nOrder=sequence\r\n\r\n[Digits]\r\nOrder=set\r\n");
}

void TestMainWindow::conflictCopy_ofTheOptions_takesWhatIsChecked()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, ours);
    QFETCH(QString, copyName);
    QFETCH(QByteArray, theirs);
    QFETCH(int, checked);
    QFETCH(QStringList, shown);
    QFETCH(QByteArray, after);
    m_dir->Write(file, ours);
    m_dir->Write(copyName, theirs);
    QStringList rows;
    m_user->scripts.push_back([&rows, checked](QDialog *dialog) {
        auto *choice = qobject_cast<ConflictChoice *>(dialog);
        QVERIFY(choice);
        for (int i = 0; i < choice->list->topLevelItemCount(); ++i) {
            const QTreeWidgetItem *row = choice->list->topLevelItem(i);
            rows << row->text(0) + '|' + row->text(1) + '|' + row->text(2);
        }
        QVERIFY(choice->MergeButton->isDefault());
        if (checked >= 0)
            choice->list->topLevelItem(checked)->setCheckState(0, Qt::Checked);
        choice->MergeButton->click();
    });
    start();
    QCoreApplication::processEvents();
    QCOMPARE(rows, shown);
    QCOMPARE(m_dir->Read(file), after);
    QVERIFY(m_dir->Exists(copyName + QStringLiteral(".merged")));
    QVERIFY(!m_dir->Exists(copyName));
    QCOMPARE(m_dir->Read(copyName + QStringLiteral(".merged")), theirs);
}

void TestMainWindow::changesFromOutside_aSecondCopysRunIsListed()
{
    m_dir->Write(QStringLiteral("examres.ini"), results(3));
    start();
    QCOMPARE(m_w->StringGrid1->rowCount(), 3);
    QSignalSpy fileSignals(m_w->Watcher(), &QFileSystemWatcher::fileChanged);
    QSignalSpy folderSignals(m_w->Watcher(), &QFileSystemWatcher::directoryChanged);
    // Another copy of the program writes a run while the options are open.
    m_w->Configurations1Click(); // the options open and close at once under TestUser
    Tfrm_options *options = m_forms.frm_options;
    options->show();
    QProcess copy;
    copy.start(QStringLiteral(TENACIO_SECOND_COPY), {m_dir->Path(QStringLiteral("examres.ini")), "other copy"});
    QVERIFY(copy.waitForReadyRead(20000));
    copy.write("go\n");
    copy.closeWriteChannel();
    QVERIFY(copy.waitForFinished(20000));
    QCOMPARE(copy.exitCode(), 0);
    // The watcher hears of it from the system (the file was renamed over).
    QVERIFY(folderSignals.count() + fileSignals.count() > 0 || folderSignals.wait(5000));
    m_w->DataChanged();
    QCOMPARE(m_w->StringGrid1->rowCount(), 3); // not under the open options
    options->hide();
    m_w->DataChanged();
    QCOMPARE(m_w->StringGrid1->rowCount(), 4);
    QCOMPARE(cell(m_w, 0, 0), QStringLiteral("other copy"));
    // The new file is followed as the old one was.
    QVERIFY(m_w->Watcher()->files().contains(m_dir->Path(QStringLiteral("examres.ini"))));
}

void TestMainWindow::reopen_runGoneFromTheFile_saysSoAndRelists()
{
    m_dir->Write(QStringLiteral("examres.ini"), results(3));
    start();
    m_w->StringGrid1->setCurrentCell(0, 0); // run 2, the newest
    m_dir->Write(QStringLiteral("examres.ini"), results(2));
    m_w->StringGrid1DblClick();
    QCOMPARE(m_user->MessageTexts(), QStringList{QStringLiteral("The run %1 is no longer in examres.ini. The list now "
                                                                "shows what the file holds.")
                                                     .arg(runName(2))});
    QVERIFY(m_user->opened.isEmpty());
    QCOMPARE(m_w->StringGrid1->rowCount(), 2);
}

void TestMainWindow::runNames_rightToLeftTextKeptInOrder()
{
    // A run named under an Arabic time format: its AM/PM mark would turn
    // the whole name around.
    const QString name = QStringLiteral("\u0660\u0668/\u0661\u0662/\u0662\u0660\u0662\u0666 10:15:00 \u0645");
    m_dir->Write(QStringLiteral("examres.ini"),
                 results(1) + "[" + name.toUtf8() + "]\r\nTotal=20\r\nErrors=0\r\nKoeff=5\r\n\r\n");
    start();
    QCOMPARE(cell(m_w, 0, 0), QChar(0x2066) + name + QChar(0x2069));
    QCOMPARE(cell(m_w, 1, 0), runName(0)); // a name without such text as it is
    QCOMPARE(m_w->Chart1->Labels().last(), QChar(0x2066) + History::BarLabel(name) + QChar(0x2069));
    m_w->StringGrid1->setCurrentCell(0, 0);
    m_w->BitBtn1Click();
    QCOMPARE(m_w->StringGrid1->rowCount(), 1);
    QVERIFY(!m_dir->Read(QStringLiteral("examres.ini")).contains("10:15:00"));
}

void TestMainWindow::reload_seesHandEdit()
{
    m_dir->Write(QStringLiteral("examres.ini"), results(2));
    start();
    QCOMPARE(m_w->StringGrid1->rowCount(), 2);
    m_dir->Write(QStringLiteral("examres.ini"), results(2) + "[new]\r\nKoeff=9\r\n");
    m_w->ReloadHistory();
    QCOMPARE(m_w->StringGrid1->rowCount(), 3);
    QCOMPARE(cell(m_w, 0, 0), QStringLiteral("new"));
    QCOMPARE(m_w->AxisMaximum(), 9.5);
}

void TestMainWindow::showMainMessage_waitsForTheBox()
{
    start();
    bool seen = false;
    m_user->onAsk = [&](const TestUser::Asked &a) {
        seen = a.kind == Dialogs::Kind::Message && a.text == QStringLiteral("hello");
    };
    m_w->ShowMainMessage(QStringLiteral("hello"));
    QVERIFY(seen);
}

void TestMainWindow::reopen_fillsReportAndShowsIt()
{
    m_dir->Write(QStringLiteral("examres.ini"),
                 "[old]\r\nTotal=4\r\nErrors=1\r\nTime=0:1:5  Average time for each number: 3,25 sec.\r\n"
                 "Mark=3-\r\nKoeff=5,63\r\nRes=a,b,,c\r\nAnsw=a,x,,c\r\n\r\n"
                 "[newer]\r\nRes=a,b,\r\nTotal=3\r\n\r\n");
    start();
    const QByteArray before = m_dir->Read(QStringLiteral("examres.ini"));
    Tfrm_results *report = m_forms.frm_results;
    QStringList seen;
    m_user->scripts.push_back([&](QDialog *d) {
        QCOMPARE(d, static_cast<QDialog *>(report));
        for (int r = 0; r < report->RowCount(); ++r)
            seen << report->Cell(0, r) + QLatin1Char('|') + report->Cell(1, r) + QLatin1Char('|') + report->Cell(2, r);
        seen << report->TotalText() << report->RightText() << report->ErrorsText() << report->TimeText();
    });
    m_w->StringGrid1->setCurrentCell(1, 0); // "old"
    Q_EMIT m_w->StringGrid1->cellDoubleClicked(1, 0);
    QCOMPARE(m_user->opened.size(), 1);
    QCOMPARE(seen, (QStringList{QStringLiteral("1|a|a"), QStringLiteral("2|b|x"), QStringLiteral("3||"),
                                QStringLiteral("4|c|c"), QStringLiteral("4"), QStringLiteral("3"), QStringLiteral("1"),
                                QStringLiteral("0:1:5  Average time for each number: 3,25 sec.")}));
    // A run with "Res" a,b, and Total 3: the third row stays empty, unnumbered.
    seen.clear();
    m_user->scripts.push_back([&](QDialog *) {
        for (int r = 0; r < report->RowCount(); ++r)
            seen << report->Cell(0, r) + QLatin1Char('|') + report->Cell(1, r);
        seen << report->TotalText() << report->ErrorsText() << report->TimeText();
    });
    m_w->StringGrid1->setCurrentCell(0, 0);
    m_w->StringGrid1DblClick();
    QCOMPARE(seen, (QStringList{QStringLiteral("1|a"), QStringLiteral("2|b"), QStringLiteral("|"), QStringLiteral("3"),
                                QStringLiteral("0"), QString()}));
    QCOMPARE(m_dir->Read(QStringLiteral("examres.ini")), before); // nothing written
}

void TestMainWindow::reopen_byEnterKey_andNothingListed()
{
    m_dir->Write(QStringLiteral("examres.ini"), results(1));
    start();
    m_w->StringGrid1->setCurrentCell(0, 0);
    QTest::keyClick(m_w->StringGrid1, Qt::Key_Return);
    QCOMPARE(m_user->opened.size(), 1);
    QCOMPARE(m_forms.frm_results->TotalText(), QStringLiteral("20"));
    QCOMPARE(m_forms.frm_results->ErrorsText(), QStringLiteral("1"));
    // Training results are empty: a double-click shows nothing.
    QTest::mouseClick(m_w->SpeedButton1, Qt::LeftButton);
    m_w->StringGrid1->setCurrentCell(0, 0);
    m_w->StringGrid1DblClick();
    QCOMPARE(m_user->opened.size(), 1);
}

void TestMainWindow::filter_narrowsListAndChart_exportsWhatIsShown()
{
    // Runs of two Modules among runs stored without one.
    const QString quoted = QStringLiteral("Say \"hi\", all");
    const QStringList modules{"", "Capitals", quoted, "Capitals", "", "Capitals", "Capitals", "Capitals", "Capitals"};
    QByteArray file;
    for (int i = 0; i < modules.size(); ++i) {
        file += "[" + runName(i).toUtf8()
                + "]\r\nTotal=20\r\nErrors=1\r\nTime=0:1:5  Average time for each number: 3,25 sec.\r\n"
                  "Mark=3-\r\nKoeff="
                + QByteArray::number(i) + ",5\r\nRes=1\r\nAnsw=1\r\n";
        if (!modules.at(i).isEmpty())
            file += "Module=" + modules.at(i).toUtf8() + "\r\nFrom=a\r\nTo=z\r\n";
        file += "\r\n";
    }
    m_dir->Write(QStringLiteral("examres.ini"), file);
    start();
    QCOMPARE(m_w->StringGrid1->rowCount(), 9);
    // All Modules: the bars as before, with the line of the averages over them.
    QCOMPARE(m_w->Chart1->Averages().size(), 9);
    QCOMPARE(m_w->Chart1->Averages().at(8), (4.5 + 5.5 + 6.5 + 7.5 + 8.5) / 5);

    // The keyboard picks Capitals: its six runs, newest first, and their bars.
    QTest::keyClick(m_w->ComboBox1, Qt::Key_Down);
    QCOMPARE(m_w->ShownModule(), QStringLiteral("Capitals"));
    QStringList choices;
    for (int i = 0; i < m_w->ComboBox1->count(); ++i)
        choices << m_w->ComboBox1->itemText(i);
    QCOMPARE(choices, (QStringList{QStringLiteral("All Modules"), QStringLiteral("Capitals"), quoted}));
    QStringList listed;
    for (int r = 0; r < m_w->StringGrid1->rowCount(); ++r)
        listed << cell(m_w, r, 0);
    QCOMPARE(listed, (QStringList{runName(8), runName(7), runName(6), runName(5), runName(3), runName(1)}));
    QCOMPARE(chartValues(m_w), (QList<qreal>{1.5, 3.5, 5.5, 6.5, 7.5, 8.5}));
    QCOMPARE(m_w->AxisMaximum(), 9.0);
    QCOMPARE(m_w->Chart1->Averages(), (QVector<double>{1.5, 2.5, 3.5, 4.25, 4.9, 6.3}));

    // Right by position: the one position of Capitals, right in every run;
    // and back to the Koeffs. The toggle is reached from the keyboard.
    QVERIFY(m_w->byPosition->isEnabled());
    QCOMPARE(m_w->byPosition->focusPolicy(), Qt::StrongFocus);
    m_w->byPosition->setFocus();
    QTest::keyClick(m_w->byPosition, Qt::Key_Space);
    QVERIFY(m_w->byPosition->isChecked());
    QCOMPARE(chartValues(m_w), (QList<qreal>{100}));
    QVERIFY(m_w->Chart1->Averages().isEmpty());
    QTest::keyClick(m_w->byPosition, Qt::Key_Space);
    QCOMPARE(chartValues(m_w), (QList<qreal>{1.5, 3.5, 5.5, 6.5, 7.5, 8.5}));

    // Export: the shown Module's runs, oldest first.
    const QString target = m_dir->Path(QStringLiteral("capitals.csv"));
    m_user->fileNames = {target};
    QTest::mouseClick(m_w->BitBtn3, Qt::LeftButton);
    QCOMPARE(m_user->suggestedNames, QStringList{QStringLiteral("Exam results \u2013 Capitals.csv")});
    const QList<QByteArray> lines = m_dir->Read(QStringLiteral("capitals.csv")).split('\n');
    QCOMPARE(lines.size(), 8); // header, six runs, and the end of the last line
    // With what the analysis of each run finds: its one Element right.
    QCOMPARE(lines.at(1), runName(1).toUtf8() + ",Capitals,a,z,20,1,19,65,1.5,3-,0,0,0,0,0,1,1.5\r");
    QCOMPARE(m_w->StatusBar1->currentMessage(), QStringLiteral("6 runs exported to ") + target);

    // The other Module, and again to the same file: asked first; Cancel keeps it.
    QTest::keyClick(m_w->ComboBox1, Qt::Key_Down);
    QCOMPARE(m_w->StringGrid1->rowCount(), 1);
    // Its name is shown whole in the choice, which was as wide as "All Modules".
    QCoreApplication::processEvents();
    QStyleOptionComboBox option;
    option.initFrom(m_w->ComboBox1);
    const QRect field = m_w->ComboBox1->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                                QStyle::SC_ComboBoxEditField, m_w->ComboBox1);
    QVERIFY2(field.width() >= m_w->ComboBox1->fontMetrics().horizontalAdvance(quoted),
             qPrintable(QString::number(field.width())));
    const QByteArray before = m_dir->Read(QStringLiteral("capitals.csv"));
    m_user->fileNames = {target};
    m_user->answers = {Dialogs::Answer::Cancel};
    m_w->BitBtn3Click();
    QCOMPARE(m_user->asked.last().text, QStringLiteral("Replace ") + target + QLatin1Char('?'));
    QCOMPARE(m_dir->Read(QStringLiteral("capitals.csv")), before);
    m_user->fileNames = {target};
    m_w->BitBtn3Click();
    QCOMPARE(m_dir->Read(QStringLiteral("capitals.csv")).split('\n').at(1),
             runName(2).toUtf8() + ",\"Say \"\"hi\"\", all\",a,z,20,1,19,65,2.5,3-,0,0,0,0,0,1,2.5\r");
    QCOMPARE(m_w->StatusBar1->currentMessage(), QStringLiteral("1 run exported to ") + target);
    // A name typed without an extension gets ".csv". A file there with a
    // second name is written where it is, its longer old content cut away.
    m_dir->Write(QStringLiteral("typed.csv"), QByteArray(1 << 20, 'x'));
    QCOMPARE(::link(QFile::encodeName(m_dir->Path(QStringLiteral("typed.csv"))).constData(),
                    QFile::encodeName(m_dir->Path(QStringLiteral("second.csv"))).constData()),
             0);
    m_user->fileNames = {m_dir->Path(QStringLiteral("typed"))};
    m_w->BitBtn3Click();
    const QByteArray typed = m_dir->Read(QStringLiteral("typed.csv"));
    QVERIFY(typed.startsWith("\xEF\xBB\xBF"
                             "DateTime,"));
    QVERIFY(!typed.contains('x'));
    QCOMPARE(m_dir->Read(QStringLiteral("second.csv")), typed);

    // A file that can't be made: the system's reason.
    m_user->fileNames = {m_dir->Path(QStringLiteral("missing/out.csv"))};
    m_w->BitBtn3Click();
    QCOMPARE(m_user->asked.last().kind, Dialogs::Kind::Error);
    QVERIFY2(m_user->asked.last().text.startsWith(QStringLiteral("Cannot create file \"")
                                                  + m_dir->Path(QStringLiteral("missing/out.csv")) + "\". "),
             qPrintable(m_user->asked.last().text));

    // The Training results hold neither Module: all of them again.
    QTest::mouseClick(m_w->SpeedButton1, Qt::LeftButton);
    QVERIFY(m_w->ShownModule().isEmpty());
    QCOMPARE(m_w->ComboBox1->currentText(), QStringLiteral("All Modules"));
}

void TestMainWindow::reopen_drillMistakes_setsTrainingToThem()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const auto restore = qScopeGuard([] { QLocale::setDefault(QLocale::system()); });
    FakeNow now(QDateTime(QDate(2026, 12, 8), QTime(1, 22, 37)));
    const QByteArray library = "[Words]\r\nData=cat,dog,sun\r\n\r\n[Digits]\r\nData=1,2,3\r\n\r\n";
    m_dir->Write(QStringLiteral("modules.ini"), library);
    m_dir->Write(QStringLiteral("config.ini"),
                 "[Test]\r\nTNumOfEl=35\r\n[Exam]\r\nEMName=Digits\r\nEDiapFrom=2\r\nEDiapTo=3\r\n");
    m_dir->Write(
        QStringLiteral("examres.ini"),
        "[earlier]\r\nKoeff=6\r\nModule=Words\r\n\r\n"
        "[run]\r\nTotal=4\r\nErrors=2\r\nTime=0:0:40  Average time for each number: 10 sec.\r\nMark=2\r\n"
        "Koeff=1,2\r\nRes=cat,dog,sun,cat\r\nAnsw=cat,x,sun,Cat\r\nModule=Words\r\nFrom=cat\r\nTo=sun\r\n\r\n");
    start();
    Tfrm_results *report = m_forms.frm_results;
    m_user->scripts.push_back([&](QDialog *) {
        QCOMPARE(report->LabelKoeff->text(), QStringLiteral("1,2"));
        QCOMPARE(report->LabelMark->text(), QStringLiteral("2"));
        QCOMPARE(report->LabelModule->text(), QStringLiteral("Module: Words, cat to sun"));
        QCOMPARE(report->LabelComparison->text(),
                 QStringLiteral("Previous run 6 (\u22124,8); best on this Module 6 (\u22124,8)."));
        QVERIFY(report->BitBtn2->isEnabled());
        QTest::mouseClick(report->BitBtn2, Qt::LeftButton);
        // Again: Esc and the close box abandon, changing nothing; then Replace.
        const QByteArray once = m_dir->Read(QStringLiteral("modules.ini"));
        for (const Dialogs::Answer abandon : {Dialogs::Answer::Cancel, Dialogs::Answer::Closed}) {
            m_user->answers = {abandon};
            QTest::mouseClick(report->BitBtn2, Qt::LeftButton);
            QCOMPARE(m_dir->Read(QStringLiteral("modules.ini")), once);
        }
        QTest::mouseClick(report->BitBtn2, Qt::LeftButton);
    });
    m_w->StringGrid1->setCurrentCell(0, 0);
    m_w->StringGrid1DblClick();
    const QString name = QStringLiteral("Mistakes 08.12.2026 01:22");
    const QString made =
        QStringLiteral("The Module \"%1\" holds the 2 elements answered wrongly. Taken: 2 wrong.").arg(name);
    const QString training = QStringLiteral(" Training now uses it: Ctrl+T drills them.");
    const QString question =
        QStringLiteral("Replace the Module \"%1\" with the mistakes of this run, or add another Module beside it?")
            .arg(name);
    QCOMPARE(m_user->MessageTexts(), (QStringList{made + training, question, question, question,
                                                  made + QStringLiteral(" It replaces \"%1\".").arg(name) + training}));
    QCOMPARE(m_user->asked.at(1).kind, Dialogs::Kind::ReplaceOrAdd);
    // Wrong were dog and cat (twice, once in other letter case): once each, in order.
    QCOMPARE(m_dir->Read(QStringLiteral("modules.ini")), library + "[" + name.toUtf8() + "]\r\nData=dog,cat\r\n\r\n");
    // Training: that Module, its whole range; the Exam page as it was.
    const Tfrm_options *options = m_forms.frm_options;
    QCOMPARE(options->ModuleName(Tfrm_options::Page::Training), name);
    QCOMPARE(options->RangeFrom(Tfrm_options::Page::Training), 0);
    QCOMPARE(options->RangeTo(Tfrm_options::Page::Training), 1);
    QCOMPARE(options->ModuleName(Tfrm_options::Page::Exam), QStringLiteral("Digits"));
    QCOMPARE(options->RangeFrom(Tfrm_options::Page::Exam), 1);
    const QString config = QString::fromUtf8(m_dir->Read(QStringLiteral("config.ini")));
    // As many draws as it holds, within the count's least, 20.
    for (const QString &line :
         QStringList{QStringLiteral("TMName=") + name, QStringLiteral("TDiapFrom=dog"), QStringLiteral("TDiapTo=cat"),
                     QStringLiteral("TNumOfEl=20"), QStringLiteral("EMName=Digits"), QStringLiteral("EDiapFrom=2"),
                     QStringLiteral("EDiapTo=3")})
        QVERIFY2(config.contains(line + QStringLiteral("\r\n")), qPrintable(line));
}

void TestMainWindow::history_saysWhatIsListedAndHowToBegin_data()
{
    QTest::addColumn<int>("examRuns");
    QTest::addColumn<int>("trainingRuns");
    QTest::addColumn<bool>("training");
    QTest::addColumn<QString>("words");
    QTest::addColumn<QString>("howToBegin"); // empty: the list has runs, no note
    const QString training = QStringLiteral("Test \u203A Training (Ctrl+T)");
    // Whatever is listed, a newcomer is sent to a Training first.
    QTest::newRow("no exams") << 0 << 3 << false << QStringLiteral("Exam results") << training;
    QTest::newRow("no training") << 3 << 0 << true << QStringLiteral("Training results") << training;
    QTest::newRow("exams stored") << 2 << 0 << false << QStringLiteral("Exam results") << QString();
    QTest::newRow("training stored") << 0 << 2 << true << QStringLiteral("Training results") << QString();
}

void TestMainWindow::history_saysWhatIsListedAndHowToBegin()
{
    QFETCH(int, examRuns);
    QFETCH(int, trainingRuns);
    QFETCH(bool, training);
    QFETCH(QString, words);
    QFETCH(QString, howToBegin);
    if (examRuns)
        m_dir->Write(QStringLiteral("examres.ini"), results(examRuns));
    if (trainingRuns)
        m_dir->Write(QStringLiteral("testres.ini"), results(trainingRuns, 10));
    start();
    if (training)
        QTest::mouseClick(m_w->SpeedButton1, Qt::LeftButton);
    QCOMPARE(m_w->SpeedButton1->isChecked(), training);
    QCOMPARE(m_w->Label2->text(), words);
    QVERIFY(m_w->Label2->isVisible());
    QCOMPARE(m_w->Label2->textFormat(), Qt::PlainText);
    QCOMPARE(m_w->Label3->textFormat(), Qt::PlainText);
    QCOMPARE(m_w->Label3->isVisible(), !howToBegin.isEmpty());
    QCOMPARE(m_w->BitBtn3->isEnabled(), howToBegin.isEmpty()); // nothing to export
    if (howToBegin.isEmpty())
        return;
    QVERIFY2(m_w->Label3->text().contains(howToBegin), qPrintable(m_w->Label3->text()));
    // Over the list and inside it, below its empty first row.
    QVERIFY(m_w->StringGrid1->viewport()->rect().contains(m_w->Label3->geometry()));
    QVERIFY(m_w->Label3->height() >= m_w->Label3->heightForWidth(m_w->Label3->width()));
    // The words stand over the Module choice, which keeps its room.
    QVERIFY(m_w->Label2->geometry().bottom() < m_w->ComboBox1->y());
    QVERIFY(m_w->Label2->width() >= m_w->Label2->sizeHint().width());
    QVERIFY(m_w->ComboBox1->width() >= m_w->ComboBox1->minimumSizeHint().width());
    QVERIFY(m_w->ComboBox1->geometry().bottom() < m_w->ComboBox1->parentWidget()->height());
    QVERIFY(m_w->BitBtn3->geometry().right() < m_w->ComboBox1->parentWidget()->width());
}

void TestMainWindow::reload_afterRun_listsTheFileSavedTo_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("listedBefore"); // the toggle: down lists Training
    QTest::addColumn<bool>("listedAfter");
    QTest::newRow("training while exams listed") << 2 << false << true;
    QTest::newRow("exam while training listed") << 3 << true << false;
    QTest::newRow("training while training listed") << 2 << true << true;
    QTest::newRow("introductory test keeps the list") << 1 << true << true;
}

void TestMainWindow::reload_afterRun_listsTheFileSavedTo()
{
    QFETCH(int, mode);
    QFETCH(bool, listedBefore);
    QFETCH(bool, listedAfter);
    m_dir->Write(QStringLiteral("examres.ini"), results(2));
    m_dir->Write(QStringLiteral("testres.ini"), results(3, 20));
    start();
    if (listedBefore)
        QTest::mouseClick(m_w->SpeedButton1, Qt::LeftButton);
    m_w->TestMode() = mode;
    m_w->ReloadHistory();
    QCOMPARE(m_w->SpeedButton1->isChecked(), listedAfter);
    QCOMPARE(cell(m_w, 0, 0), listedAfter ? runName(22) : runName(1));
    QCOMPARE(m_w->SpeedButton1->text().remove(QLatin1Char('&')),
             listedAfter ? QStringLiteral("Exams") : QStringLiteral("Tests"));
    QCOMPARE(m_w->Label2->text(), listedAfter ? QStringLiteral("Training results") : QStringLiteral("Exam results"));
}

void TestMainWindow::reload_afterRun_newestOnTopInSight()
{
    // 132 runs on Capitals, the list narrowed to it; then a run on Words is
    // stored at the end of the file, as a finished run is.
    QByteArray file;
    for (int i = 0; i < 132; ++i)
        file += "[" + runName(i).toUtf8() + "]\r\nKoeff=1,5\r\nMark=3\r\nModule=Capitals\r\n\r\n";
    m_dir->Write(QStringLiteral("testres.ini"), file);
    start();
    QTest::mouseClick(m_w->SpeedButton1, Qt::LeftButton);
    QCOMPARE(cell(m_w, 0, 0), runName(131));
    QTest::keyClick(m_w->ComboBox1, Qt::Key_Down);
    QCOMPARE(m_w->ShownModule(), QStringLiteral("Capitals"));
    m_dir->Write(QStringLiteral("testres.ini"),
                 file + "[" + runName(132).toUtf8() + "]\r\nKoeff=7,5\r\nMark=5\r\nModule=Words\r\n\r\n");
    m_w->CurrentRunState().Module = RunModule{QStringLiteral("Words"), QStringLiteral("a"), QStringLiteral("z")};
    m_w->TestMode() = 2;
    m_w->ReloadHistory();
    // The filter follows the run: its Module's list, with the run on top.
    QCOMPARE(m_w->ShownModule(), QStringLiteral("Words"));
    QCOMPARE(m_w->ComboBox1->currentText(), QStringLiteral("Words"));
    QCOMPARE(m_w->StringGrid1->rowCount(), 1);
    QCOMPARE(cell(m_w, 0, 1), QStringLiteral("7,5"));
    QCOMPARE(chartValues(m_w), QList<qreal>{7.5});
    // All Modules: the newest 100 of the 133, the run just stored on top.
    QTest::keyClick(m_w->ComboBox1, Qt::Key_Home);
    QVERIFY(m_w->ShownModule().isEmpty());
    QCOMPARE(m_w->StringGrid1->rowCount(), 100);
    QCOMPARE(cell(m_w, 0, 0), runName(132));
    QCOMPARE(cell(m_w, 99, 0), runName(33));
    QCOMPARE(chartValues(m_w).size(), 100);
    QCOMPARE(chartValues(m_w).last(), 7.5);
}

void TestMainWindow::chart_axisRoundStepsWithDecimalComma_data()
{
    QTest::addColumn<QByteArray>("koeffs");
    QTest::addColumn<QStringList>("axisLabels");
    // clang-format off
    QTest::newRow("largest 0,5") << QByteArray("0,25 0,5")
                                 << QStringList{"0,0", "0,2", "0,4", "0,6", "0,8", "1,0"};
    QTest::newRow("largest 7,25") << QByteArray("7,25 3") << QStringList{"0", "2", "4", "6"};
    QTest::newRow("largest 2") << QByteArray("2 1,5") << QStringList{"0,0", "0,5", "1,0", "1,5", "2,0", "2,5"};
    QTest::newRow("largest 40") << QByteArray("40 12,5") << QStringList{"0", "10", "20", "30", "40"};
    // clang-format on
}

void TestMainWindow::chart_axisRoundStepsWithDecimalComma()
{
    QFETCH(QByteArray, koeffs);
    QFETCH(QStringList, axisLabels);
    QByteArray file;
    const QList<QByteArray> values = koeffs.split(' ');
    for (int i = 0; i < values.size(); ++i)
        file += "[" + runName(i).toUtf8() + "]\r\nKoeff=" + values.at(i) + "\r\n\r\n";
    m_dir->Write(QStringLiteral("examres.ini"), file);
    start();
    QCoreApplication::processEvents();
    // The axis maximum stays the largest Koeff and a half.
    double largest = 0;
    for (const QByteArray &v : values)
        largest = qMax(largest, QString::fromLatin1(v).replace(QLatin1Char(','), QLatin1Char('.')).toDouble());
    QCOMPARE(m_w->AxisMaximum(), largest + 0.5);
    // The value labels the chart lays out (its only text items but the
    // legend's: the bar labels are drawn by the view, the chart has no title).
    QStringList shown;
    const QList<QGraphicsItem *> items = m_w->Chart1->scene()->items(Qt::AscendingOrder);
    for (const QGraphicsItem *item : items) {
        const auto *text = dynamic_cast<const QGraphicsTextItem *>(item);
        bool inLegend = false;
        for (const QGraphicsItem *p = item; p; p = p->parentItem())
            inLegend = inLegend || p == m_w->Chart1->chart()->legend();
        if (text && text->isVisible() && !text->toPlainText().isEmpty() && !inLegend)
            shown << text->toPlainText();
    }
    std::sort(shown.begin(), shown.end(), [](const QString &a, const QString &b) {
        return QString(a).replace(QLatin1Char(','), QLatin1Char('.')).toDouble()
               < QString(b).replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
    });
    QCOMPARE(shown, axisLabels);
}

void TestMainWindow::chart_runLabelsNeverOverlap_data()
{
    QTest::addColumn<int>("runs");
    QTest::addColumn<bool>("allShown");
    QTest::newRow("3 runs") << 3 << true;
    QTest::newRow("20 runs") << 20 << false;
    QTest::newRow("100 runs") << 100 << false;
}

void TestMainWindow::chart_runLabelsNeverOverlap()
{
    QFETCH(int, runs);
    QFETCH(bool, allShown);
    m_dir->Write(QStringLiteral("examres.ini"), results(runs));
    start();
    QCoreApplication::processEvents();
    QCOMPARE(m_w->Chart1->Labels().size(), runs);
    const QVector<HistoryChartView::PlacedLabel> placed = m_w->Chart1->PlacedLabels();
    if (allShown)
        QCOMPARE(placed.size(), runs);
    QVERIFY(placed.size() > 1);
    // The newest run keeps its label; each label stands under its own bar.
    QCOMPARE(placed.first().bar, runs - 1);
    const QRectF plot = m_w->Chart1->chart()->plotArea();
    for (int i = 0; i < placed.size(); ++i) {
        const QRectF &rect = placed.at(i).rect;
        QVERIFY(rect.top() >= plot.bottom());
        QVERIFY(m_w->Chart1->viewport()->rect().contains(rect.toAlignedRect().adjusted(1, 0, -1, -1)));
        const qreal barX = m_w->Chart1->chart()->mapToPosition(QPointF(placed.at(i).bar, 0), m_w->Series1).x();
        QVERIFY(qAbs(rect.center().x() - barX) < 1);
        for (int j = i + 1; j < placed.size(); ++j)
            QVERIFY2(!rect.intersects(placed.at(j).rect),
                     qPrintable(QStringLiteral("%1 and %2").arg(placed.at(i).bar).arg(placed.at(j).bar)));
    }
}

void TestMainWindow::headings_followResizedColumnAndScroll()
{
    m_dir->Write(QStringLiteral("examres.ini"), results(30));
    start();
    QHeaderView *headings = m_w->StringGrid2->horizontalHeader();
    QCOMPARE(headings->sectionResizeMode(0), QHeaderView::Interactive);
    // Widened by its heading as a drag does: the list's column follows.
    headings->resizeSection(0, 220);
    headings->resizeSection(2, 40);
    QCoreApplication::processEvents();
    QCOMPARE(m_w->StringGrid1->columnWidth(0), 220);
    QCOMPARE(m_w->StringGrid1->columnWidth(2), 40);
    // The list moved sideways (as the keyboard does to a cut-off column):
    // every heading stays over its column.
    m_w->StringGrid1->setCurrentCell(0, 2);
    m_w->StringGrid1->scrollToItem(m_w->StringGrid1->item(0, 2));
    QCoreApplication::processEvents();
    QVERIFY(m_w->StringGrid1->horizontalScrollBar()->value() > 0);
    for (int c = 0; c < 3; ++c)
        QCOMPARE(headings->sectionViewportPosition(c), m_w->StringGrid1->columnViewportPosition(c));
    m_w->StringGrid1->horizontalScrollBar()->setValue(0);
    QCoreApplication::processEvents();
    for (int c = 0; c < 3; ++c)
        QCOMPARE(headings->sectionViewportPosition(c), m_w->StringGrid1->columnViewportPosition(c));
}

void TestMainWindow::report_centredOnMainWindowEveryShowing()
{
    m_dir->Write(QStringLiteral("examres.ini"), results(2));
    start();
    Tfrm_results *report = m_forms.frm_results;
    // The main window moves between showings; the report follows it each time.
    const QList<QPoint> places{QPoint(40, 30), QPoint(300, 200), QPoint(60, 250), QPoint(300, 200)};
    for (const QPoint &place : places) {
        m_w->move(place);
        QCoreApplication::processEvents();
        QPoint centre;
        m_user->scripts.push_back([&](QDialog *d) { centre = d->frameGeometry().center(); });
        m_w->StringGrid1->setCurrentCell(0, 0);
        m_w->StringGrid1DblClick();
        QVERIFY2((centre - m_w->frameGeometry().center()).manhattanLength() <= 2,
                 qPrintable(QStringLiteral("at %1,%2: report centre %3,%4, window centre %5,%6")
                                .arg(place.x())
                                .arg(place.y())
                                .arg(centre.x())
                                .arg(centre.y())
                                .arg(m_w->frameGeometry().center().x())
                                .arg(m_w->frameGeometry().center().y())));
    }
    QCOMPARE(m_user->opened.size(), places.size());
    QVERIFY(!report->isVisible());
}

void TestMainWindow::dueToday_startsATrainingOnTheWholeModule_data()
{
    QTest::addColumn<bool>("sequence");
    QTest::addColumn<bool>("byEnter");
    QTest::newRow("sequence, by Enter") << true << true;
    QTest::newRow("set, by the button") << false << false;
}

// Two kept Modules are due: Words since two days, Capitals (never run)
// today; Digits is the Training's own Module and not kept. The Training
// started from the list runs on the whole kept Module, in order for a
// sequence, and leaves the options as they were.
void TestMainWindow::dueToday_startsATrainingOnTheWholeModule()
{
    QFETCH(bool, sequence);
    QFETCH(bool, byEnter);
    const QDateTime today(QDate(2026, 12, 8), QTime(10, 0));
    FakeNow now(today);
    m_dir->Write(QStringLiteral("modules.ini"),
                 "[Digits]\r\nData=1,2,3\r\n\r\n[Capitals]\r\nData=Paris,Oslo,Rome,Bern\r\n"
                 "\r\n[Words]\r\nData=cat,dog,sun\r\n\r\n");
    const QByteArray config = "[Test]\r\nTNumOfEl=20\r\nTMName=Digits\r\n";
    m_dir->Write(QStringLiteral("config.ini"), config);
    m_dir->Write(QStringLiteral("keep.ini"),
                 QByteArray("[Words]\r\n[Capitals]\r\nOrder=") + (sequence ? "sequence" : "set") + "\r\n");
    const QString words = ResultsStore::SectionName(today.addDays(-3), QLocale());
    m_dir->Write(QStringLiteral("testres.ini"), "[" + words.toUtf8()
                                                    + "]\r\nTotal=3\r\nErrors=0\r\nKoeff=1\r\nRes=cat,dog,sun\r\n"
                                                      "Answ=cat,dog,sun\r\nModule=Words\r\nFrom=cat\r\nTo=sun\r\n\r\n");
    start();
    DueTodayView *due = m_w->DueToday1;
    QVERIFY(due->isVisible());
    QCOMPARE(due->list->rowCount(), 2);
    QCOMPARE(due->list->item(0, 0)->text(), QStringLiteral("Words"));
    QCOMPARE(due->list->item(0, 1)->text(), QStringLiteral("2"));
    QCOMPARE(due->list->item(1, 0)->text(), QStringLiteral("Capitals"));
    QCOMPARE(due->list->item(1, 1)->text(), QStringLiteral("today"));
    QCOMPARE(m_w->StatusBar1->currentMessage(), QStringLiteral("2 lists due today"));
    QVERIFY(!due->TrainButton->text().remove(QLatin1Char('&')).isEmpty());
    QVERIFY(due->TrainButton->text().contains(QLatin1Char('&')));

    Tfrm_test *runner = m_forms.frm_test;
    bool ran = false;
    m_user->scripts.push_back([&](QDialog *shown) {
        ran = true;
        QCOMPARE(shown, static_cast<QDialog *>(runner));
        QCOMPARE(runner->windowTitle(), QStringLiteral("Trening"));
        QCOMPARE(m_w->TestMode(), 2);
        QCOMPARE(m_w->CurrentRunState().Module.name, QStringLiteral("Capitals"));
        QCOMPARE(m_w->CurrentRunState().Module.from, QStringLiteral("Paris"));
        QCOMPARE(m_w->CurrentRunState().Module.to, QStringLiteral("Bern"));
        QCOMPARE(runner->ElementCount, 4);
        QCOMPARE(runner->draw, sequence ? Settings::Draw::InOrder : Settings::Draw::Shuffled);
        QStringList drawn = runner->DrawAhead();
        const QStringList whole{"Paris", "Oslo", "Rome", "Bern"};
        if (!sequence) {
            QCOMPARE(QSet<QString>(drawn.cbegin(), drawn.cend()), QSet<QString>(whole.cbegin(), whole.cend()));
            return;
        }
        QCOMPARE(drawn, whole);
    });
    due->list->setCurrentCell(1, 0);
    if (byEnter)
        QTest::keyClick(due->list, Qt::Key_Return);
    else
        QTest::mouseClick(due->TrainButton, Qt::LeftButton);
    QVERIFY(ran);
    QCOMPARE(m_user->MessageTexts(), QStringList{QStringLiteral("Press OK to start")});
    QCOMPARE(m_dir->Read(QStringLiteral("config.ini")), config);
    QCOMPARE(m_forms.frm_options->ModuleName(Tfrm_options::Page::Training), QStringLiteral("Digits"));
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
