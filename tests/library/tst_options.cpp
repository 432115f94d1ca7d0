#include "library/frmoptions.h"
#include "tests/testsupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

using Page = Tfrm_options::Page;

namespace {

QString lit(const char *text) { return QString::fromUtf8(text); }

const QByteArray Library = "[Alpha]\r\nData=a,b,c\r\n\r\n"
                           "[Beta]\r\nData=x,y\r\n\r\n"
                           "[Dup]\r\nData=p,q,p,q\r\n\r\n"
                           "[Holes]\r\nData=a,,b\r\n\r\n"
                           "[One]\r\nData=solo\r\n\r\n"
                           "[None]\r\nData=\r\n\r\n";

QStringList fileLines(const QByteArray &bytes)
{
    QString text = QString::fromUtf8(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text.split(QLatin1Char('\n'));
}

// What a page shows: its Module and the texts of its two bounds.
struct Shown
{
    QString module;
    int total;
    int from;
    int to;
};

Shown shown(const Tfrm_options &d, Page page)
{
    return Shown{d.ModuleName(page), d.ElementTotal(page), d.RangeFrom(page), d.RangeTo(page)};
}

QComboBox *moduleList(Tfrm_options &d, Page page) { return page == Page::Training ? d.ComboBox1 : d.ComboBox4; }
QComboBox *fromList(Tfrm_options &d, Page page) { return page == Page::Training ? d.ComboBox2 : d.ComboBox5; }
QComboBox *toList(Tfrm_options &d, Page page) { return page == Page::Training ? d.ComboBox3 : d.ComboBox6; }

} // namespace

class TestOptions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void form_captionSizeAndControls();
    void firstStart_withoutConfig();
    void loadSettings_selection_data();
    void loadSettings_selection();
    void loadSettings_fieldsAndSwitches_data();
    void loadSettings_fieldsAndSwitches();
    void modulePick_resetsRange_data();
    void modulePick_resetsRange();
    void spinButtons_data();
    void spinButtons();
    void timerField_typingLimit();
    void ok_writesAllTwelveKeysInOrder();
    void ok_existingFile_keepsOtherLines();
    void ok_writeFailure_reportedAndClosed();
    void closeKeys_data();
    void closeKeys();
    void cancel_keepsEditsUntilNextOpening();
    void badInput_loadsAndChangesNoFile();
};

void TestOptions::form_captionSizeAndControls()
{
    TestDataDir dir;
    Tfrm_options d;
    QCOMPARE(d.windowTitle(), lit("Options"));
    QCOMPARE(d.size(), QSize(314, 239));
    QCOMPARE(d.minimumSize(), d.maximumSize());
    QCOMPARE(d.PageControl1->count(), 2);
    QCOMPARE(d.PageControl1->tabText(0), lit("Training"));
    QCOMPARE(d.PageControl1->tabText(1), lit("Exam"));
    QCOMPARE(d.PageControl1->currentWidget(), d.TabSheet1);
    const auto labels = [](QWidget *page) {
        QStringList texts;
        for (const QLabel *label : page->findChildren<QLabel *>())
            texts << label->text();
        texts.sort();
        return texts;
    };
    QCOMPARE(labels(d.TabSheet1), (QStringList{lit("Module"), lit("Number of elements"), lit("Range  from"),
                                               lit("Timer (MilliSec)"), lit("to")}));
    QCOMPARE(labels(d.TabSheet2),
             (QStringList{lit("Module"), lit("Number of elements"), lit("Range  from"), lit("to")}));
    QCOMPARE(d.CheckBox1->text(), lit("Do exercises"));
    QCOMPARE(d.CheckBox2->text(), lit("Unlimited time"));
    QCOMPARE(d.CheckBox3->text(), lit("Show serial number"));
    QCOMPARE(d.BitBtn1->text(), lit("OK"));
    QVERIFY(d.BitBtn1->isDefault());
    QCOMPARE(d.BitBtn2->text(), lit("Cancel"));
    // The form's own values until the first load.
    QCOMPARE(d.Edit1->text(), lit("20"));
    QCOMPARE(d.Edit2->text(), lit("20"));
    QCOMPARE(d.Edit3->text(), lit("6000"));
    QVERIFY(!d.CheckBox1->isChecked() && !d.CheckBox2->isChecked() && !d.CheckBox3->isChecked());
    for (QComboBox *list : {d.ComboBox1, d.ComboBox2, d.ComboBox3, d.ComboBox4, d.ComboBox5, d.ComboBox6}) {
        QVERIFY(!list->isEditable());
        QCOMPARE(list->currentIndex(), -1);
    }
    QCOMPARE((QList<int>{d.UpDown1->Min(), d.UpDown1->Max(), d.UpDown2->Min(), d.UpDown2->Max()}),
             (QList<int>{20, 1000, 20, 1000}));
    QCOMPARE((QList<int>{d.UpDown3->Min(), d.UpDown3->Max()}), (QList<int>{5000, 20000}));
}

