// Every window can be used without a mouse and with a screen reader: each
// control has an accessible name, buttons and check boxes have mnemonics,
// and the tab order follows the visual order.

#include "app/forms.h"
#include "app/frmhelp.h"
#include "app/frmmain.h"
#include "engine/frmexe.h"
#include "engine/frmtest.h"
#include "library/frmmodules.h"
#include "library/frmname.h"
#include "library/frmoptions.h"
#include "platform/dialogs.h"
#include "results/frmresults.h"
#include "tests/fakespeech.h"
#include "tests/testsupport.h"
#include "tests/testuser.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAccessibleTableInterface>
#include <QAccessibleTextInterface>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMap>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QStyleOptionComboBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>
#include <QTranslator>

#include <algorithm>
#include <memory>

namespace {

// The controls a user works with, not the parts Qt builds inside them.
bool isControl(const QWidget *w)
{
    if (w->objectName().startsWith(QLatin1String("qt_")))
        return false; // Qt's own helpers, such as the menu bar's overflow button
    for (const QWidget *p = w->parentWidget(); p; p = p->parentWidget()) {
        if (qobject_cast<const QComboBox *>(p) || qobject_cast<const QAbstractSpinBox *>(p)
            || qobject_cast<const QAbstractItemView *>(p) || qobject_cast<const QTabBar *>(p))
            return false;
    }
    if (w->inherits("QScrollBar") || w->inherits("QHeaderView") || w->inherits("QTabBar"))
        return false;
    return qobject_cast<const QAbstractButton *>(w) || qobject_cast<const QLineEdit *>(w)
           || qobject_cast<const QComboBox *>(w) || qobject_cast<const QAbstractSpinBox *>(w)
           || qobject_cast<const QAbstractItemView *>(w) || qobject_cast<const QPlainTextEdit *>(w)
           || qobject_cast<const QTabWidget *>(w);
}

QList<QWidget *> controlsOf(QWidget *window)
{
    QList<QWidget *> out;
    const QList<QWidget *> all = window->findChildren<QWidget *>();
    for (QWidget *w : all)
        if (w->window() == window && isControl(w)) // not the dialogs it owns
            out << w;
    return out;
}

// Names a control so that two of one class tell apart: by object name,
// accessible name and place in its window.
QString describe(const QWidget *w)
{
    const QPoint at = w->mapTo(w->window(), QPoint(0, 0));
    return QStringLiteral("%1 \"%2\" (%3) at %4,%5 in %6")
        .arg(w->objectName(), w->accessibleName(), QString::fromLatin1(w->metaObject()->className()))
        .arg(at.x())
        .arg(at.y())
        .arg(w->window()->windowTitle());
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void everyControlHasAName_data();
    void everyControlHasAName();
    void buttonsAndCheckBoxesHaveMnemonics_data();
    void buttonsAndCheckBoxesHaveMnemonics();
    void tabOrderFollowsVisualOrder_data();
    void tabOrderFollowsVisualOrder();
    void menusHaveMnemonics();
    void mnemonicsDoNotClash_data();
    void mnemonicsDoNotClash();
    void captionShownWhole_data();
    void captionShownWhole();
    void screenReaderGetsPlainTextAndClickActions();
    void tabLeavesTables_data();
    void tabLeavesTables();

private:
    std::unique_ptr<TestDataDir> m_dir;
    std::unique_ptr<TestUser> m_user;
    std::unique_ptr<FakeSpeech> m_speech;
    Forms m_forms;
    QWidget *window(const QString &name) const;
    void addWindowRows();
};

// Run again in each shipped language (tests/CMakeLists.txt), where the
// translated texts must still fit, keep their mnemonics apart and name
// every control.
void TestAccessibility::initTestCase()
{
    const QString translation = qEnvironmentVariable("TENACIO_TEST_TRANSLATION");
    if (translation.isEmpty())
        return;
    auto *translator = new QTranslator(this);
    QVERIFY2(translator->load(translation), qPrintable(translation));
    QCoreApplication::installTranslator(translator);
}

void TestAccessibility::init()
{
    m_dir = std::make_unique<TestDataDir>();
    m_dir->Write(QStringLiteral("modules.ini"), "[Numbers]\r\nData=1,2,3\r\n\r\n");
    // Speech on, so that its controls are all in reach.
    m_dir->Write(QStringLiteral("config.ini"), "[Test]\r\nIfSpeak=1\r\n");
    m_speech = std::make_unique<FakeSpeech>();
    m_user = std::make_unique<TestUser>();
    m_forms = CreateForms();
    m_forms.frm_main->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_forms.frm_main));
}

