#include "engine/exerciserules.h"
#include "engine/frmexe.h"
#include "tests/testsupport.h"
#include "tests/testuser.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using Dialogs::Answer;
using Dialogs::Kind;

// The dialog with fixed sums: a + b drawn from the queue, one pair per sum.
struct ShownExercises
{
    TestUser user;
    TestRandom random;
    Tfrm_exe dialog;
    int result = -1;

    // terms: a1, b1, a2, b2, ... as the dialog draws them (1 to 50)
    explicit ShownExercises(std::initializer_list<int> terms = {1, 1, 2, 2, 3, 3, 4, 4, 5, 5})
    {
        for (int t : terms)
            random.queued.push_back(t - 1);
    }

    // Shows the dialog modally, runs the script while it is open.
    void Run(const std::function<void(Tfrm_exe &)> &script)
    {
        user.scripts.push_back([this, script](QDialog *) { script(dialog); });
        result = Dialogs::ExecModal(&dialog);
    }
};

class TestExercises : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void showing_drawsNewSums();
    void typing_colourAndFocus_data();
    void typing_colourAndFocus();
    void keyFilter_refusesOtherCharacters_data();
    void keyFilter_refusesOtherCharacters();
    void fifthRightSum_closesWithOk();
    void lastBoxRight_focusesFirstWrongBox();
    void okBeforeAllRight_staysOpen();
    void closing_asksStopTest_data();
    void closing_asksStopTest();
    void focus_selectsWholeText_data();
    void focus_selectsWholeText();
};

void TestExercises::showing_drawsNewSums()
{
    ShownExercises s({17, 33, 1, 1, 50, 50, 9, 20, 4, 5, /* second showing */ 2, 3, 4, 5, 6, 7, 8, 9, 10, 11});
    s.Run([](Tfrm_exe &d) {
        QCOMPARE(d.windowTitle(), QStringLiteral("Do exercises"));
        const QStringList labels = {QStringLiteral("17 + 33 ="), QStringLiteral("1 + 1 ="), QStringLiteral("50 + 50 ="),
                                    QStringLiteral("9 + 20 ="), QStringLiteral("4 + 5 =")};
        const int sums[] = {50, 2, 100, 29, 9};
        for (int i = 1; i <= 5; ++i) {
            QCOMPARE(d.SumLabel(i)->text(), labels.at(i - 1));
            QCOMPARE(d.ExpectedSum(i), sums[i - 1]);
            QCOMPARE(d.AnswerBox(i)->text(), QStringLiteral("???"));
            QCOMPARE(d.BoxColour(i), Tfrm_exe::WrongColour);
        }
        QCOMPARE(d.ExpectedSum1, 50);
        QCOMPARE(d.ExpectedSum5, 9);
        QVERIFY(!d.ExercisesDone);
        QCOMPARE(d.focusWidget(), d.Edit1);
        // The form's size, wider where the caption needs it.
        QCOMPARE(d.size(), QSize(qMax(170, Dialogs::CaptionWidth(&d)), 169));
        // The five boxes lead the tab order, then OK (the default) and Cancel.
        const auto nextTab = [](QWidget *w) {
            do
                w = w->nextInFocusChain();
            while (!(w->focusPolicy() & Qt::TabFocus));
            return w;
        };
        QList<QWidget *> order{d.Edit1};
        while (order.size() < 7)
            order << nextTab(order.last());
        QCOMPARE(order, (QList<QWidget *>{d.Edit1, d.Edit2, d.Edit3, d.Edit4, d.Edit5, d.BitBtn1, d.BitBtn2}));
        QVERIFY(d.BitBtn1->isDefault());
        // Leave some boxes green and typed: the next showing starts afresh.
        d.Edit2->selectAll();
        QTest::keyClicks(d.Edit2, QStringLiteral("2"));
        QCOMPARE(d.BoxColour(2), Tfrm_exe::RightColour);
    });
    QCOMPARE(s.random.reseeds, 1);
    QCOMPARE(s.result, 0); // left open by the script: no OK
    QCOMPARE(s.user.asked.size(), 0);

    s.Run([](Tfrm_exe &d) {
        QCOMPARE(d.SumLabel(1)->text(), QStringLiteral("2 + 3 ="));
        QCOMPARE(d.ExpectedSum(5), 21);
        for (int i = 1; i <= 5; ++i) {
            QCOMPARE(d.AnswerBox(i)->text(), QStringLiteral("???"));
            QCOMPARE(d.BoxColour(i), Tfrm_exe::WrongColour);
        }
        QVERIFY(!d.ExercisesDone);
    });
    QCOMPARE(s.random.reseeds, 2);
}

