// No English left on a translated screen: every window is opened under a
// pseudo-language that marks each text it translates ("⟦ÿ…⟧"), and every
// text a window shows, its title, tool tips, accessible names, list items,
// table headings and cells, menus and status bar, must come from the
// marks. A text built without tr() stays unmarked and fails here, named
// with its window; the catalogue check (tst_translations) cannot see it.
//
// The user's own data is kept out of the way rather than exempted: the
// Elements and answers are digits, the runs are named by dates, and the
// Modules are the starter library's, named while the pseudo-language is
// in force. Exempt are the engine's voice names and the guide's document,
// which is English.

#include "app/appinfo.h"
#include "app/forms.h"
#include "app/frmhelp.h"
#include "app/frmmain.h"
#include "engine/frmexe.h"
#include "engine/frmtest.h"
#include "library/frmmodules.h"
#include "library/frmname.h"
#include "library/frmoptions.h"
#include "library/modules.h"
#include "results/frmresults.h"
#include "results/resultsstore.h"
#include "tests/fakespeech.h"
#include "tests/testsupport.h"
#include "tests/testuser.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTabBar>
#include <QTableWidget>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>
#include <QTranslator>

#include <memory>

namespace {

const QString Open = QStringLiteral("\u27E6\u00FF");
const QString Close = QStringLiteral("\u27E7");

// Every text asked for comes back marked, mnemonics kept and placeholders
// left outside the marks: what is put in their place must carry marks of
// its own (or be figures), so that an English reason inside a translated
// sentence is found.
class PseudoLanguage : public QTranslator
{
public:
    using QTranslator::QTranslator;
    QString translate(const char *, const char *source, const char *, int) const override
    {
        if (!source || !*source)
            return QString();
        static const QRegularExpression placeholder(QStringLiteral("%(?:n|L?[0-9]{1,2})"));
        const QString text = QString::fromUtf8(source);
        QString out;
        qsizetype at = 0;
        for (auto it = placeholder.globalMatch(text); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            if (m.capturedStart() > at)
                out += Open + text.mid(at, m.capturedStart() - at) + Close;
            out += m.captured();
            at = m.capturedEnd();
        }
        if (at < text.size())
            out += Open + text.mid(at) + Close;
        return out;
    }
    bool isEmpty() const override { return false; }
};

QString marked(const char *text) { return Open + QString::fromUtf8(text) + Close; }

// What is left of a text once its marked parts are taken out (innermost
// first, as a translated reason sits inside a translated sentence): it
// may hold digits, signs and blanks, never a letter.
bool fromTheMarks(QString text)
{
    static const QRegularExpression part(QStringLiteral("\u27E6\u00FF[^\u27E6\u27E7]*\u27E7"));
    for (qsizetype before = -1; before != text.size();) {
        before = text.size();
        text.remove(part);
    }
    return std::none_of(text.cbegin(), text.cend(), [](QChar c) { return c.isLetter(); });
}

class Texts
{
public:
    // Names no language translates, and the paths of files the test made.
    QStringList exempt{QStringLiteral("Tenacio"), QStringLiteral("Oberlund"), QStringLiteral(".csv")};

    void Add(const QString &where, const QString &text)
    {
        // Tool tips and links are markup around the text.
        static const QRegularExpression tag(QStringLiteral("</?[A-Za-z][^>]*>"));
        QString rest = text;
        rest.remove(tag);
        for (const QString &e : std::as_const(exempt))
            rest.remove(e);
        if (!rest.isEmpty() && !fromTheMarks(rest))
            m_faults << where + QStringLiteral(": \"") + text + QLatin1Char('"');
    }