void TestOptions::firstStart_withoutConfig()
{
    TestDataDir dir;
    dir.write(lit("modules.ini"), Library);
    Tfrm_options d;
    d.LoadOptions();
    QCOMPARE(d.NumberOfElementsText(Page::Training), lit("20"));
    QCOMPARE(d.NumberOfElementsText(Page::Exam), lit("20"));
    QCOMPARE(d.TimerText(), lit("6000"));
    QVERIFY(d.DoExercises());
    QVERIFY(!d.UnlimitedTime());
    QVERIFY(d.ShowSerialNumber());
    for (Page page : {Page::Training, Page::Exam}) {
        const Shown s = shown(d, page);
        QCOMPARE(s.module, lit("Alpha"));
        QCOMPARE(s.total, 3);
        QCOMPARE(s.from, 0);
        QCOMPARE(s.to, 2);
        QCOMPARE(moduleList(d, page)->count(), 6);
        QCOMPARE(fromList(d, page)->currentText(), lit("a"));
        QCOMPARE(toList(d, page)->currentText(), lit("c"));
    }
    QCOMPARE(d.ElementAt(Page::Training, 1), lit("b"));
    QVERIFY(!dir.exists(lit("config.ini")));
    QCOMPARE(dir.read(lit("modules.ini")), Library);
}