void TestExercises::typing_colourAndFocus_data()
{
    // Box 1's sum is 57 (27 + 30); each step types keys into box 1 (its
    // "???" selected) and expects its colour and the focused box.
    QTest::addColumn<QStringList>("steps");   // keys typed; "<bs>" Backspace; "<clear>" all deleted; "<tab>" Tab
    QTest::addColumn<QStringList>("colours"); // "red" or "green" after each step
    QTest::addColumn<QList<int>>("focus");    // focused box after each step
    // clang-format off
    QTest::newRow("5 then 7") << QStringList{"5", "7"} << QStringList{"red", "green"} << QList<int>{1, 2};
    QTest::newRow("leading zero") << QStringList{"057"} << QStringList{"green"} << QList<int>{2};
    QTest::newRow("? after right") << QStringList{"57", "?"} << QStringList{"green", "green"}
                                   << QList<int>{2, 2};
    QTest::newRow("wrong then right") << QStringList{"58", "<bs>", "7"} << QStringList{"red", "red", "green"}
                                      << QList<int>{1, 1, 2};
    QTest::newRow("cleared keeps green") << QStringList{"57", "<clear>"} << QStringList{"green", "green"}
                                         << QList<int>{2, 2};
    QTest::newRow("cleared keeps red") << QStringList{"5", "<clear>"} << QStringList{"red", "red"}
                                       << QList<int>{1, 1};
    QTest::newRow("right then wrong") << QStringList{"57", "<bs>", "6"} << QStringList{"green", "red", "red"}
                                      << QList<int>{2, 2, 2};
    QTest::newRow("tab after moving on") << QStringList{"57", "<tab>", "<tab>"}
                                         << QStringList{"green", "green", "green"} << QList<int>{2, 2, 3};
    QTest::newRow("tab where it stayed") << QStringList{"5", "<tab>"} << QStringList{"red", "red"}
                                         << QList<int>{1, 2};
    QTest::newRow("question marks only") << QStringList{"??"} << QStringList{"red"} << QList<int>{1};
    QTest::newRow("? among digits") << QStringList{"57", "<bs>", "?7"} << QStringList{"green", "red", "red"}
                                    << QList<int>{2, 2, 2};
    // clang-format on
}

void TestExercises::typing_colourAndFocus()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, colours);
    QFETCH(QList<int>, focus);
    ShownExercises s({27, 30, 1, 1, 1, 1, 1, 1, 1, 1});
    s.Run([&](Tfrm_exe &d) {
        const auto told = [&](QAccessible::Text what) {
            return QAccessible::queryAccessibleInterface(d.Edit1)->text(what);
        };
        QCOMPARE(told(QAccessible::Name), QStringLiteral("Sum 1: 27 + 30 ="));
        d.Edit1->selectAll();
        for (int i = 0; i < steps.size(); ++i) {
            if (steps.at(i) == QLatin1String("<clear>")) {
                d.Edit1->selectAll();
                QTest::keyClick(d.Edit1, Qt::Key_Backspace);
                QCOMPARE(d.Edit1->text(), QString());
            } else if (steps.at(i) == QLatin1String("<tab>")) {
                QTest::keyClick(d.focusWidget(), Qt::Key_Tab);
            } else if (steps.at(i) == QLatin1String("<bs>")) {
                d.Edit1->end(false);
                QTest::keyClick(d.Edit1, Qt::Key_Backspace);
            } else {
                d.Edit1->end(false);
                if (i == 0)
                    d.Edit1->selectAll();
                QTest::keyClicks(d.Edit1, steps.at(i));
            }
            const QColor expected =
                colours.at(i) == QLatin1String("green") ? Tfrm_exe::RightColour : Tfrm_exe::WrongColour;
            QCOMPARE(d.BoxColour(1), expected);
            QCOMPARE(d.focusWidget(), d.AnswerBox(focus.at(i)));
            // The box also tells its state without colour: a check mark and
            // what a screen reader says.
            const bool solved = expected == Tfrm_exe::RightColour;
            QCOMPARE(told(QAccessible::Description), QLatin1String(solved ? "solved" : "not solved yet"));
            QVERIFY(d.Edit1->findChild<QLabel *>());
            QCOMPARE(d.Edit1->findChild<QLabel *>()->isVisible(), solved);
        }
        QVERIFY(!d.ExercisesDone);
        QVERIFY(d.isVisible());
    });
}

