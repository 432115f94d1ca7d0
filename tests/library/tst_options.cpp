#include "library/frmmodules.h"
#include "library/frmname.h"
#include "library/frmoptions.h"
#include "library/modules.h"
#include "library/settings.h"
#include "library/updown.h"
#include "tests/fakespeech.h"
#include "tests/testsupport.h"
#include "tests/testuser.h"

#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include <QScopeGuard>

#include <csignal>
#include <cstring>
#include <memory>
#include <optional>

#include <sys/resource.h>

using Page = Tfrm_options::Page;

namespace {

QString lit(const char *text) { return QString::fromUtf8(text); }

// A caption as it is seen: the mnemonic marker only underlines.
QString shown(QString text) { return text.remove(QLatin1Char('&')); }

const QByteArray Library = "[Alpha]\r\nData=a,b,c\r\n\r\n[Beta]\r\nData=x,y\r\n\r\n[Dup]\r\nData=p,q,p,q\r\n\r\n"
                           "[Holes]\r\nData=a,,b\r\n\r\n[One]\r\nData=solo\r\n\r\n[None]\r\nData=\r\n\r\n";

QStringList fileLines(const QByteArray &bytes)
{
    return QString::fromUtf8(bytes).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).split(QLatin1Char('\n'));
}

// A page as the runner sees it: Module, Element count, From and To.
QString range(const Tfrm_options &d, Page page)
{
    return QStringLiteral("%1 %2 %3..%4")
        .arg(d.ModuleName(page))
        .arg(d.ElementTotal(page))
        .arg(d.RangeFrom(page))
        .arg(d.RangeTo(page));
}

Tfrm_options *options(QDialog *dialog) { return static_cast<Tfrm_options *>(dialog); }

} // namespace

class TestOptions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void form_captionSizeAndTexts();
    void everyOption_saysWhatItDoes();
    void examPage_saysHowManyMistakesEndAnExam_data();
    void examPage_saysHowManyMistakesEndAnExam();
    void keyboard_mnemonics_data();
    void keyboard_mnemonics();
    void libraryDialogs_largerFont_textsWholeAndApart_data();
    void libraryDialogs_largerFont_textsWholeAndApart();
    void firstStart_withoutConfig();
    void loadSettings_selection_data();
    void loadSettings_selection();
    void loadSettings_fieldsUnchecked();
    void modulePick_resetsRangeOfItsPage();
    void range_keptThroughOkAndRestart_data();
    void range_keptThroughOkAndRestart();
    void draw_storedAndReadBack_data();
    void draw_storedAndReadBack();
    void keepThreshold_shownAndWrittenWhenChanged_data();
    void keepThreshold_shownAndWrittenWhenChanged();
    void spinButtons_data();
    void spinButtons();
    void timerField_refusesASixthTypedCharacter();
    void ok_writesAllTwelveKeysInOrder();
    void ok_existingFile_keepsOtherLines();
    void ok_writeFailure_reportedAndKeptOpen_data();
    void ok_writeFailure_reportedAndKeptOpen();
    void ok_refusesANumberARunCannotUse_data();
    void ok_refusesANumberARunCannotUse();
    void cancel_putsBackTheSettingsInForce();
    void badInput_loadsAndChangesNoFile();
    void unusableLibrary_saidAndChoicesKept_data();
    void unusableLibrary_saidAndChoicesKept();
};

void TestOptions::form_captionSizeAndTexts()
{
    TestDataDir dir;
    Tfrm_options d;
    QCOMPARE(d.windowTitle(), lit("Options"));
    QVERIFY(d.width() >= 314 && d.height() >= 239);
    QCOMPARE(d.minimumSize(), d.maximumSize());
    QCOMPARE((QStringList{shown(d.PageControl1->tabText(0)), shown(d.PageControl1->tabText(1))}),
             (QStringList{lit("Training"), lit("Exam")}));
    QStringList labels;
    for (const QLabel *label : d.TabSheet1->findChildren<QLabel *>())
        if (label != d.LabelSpeech && label != d.LabelPace)
            labels << shown(label->text());
    labels.sort();
    QCOMPARE(labels, (QStringList{lit("Draw"), lit("Language"), lit("Module"), lit("Number of elements"),
                                  lit("Pause after each"), lit("Range  from"), lit("Rate"), lit("Timer (MilliSec)"),
                                  lit("Trial length"), lit("to")}));
    QCOMPARE((QStringList{shown(d.CheckBox1->text()), shown(d.CheckBox2->text()), shown(d.CheckBox3->text()),
                          shown(d.CheckBox4->text()), shown(d.CheckBox5->text()), shown(d.CheckBox6->text()),
                          shown(d.CheckBox7->text())}),
             (QStringList{lit("Do exercises"), lit("Unlimited time"), lit("Show serial number"), lit("Speak Elements"),
                          lit("Hide Elements while speaking"), lit("Read numbers digit by digit"),
                          lit("Spoken numbers, as in competitions")}));
    QVERIFY(d.BitBtn1->isDefault());
    QCOMPARE((QStringList{shown(d.BitBtn1->text()), shown(d.BitBtn2->text())}),
             (QStringList{lit("OK"), lit("Cancel")}));
}

// Every control on the pages has a tool tip of its own; a control added
// without one fails here. The spin buttons belong to their fields.
void TestOptions::everyOption_saysWhatItDoes()
{
    TestDataDir dir;
    Tfrm_options d;
    QStringList tips;
    int controls = 0;
    for (QWidget *w : d.PageControl1->findChildren<QWidget *>()) {
        const bool control = qobject_cast<QComboBox *>(w) || qobject_cast<QLineEdit *>(w)
                             || qobject_cast<QAbstractButton *>(w) || qobject_cast<QAbstractSpinBox *>(w)
                             || qobject_cast<QAbstractSlider *>(w);
        // Not the parts of another control: a drop-down's list, the page
        // control's scroll buttons, a spin box's field.
        if (!control || w->window() != &d || qobject_cast<UpDown *>(w->parentWidget())
            || qobject_cast<QAbstractSpinBox *>(w->parentWidget()) || qobject_cast<QTabBar *>(w->parentWidget()))
            continue;
        ++controls;
        QVERIFY2(!w->toolTip().isEmpty(), w->metaObject()->className());
        QVERIFY2(!tips.contains(w->toolTip()), qPrintable(w->objectName() + QStringLiteral(": ") + w->toolTip()));
        tips << w->toolTip();
    }
    QVERIFY(controls >= 18); // 13 on the Training page, 5 on the Exam page
    QCOMPARE(d.CheckBox2->toolTip(),
             lit("Each Element stays until you press Next (20 seconds at most), whatever the Timer says"));
}