void TestOptions::loadSettings_selection_data()
{
    QTest::addColumn<QByteArray>("modules");
    QTest::addColumn<QByteArray>("config");
    QTest::addColumn<QString>("tModule");
    QTest::addColumn<int>("tFrom");
    QTest::addColumn<int>("tTo");
    QTest::addColumn<QString>("eModule");
    QTest::addColumn<int>("eFrom");
    QTest::addColumn<int>("eTo");
    QTest::newRow("stored range")
        << Library << QByteArray("[Test]\nTMName=Alpha\nTDiapFrom=b\nTDiapTo=b\n[Exam]\nEMName=Beta\nEDiapFrom=y\n")
        << lit("Alpha") << 1 << 1 << lit("Beta") << 1 << 1;
    QTest::newRow("reversed range kept")
        << Library << QByteArray("[Test]\nTMName=Alpha\nTDiapFrom=c\nTDiapTo=a\n[Exam]\nEMName=Beta\nEDiapFrom=y\nEDiapTo=x\n")
        << lit("Alpha") << 2 << 0 << lit("Beta") << 1 << 0;
    QTest::newRow("other letter case: first Module")
        << Library << QByteArray("[Test]\nTMName=beta\nTDiapFrom=y\n[Exam]\nEMName=ALPHA\nEDiapTo=b\n")
        << lit("Alpha") << 0 << 2 << lit("Alpha") << 0 << 1;
    QTest::newRow("twin texts map to the first")
        << Library << QByteArray("[Test]\nTMName=Dup\nTDiapFrom=q\nTDiapTo=p\n[Exam]\nEMName=Dup\nEDiapFrom=p\nEDiapTo=q\n")
        << lit("Dup") << 1 << 0 << lit("Dup") << 0 << 1;
    QTest::newRow("gone Module and Elements")
        << Library << QByteArray("[Test]\nTMName=Gone\nTDiapFrom=zz\nTDiapTo=zz\n[Exam]\nEMName=Beta\nEDiapFrom=zz\nEDiapTo=zz\n")
        << lit("Alpha") << 0 << 2 << lit("Beta") << 0 << 1;
    QTest::newRow("quoted name read without quotes")
        << Library << QByteArray("[Test]\nTMName=\"Beta\"\n[Exam]\nEMName='Beta'\n") << lit("Beta") << 0 << 1
        << lit("Beta") << 0 << 1;
    QTest::newRow("empty Element: whole range without bounds")
        << Library << QByteArray("[Test]\nTMName=Holes\n[Exam]\nEMName=Holes\nEDiapFrom=\nEDiapTo=\n") << lit("Holes")
        << 0 << 2 << lit("Holes") << 1 << 1;
    QTest::newRow("single Element") << Library << QByteArray("[Test]\nTMName=One\n[Exam]\nEMName=One\n") << lit("One")
                                    << 0 << 0 << lit("One") << 0 << 0;
    QTest::newRow("Module without Elements")
        << Library << QByteArray("[Test]\nTMName=None\nTDiapFrom=a\n[Exam]\nEMName=None\n") << lit("None") << -1
        << -1 << lit("None") << -1 << -1;
    QTest::newRow("empty library") << QByteArray() << QByteArray("[Test]\nTMName=Alpha\n") << QString() << -1 << -1
                                   << QString() << -1 << -1;
}

void TestOptions::loadSettings_selection()
{
    QFETCH(QByteArray, modules);
    QFETCH(QByteArray, config);
    QFETCH(QString, tModule);
    QFETCH(int, tFrom);
    QFETCH(int, tTo);
    QFETCH(QString, eModule);
    QFETCH(int, eFrom);
    QFETCH(int, eTo);
    TestDataDir dir;
    dir.write(lit("modules.ini"), modules);
    dir.write(lit("config.ini"), config);
    Tfrm_options d;
    // A first load from another library must leave nothing behind.
    d.LoadOptions();
    d.LoadOptions();
    const Shown t = shown(d, Page::Training);
    QCOMPARE(t.module, tModule);
    QCOMPARE(t.from, tFrom);
    QCOMPARE(t.to, tTo);
    QCOMPARE(d.ComboBox1->currentText(), tModule);
    const Shown e = shown(d, Page::Exam);
    QCOMPARE(e.module, eModule);
    QCOMPARE(e.from, eFrom);
    QCOMPARE(e.to, eTo);
    QCOMPARE(d.ComboBox4->currentText(), eModule);
    // Both range lists of a page hold the same Elements.
    for (Page page : {Page::Training, Page::Exam}) {
        QCOMPARE(fromList(d, page)->count(), d.ElementTotal(page));
        QCOMPARE(toList(d, page)->count(), d.ElementTotal(page));
        if (d.ElementTotal(page) > 0)
            QCOMPARE(toList(d, page)->itemText(d.ElementTotal(page) - 1),
                     d.ElementAt(page, d.ElementTotal(page) - 1));
    }
    QCOMPARE(dir.read(lit("config.ini")), config);
}