void TestExercises::keyFilter_refusesOtherCharacters_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("pasted");
    QTest::addColumn<QString>("text");
    QTest::newRow("digits") << "12" << false << "12";
    QTest::newRow("letters") << "1a2b" << false << "12";
    QTest::newRow("blank and signs") << " -+1,.5" << false << "15";
    QTest::newRow("question mark") << "1?" << false << "1?";
    QTest::newRow("pasted digits") << "42" << true << "42";
    QTest::newRow("pasted with letter") << "4x2" << true << "";
    QTest::newRow("pasted with blank") << "4 2" << true << "";
}

void TestExercises::keyFilter_refusesOtherCharacters()
{
    QFETCH(QString, typed);
    QFETCH(bool, pasted);
    QFETCH(QString, text);
    QVERIFY(Exercises::KeyAllowed(QChar(8)));
    ShownExercises s;
    s.Run([&](Tfrm_exe &d) {
        d.Edit3->clear();
        if (pasted) {
            QApplication::clipboard()->setText(typed);
            d.Edit3->paste();
        } else {
            QTest::keyClicks(d.Edit3, typed);
        }
        QCOMPARE(d.Edit3->text(), text);
    });
}

void TestExercises::fifthRightSum_closesWithOk()
{
    ShownExercises s({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    bool stillOpenBeforeLast = false;
    s.Run([&](Tfrm_exe &d) {
        const char *answers[] = {"3", "7", "11", "15"};
        for (int i = 0; i < 4; ++i) {
            d.AnswerBox(i + 1)->selectAll();
            QTest::keyClicks(d.AnswerBox(i + 1), QString::fromLatin1(answers[i]));
        }
        stillOpenBeforeLast = d.isVisible() && !d.ExercisesDone;
        d.Edit5->selectAll();
        QTest::keyClicks(d.Edit5, QStringLiteral("19"));
        // Closed on the key that made the fifth box green.
        QVERIFY(!d.isVisible());
    });
    QVERIFY(stillOpenBeforeLast);
    QCOMPARE(s.result, Tfrm_exe::ResultOk);
    QVERIFY(s.dialog.ExercisesDone);
    QCOMPARE(s.user.asked.size(), 0);
}

void TestExercises::lastBoxRight_focusesFirstWrongBox()
{
    ShownExercises s({1, 1, 2, 2, 3, 3, 4, 4, 5, 5});
    s.Run([](Tfrm_exe &d) {
        d.Edit1->setText(QStringLiteral("2"));
        d.Edit3->setText(QStringLiteral("6"));
        d.Edit4->setText(QStringLiteral("8"));
        d.Edit5->setFocus();
        d.Edit5->setText(QStringLiteral("10"));
        QCOMPARE(d.focusWidget(), d.Edit2);
        QVERIFY(d.isVisible());
        // A box made right by hand elsewhere: the last right sum completes.
        d.Edit2->setText(QStringLiteral("4"));
        QVERIFY(!d.isVisible());
    });
    QCOMPARE(s.result, Tfrm_exe::ResultOk);
}

void TestExercises::okBeforeAllRight_staysOpen()
{
    ShownExercises s;
    s.Run([&](Tfrm_exe &d) {
        d.Edit1->setText(QStringLiteral("2"));
        QTest::mouseClick(d.BitBtn1, Qt::LeftButton);
        QVERIFY(d.isVisible());
        QCOMPARE(d.BoxColour(1), Tfrm_exe::RightColour);
        QCOMPARE(d.BoxColour(2), Tfrm_exe::WrongColour);
        // Enter presses OK as well.
        QTest::keyClick(d.Edit2, Qt::Key_Return);
        QVERIFY(d.isVisible());
    });
    QCOMPARE(s.user.asked.size(), 2);
    for (const TestUser::Asked &a : s.user.asked) {
        QCOMPARE(a.kind, Kind::Message);
        QCOMPARE(a.text, QStringLiteral("You need to finish exercises!"));
    }
    QVERIFY(!s.dialog.ExercisesDone);
}

void TestExercises::closing_asksStopTest_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("confirm");
    for (const char *how : {"Cancel", "Esc", "close box"}) {
        // clang-format off
        QTest::newRow(qPrintable(QStringLiteral("%1, OK").arg(QLatin1String(how)))) << QString::fromLatin1(how)
                                                                                    << true;
        QTest::newRow(qPrintable(QStringLiteral("%1, Cancel").arg(QLatin1String(how))))
            << QString::fromLatin1(how) << false;
        // clang-format on
    }
}

void TestExercises::closing_asksStopTest()
{
    QFETCH(QString, how);
    QFETCH(bool, confirm);
    ShownExercises s;
    s.user.answers.push_back(confirm ? Answer::Ok : Answer::Cancel);
    bool visibleAfter = true;
    s.Run([&](Tfrm_exe &d) {
        d.Edit1->setText(QStringLiteral("2"));
        if (how == QLatin1String("Cancel"))
            QTest::mouseClick(d.BitBtn2, Qt::LeftButton);
        else if (how == QLatin1String("Esc"))
            QTest::keyClick(d.Edit2, Qt::Key_Escape);
        else
            d.close();
        visibleAfter = d.isVisible();
        if (!confirm) { // refused: the exercises go on, state kept
            QCOMPARE(d.BoxColour(1), Tfrm_exe::RightColour);
            QCOMPARE(d.Edit1->text(), QStringLiteral("2"));
        }
    });
    QCOMPARE(s.user.asked.size(), 1);
    QCOMPARE(s.user.asked.at(0).kind, Kind::Confirm);
    QCOMPARE(s.user.asked.at(0).title, QStringLiteral("Confirm"));
    QCOMPARE(s.user.asked.at(0).text, QStringLiteral("Stop test?"));
    QCOMPARE(visibleAfter, !confirm);
    if (confirm)
        QCOMPARE(s.result, Tfrm_exe::ResultCancel);
}

void TestExercises::focus_selectsWholeText_data()
{
    QTest::addColumn<int>("reason");
    QTest::addColumn<bool>("selected");
    QTest::newRow("tab") << int(Qt::TabFocusReason) << true;
    QTest::newRow("program") << int(Qt::OtherFocusReason) << true;
    QTest::newRow("mouse") << int(Qt::MouseFocusReason) << false;
}

void TestExercises::focus_selectsWholeText()
{
    QFETCH(int, reason);
    QFETCH(bool, selected);
    ShownExercises s;
    s.Run([&](Tfrm_exe &d) {
        d.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        d.Edit3->deselect();
        d.Edit3->setFocus(Qt::FocusReason(reason));
        QVERIFY(d.Edit3->hasFocus());
        QCOMPARE(d.Edit3->selectedText(), selected ? QStringLiteral("???") : QString());
        if (selected) { // the first key replaces "???"
            QTest::keyClicks(d.Edit3, QStringLiteral("5"));
            QCOMPARE(d.Edit3->text(), QStringLiteral("5"));
        }
    });
}

QTEST_MAIN(TestExercises)
#include "tst_exercises.moc"