void TestOptions::examPage_saysHowManyMistakesEndAnExam_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("said");
    // clang-format off
    QTest::newRow("20") << "20" << "Mistakes allowed in an Exam of 20 Elements: 2. Mistake 3 ends it.";
    QTest::newRow("39") << "39" << "Mistakes allowed in an Exam of 39 Elements: 3. Mistake 4 ends it.";
    QTest::newRow("1000") << "1000" << "Mistakes allowed in an Exam of 1000 Elements: 100. Mistake 101 ends it.";
    QTest::newRow("not a number") << "2O" << "An Exam allows mistakes in a tenth of its Elements; one more ends it.";
    QTest::newRow("empty") << "" << "An Exam allows mistakes in a tenth of its Elements; one more ends it.";
    // clang-format on
}

// The Exam page says the rule for the number of Elements as it is typed,
// and as it is loaded.
void TestOptions::examPage_saysHowManyMistakesEndAnExam()
{
    QFETCH(QString, number);
    QFETCH(QString, said);
    TestDataDir dir;
    dir.Write(QStringLiteral("config.ini"), "[Exam]\r\nENumOfEl=" + number.toUtf8() + "\r\n");
    Tfrm_options d;
    d.LoadOptions();
    QCOMPARE(d.LabelMistakes->text(), said);
    QCOMPARE(d.LabelMistakes->parentWidget(), d.TabSheet2);
    d.Edit2->setText(QStringLiteral("30"));
    QCOMPARE(d.LabelMistakes->text(), lit("Mistakes allowed in an Exam of 30 Elements: 3. Mistake 4 ends it."));
}

void TestOptions::keyboard_mnemonics_data()
{
    QTest::addColumn<QString>("letters"); // each pressed with Alt
    QTest::addColumn<QString>("reached"); // the control with the focus; "*": pressed
    QTest::newRow("number") << lit("n") << lit("Edit1");
    QTest::newRow("module") << lit("m") << lit("ComboBox1");
    QTest::newRow("range") << lit("r") << lit("ComboBox2");
    QTest::newRow("timer") << lit("i") << lit("Edit3");
    QTest::newRow("do exercises") << lit("d") << lit("CheckBox1*");
    QTest::newRow("unlimited time") << lit("u") << lit("CheckBox2*");
    QTest::newRow("serial number") << lit("s") << lit("CheckBox3*");
    QTest::newRow("speak") << lit("p") << lit("CheckBox4*");
    QTest::newRow("hide while speaking") << lit("h") << lit("CheckBox5*");
    QTest::newRow("digit by digit") << lit("b") << lit("CheckBox6*");
    QTest::newRow("language") << lit("l") << lit("ComboBox7");
    QTest::newRow("rate") << lit("a") << lit("ComboBox8");
    QTest::newRow("pause") << lit("f") << lit("ComboBox11");
    QTest::newRow("spoken numbers") << lit("k") << lit("CheckBox7*");
    QTest::newRow("trial length") << lit("g") << lit("ComboBox12");
    QTest::newRow("exam number") << lit("en") << lit("Edit2");
    QTest::newRow("exam module") << lit("em") << lit("ComboBox4");
    QTest::newRow("exam range") << lit("er") << lit("ComboBox5");
    QTest::newRow("draw") << lit("w") << lit("ComboBox9");
    QTest::newRow("exam draw") << lit("ew") << lit("ComboBox10");
    QTest::newRow("keep threshold") << lit("ea") << lit("SpinEdit1");
    QTest::newRow("hidden page's switch") << lit("ned") << lit("Edit2");
    QTest::newRow("back to training") << lit("etn") << lit("Edit1");
}

// Each underlined letter reaches its own control, on the page shown only.
void TestOptions::keyboard_mnemonics()
{
    QFETCH(QString, letters);
    QFETCH(QString, reached);
    TestDataDir dir;
    if (!Speech::Built() && reached.contains(QRegularExpression(lit("CheckBox[4567]|ComboBox(7|8|11|12)"))))
        QSKIP("built without speech");
    // Speech and spoken numbers on, so that all of their controls take
    // their letters.
    FakeSpeech speech;
    dir.Write(lit("config.ini"), "[Test]\nIfSpeak=1\nIfSpokenNum=1\n");
    Tfrm_options d;
    d.show();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    for (QChar letter : letters)
        QTest::keyClick(&d, letter.toLatin1(), Qt::AltModifier);
    QWidget *focus = d.focusWidget();
    QVERIFY(focus);
    const auto *button = qobject_cast<QAbstractButton *>(focus);
    QCOMPARE(focus->objectName() + (button && button->isDown() ? lit("*") : QString()), reached);
}

void TestOptions::libraryDialogs_largerFont_textsWholeAndApart_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QSize>("designed");
    QTest::addColumn<QString>("speechProblem");
    QTest::newRow("options") << lit("options") << QSize(314, 239) << QString();
    // The engine's own words, as long as they come.
    QTest::newRow("options, no voice")
        << lit("options") << QSize(314, 239)
        << lit("Audio device does not support format: QAudioFormat( 16000 Hz,  1 Channels,  Int16 Format )");
    QTest::newRow("editor") << lit("editor") << QSize(353, 296) << QString();
    QTest::newRow("name prompt") << lit("name prompt") << QSize(255, 105) << QString();
}