void TestAccessibility::cleanup()
{
    DestroyForms(m_forms);
    m_speech.reset();
    m_user.reset();
    m_dir.reset();
}

QWidget *TestAccessibility::window(const QString &name) const
{
    const QList<QWidget *> windows{m_forms.frm_main,    m_forms.frm_test, m_forms.frm_exe,     m_forms.frm_results,
                                   m_forms.frm_modules, m_forms.frm_name, m_forms.frm_options, m_forms.frm_help};
    const QStringList names{QStringLiteral("main"),    QStringLiteral("runner"), QStringLiteral("exercises"),
                            QStringLiteral("report"),  QStringLiteral("editor"), QStringLiteral("name prompt"),
                            QStringLiteral("options"), QStringLiteral("about")};
    return windows.at(names.indexOf(name));
}

void TestAccessibility::addWindowRows()
{
    QTest::addColumn<QString>("name");
    for (const char *n : {"main", "runner", "exercises", "report", "editor", "name prompt", "options", "about"})
        QTest::newRow(n) << QString::fromLatin1(n);
}

void TestAccessibility::everyControlHasAName_data() { addWindowRows(); }

void TestAccessibility::everyControlHasAName()
{
    QFETCH(QString, name);
    QWidget *w = window(name);
    const QList<QWidget *> controls = controlsOf(w);
    QVERIFY(!controls.isEmpty());
    for (QWidget *c : controls) {
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(c);
        QVERIFY2(iface, qPrintable(describe(c)));
        QVERIFY2(!iface->text(QAccessible::Name).trimmed().isEmpty(), qPrintable(describe(c)));
        // A drop-down is read by its caption, then by the entry it shows.
        if (const auto *box = qobject_cast<const QComboBox *>(c)) {
            QAccessibleTextInterface *text = iface->textInterface();
            QVERIFY2(text, qPrintable(describe(c)));
            QCOMPARE(text->text(0, text->characterCount()), box->currentText());
            if (!box->accessibleName().isEmpty())
                QCOMPARE(iface->text(QAccessible::Name), box->accessibleName());
        }
    }
}

void TestAccessibility::buttonsAndCheckBoxesHaveMnemonics_data() { addWindowRows(); }

void TestAccessibility::buttonsAndCheckBoxesHaveMnemonics()
{
    QFETCH(QString, name);
    QWidget *w = window(name);
    for (QAbstractButton *b : w->findChildren<QAbstractButton *>()) {
        if (b->window() != w || !isControl(b) || b->text().isEmpty())
            continue;
        // An underlined letter, or a sign pressed by Alt and itself.
        const qsizetype amp = b->text().indexOf(QLatin1Char('&'));
        const bool altKey = !b->shortcut().isEmpty() && b->shortcut()[0].keyboardModifiers() == Qt::AltModifier;
        QVERIFY2((amp >= 0 && amp + 1 < b->text().size()) || altKey,
                 qPrintable(describe(b) + QStringLiteral(": ") + b->text()));
    }
}

void TestAccessibility::tabOrderFollowsVisualOrder_data()
{
    QTest::addColumn<QString>("name");
    for (const char *n : {"exercises", "report", "editor", "name prompt", "options", "about"})
        QTest::newRow(n) << QString::fromLatin1(n);
}

void TestAccessibility::tabOrderFollowsVisualOrder()
{
    QFETCH(QString, name);
    auto *dialog = qobject_cast<QDialog *>(window(name));
    QVERIFY(dialog);
    m_user->scripts.push_back([&](QDialog *d) {
        // The focus chain, as far as it reaches visible focusable controls.
        QList<QWidget *> chain;
        QWidget *start = d->nextInFocusChain();
        QWidget *w = start;
        do {
            if (w->isVisibleTo(d) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) && w->window() == d
                && isControl(w) && !chain.contains(w))
                chain << w;
            w = w->nextInFocusChain();
        } while (w && w != start);
        QVERIFY(!chain.isEmpty());
        // Visual order: rows from top to bottom, left to right within a row.
        QList<QWidget *> visual = chain;
        const auto place = [d](QWidget *x) { return x->mapTo(d, QPoint(0, 0)); };
        std::stable_sort(visual.begin(), visual.end(), [&](QWidget *a, QWidget *b) {
            const QPoint pa = place(a);
            const QPoint pb = place(b);
            if (qAbs(pa.y() - pb.y()) > qMin(a->height(), b->height()) / 2)
                return pa.y() < pb.y();
            return pa.x() < pb.x();
        });
        // The chain may start anywhere; it must run through the controls in
        // visual order, wrapping round once.
        const qsizetype first = chain.indexOf(visual.first());
        QList<QWidget *> rotated = chain.mid(first) + chain.mid(0, first);
        QStringList got;
        QStringList want;
        for (QWidget *x : rotated)
            got << describe(x);
        for (QWidget *x : visual)
            want << describe(x);
        QCOMPARE(got, want);
    });
    if (name == QLatin1String("options"))
        m_forms.frm_main->Configurations1Click();
    else if (name == QLatin1String("editor"))
        m_forms.frm_main->Modules1Click();
    else if (name == QLatin1String("about"))
        m_forms.frm_main->Help1Click();
    else
        Dialogs::ExecModal(dialog);
    QCOMPARE(m_user->opened.size(), 1);
}