void TestOptions::loadSettings_fieldsAndSwitches_data()
{
    QTest::addColumn<QByteArray>("config");
    QTest::addColumn<QStringList>("fields"); // Edit1, Edit3, Edit2
    QTest::addColumn<QList<bool>>("switches");
    QTest::newRow("as stored") << QByteArray("[Test]\nTNumOfEl=35\nTimerMSec=8000\nIfexec=0\nIfNoTimeLimit=1\nIfShowNum=0\n"
                                             "[Exam]\nENumOfEl=50\n")
                               << QStringList{lit("35"), lit("8000"), lit("50")} << QList<bool>{false, true, false};
    QTest::newRow("garbage numbers unchanged")
        << QByteArray("[Test]\nTNumOfEl=abc\nTimerMSec=12,5\n[Exam]\nENumOfEl=-7\n")
        << QStringList{lit("abc"), lit("12,5"), lit("-7")} << QList<bool>{true, false, true};
    QTest::newRow("long timer shown whole") << QByteArray("[Test]\nTimerMSec=1234567\n")
                                            << QStringList{lit("20"), lit("1234567"), lit("20")}
                                            << QList<bool>{true, false, true};
    QTest::newRow("Ifexec 2") << QByteArray("[Test]\nIfexec=2\n") << QStringList{lit("20"), lit("6000"), lit("20")}
                              << QList<bool>{false, false, true};
    QTest::newRow("Ifexec not a number") << QByteArray("[Test]\nIfexec=no\nIfShowNum=x\n")
                                         << QStringList{lit("20"), lit("6000"), lit("20")}
                                         << QList<bool>{true, false, true};
    QTest::newRow("0x1 reads as 1") << QByteArray("[Test]\nIfexec=0x1\nIfNoTimeLimit=0x1\nIfShowNum=0x1\n")
                                    << QStringList{lit("20"), lit("6000"), lit("20")} << QList<bool>{true, true, true};
}

void TestOptions::loadSettings_fieldsAndSwitches()
{
    QFETCH(QByteArray, config);
    QFETCH(QStringList, fields);
    QFETCH(QList<bool>, switches);
    TestDataDir dir;
    dir.write(lit("config.ini"), config);
    Tfrm_options d;
    // Edited values are replaced by the next load.
    d.Edit1->setText(lit("999"));
    d.CheckBox1->setChecked(!switches.at(0));
    d.CheckBox2->setChecked(!switches.at(1));
    d.CheckBox3->setChecked(!switches.at(2));
    d.LoadOptions();
    QCOMPARE((QStringList{d.NumberOfElementsText(Page::Training), d.TimerText(), d.NumberOfElementsText(Page::Exam)}),
             fields);
    QCOMPARE((QList<bool>{d.DoExercises(), d.UnlimitedTime(), d.ShowSerialNumber()}), switches);
}

void TestOptions::modulePick_resetsRange_data()
{
    QTest::addColumn<int>("pageNumber");
    QTest::newRow("Training") << int(Page::Training);
    QTest::newRow("Exam") << int(Page::Exam);
}