// With a larger system font no text is cut and no control covers another.
void TestOptions::libraryDialogs_largerFont_textsWholeAndApart()
{
    QFETCH(QString, window);
    QFETCH(QSize, designed);
    QFETCH(QString, speechProblem);
    TestDataDir dir;
    FakeSpeech speech;
    speech.problem = speechProblem;
    struct FontGuard
    {
        QFont saved = QApplication::font();
        ~FontGuard() { QApplication::setFont(saved); }
    } guard;
    QFont larger = guard.saved;
    larger.setPixelSize(QFontInfo(guard.saved).pixelSize() * 8 / 5);
    QApplication::setFont(larger);
    std::unique_ptr<QDialog> d;
    if (window == lit("options"))
        d = std::make_unique<Tfrm_options>();
    else if (window == lit("editor"))
        d = std::make_unique<Tfrm_modules>();
    else
        d = std::make_unique<Tfrm_name>();
    d->show();
    QVERIFY(QTest::qWaitForWindowExposed(d.get()));
    QVERIFY(d->width() >= designed.width() && d->height() >= designed.height());
    QCOMPARE(d->minimumSize(), d->maximumSize());

    // The controls and labels, without the parts Qt builds inside them.
    QList<QWidget *> items;
    for (QWidget *w : d->findChildren<QWidget *>()) {
        if (!w->isVisible()
            || !(qobject_cast<QLabel *>(w) || qobject_cast<QAbstractButton *>(w) || qobject_cast<QLineEdit *>(w)
                 || qobject_cast<QComboBox *>(w) || qobject_cast<QPlainTextEdit *>(w) || qobject_cast<UpDown *>(w)))
            continue;
        bool inner = false;
        for (QWidget *p = w->parentWidget(); p != d.get(); p = p->parentWidget())
            inner = inner || qobject_cast<QComboBox *>(p) || qobject_cast<QAbstractScrollArea *>(p)
                    || qobject_cast<UpDown *>(p) || qobject_cast<QTabBar *>(p);
        if (!inner)
            items << w;
    }
    QVERIFY(items.size() >= 4);
    const auto place = [&](QWidget *w) { return QRect(w->mapTo(d.get(), QPoint(0, 0)), w->size()); };
    for (QWidget *w : items) {
        const QString name = w->objectName() + QLatin1Char(' ') + QString::fromLatin1(w->metaObject()->className());
        QVERIFY2(w->parentWidget()->rect().contains(w->geometry()), qPrintable(name));
        QString text;
        if (const auto *label = qobject_cast<QLabel *>(w))
            text = label->text();
        else if (const auto *button = qobject_cast<QAbstractButton *>(w))
            text = button->text();
        const auto *label = qobject_cast<QLabel *>(w);
        if (label && label->wordWrap())
            QVERIFY2(w->height() >= w->heightForWidth(w->width()), qPrintable(name));
        else if (label || qobject_cast<QCheckBox *>(w))
            QVERIFY2(w->width() >= w->sizeHint().width() && w->height() >= w->sizeHint().height(), qPrintable(name));
        else if (!text.isEmpty())
            QVERIFY2(w->fontMetrics().horizontalAdvance(shown(text)) < w->width(), qPrintable(name));
        for (QWidget *other : items)
            QVERIFY2(other == w || !place(w).intersects(place(other)),
                     qPrintable(name + lit(" / ") + other->objectName()));
    }
}

void TestOptions::firstStart_withoutConfig()
{
    TestDataDir dir;
    dir.Write(lit("modules.ini"), Library);
    Tfrm_options d;
    d.LoadOptions();
    QCOMPARE((QStringList{d.NumberOfElementsText(Page::Training), d.TimerText(), d.NumberOfElementsText(Page::Exam)}),
             (QStringList{lit("20"), lit("6000"), lit("20")}));
    QCOMPARE((QList<bool>{d.DoExercises(), d.UnlimitedTime(), d.ShowSerialNumber()}), (QList<bool>{true, false, true}));
    QCOMPARE(range(d, Page::Training), lit("Alpha 3 0..2"));
    QCOMPARE(range(d, Page::Exam), lit("Alpha 3 0..2"));
    QCOMPARE(d.ComboBox3->currentText(), lit("c"));
    QCOMPARE(d.ComboBox4->count(), 6);
    QVERIFY(!dir.Exists(lit("config.ini")));
}

void TestOptions::loadSettings_selection_data()
{
    QTest::addColumn<QByteArray>("config");
    QTest::addColumn<QString>("training");
    QTest::addColumn<QString>("exam");
    QTest::newRow("stored ranges") << QByteArray(
        "[Test]\nTMName=Alpha\nTDiapFrom=b\nTDiapTo=b\n[Exam]\nEMName=Beta\nEDiapFrom=y\n")
                                   << lit("Alpha 3 1..1") << lit("Beta 2 1..1");
    QTest::newRow("reversed range kept") << QByteArray("[Test]\nTMName=Alpha\nTDiapFrom=c\nTDiapTo=a\n")
                                         << lit("Alpha 3 2..0") << lit("Alpha 3 0..2");
    QTest::newRow("other letter case: first Module")
        << QByteArray("[Test]\nTMName=beta\nTDiapFrom=y\n[Exam]\nEMName=ALPHA\n") << lit("Alpha 3 0..2")
        << lit("Alpha 3 0..2");
    QTest::newRow("twin texts: the first")
        << QByteArray("[Test]\nTMName=Dup\nTDiapFrom=q\nTDiapTo=p\n") << lit("Dup 4 1..0") << lit("Alpha 3 0..2");
    QTest::newRow("gone Module and Elements")
        << QByteArray("[Test]\nTMName=Gone\n[Exam]\nEMName=Beta\nEDiapFrom=zz\nEDiapTo=zz\n") << lit("Alpha 3 0..2")
        << lit("Beta 2 0..1");
    QTest::newRow("quoted name") << QByteArray("[Exam]\nEMName=\"One\"\n") << lit("Alpha 3 0..2") << lit("One 1 0..0");
    // Without stored bounds the range is whole even if a Module holds an
    // empty Element; a stored empty bound is that Element.
    QTest::newRow("empty Element") << QByteArray("[Test]\nTMName=Holes\n[Exam]\nEMName=Holes\nEDiapFrom=\nEDiapTo=\n")
                                   << lit("Holes 3 0..2") << lit("Holes 3 1..1");
    QTest::newRow("no Elements") << QByteArray("[Test]\nTMName=None\nTDiapFrom=a\n") << lit("None 0 -1..-1")
                                 << lit("Alpha 3 0..2");
}