void TestAccessibility::menusHaveMnemonics()
{
    QList<QAction *> actions = m_forms.frm_main->menuBar()->actions();
    actions += m_forms.frm_main->est1->actions();
    for (QAction *a : actions)
        QVERIFY2(a->text().contains(QLatin1Char('&')), qPrintable(a->text()));
}

void TestAccessibility::mnemonicsDoNotClash_data() { addWindowRows(); }

void TestAccessibility::mnemonicsDoNotClash()
{
    // The letters a window's Alt keys go to: its buttons, the labels that
    // lead to a control, and the main window's menu titles. Controls on a
    // page not shown count with that page only, so only what is visible.
    QFETCH(QString, name);
    QWidget *w = window(name);
    QStringList texts;
    for (QAbstractButton *b : w->findChildren<QAbstractButton *>())
        if (b->window() == w && isControl(b) && b->isVisibleTo(w))
            texts << b->text();
    for (QLabel *l : w->findChildren<QLabel *>())
        if (l->window() == w && l->buddy() && l->isVisibleTo(w))
            texts << l->text();
    if (auto *main = qobject_cast<QMainWindow *>(w))
        for (QAction *a : main->menuBar()->actions())
            texts << a->text();
    QMap<QChar, QString> seen;
    for (const QString &text : std::as_const(texts)) {
        const qsizetype amp = text.indexOf(QLatin1Char('&'));
        if (amp < 0 || amp + 1 >= text.size())
            continue;
        const QChar key = text.at(amp + 1).toLower();
        QVERIFY2(!seen.contains(key), qPrintable(seen.value(key) + QStringLiteral(" and ") + text));
        seen.insert(key, text);
    }
}

void TestAccessibility::captionShownWhole_data()
{
    QTest::addColumn<QString>("name");
    for (const char *n : {"runner", "exercises", "report", "editor", "name prompt", "options", "about", "confirm box",
                          "message box", "options' voice list"})
        QTest::newRow(n) << QString::fromLatin1(n);
}

// A dialog is wide enough for a window manager to show its caption whole:
// a narrow one had "Do exercises" cut to "Do e…ses" in its title bar.
void TestAccessibility::captionShownWhole()
{
    QFETCH(QString, name);
    // A list shows each of its items whole ("Automatisch (nach Schrift)"
    // was cut to "Automatisc").
    if (name.endsWith(QLatin1String(" list"))) {
        auto *options = static_cast<Tfrm_options *>(window(QStringLiteral("options")));
        options->show();
        QVERIFY(QTest::qWaitForWindowExposed(options));
        QComboBox *list = options->ComboBox7;
        QStyleOptionComboBox opt;
        opt.initFrom(list);
        const QRect field =
            list->style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, list);
        QVERIFY(list->count() > 0);
        for (int i = 0; i < list->count(); ++i)
            QVERIFY2(list->fontMetrics().horizontalAdvance(list->itemText(i)) <= field.width(),
                     qPrintable(QStringLiteral("\"%1\" in %2 pixels").arg(list->itemText(i)).arg(field.width())));
        return;
    }
    // A box with a short question under a title longer than it ("Прервать
    // тест?" under "Подтверждение").
    std::unique_ptr<QMessageBox> box;
    if (name.endsWith(QLatin1String(" box"))) {
        box = name.startsWith(QLatin1String("confirm"))
                  ? Dialogs::MakeBox(Dialogs::Kind::Confirm, QCoreApplication::translate("Dialogs", "Confirm"),
                                     QStringLiteral("?"), m_forms.frm_main)
                  : Dialogs::MakeBox(Dialogs::Kind::Message, QStringLiteral("Tenacio"), QStringLiteral("4"),
                                     m_forms.frm_main);
        box->show();
        QVERIFY(QTest::qWaitForWindowExposed(box.get()));
    }
    QWidget *w = box ? box.get() : window(name);
    if (name == QLatin1String("runner"))
        w->setWindowTitle(QStringLiteral("Introductory Test")); // the longest the launcher gives it
    QVERIFY(!w->windowTitle().isEmpty());
    QVERIFY2(w->width() >= Dialogs::CaptionWidth(w),
             qPrintable(QStringLiteral("%1 wide, %2 needed").arg(w->width()).arg(Dialogs::CaptionWidth(w))));
}