    // The texts a window shows.
    void Window(QWidget *w, const QString &name)
    {
        Add(name + QStringLiteral(" title"), w->windowTitle());
        const QList<QWidget *> children = w->findChildren<QWidget *>();
        for (QWidget *c : children) {
            if (c->window() != w || !c->isVisibleTo(w))
                continue;
            const QString where =
                name + QLatin1Char(' ')
                + (c->objectName().isEmpty() ? QString::fromLatin1(c->metaObject()->className()) : c->objectName());
            Add(where + QStringLiteral(" tool tip"), c->toolTip());
            Add(where + QStringLiteral(" accessible name"), c->accessibleName());
            Add(where + QStringLiteral(" accessible description"), c->accessibleDescription());
            if (auto *label = qobject_cast<QLabel *>(c))
                Add(where, label->text());
            else if (auto *button = qobject_cast<QAbstractButton *>(c))
                Add(where, button->text());
            else if (auto *edit = qobject_cast<QLineEdit *>(c))
                Add(where + QStringLiteral(" placeholder"), edit->placeholderText());
            else if (auto *box = qobject_cast<QGroupBox *>(c))
                Add(where, box->title());
            else if (auto *bar = qobject_cast<QStatusBar *>(c))
                Add(where, bar->currentMessage());
            if (auto *list = qobject_cast<QComboBox *>(c)) {
                // The engine's voices are named by the engine (or the locale
                // data): only "System default" is the program's.
                const int count = c->objectName() == QLatin1String("ComboBox7") ? 1 : list->count();
                for (int i = 0; i < count; ++i)
                    Add(where + QStringLiteral(" item"), list->itemText(i));
            }
            if (auto *tabs = qobject_cast<QTabBar *>(c)) {
                for (int i = 0; i < tabs->count(); ++i) {
                    Add(where + QStringLiteral(" tab"), tabs->tabText(i));
                    Add(where + QStringLiteral(" tab tip"), tabs->tabToolTip(i));
                }
            }
            if (auto *menus = qobject_cast<QMenuBar *>(c))
                actions(menus->actions(), where);
            if (auto *view = qobject_cast<QAbstractItemView *>(c); view && view->model())
                table(view->model(), where);
        }
    }

    // What the boxes said, through the Dialogs seam.
    void Boxes(const TestUser &user)
    {
        for (const TestUser::Asked &asked : user.asked) {
            Add(QStringLiteral("box title"), asked.title);
            Add(QStringLiteral("box \"") + asked.title + QLatin1Char('"'), asked.text);
        }
    }

    QStringList Faults() const { return m_faults; }

private:
    void actions(const QList<QAction *> &list, const QString &where)
    {
        for (QAction *a : list) {
            Add(where + QStringLiteral(" menu"), a->text());
            Add(where + QStringLiteral(" menu tip"),
                a->toolTip() == QString(a->text()).remove(QLatin1Char('&')) ? QString() : a->toolTip());
            if (a->menu())
                actions(a->menu()->actions(), where);
        }
    }

    void table(const QAbstractItemModel *model, const QString &where)
    {
        for (int c = 0; c < model->columnCount(); ++c)
            Add(where + QStringLiteral(" heading"), model->headerData(c, Qt::Horizontal).toString());
        for (int r = 0; r < qMin(model->rowCount(), 50); ++r) {
            for (int c = 0; c < model->columnCount(); ++c) {
                const QModelIndex i = model->index(r, c);
                Add(where + QStringLiteral(" cell"), i.data(Qt::DisplayRole).toString());
                Add(where + QStringLiteral(" cell tip"), i.data(Qt::ToolTipRole).toString());
            }
        }
    }

    QStringList m_faults;
};

QByteArray storedRun(const QString &name, const char *figures)
{
    return "[" + name.toUtf8() + "]\r\nTotal=4\r\n" + figures + "Res=10,11,12,13\r\nAnsw=10,12,11,???\r\nModule="
           + marked("Two-digit numbers").toUtf8() + "\r\nFrom=10\r\nTo=99\r\n\r\n";
}

} // namespace

class TestPseudoLanguage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void everyTextTranslated_data();
    void everyTextTranslated();
    void marks_data();
    void marks();

private:
    std::unique_ptr<TestDataDir> m_dir;
    std::unique_ptr<FakeTicks> m_ticks;
    std::unique_ptr<TestRandom> m_random;
    std::unique_ptr<FakeNow> m_now;
    std::unique_ptr<FakeSpeech> m_speech;
    std::unique_ptr<TestUser> m_user;
    Forms m_forms;
};