void TestOptions::loadSettings_selection()
{
    QFETCH(QByteArray, config);
    QFETCH(QString, training);
    QFETCH(QString, exam);
    TestDataDir dir;
    dir.Write(lit("modules.ini"), Library);
    dir.Write(lit("config.ini"), config);
    Tfrm_options d;
    d.LoadOptions();
    QCOMPARE(range(d, Page::Training), training);
    QCOMPARE(range(d, Page::Exam), exam);
    QCOMPARE(d.ComboBox3->count(), d.ElementTotal(Page::Training));

    // An emptied library leaves nothing selected and no Elements.
    dir.Write(lit("modules.ini"), QByteArray());
    d.LoadOptions();
    QCOMPARE(range(d, Page::Training), lit(" 0 -1..-1"));
    QCOMPARE(range(d, Page::Exam), lit(" 0 -1..-1"));
    QCOMPARE(dir.Read(lit("config.ini")), config);
}

void TestOptions::loadSettings_fieldsUnchecked()
{
    TestDataDir dir;
    dir.Write(lit("config.ini"), "[Test]\nTNumOfEl=abc\nTimerMSec=1234567\nIfexec=0\nIfNoTimeLimit=1\nIfShowNum=0\n"
                                 "[Exam]\nENumOfEl=-7\n");
    Tfrm_options d;
    d.CheckBox1->setChecked(true);
    d.CheckBox3->setChecked(true);
    d.LoadOptions();
    QCOMPARE((QStringList{d.NumberOfElementsText(Page::Training), d.TimerText(), d.NumberOfElementsText(Page::Exam)}),
             (QStringList{lit("abc"), lit("1234567"), lit("-7")}));
    QCOMPARE((QList<bool>{d.DoExercises(), d.UnlimitedTime(), d.ShowSerialNumber()}),
             (QList<bool>{false, true, false}));
}

void TestOptions::modulePick_resetsRangeOfItsPage()
{
    TestDataDir dir;
    dir.Write(lit("modules.ini"), Library);
    dir.Write(lit("config.ini"),
              "[Test]\nTMName=Dup\nTDiapFrom=q\nTDiapTo=p\n[Exam]\nEMName=Dup\nEDiapFrom=q\nEDiapTo=p\n");
    for (Page page : {Page::Training, Page::Exam}) {
        Tfrm_options d;
        d.LoadOptions();
        QComboBox *modules = page == Page::Training ? d.ComboBox1 : d.ComboBox4;
        const Page other = page == Page::Training ? Page::Exam : Page::Training;
        // A selection the user did not make refills nothing.
        modules->setCurrentIndex(0);
        QCOMPARE(range(d, page), lit("Alpha 4 1..0"));
        QTest::keyClick(modules, Qt::Key_Down);
        QCOMPARE(range(d, page), lit("Beta 2 0..1"));
        QCOMPARE(d.ElementAt(page, 1), lit("y"));
        // Picking the same Module again resets a narrowed range.
        (page == Page::Training ? d.ComboBox2 : d.ComboBox5)->setCurrentIndex(1);
        Q_EMIT modules->activated(modules->currentIndex());
        QCOMPARE(range(d, page), lit("Beta 2 0..1"));
        modules->setCurrentIndex(modules->findText(lit("One")));
        QTest::keyClick(modules, Qt::Key_Down);
        QCOMPARE(range(d, page), lit("None 0 -1..-1"));
        QCOMPARE(range(d, other), lit("Dup 4 1..0"));
    }
}

void TestOptions::range_keptThroughOkAndRestart_data()
{
    QTest::addColumn<QString>("data");     // the Module's Data value
    QTest::addColumn<QList<int>>("picks"); // From and To of the Training, then of the Exam
    const QString longElement(3000, u'f');
    // clang-format off
    QTest::newRow("a blank first, a blank last") << lit("a, 7,7 ,b") << QList<int>{1, 2, 2, 1};
    QTest::newRow("a blank last in the last Element") << lit("a,b,7 ,") << QList<int>{2, 2, 0, 2};
    QTest::newRow("quotes around") << lit("a,'q',\"r\",b") << QList<int>{1, 2, 2, 1};
    QTest::newRow("3,000 characters") << lit("a,") + longElement + lit(",b,") + longElement.left(2047) << QList<int>{1, 3, 3, 1};
    // clang-format on
}

// The range picked is the range after OK, and after a restart reads the
// file afresh; the file holds each bound whole.
void TestOptions::range_keptThroughOkAndRestart()
{
    QFETCH(QString, data);
    QFETCH(QList<int>, picks);
    TestDataDir dir;
    TestUser user;
    dir.Write(lit("modules.ini"), "[Edge]\r\nData=" + data.toUtf8() + "\r\n\r\n");
    const QString want = QStringLiteral("Edge %1 %2..%3 Edge %1 %4..%5")
                             .arg(Modules::SplitElements(data).size())
                             .arg(picks.at(0))
                             .arg(picks.at(1))
                             .arg(picks.at(2))
                             .arg(picks.at(3));
    const auto both = [](const Tfrm_options &d) -> QString {
        return range(d, Page::Training) + u' ' + range(d, Page::Exam);
    };
    {
        Tfrm_options d;
        d.LoadOptions();
        d.ComboBox2->setCurrentIndex(picks.at(0));
        d.ComboBox3->setCurrentIndex(picks.at(1));
        d.ComboBox5->setCurrentIndex(picks.at(2));
        d.ComboBox6->setCurrentIndex(picks.at(3));
        QVERIFY(d.BitBtn1Click());
        QCOMPARE(both(d), want);
        d.LoadOptions();
        QCOMPARE(both(d), want);
    }
    Tfrm_options restarted;
    restarted.LoadOptions();
    QCOMPARE(both(restarted), want);
    const Settings::Record record = Settings::Read(dir.Path(lit("config.ini")));
    const Modules::ElementList elements(data);
    QCOMPARE(record.training.range.from, elements.Text(picks.at(0)));
    QCOMPARE(record.exam.range.to, elements.Text(picks.at(3)));
}