void TestOptions::modulePick_resetsRange()
{
    QFETCH(int, pageNumber);
    const Page page = Page(pageNumber);
    TestDataDir dir;
    dir.write(lit("modules.ini"), Library);
    dir.write(lit("config.ini"), "[Test]\nTMName=Dup\nTDiapFrom=q\nTDiapTo=p\n[Exam]\nEMName=Dup\nEDiapFrom=q\nEDiapTo=p\n");
    Tfrm_options d;
    d.LoadOptions();
    QComboBox *modules = moduleList(d, page);
    const Page other = page == Page::Training ? Page::Exam : Page::Training;
    QCOMPARE(d.RangeFrom(page), 1);
    QCOMPARE(d.RangeTo(page), 0);

    // Selecting a Module without the user (as loading does) refills nothing.
    modules->setCurrentIndex(0);
    QCOMPARE(d.ModuleName(page), lit("Alpha"));
    QCOMPARE(d.ElementAt(page, 0), lit("p"));
    QCOMPARE(d.RangeFrom(page), 1);

    // The user picks the next Module with the keyboard: whole range.
    QTest::keyClick(modules, Qt::Key_Down);
    QCOMPARE(d.ModuleName(page), lit("Beta"));
    QCOMPARE(d.ElementTotal(page), 2);
    QCOMPARE(d.ElementAt(page, 0), lit("x"));
    QCOMPARE(d.RangeFrom(page), 0);
    QCOMPARE(d.RangeTo(page), 1);

    // A narrowed range is reset by picking the Module again.
    fromList(d, page)->setCurrentIndex(1);
    toList(d, page)->setCurrentIndex(0);
    Q_EMIT modules->activated(modules->currentIndex());
    QCOMPARE(d.RangeFrom(page), 0);
    QCOMPARE(d.RangeTo(page), 1);

    // A Module without Elements empties both lists.
    modules->setCurrentIndex(modules->findText(lit("Holes")));
    QTest::keyClick(modules, Qt::Key_Down); // Holes -> One
    QTest::keyClick(modules, Qt::Key_Down); // One -> None
    QCOMPARE(d.ModuleName(page), lit("None"));
    QCOMPARE(d.ElementTotal(page), 0);
    QCOMPARE(d.RangeFrom(page), -1);
    QCOMPARE(d.RangeTo(page), -1);
    QCOMPARE(fromList(d, page)->count(), 0);

    // The other page is left alone.
    QCOMPARE(d.ModuleName(other), lit("Dup"));
    QCOMPARE(d.RangeFrom(other), 1);
    QCOMPARE(d.RangeTo(other), 0);
}

void TestOptions::spinButtons_data()
{
    QTest::addColumn<int>("field"); // 1, 2 or 3: Edit1, Edit2, Edit3
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("presses"); // u, d: buttons; U, D: arrow keys in the field
    QTest::addColumn<QString>("shown");
    QTest::newRow("999 up") << 1 << lit("999") << lit("u") << lit("1000");
    QTest::newRow("999 up up") << 1 << lit("999") << lit("uu") << lit("1000");
    QTest::newRow("exam 999 up up") << 2 << lit("999") << lit("uu") << lit("1000");
    QTest::newRow("20 down") << 1 << lit("20") << lit("d") << lit("20");
    QTest::newRow("arrow keys") << 2 << lit("500") << lit("UUD") << lit("501");
    QTest::newRow("not a number") << 1 << lit("abc") << lit("u") << lit("21");
    QTest::newRow("below the limits") << 1 << lit("5") << lit("u") << lit("20");
    QTest::newRow("timer top") << 3 << lit("19999") << lit("uuu") << lit("20000");
    QTest::newRow("timer bottom") << 3 << lit("5001") << lit("ddd") << lit("5000");
    QTest::newRow("timer above") << 3 << lit("99999") << lit("D") << lit("20000");
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
    QLineEdit *edit = field == 1 ? d.Edit1 : field == 2 ? d.Edit2 : d.Edit3;
    UpDown *spin = field == 1 ? d.UpDown1 : field == 2 ? d.UpDown2 : d.UpDown3;
    d.PageControl1->setCurrentWidget(field == 2 ? d.TabSheet2 : d.TabSheet1);
    edit->setText(start);
    for (QChar press : presses) {
        if (press == QLatin1Char('u') || press == QLatin1Char('d'))
            QTest::mouseClick(press == QLatin1Char('u') ? spin->UpButton : spin->DownButton, Qt::LeftButton);
        else
            QTest::keyClick(edit, press == QLatin1Char('U') ? Qt::Key_Up : Qt::Key_Down);
    }
    QCOMPARE(edit->text(), shown);
    QCOMPARE(spin->Position(), shown.toInt());
}