void TestPseudoLanguage::initTestCase()
{
    QCoreApplication::installTranslator(new PseudoLanguage(this));
    // Dates in figures: the runs' names are the user's, not the program's texts.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}

void TestPseudoLanguage::init()
{
    m_dir = std::make_unique<TestDataDir>();
    m_ticks = std::make_unique<FakeTicks>(5000);
    m_random = std::make_unique<TestRandom>(7);
    m_now = std::make_unique<FakeNow>(QDateTime(QDate(2026, 12, 8), QTime(16, 5, 33)));
    m_speech = std::make_unique<FakeSpeech>();
    m_user = std::make_unique<TestUser>();
    // The starter library as installed, named in the language in force.
    QVERIFY(Modules::PlaceStarterLibrary(Modules::LibraryPath(), QStringLiteral(TENACIO_STARTER_LIBRARY)));
    const QByteArray training = marked("Two-digit numbers").toUtf8();
    const QByteArray exam = marked("Three-digit numbers").toUtf8();
    m_dir->Write(QStringLiteral("config.ini"), "[Test]\r\nTNumOfEl=4\r\nTimerMSec=6000\r\nTMName=" + training
                                                   + "\r\nTDiapFrom=10\r\nTDiapTo=99\r\nIfexec=1\r\n\r\n[Exam]\r\n"
                                                     "ENumOfEl=4\r\nEMName="
                                                   + exam + "\r\nEDiapFrom=100\r\nEDiapTo=999\r\n");
    const QLocale locale;
    const QString first = ResultsStore::SectionName(QDateTime(QDate(2026, 12, 1), QTime(10, 0, 0)), locale);
    const QString second = ResultsStore::SectionName(QDateTime(QDate(2026, 12, 2), QTime(10, 0, 0)), locale);
    const QByteArray runs =
        storedRun(first, "Errors=0\r\nTime=0:0:31  Average time for each number: 7,75 sec.\r\nMark=Master\r\n"
                         "Koeff=57,5\r\n")
        + storedRun(second, "Errors=3\r\nTime=0:2:0  Average time for each number: 30 sec.\r\nMark=2\r\n"
                            "Koeff=1,2\r\n");
    m_dir->Write(QStringLiteral("testres.ini"), runs);
    m_dir->Write(QStringLiteral("examres.ini"), runs);
    m_forms = CreateForms();
    m_forms.frm_main->FormShow();
    m_forms.frm_main->show();
}

void TestPseudoLanguage::cleanup()
{
    DestroyForms(m_forms);
    m_user.reset();
    m_speech.reset();
    m_now.reset();
    m_random.reset();
    m_ticks.reset();
    m_dir.reset();
}

void TestPseudoLanguage::everyTextTranslated_data()
{
    QTest::addColumn<QString>("window");
    for (const char *w : {"main window", "options", "module editor", "name prompt", "training run", "exam run",
                          "stored run", "about and guide"})
        QTest::newRow(w) << QString::fromLatin1(w);
}

void TestPseudoLanguage::everyTextTranslated()
{
    QFETCH(QString, window);
    Tfrm_main *main = m_forms.frm_main;
    Texts texts;
    texts.exempt =
        QStringList{m_dir->Path(QStringLiteral("runs.csv")), m_dir->Dir(), AppInfo::GuideAddress()} + texts.exempt;
    const auto report = [&](const QString &name) {
        return [&texts, name, this](QDialog *) {
            Tfrm_results *r = m_forms.frm_results;
            for (int rule = 0; rule < r->ComboScoring->count(); ++rule) {
                r->ComboScoring->setCurrentIndex(rule);
                texts.Window(r, name + QStringLiteral(", ") + r->ComboScoring->currentText());
            }
        };
    };
    if (window == QLatin1String("main window")) {
        for (bool training : {false, true}) {
            main->SpeedButton1->setChecked(training);
            main->SpeedButton1Click();
            texts.Window(main, window);
        }
        m_user->fileNames.push_back(m_dir->Path(QStringLiteral("runs.csv")));
        main->BitBtn3Click();
        QVERIFY(main->StatusBar1->currentMessage().contains(QStringLiteral("runs.csv")));
        texts.Window(main, window + QStringLiteral(" after the export"));
        QCOMPARE(m_user->suggestedNames.size(), 1);
        texts.Add(QStringLiteral("suggested file name"), m_user->suggestedNames.first());
        main->StringGrid1->setCurrentCell(0, 0);
        m_user->answers.push_back(Dialogs::Answer::Cancel);
        main->BitBtn1Click(); // asks before deleting
    } else if (window == QLatin1String("options")) {
        m_user->scripts.push_back([&](QDialog *d) {
            auto *options = static_cast<Tfrm_options *>(d);
            texts.Window(options, QStringLiteral("options, Training"));
            options->PageControl1->setCurrentIndex(1);
            texts.Window(options, QStringLiteral("options, Exam"));
            options->Edit2->setText(QStringLiteral("2,5"));
            QVERIFY(!options->BitBtn1Click()); // refused, with a word why
        });
        main->Configurations1Click();
    } else if (window == QLatin1String("module editor")) {
        m_user->scripts.push_back([&](QDialog *d) { texts.Window(d, window); });
        main->Modules1Click();
    } else if (window == QLatin1String("name prompt")) {
        m_user->scripts.push_back([&](QDialog *d) { texts.Window(d, window); });
        Dialogs::ExecModal(m_forms.frm_name);
    } else if (window == QLatin1String("training run") || window == QLatin1String("exam run")) {
        const bool exam = window == QLatin1String("exam run");
        Tfrm_test *t = m_forms.frm_test;
        m_user->scripts.push_back([&](QDialog *) {
            t->Timer1->setInterval(24 * 3600 * 1000);
            texts.Window(t, window + QStringLiteral(", an Element shown"));
            while (exam && t->CurrentNumber <= t->ElementCount) {
                m_ticks->Advance(1000);
                t->BitBtn1Click();
            }
            while (t->Phase == 1 && !t->presentationDone && t->isVisible()) {
                m_ticks->Advance(1000);
                t->Timer1Timer();
            }
            texts.Window(t, window + QStringLiteral(", an answer asked"));
            // One wrong in Training; an Exam of four allows none.
            for (int n = 1; n <= t->ElementCount && t->isVisible(); ++n) {
                t->Edit1->setText(n == 2 && !exam ? QStringLiteral("0") : m_forms.frm_results->Cell(1, n - 1));
                t->BitBtn1Click();
            }
        });
        m_user->scripts.push_back([&](QDialog *d) {
            auto *exe = static_cast<Tfrm_exe *>(d);
            texts.Window(exe, QStringLiteral("exercises"));
            for (int i = 1; i <= Tfrm_exe::SumCount; ++i)
                exe->AnswerBox(i)->setText(QString::number(exe->ExpectedSum(i)));
        });
        m_user->scripts.push_back(report(QStringLiteral("report of the run")));
        if (exam)
            main->Exam1Click();
        else
            main->est21Click();
        QCOMPARE(m_user->opened.size(), 3);
        texts.Window(main, QStringLiteral("main window after the run"));
    } else if (window == QLatin1String("stored run")) {
        main->SpeedButton1->setChecked(true);
        main->SpeedButton1Click();
        main->StringGrid1->setCurrentCell(1, 0);
        m_user->scripts.push_back([&](QDialog *d) {
            report(QStringLiteral("stored report"))(d);
            m_forms.frm_results->BitBtn2Click(); // the mistakes made a Module
        });
        main->StringGrid1DblClick();
        QCOMPARE(m_user->opened.size(), 1);
    } else {
        m_user->scripts.push_back([&](QDialog *d) { texts.Window(d, QStringLiteral("about")); });
        main->Help1Click();
        main->Guide1Click();
        QVERIFY(main->Guide());
        // The guide's document is English; its window is not.
        const QString document = main->Guide()->TextBrowser1->toHtml();
        main->Guide()->TextBrowser1->clear();
        texts.Window(main->Guide(), QStringLiteral("guide"));
        QVERIFY(!document.isEmpty());
    }
    texts.Boxes(*m_user);
    QVERIFY(!m_user->asked.isEmpty() || window != QLatin1String("options"));
    // Each on a line of its own: the failure message is cut short.
    for (const QString &fault : texts.Faults())
        qWarning("untranslated: %s", qPrintable(fault));
    QVERIFY2(texts.Faults().isEmpty(),
             qPrintable(QString::number(texts.Faults().size()) + QStringLiteral(" untranslated, the first: ")
                        + texts.Faults().value(0)));
}

// The check itself: a text left in English, whole or in part, is found.
void TestPseudoLanguage::marks_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("fine");
    // clang-format off
    QTest::newRow("marked") << marked("&Training") << true;
    QTest::newRow("figures and dates") << QStringLiteral("08.12.2026 16:05:33 \u2212 3,25 (\u00B10)") << true;
    QTest::newRow("a marked reason in a sentence") << marked("Speech: ") + marked("gone") + marked(".") << true;
    QTest::newRow("English") << QStringLiteral("Master") << false;
    QTest::newRow("an English reason in a sentence") << marked("Speech: ") + QStringLiteral("gone") + marked(".") << false;
    QTest::newRow("English beside the marks") << marked("Time: ") + QStringLiteral(" 0:00:31 sec.") << false;
    QTest::newRow("Cyrillic left over") << marked("a") + QStringLiteral("\u041E") << false;
    // clang-format on
}

void TestPseudoLanguage::marks()
{
    QFETCH(QString, text);
    QFETCH(bool, fine);
    QCOMPARE(fromTheMarks(text), fine);
}

QTEST_MAIN(TestPseudoLanguage)
#include "tst_pseudolanguage.moc"