void TestOptions::draw_storedAndReadBack_data()
{
    QTest::addColumn<QByteArray>("config");
    QTest::addColumn<QString>("shown");   // the draw selected on each page: Training, Exam
    QTest::addColumn<int>("examPick");    // the Exam draw picked before OK; -1: none
    QTest::addColumn<QString>("written"); // the draw keys in config.ini after OK
    // clang-format off
    QTest::newRow("none stored: at random, none written") << QByteArray() << lit("0 0") << -1 << QString();
    QTest::newRow("shuffled") << QByteArray("[Test]\nTDraw=1\n") << lit("1 0") << -1 << lit("TDraw=1");
    QTest::newRow("in order on both") << QByteArray("[Test]\nTDraw=2\n[Exam]\nEDraw=2\n") << lit("2 2") << -1 << lit("TDraw=2 EDraw=2");
    QTest::newRow("as an integer: 0x2") << QByteArray("[Test]\nTDraw=0x2\n") << lit("2 0") << -1 << lit("TDraw=2");
    QTest::newRow("unknown number: at random") << QByteArray("[Test]\nTDraw=3\n") << lit("0 0") << -1 << lit("TDraw=0");
    QTest::newRow("negative: at random") << QByteArray("[Exam]\nEDraw=-1\n") << lit("0 0") << -1 << lit("EDraw=0");
    QTest::newRow("not a number: at random") << QByteArray("[Exam]\nEDraw=abc\n") << lit("0 0") << -1 << lit("EDraw=0");
    QTest::newRow("picked in order: written") << QByteArray() << lit("0 0") << 2 << lit("EDraw=2");
    QTest::newRow("picked at random again") << QByteArray("[Exam]\nEDraw=1\n") << lit("0 1") << 0 << lit("EDraw=0");
    // clang-format on
}

void TestOptions::draw_storedAndReadBack()
{
    QFETCH(QByteArray, config);
    QFETCH(QString, shown);
    QFETCH(int, examPick);
    QFETCH(QString, written);
    TestDataDir dir;
    TestUser user;
    dir.Write(lit("modules.ini"), Library);
    if (!config.isEmpty())
        dir.Write(lit("config.ini"), config);
    Tfrm_options d;
    const auto draws = [&d] {
        return QStringLiteral("%1 %2").arg(int(d.DrawOf(Page::Training))).arg(int(d.DrawOf(Page::Exam)));
    };
    d.LoadOptions();
    QCOMPARE(draws(), shown);
    if (examPick >= 0)
        d.ComboBox10->setCurrentIndex(examPick);
    QVERIFY(d.BitBtn1Click());
    QStringList keys = fileLines(dir.Read(lit("config.ini"))).filter(QRegularExpression(lit("^[TE]Draw=")));
    QCOMPARE(keys.join(QLatin1Char(' ')), written);
    const QString after = draws();
    d.LoadOptions();
    QCOMPARE(draws(), after);
}

void TestOptions::keepThreshold_shownAndWrittenWhenChanged_data()
{
    QTest::addColumn<QByteArray>("config");
    QTest::addColumn<int>("shown");
    QTest::addColumn<int>("set");        // the value set before the button; -1: none
    QTest::addColumn<bool>("ok");        // OK, else Cancel
    QTest::addColumn<QString>("stored"); // the Threshold lines of config.ini afterwards
    QTest::addColumn<bool>("notice");    // a run is told the stored value is not used
    // clang-format off
    QTest::newRow("none stored: 90, none written") << QByteArray() << 90 << -1 << true << QString() << false;
    QTest::newRow("stored 75 kept") << QByteArray("[Keep]\nThreshold=75\n") << 75 << -1 << true << lit("Threshold=75") << false;
    QTest::newRow("stored 1, the least") << QByteArray("[Keep]\nThreshold=1\n") << 1 << -1 << true << lit("Threshold=1") << false;
    QTest::newRow("stored $64, as the file reads it") << QByteArray("[Keep]\nThreshold=$64\n") << 100 << -1 << true << lit("Threshold=$64") << false;
    QTest::newRow("stored 150: noticed, left as it is") << QByteArray("[Keep]\nThreshold=150\n") << 90 << -1 << true << lit("Threshold=150") << true;
    QTest::newRow("stored 0: noticed") << QByteArray("[Keep]\nThreshold=0\n") << 90 << -1 << true << lit("Threshold=0") << true;
    QTest::newRow("stored text: noticed") << QByteArray("[Keep]\nThreshold=most\n") << 90 << -1 << true << lit("Threshold=most") << true;
    QTest::newRow("set 80: written") << QByteArray() << 90 << 80 << true << lit("Threshold=80") << false;
    QTest::newRow("set over 150: written, notice gone") << QByteArray("[Keep]\nThreshold=150\n") << 90 << 60 << true << lit("Threshold=60") << false;
    QTest::newRow("set back to the default: written") << QByteArray("[Keep]\nThreshold=75\n") << 75 << 90 << true << lit("Threshold=90") << false;
    QTest::newRow("set, then Cancel: nothing written") << QByteArray("[Keep]\nThreshold=75\n") << 75 << 50 << false << lit("Threshold=75") << false;
    // clang-format on
}

void TestOptions::keepThreshold_shownAndWrittenWhenChanged()
{
    QFETCH(QByteArray, config);
    QFETCH(int, shown);
    QFETCH(int, set);
    QFETCH(bool, ok);
    QFETCH(QString, stored);
    QFETCH(bool, notice);
    TestDataDir dir;
    TestUser user;
    dir.Write(lit("modules.ini"), Library);
    if (!config.isEmpty())
        dir.Write(lit("config.ini"), config);
    Tfrm_options d;
    d.LoadOptions();
    QCOMPARE(d.KeepThreshold(), shown);
    if (set >= 0)
        d.SpinEdit1->setValue(set);
    if (ok)
        QVERIFY(d.BitBtn1Click());
    else
        d.reject();
    const QStringList lines = fileLines(dir.Read(lit("config.ini"))).filter(QRegularExpression(lit("^Threshold=")));
    QCOMPARE(lines.join(QLatin1Char(' ')), stored);
    QCOMPARE(d.KeepThreshold(), ok && set >= 0 ? set : shown);
    const QStringList notices = d.InForce(Page::Exam).notices;
    QCOMPARE(notices.size(), notice ? 1 : 0);
    if (notice)
        QVERIFY2(notices.first().contains(lit("keep threshold")), qPrintable(notices.first()));
}