void TestOptions::timerField_typingLimit()
{
    TestDataDir dir;
    dir.write(lit("config.ini"), "[Test]\nTimerMSec=1234567\n");
    Tfrm_options d;
    d.show();
    d.LoadOptions();
    QCOMPARE(d.Edit3->text(), lit("1234567"));
    d.Edit3->setFocus();
    d.Edit3->end(false);
    QTest::keyClicks(d.Edit3, lit("8"));
    QCOMPARE(d.Edit3->text(), lit("1234567"));
    QTest::keyClick(d.Edit3, Qt::Key_Backspace);
    QCOMPARE(d.Edit3->text(), lit("123456"));

    d.Edit3->clear();
    QTest::keyClicks(d.Edit3, lit("123456"));
    QCOMPARE(d.Edit3->text(), lit("12345"));
    d.Edit3->clear();
    QTest::keyClicks(d.Edit3, lit("ab cde!"));
    QCOMPARE(d.Edit3->text(), lit("ab cd"));

    // The number fields take any text of any length.
    d.Edit1->clear();
    QTest::keyClicks(d.Edit1, lit("abc 1234567"));
    QCOMPARE(d.NumberOfElementsText(Page::Training), lit("abc 1234567"));
}

void TestOptions::ok_writesAllTwelveKeysInOrder()
{
    TestDataDir dir;
    TestUser user;
    dir.write(lit("modules.ini"), Library);
    Tfrm_options d;
    user.scripts.push_back([](QDialog *dialog) {
        auto *d = static_cast<Tfrm_options *>(dialog);
        d->Edit1->clear();
        QTest::keyClicks(d->Edit1, lit("abc"));
        QTest::mouseClick(d->UpDown3->DownButton, Qt::LeftButton);
        d->CheckBox1->setChecked(false);
        d->CheckBox2->setChecked(true);
        d->ComboBox2->setCurrentIndex(2); // reversed: c .. b
        d->ComboBox3->setCurrentIndex(1);
        d->ComboBox4->setCurrentIndex(d->ComboBox4->findText(lit("None")));
        Q_EMIT d->ComboBox4->activated(d->ComboBox4->currentIndex());
        QTest::mouseClick(d->BitBtn1, Qt::LeftButton);
    });
    QCOMPARE(Dialogs::ExecModal(&d), int(QDialog::Accepted));
    QVERIFY(!d.isVisible());
    QCOMPARE(fileLines(dir.read(lit("config.ini"))),
             (QStringList{lit("[Test]"), lit("TNumOfEl=abc"), lit("TimerMSec=5999"), lit("TMName=Alpha"),
                          lit("TDiapFrom=c"), lit("TDiapTo=b"), lit("Ifexec=0"), lit("IfNoTimeLimit=1"),
                          lit("IfShowNum=1"), QString(), lit("[Exam]"), lit("ENumOfEl=20"), lit("EMName=None"),
                          lit("EDiapFrom="), lit("EDiapTo="), QString()}));
    QVERIFY(user.asked.isEmpty());

    // The next opening shows what was saved.
    user.scripts.push_back([](QDialog *) {});
    Dialogs::ExecModal(&d);
    QCOMPARE(d.NumberOfElementsText(Page::Training), lit("abc"));
    QCOMPARE(d.RangeFrom(Page::Training), 2);
    QCOMPARE(d.RangeTo(Page::Training), 1);
    QCOMPARE(d.ModuleName(Page::Exam), lit("None"));
}

void TestOptions::ok_existingFile_keepsOtherLines()
{
    TestDataDir dir;
    TestUser user;
    dir.write(lit("modules.ini"), Library);
    const QByteArray before = "; kept comment\r\n"
                              "[Test]\r\n"
                              "TMName=Beta\r\n"
                              "Other=1\r\n"
                              "\r\n"
                              "[Mine]\r\n"
                              "; another\r\n"
                              "k=v\r\n";
    dir.write(lit("config.ini"), before);
    Tfrm_options d;
    user.scripts.push_back([](QDialog *dialog) { QTest::keyClick(dialog, Qt::Key_Return); });
    QCOMPARE(Dialogs::ExecModal(&d), int(QDialog::Accepted));
    QCOMPARE(fileLines(dir.read(lit("config.ini"))),
             (QStringList{lit("; kept comment"), lit("[Test]"), lit("TMName=Beta"), lit("Other=1"),
                          lit("TNumOfEl=20"), lit("TimerMSec=6000"), lit("TDiapFrom=x"), lit("TDiapTo=y"),
                          lit("Ifexec=1"), lit("IfNoTimeLimit=0"), lit("IfShowNum=1"), QString(), lit("[Mine]"),
                          lit("; another"), lit("k=v"), QString(), lit("[Exam]"), lit("ENumOfEl=20"),
                          lit("EMName=Alpha"), lit("EDiapFrom=a"), lit("EDiapTo=c"), QString()}));
}