void TestAccessibility::screenReaderGetsPlainTextAndClickActions()
{
    if (!qEnvironmentVariableIsEmpty("TENACIO_TEST_TRANSLATION"))
        QSKIP("Compares the English texts");
    Tfrm_main *main = m_forms.frm_main;
    // The note over the empty list is painted; the list itself says it.
    QAccessibleInterface *list = QAccessible::queryAccessibleInterface(main->StringGrid1);
    QVERIFY(list->text(QAccessible::Description).startsWith(QStringLiteral("No Exam results yet.")));
    // The toggle's own action lists the other results, as a click does.
    QAccessibleInterface *toggle = QAccessible::queryAccessibleInterface(main->SpeedButton1);
    // A button named by what it lists, not a check box "not checked".
    QCOMPARE(toggle->role(), QAccessible::Button);
    QVERIFY(!toggle->state().checkable);
    QVERIFY(toggle->actionInterface());
    toggle->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    QVERIFY(main->SpeedButton1->isChecked());
    QCOMPARE(main->Label2->text(), QStringLiteral("Training results"));
    QVERIFY(list->text(QAccessible::Description).startsWith(QStringLiteral("No Training results yet.")));

    // The report's lines from the file: their text, not their tip's markup.
    m_dir->Write(QStringLiteral("examres.ini"), "[run]\r\nTotal=1\r\nErrors=0\r\nKoeff=5\r\nRes=a\r\nAnsw=a\r\n"
                                                "Module=<b>Words</b>\r\nFrom=a\r\nTo=a\r\n");
    Tfrm_results *report = m_forms.frm_results;
    report->Reopen(m_dir->Path(QStringLiteral("examres.ini")), QStringLiteral("run"));
    for (QLabel *label : {report->LabelModule, report->LabelComparison}) {
        const QString read = QAccessible::queryAccessibleInterface(label)->text(QAccessible::Description);
        QCOMPARE(read, label->text());
        QVERIFY2(!read.contains(QStringLiteral("<p")), qPrintable(read));
    }
    QVERIFY(report->LabelModule->text().contains(QStringLiteral("<b>Words</b>")));

    // Each figure is read with its caption, a line at a time.
    QCOMPARE(report->LabelKoeff->accessibleName(), QStringLiteral("Correct answers: 1, Koeff: 5"));
    QCOMPARE(report->Label1->accessibleName(), QStringLiteral("Number of elements: 1"));
    report->FormShow();
    report->ComboScoring->setCurrentIndex(1); // Rows
    const QString score = QAccessible::queryAccessibleInterface(report->LabelScore)->text(QAccessible::Description);
    QVERIFY(!score.isEmpty());
    QCOMPARE(score, report->LabelScore->text());
    // The tables' columns by their names, though their own headers are hidden.
    QAccessibleTableInterface *sheet = QAccessible::queryAccessibleInterface(report->StringGrid1)->tableInterface();
    QVERIFY(sheet);
    QCOMPARE(sheet->columnDescription(2), QStringLiteral("Answer"));
    QCOMPARE(list->tableInterface()->columnDescription(2), QStringLiteral("Mark"));
    // The toggle says which results are listed.
    QCOMPARE(toggle->text(QAccessible::Name), QStringLiteral("Training results listed; press to list Exam results"));
}

void TestAccessibility::tabLeavesTables_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("history") << QStringLiteral("main");
    QTest::newRow("answer sheet") << QStringLiteral("report");
}

// Tab goes on to the next control from a table, as from any other; the
// arrow keys move within it.
void TestAccessibility::tabLeavesTables()
{
    QFETCH(QString, name);
    const auto check = [](QAbstractItemView *table, QWidget *next) {
        table->setFocus();
        QCOMPARE(table->window()->focusWidget(), table);
        QTest::keyClick(table, Qt::Key_Tab);
        QCOMPARE(table->window()->focusWidget(), next);
    };
    if (name == QLatin1String("main")) {
        check(m_forms.frm_main->StringGrid1, m_forms.frm_main->SpeedButton1);
        return;
    }
    Tfrm_results *report = m_forms.frm_results;
    report->SetRowCount(3);
    m_user->scripts.push_back([&](QDialog *) { check(report->StringGrid1, report->ComboScoring); });
    Dialogs::ExecModal(report);
    QCOMPARE(m_user->opened.size(), 1);
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