void TestOptions::spinButtons_data()
{
    QTest::addColumn<int>("field"); // 1, 2, 3: Edit1, Edit2, Edit3
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("presses"); // u, d: the buttons; U, D: arrow keys in the field
    QTest::addColumn<QString>("shown");
    QTest::newRow("training past 1000") << 1 << lit("999") << lit("uu") << lit("1001");
    QTest::newRow("training top 10000") << 1 << lit("9999") << lit("uU") << lit("10000");
    QTest::newRow("exam 999 up up") << 2 << lit("999") << lit("uU") << lit("1000");
    QTest::newRow("20 down") << 1 << lit("20") << lit("dD") << lit("20");
    QTest::newRow("not a number") << 1 << lit("abc") << lit("u") << lit("21");
    QTest::newRow("below the limits") << 2 << lit("5") << lit("U") << lit("20");
    QTest::newRow("timer top") << 3 << lit("19999") << lit("uu") << lit("20000");
    QTest::newRow("timer bottom half a second") << 3 << lit("501") << lit("dd") << lit("500");
    QTest::newRow("timer no grouping") << 3 << lit("9999") << lit("u") << lit("10000");
}

void TestOptions::spinButtons()
{
    QFETCH(int, field);
    QFETCH(QString, start);
    QFETCH(QString, presses);
    QFETCH(QString, shown);
    TestDataDir dir;
    Tfrm_options d;
    d.show();
    d.PageControl1->setCurrentWidget(field == 2 ? d.TabSheet2 : d.TabSheet1);
    QLineEdit *edit = field == 1 ? d.Edit1 : field == 2 ? d.Edit2 : d.Edit3;
    UpDown *spin = field == 1 ? d.UpDown1 : field == 2 ? d.UpDown2 : d.UpDown3;
    edit->setText(start);
    for (QChar press : presses) {
        if (press == QLatin1Char('u') || press == QLatin1Char('d'))
            QTest::mouseClick(press == QLatin1Char('u') ? spin->UpButton : spin->DownButton, Qt::LeftButton);
        else
            QTest::keyClick(edit, press == QLatin1Char('U') ? Qt::Key_Up : Qt::Key_Down);
    }
    QCOMPARE(edit->text(), shown);
}

void TestOptions::timerField_refusesASixthTypedCharacter()
{
    TestDataDir dir;
    dir.Write(lit("config.ini"), "[Test]\nTimerMSec=1234567\n");
    Tfrm_options d;
    d.show();
    d.LoadOptions();
    QTest::keyClick(d.Edit3, Qt::Key_End);
    QTest::keyClicks(d.Edit3, lit("8"));
    QCOMPARE(d.Edit3->text(), lit("1234567"));
    QTest::keyClick(d.Edit3, Qt::Key_Backspace);
    QCOMPARE(d.Edit3->text(), lit("123456"));
    d.Edit3->clear();
    QTest::keyClicks(d.Edit3, lit("12a456"));
    QCOMPARE(d.Edit3->text(), lit("12a45"));
    d.Edit1->clear();
    QTest::keyClicks(d.Edit1, lit("abc 1234567"));
    QCOMPARE(d.NumberOfElementsText(Page::Training), lit("abc 1234567"));
}

void TestOptions::ok_writesAllTwelveKeysInOrder()
{
    TestDataDir dir;
    TestUser user;
    dir.Write(lit("modules.ini"), Library);
    Tfrm_options d;
    user.scripts.push_back([](QDialog *dialog) {
        Tfrm_options *d = options(dialog);
        d->Edit1->setText(lit("0x11")); // written as typed
        QTest::mouseClick(d->UpDown3->DownButton, Qt::LeftButton);
        d->CheckBox1->setChecked(false);
        d->CheckBox2->setChecked(true);
        d->ComboBox2->setCurrentIndex(2);
        d->ComboBox3->setCurrentIndex(1);
        d->ComboBox4->setCurrentIndex(d->ComboBox4->findText(lit("None")));
        Q_EMIT d->ComboBox4->activated(d->ComboBox4->currentIndex());
        QTest::mouseClick(d->BitBtn1, Qt::LeftButton);
    });
    QCOMPARE(Dialogs::ExecModal(&d), int(QDialog::Accepted));
    QCOMPARE(fileLines(dir.Read(lit("config.ini"))),
             (QStringList{lit("[Test]"), lit("TNumOfEl=0x11"), lit("TimerMSec=5999"), lit("TMName=Alpha"),
                          lit("TDiapFrom=c"), lit("TDiapTo=b"), lit("Ifexec=0"), lit("IfNoTimeLimit=1"),
                          lit("IfShowNum=1"), QString(), lit("[Exam]"), lit("ENumOfEl=20"), lit("EMName=None"),
                          lit("EDiapFrom="), lit("EDiapTo="), QString()}));
    QVERIFY(user.asked.isEmpty());
    // The next opening shows what was saved, reversed range included.
    Dialogs::ExecModal(&d);
    QCOMPARE(range(d, Page::Training), lit("Alpha 3 2..1"));
    QCOMPARE(range(d, Page::Exam), lit("None 0 -1..-1"));
}