void TestOptions::ok_writeFailure_reportedAndClosed()
{
    TestDataDir dir;
    TestUser user;
    dir.write(lit("modules.ini"), Library);
    Tfrm_options d;
    ReadOnlyDir readOnly(dir.dir());
    if (!readOnly.ok())
        QSKIP("the directory can't be made read-only here");
    user.scripts.push_back([](QDialog *dialog) {
        QTest::mouseClick(static_cast<Tfrm_options *>(dialog)->BitBtn1, Qt::LeftButton);
    });
    QCOMPARE(Dialogs::ExecModal(&d), int(QDialog::Accepted));
    QCOMPARE(user.asked.size(), 1);
    QCOMPARE(user.asked.at(0).kind, Dialogs::Kind::Error);
    QCOMPARE(user.asked.at(0).text, lit("Unable to write to ") + dir.path(lit("config.ini")));
    QVERIFY(!dir.exists(lit("config.ini")));
    QVERIFY(!d.isVisible());
}

void TestOptions::closeKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("result");
    QTest::newRow("Enter presses OK") << int(Qt::Key_Return) << int(QDialog::Accepted);
    QTest::newRow("Escape cancels") << int(Qt::Key_Escape) << int(QDialog::Rejected);
}

void TestOptions::closeKeys()
{
    QFETCH(int, key);
    QFETCH(int, result);
    TestDataDir dir;
    TestUser user;
    Tfrm_options d;
    user.scripts.push_back([key](QDialog *dialog) { QTest::keyClick(dialog, Qt::Key(key)); });
    QCOMPARE(Dialogs::ExecModal(&d), result);
    QCOMPARE(dir.exists(lit("config.ini")), result == int(QDialog::Accepted));
}

void TestOptions::cancel_keepsEditsUntilNextOpening()
{
    TestDataDir dir;
    TestUser user;
    dir.write(lit("modules.ini"), Library);
    const QByteArray config = "[Test]\nTNumOfEl=30\nTMName=Alpha\n";
    dir.write(lit("config.ini"), config);
    Tfrm_options d;
    user.scripts.push_back([](QDialog *dialog) {
        auto *d = static_cast<Tfrm_options *>(dialog);
        QCOMPARE(d->NumberOfElementsText(Page::Training), lit("30"));
        d->Edit1->setText(lit("55"));
        d->CheckBox1->setChecked(false);
        QTest::keyClick(d->ComboBox1, Qt::Key_Down); // Beta
        d->ComboBox2->setCurrentIndex(1);
        QTest::mouseClick(d->BitBtn2, Qt::LeftButton);
    });
    QCOMPARE(Dialogs::ExecModal(&d), int(QDialog::Rejected));
    QCOMPARE(dir.read(lit("config.ini")), config);
    // The edits are the Settings in force.
    QCOMPARE(d.NumberOfElementsText(Page::Training), lit("55"));
    QVERIFY(!d.DoExercises());
    QCOMPARE(d.ModuleName(Page::Training), lit("Beta"));
    QCOMPARE(d.ElementAt(Page::Training, d.RangeFrom(Page::Training)), lit("y"));

    // Opening again reloads the file.
    user.scripts.push_back([](QDialog *dialog) { static_cast<Tfrm_options *>(dialog)->BitBtn2->click(); });
    Dialogs::ExecModal(&d);
    QCOMPARE(d.NumberOfElementsText(Page::Training), lit("30"));
    QVERIFY(d.DoExercises());
    QCOMPARE(d.ModuleName(Page::Training), lit("Alpha"));
    QCOMPARE(d.RangeFrom(Page::Training), 0);
}

