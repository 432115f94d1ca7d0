#include "app/forms.h"
#include "app/frmmain.h"
#include "tests/testsupport.h"

#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>
#include <QtCharts/QChartView>

class TestMainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void layout_atDesignSize();
};

void TestMainWindow::layout_atDesignSize()
{
    TestDataDir dir;
    TestUser user;
    Forms forms = CreateForms();
    Tfrm_main *w = forms.frm_main;
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    // Client area of the design size: outer 723 x 480 less the frame.
    w->centralWidget()->resize(Tfrm_main::DesignWidth - Tfrm_main::FrameWidth,
                               Tfrm_main::DesignHeight - Tfrm_main::FrameHeight);
    w->FormResize();
    QCOMPARE(w->Chart1->size(), QSize(426, 420));
    QCOMPARE(w->Chart1->pos(), QPoint(0, -18));
    QCOMPARE(w->StringGrid1->x(), 428);
    QCOMPARE(w->StringGrid1->height(), 342);
    QCOMPARE(w->StringGrid2->x(), 428);
    QCOMPARE(w->SpeedButton1->pos(), QPoint(432, 372));
    QCOMPARE(w->BitBtn1->pos(), QPoint(526, 372));
    QCOMPARE(w->BitBtn2->pos(), QPoint(620, 372));
    QCOMPARE(w->Bevel1->size(), QSize(427, 399));
    QCOMPARE(w->StatusBar1->geometry(), QRect(0, 404, 715, 22));
    DestroyForms(forms);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