void TestOptions::ok_existingFile_keepsOtherLines()
{
    TestDataDir dir;
    TestUser user;
    dir.Write(lit("modules.ini"), Library);
    dir.Write(lit("config.ini"),
              "; kept comment\r\n[Test]\r\nTMName=Beta\r\nOther=1\r\n\r\n[Mine]\r\n; another\r\nk=v\r\n");
    Tfrm_options d;
    user.scripts.push_back([](QDialog *dialog) { QTest::keyClick(dialog, Qt::Key_Return); });
    QCOMPARE(Dialogs::ExecModal(&d), int(QDialog::Accepted));
    QCOMPARE(fileLines(dir.Read(lit("config.ini"))), (QStringList{lit("; kept comment"),
                                                                  lit("[Test]"),
                                                                  lit("TMName=Beta"),
                                                                  lit("Other=1"),
                                                                  lit("TNumOfEl=20"),
                                                                  lit("TimerMSec=6000"),
                                                                  lit("TDiapFrom=x"),
                                                                  lit("TDiapTo=y"),
                                                                  lit("Ifexec=1"),
                                                                  lit("IfNoTimeLimit=0"),
                                                                  lit("IfShowNum=1"),
                                                                  QString(),
                                                                  lit("[Mine]"),
                                                                  lit("; another"),
                                                                  lit("k=v"),
                                                                  QString(),
                                                                  lit("[Exam]"),
                                                                  lit("ENumOfEl=20"),
                                                                  lit("EMName=Alpha"),
                                                                  lit("EDiapFrom=a"),
                                                                  lit("EDiapTo=c"),
                                                                  QString()}));
}

void TestOptions::ok_writeFailure_reportedAndKeptOpen_data()
{
    QTest::addColumn<QString>("failure");
    QTest::newRow("read-only folder") << lit("read-only folder");
    // The first keys would fit, the later ones not.
    QTest::newRow("file size limit reached midway") << lit("size limit");
}

void TestOptions::ok_writeFailure_reportedAndKeptOpen()
{
    // The dialog stays open with what was typed, so OK can be tried again;
    // the file is as it was, not one key of it written.
    QFETCH(QString, failure);
    TestDataDir dir;
    TestUser user;
    const QByteArray config = "; " + QByteArray(3900, 'c') + "\r\n[Test]\r\nTNumOfEl=20\r\n";
    dir.Write(lit("config.ini"), config);
    Tfrm_options d;
    std::optional<ReadOnlyDir> readOnly;
    QString reason;
    rlimit saved{};
    QVERIFY(::getrlimit(RLIMIT_FSIZE, &saved) == 0);
    const auto restore = qScopeGuard([&] {
        ::setrlimit(RLIMIT_FSIZE, &saved);
        ::signal(SIGXFSZ, SIG_DFL);
    });
    if (failure == lit("read-only folder")) {
        readOnly.emplace(dir.Dir());
        if (!readOnly->Ok())
            QSKIP("the directory can't be made read-only here");
        reason = readOnly->Reason();
    } else {
        ::signal(SIGXFSZ, SIG_IGN);
        reason = QString::fromLocal8Bit(std::strerror(EFBIG));
    }
    bool open = false;
    QString typed;
    user.scripts.push_back([&](QDialog *dialog) {
        options(dialog)->Edit1->setText(lit("17"));
        if (!readOnly) {
            // Room for the file with a few more keys, not for all twelve.
            rlimit limit = saved;
            limit.rlim_cur = rlim_t(config.size() + 60);
            QVERIFY(::setrlimit(RLIMIT_FSIZE, &limit) == 0);
        }
        QTest::mouseClick(options(dialog)->BitBtn1, Qt::LeftButton);
        ::setrlimit(RLIMIT_FSIZE, &saved);
        open = dialog->isVisible();
        typed = options(dialog)->Edit1->text();
    });
    QCOMPARE(Dialogs::ExecModal(&d), int(QDialog::Rejected));
    QVERIFY(open);
    QCOMPARE(typed, lit("17"));
    QCOMPARE(user.asked.size(), 1);
    QCOMPARE(user.asked.at(0).kind, Dialogs::Kind::Error);
    QCOMPARE(user.asked.at(0).text, lit("Unable to write to ") + dir.Path(lit("config.ini")) + lit(". ") + reason);
    QCOMPARE(dir.Read(lit("config.ini")), config);
}

void TestOptions::ok_refusesANumberARunCannotUse_data()
{
    QTest::addColumn<int>("field"); // 1, 2, 3: Edit1, Edit2, Edit3
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("written");
    // clang-format off
    QTest::newRow("2x") << 1 << lit("2x") << false;
    QTest::newRow("empty exam number") << 2 << QString() << false;
    QTest::newRow("timer 6s") << 3 << lit("6s") << false;
    QTest::newRow("too large") << 1 << lit("2147483648") << false;
    QTest::newRow("hexadecimal, as a run reads it") << 2 << lit("$1E") << true;
    // clang-format on
}

// A number a run would stop at ("'2x' is not a valid integer value") is
// refused at OK, on its page, and nothing is written.
void TestOptions::ok_refusesANumberARunCannotUse()
{
    QFETCH(int, field);
    QFETCH(QString, typed);
    QFETCH(bool, written);
    TestDataDir dir;
    TestUser user;
    dir.Write(lit("modules.ini"), Library);
    const QByteArray config = "[Test]\r\nTNumOfEl=20\r\n";
    dir.Write(lit("config.ini"), config);
    Tfrm_options d;
    d.LoadOptions();
    QLineEdit *edit = field == 1 ? d.Edit1 : field == 2 ? d.Edit2 : d.Edit3;
    edit->setText(typed);
    QCOMPARE(d.BitBtn1Click(), written);
    QCOMPARE(dir.Read(lit("config.ini")) != config, written);
    QCOMPARE(user.asked.size(), written ? 0 : 1);
    if (!written) {
        QVERIFY2(user.asked.first().text.contains(u'"' + typed + u'"'), qPrintable(user.asked.first().text));
        QCOMPARE(d.PageControl1->currentIndex(), field == 2 ? 1 : 0);
    }
}