void TestOptions::badInput_loadsAndChangesNoFile()
{
    TestDataDir dir;
    TestUser user;
    QByteArray modules;
    for (int i = 0; i < 20000; ++i)
        modules += "[M" + QByteArray::number(i) + "]\r\nData=" + QByteArray::number(i) + ",,x\r\n\r\n";
    QByteArray big;
    for (int i = 0; i < 1250000; ++i)
        big += "elem" + QByteArray::number(i % 1000).rightJustified(3, '0') + ',';
    const QByteArray blob(10 * 1000 * 1000, 'z');
    modules = "[Big]\r\nData=" + big + "\r\n[Blob]\r\nData=" + blob + "\r\n" + modules;
    const QByteArray config = "[Test]\nTNumOfEl=\"12\"\nTimerMSec=" + QByteArray(3000, '9') +
                              "\nTMName=Big\nTDiapFrom=elem999\nTDiapTo=elem001\nIfexec=0x\n"
                              "[Exam]\nEMName=Blob\nEDiapFrom=" + QByteArray(3000, 'z') + "\nENumOfEl=2147483648\n";
    dir.write(lit("modules.ini"), modules);
    dir.write(lit("config.ini"), config);
    Tfrm_options d;
    user.scripts.push_back([](QDialog *dialog) {
        auto *d = static_cast<Tfrm_options *>(dialog);
        d->PageControl1->setCurrentWidget(d->TabSheet2);
        QCoreApplication::processEvents();
        d->PageControl1->setCurrentWidget(d->TabSheet1);
    });
    QCOMPARE(Dialogs::ExecModal(&d), int(QDialog::Rejected));
    QVERIFY(user.asked.isEmpty());
    // The Module lists keep what fits in the names' buffer.
    QVERIFY(d.ComboBox1->count() > 1000 && d.ComboBox1->count() < 20002);
    QCOMPARE(d.ComboBox4->count(), d.ComboBox1->count());
    QCOMPARE(d.NumberOfElementsText(Page::Training), lit("12"));
    QCOMPARE(d.TimerText(), QString(2047, QLatin1Char('9')));
    QVERIFY(d.DoExercises());
    QCOMPARE(d.ModuleName(Page::Training), lit("Big"));
    QCOMPARE(d.ElementTotal(Page::Training), 1250000);
    QCOMPARE(d.RangeFrom(Page::Training), 999);
    QCOMPARE(d.RangeTo(Page::Training), 1);
    QCOMPARE(d.ModuleName(Page::Exam), lit("Blob"));
    QCOMPARE(d.ElementTotal(Page::Exam), 1);
    QCOMPARE(d.ElementAt(Page::Exam, 0).size(), blob.size());
    QVERIFY(d.ComboBox5->currentText().size() < 2000); // shown cut, so drawing it stays quick
    QCOMPARE(d.RangeFrom(Page::Exam), 0); // the stored bound was cut, so it no longer matches
    QCOMPARE(d.NumberOfElementsText(Page::Exam), lit("2147483648"));
    // An Element list with empty Elements.
    d.ComboBox1->setCurrentIndex(d.ComboBox1->findText(lit("M7")));
    d.ComboBox1Change();
    QCOMPARE(d.ElementTotal(Page::Training), 3);
    QCOMPARE(d.ElementAt(Page::Training, 1), QString());
    QCOMPARE(dir.read(lit("modules.ini")), modules);
    QCOMPARE(dir.read(lit("config.ini")), config);
}

QTEST_MAIN(TestOptions)
#include "tst_options.moc"