void TestOptions::cancel_putsBackTheSettingsInForce()
{
    // What was typed and cancelled is neither shown nor run; the next
    // opening shows the file as it is then.
    TestDataDir dir;
    TestUser user;
    dir.Write(lit("modules.ini"), Library);
    const QByteArray config = "[Test]\nTNumOfEl=30\n";
    dir.Write(lit("config.ini"), config);
    Tfrm_options d;
    d.LoadOptions();
    for (const char *close : {"escape", "cancel", "close box"}) {
        user.scripts.push_back([close](QDialog *dialog) {
            Tfrm_options *d = options(dialog);
            d->Edit1->setText(lit("55"));
            d->Edit3->setText(lit("9000"));
            d->CheckBox1->setChecked(false);
            QTest::keyClick(d->ComboBox1, Qt::Key_Down);
            d->ComboBox2->setCurrentIndex(1);
            d->Edit2->setText(lit("25"));
            if (close == QByteArray("escape"))
                QTest::keyClick(d, Qt::Key_Escape);
            else if (close == QByteArray("cancel"))
                QTest::mouseClick(d->BitBtn2, Qt::LeftButton);
            else
                d->close();
        });
        QCOMPARE(Dialogs::ExecModal(&d), int(QDialog::Rejected));
        QCOMPARE(dir.Read(lit("config.ini")), config);
        QCOMPARE((QStringList{d.NumberOfElementsText(Page::Training), d.TimerText(),
                              d.NumberOfElementsText(Page::Exam)}),
                 (QStringList{lit("30"), lit("6000"), lit("20")}));
        QVERIFY(d.DoExercises());
        QCOMPARE(range(d, Page::Training), lit("Alpha 3 0..2"));
        const Settings::RunOptions training = d.InForce(Page::Training);
        QCOMPARE((QStringList{training.page.NumOfEl, training.TimerMSec, training.page.ModuleName,
                              d.InForce(Page::Exam).page.NumOfEl}),
                 (QStringList{lit("30"), lit("6000"), lit("Alpha"), lit("20")}));
        QCOMPARE(QString::number(training.rangeFrom) + QString::number(training.rangeTo), lit("02"));
    }
}

void TestOptions::badInput_loadsAndChangesNoFile()
{
    TestDataDir dir;
    TestUser user;
    QByteArray modules = "[Big]\r\nData=";
    for (int i = 0; i < 1250000; ++i)
        modules += "elem" + QByteArray::number(i % 1000).rightJustified(3, '0') + ',';
    modules += "\r\n[Blob]\r\nData=" + QByteArray(10000000, 'z') + "\r\n";
    for (int i = 0; i < 20000; ++i)
        modules += "[M" + QByteArray::number(i) + "]\r\nData=" + QByteArray::number(i) + ",,x\r\n";
    const QByteArray config = "[Test]\nTNumOfEl=\"12\"\nTimerMSec=" + QByteArray(3000, '9')
                              + "\nTMName=Big\nTDiapFrom=elem999\nTDiapTo=elem001\n[Exam]\nEMName=Blob\nEDiapFrom="
                              + QByteArray(3000, 'z') + "\n";
    dir.Write(lit("modules.ini"), modules);
    dir.Write(lit("config.ini"), config);
    Tfrm_options d;
    user.scripts.push_back([](QDialog *dialog) {
        options(dialog)->PageControl1->setCurrentIndex(1);
        QCoreApplication::processEvents();
    });
    QCOMPARE(Dialogs::ExecModal(&d), int(QDialog::Rejected));
    QVERIFY(user.asked.isEmpty());
    QCOMPARE(d.ComboBox1->count(), 20002); // every Module, however long the names
    QCOMPARE(d.NumberOfElementsText(Page::Training), lit("12"));
    QCOMPARE(d.TimerText(), QString(2047, QLatin1Char('9')));
    QCOMPARE(range(d, Page::Training), lit("Big 1250000 999..1"));
    QCOMPARE(range(d, Page::Exam), lit("Blob 1 0..0")); // the stored bound came back cut and no longer matches
    QCOMPARE(d.ElementAt(Page::Exam, 0).size(), 10000000);
    d.ComboBox1->setCurrentIndex(d.ComboBox1->findText(lit("M19999")));
    d.ComboBox1Change();
    QCOMPARE(range(d, Page::Training), lit("M19999 3 0..2"));
    QCOMPARE(d.ElementAt(Page::Training, 1), QString());
    QCOMPARE(dir.Read(lit("modules.ini")), modules);
    QCOMPARE(dir.Read(lit("config.ini")), config);
}

void TestOptions::unusableLibrary_saidAndChoicesKept_data()
{
    QTest::addColumn<QByteArray>("modules");
    QTest::newRow("binary junk") << QByteArray::fromHex("00ff13375b0d0a00fe5d3d");
    QTest::newRow("utf-16 with its mark") << QByteArray::fromHex("fffe5b0041005d000d000a0044003d0061000d000a00");
    QTest::newRow("one long line") << QByteArray(200000, 'a');
}

void TestOptions::unusableLibrary_saidAndChoicesKept()
{
    QFETCH(QByteArray, modules);
    TestDataDir dir;
    TestUser user;
    dir.Write(lit("modules.ini"), modules);
    // Written with a byte-order mark, as some editors do.
    const QByteArray config = "\xEF\xBB\xBF[Test]\r\nTNumOfEl=15\r\nTimerMSec=6000\r\nTMName=Alpha\r\nTDiapFrom=b\r\n"
                              "TDiapTo=c\r\nIfexec=1\r\nIfNoTimeLimit=0\r\nIfShowNum=1\r\n\r\n[Exam]\r\nENumOfEl=20\r\n"
                              "EMName=Beta\r\nEDiapFrom=x\r\nEDiapTo=y\r\n";
    dir.Write(lit("config.ini"), config);
    Tfrm_options d;
    user.scripts.push_back([](QDialog *dialog) {
        QVERIFY(options(dialog)->LabelLibrary->isVisible());
        QVERIFY(options(dialog)->LabelLibrary->text().startsWith(lit("The Module library could not be read (")));
        QTest::mouseClick(options(dialog)->BitBtn1, Qt::LeftButton);
    });
    QCOMPARE(Dialogs::ExecModal(&d), int(QDialog::Accepted));
    QVERIFY(user.asked.isEmpty());
    QCOMPARE(d.NumberOfElementsText(Page::Training), lit("15"));
    QCOMPARE(d.ComboBox1->count(), 0);
    // OK wrote the same values back: the Module and range choices stayed.
    QCOMPARE(dir.Read(lit("config.ini")), config);
    QCOMPARE(dir.Read(lit("modules.ini")), modules);

    dir.Write(lit("modules.ini"), Library);
    d.LoadOptions();
    QVERIFY(!d.LabelLibrary->isVisibleTo(&d));
    QCOMPARE(range(d, Page::Training), lit("Alpha 3 1..2"));
}

QTEST_MAIN(TestOptions)
#include "tst_options.moc"
