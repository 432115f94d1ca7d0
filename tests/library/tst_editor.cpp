#include "app/forms.h"
#include "app/frmmain.h"
#include "library/frmmodules.h"
#include "library/frmname.h"
#include "library/moduleedit.h"
#include "library/modules.h"
#include "tests/testsupport.h"
#include "tests/testuser.h"

#include <QAbstractTextDocumentLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <utility>

namespace {

const QByteArray Library = "[Capitals]\r\nData=Paris,Rome\r\n\r\n[Rivers]\r\nData=Nile\r\n\r\n";

QStringList lines(const char *text) { return QString::fromUtf8(text).split(QLatin1Char('|'), Qt::SkipEmptyParts); }

// All windows over a temporary data directory, with a stand-in user.
struct Session
{
    TestDataDir dir;
    TestUser user;
    Forms forms = CreateForms();
    Tfrm_modules *w = forms.frm_modules;

    explicit Session(const QByteArray &library = Library)
    {
        if (!library.isNull())
            dir.Write(QStringLiteral("modules.ini"), library);
    }
    ~Session() { DestroyForms(forms); }
    QByteArray File() const { return dir.Read(QStringLiteral("modules.ini")); }

    // Opens the editor from the main menu and runs `body` while it is shown.
    int Open(const std::function<void()> &body)
    {
        user.scripts.push_back([body](QDialog *) { body(); });
        forms.frm_main->Modules1Click();
        return w->result();
    }
    // The next name prompt: types the text and ends with Enter or Esc.
    void NextName(const QString &text, bool confirm = true)
    {
        user.scripts.push_back([text, confirm](QDialog *d) {
            auto *prompt = static_cast<Tfrm_name *>(d);
            QTest::keyClicks(prompt->Edit1, text);
            QTest::keyClick(prompt->Edit1, confirm ? Qt::Key_Return : Qt::Key_Escape);
        });
    }
    void Type(const QString &text) { QTest::keyClicks(w->Memo1, text); }
    void Press(Qt::Key k, Qt::KeyboardModifiers m = {}) { QTest::keyClick(w->Memo1, k, m); }
    void Click(QPushButton *b) { QTest::mouseClick(b, Qt::LeftButton); }
    QStringList Items() const
    {
        QStringList out;
        for (int i = 0; i < w->ComboBox1->count(); ++i)
            out << w->ComboBox1->itemText(i);
        return out;
    }
    bool LastErrorStartsWith(const QString &text) const
    {
        return !user.asked.isEmpty() && user.asked.last().kind == Dialogs::Kind::Error
               && user.asked.last().text.startsWith(text);
    }
};

} // namespace

class TestEditor : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fileLines_data();
    void fileLines();
    void memoText_data();
    void memoText();
    void memoTextOfData_data();
    void memoTextOfData();
    void emptyLibrary();
    void opening_startsAtModuleList_data();
    void opening_startsAtModuleList();
    void unrecognisableLibrary_saidAtOpening_data();
    void unrecognisableLibrary_saidAtOpening();
    void refusedName_data();
    void refusedName();
    void addModule_keepsWhatEachModuleWasGiven();
    void cancelledPrompt_commitsAndShowsAgain();
    void patterns_data();
    void patterns();
    void fromPattern_addsModuleOfItsElements();
    void commit_data();
    void commit();
    void closingWithoutOk_writesNothing_data();
    void closingWithoutOk_writesNothing();
    void writeFailureAtOk_keepsChanges();
    void keep_writtenByOk_droppedWithItsModule();
    void unreadableLibrary_closesEditor();
    void ok_keepsForeignBytesAndMark_data();
    void ok_keepsForeignBytesAndMark();
    void ok_afterAnotherWriter_appliesOnlyThisEditorsChanges_data();
    void ok_afterAnotherWriter_appliesOnlyThisEditorsChanges();
    void ok_asksWithoutTheLock_thenWritesOntoTheFileAsItIs_data();
    void ok_asksWithoutTheLock_thenWritesOntoTheFileAsItIs();
    void load();
    void load_asksBeforeReplacingElements_data();
    void load_asksBeforeReplacingElements();
    void commaInElement_refusedBeforeAnythingIsStored_data();
    void commaInElement_refusedBeforeAnythingIsStored();
    void save_data();
    void save();
    void namePrompt_emptiedEachShowing_namesOnOneLine();
    void keyboard_reachesEveryControl();
};

void TestEditor::fileLines_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("expected");
    // clang-format off
    QTest::newRow("LF") << QByteArray("a\nb\n") << lines("a|b");
    QTest::newRow("CR LF, no final break") << QByteArray("a\r\nb") << lines("a|b");
    QTest::newRow("CR alone") << QByteArray("a\rb\r") << lines("a|b");
    QTest::newRow("mixed, empty lines kept") << QByteArray("a\r\rb\n\r\nc\r\n") << QStringList{"a", "", "b", "", "c"};
    QTest::newRow("blank line") << QByteArray(" \n") << QStringList{" "};
    QTest::newRow("byte-order mark, UTF-8") << QByteArray("\xEF\xBB\xBF\xC3\xA9t\xC3\xA9\n") << lines("été");
    QTest::newRow("not UTF-8: Windows-1252")
        << QByteArray("caf\xE9\r\n\x80 \x93x\x94\r\n") << QStringList{QStringLiteral("café"), QStringLiteral("€ “x”")};
    QTest::newRow("UTF-16LE with its mark") << QByteArray::fromHex("fffe6100e9000d000a00620000d800dc") << QStringList{QStringLiteral("aé"), QStringLiteral("b\U00010000")};
    QTest::newRow("UTF-16BE with its mark") << QByteArray::fromHex("feff006100e9000a0062") << lines("aé|b");
    QTest::newRow("empty") << QByteArray() << QStringList();
    // clang-format on
}

void TestEditor::fileLines()
{
    QFETCH(QByteArray, content);
    QFETCH(QStringList, expected);
    QCOMPARE(ModuleEdit::FileLines(content), expected);
}

void TestEditor::memoText_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("maxParagraphs");
    QTest::addColumn<int>("paragraphs");
    QTest::newRow("a paragraph a line") << lines("a|b|c") << 3 << 3;
    QTest::newRow("shared paragraphs") << lines("a|b|c|d|e") << 2 << 2;
    QTest::newRow("empty and blank lines") << QStringList{"", "a", " ", "", "b", ""} << 4 << 3;
    QTest::newRow("no lines") << QStringList() << 2 << 1;
}

// The memo shows the lines as lines and gives them back unchanged.
void TestEditor::memoText()
{
    QFETCH(QStringList, lines);
    QFETCH(int, maxParagraphs);
    QFETCH(int, paragraphs);
    QPlainTextEdit memo;
    memo.setPlainText(ModuleEdit::MemoText(lines, maxParagraphs));
    QCOMPARE(memo.document()->blockCount(), paragraphs);
    QCOMPARE(ModuleEdit::TextLines(memo.document()->toRawText()), lines);
    QCOMPARE(memo.toPlainText().split(QLatin1Char('\n')).size(), qMax<qsizetype>(1, lines.size()));
}

void TestEditor::memoTextOfData_data()
{
    QTest::addColumn<QString>("data");
    QTest::addColumn<int>("maxParagraphs");
    QTest::newRow("a paragraph an Element") << "a,b,c" << 3;
    QTest::newRow("shared paragraphs, the last one short") << "a,b,c,d,e,f,g" << 3;
    QTest::newRow("empty Elements kept, a final comma adds none") << ",a,,b,," << 2;
    QTest::newRow("a comma alone") << "," << 2;
    QTest::newRow("nothing") << "" << 2;
}

// The memo text of a Data value is the one its Elements make.
void TestEditor::memoTextOfData()
{
    QFETCH(QString, data);
    QFETCH(int, maxParagraphs);
    QCOMPARE(ModuleEdit::MemoTextOfData(data, maxParagraphs),
             ModuleEdit::MemoText(Modules::SplitElements(data), maxParagraphs));
}

void TestEditor::emptyLibrary()
{
    Session s(QByteArray{});
    s.Open([&] {
        QCOMPARE(s.w->ComboBox1->count(), 0);
        s.Type(QStringLiteral("x")); // not editable
        // Nothing to delete: "-" is disabled and asks nothing.
        QVERIFY(!s.w->BitBtn2->isEnabled());
        s.Click(s.w->BitBtn2);
        QVERIFY(s.user.asked.isEmpty());
        QCOMPARE(s.w->Memo1->toPlainText(), QString());
        // A Module added can be deleted; the last one deleted, "-" is off again.
        s.NextName(QStringLiteral("Seas"));
        s.Click(s.w->BitBtn1);
        QVERIFY(s.w->BitBtn2->isEnabled());
        s.Click(s.w->BitBtn2);
        QCOMPARE(s.user.MessageTexts(), QStringList{QStringLiteral("Delete Seas?")});
        QCOMPARE(s.w->ComboBox1->count(), 0);
        QVERIFY(!s.w->BitBtn2->isEnabled());
        s.Click(s.w->BitBtn6);
    });
    QVERIFY(!s.dir.Exists(QStringLiteral("modules.ini")));
}

void TestEditor::opening_startsAtModuleList_data()
{
    QTest::addColumn<QByteArray>("library");
    QTest::newRow("library") << Library;
    QTest::newRow("empty library") << QByteArray();
}

// Each opening starts at the Module list, wherever the last one left the
// focus; "-" is there only when a Module is.
void TestEditor::opening_startsAtModuleList()
{
    QFETCH(QByteArray, library);
    Session s(library);
    for (QWidget *left : {static_cast<QWidget *>(s.w->Memo1), static_cast<QWidget *>(s.w->BitBtn7)}) {
        s.Open([&] {
            QCOMPARE(s.w->focusWidget(), s.w->ComboBox1);
            QCOMPARE(s.w->BitBtn2->isEnabled(), !library.isEmpty());
            left->setFocus();
            s.Click(s.w->BitBtn6);
        });
    }
    QVERIFY(s.user.asked.isEmpty());
}

void TestEditor::unrecognisableLibrary_saidAtOpening_data()
{
    QTest::addColumn<QByteArray>("library");
    QTest::newRow("binary junk") << QByteArray("\x00\x01\x02\xff\xfe junk \x00", 11);
    QTest::newRow("UTF-16 text") << QByteArray("\xff\xfe[\x00A\x00]\x00\r\x00\n\x00", 12);
    QTest::newRow("text without sections") << QByteArray("Paris\r\nRome\r\n");
}

// A library file that is not one of Modules: a message says so as the
// editor opens, and OK leaves the file as it is.
void TestEditor::unrecognisableLibrary_saidAtOpening()
{
    QFETCH(QByteArray, library);
    Session s(library);
    s.Open([&] {
        QCOMPARE(s.user.asked.size(), 1);
        QCOMPARE(s.user.asked.at(0).kind, Dialogs::Kind::Message);
        QCOMPARE(s.user.asked.at(0).text,
                 QStringLiteral("The Module library %1 is not a file this program can read: it holds no Modules. "
                                "It is shown empty and left as it is; OK will not write over it.")
                     .arg(QDir::toNativeSeparators(s.dir.Path(QStringLiteral("modules.ini")))));
        QCOMPARE(s.w->ComboBox1->count(), 0);
        s.Click(s.w->BitBtn7);
        QVERIFY(s.LastErrorStartsWith(QStringLiteral("Cannot create file \"")));
        s.Click(s.w->BitBtn6);
    });
    QCOMPARE(s.File(), library);
    // A library of Modules opens without a word.
    s.dir.Write(QStringLiteral("modules.ini"), Library);
    s.user.asked.clear();
    s.Open([&] { s.Click(s.w->BitBtn6); });
    QVERIFY(s.user.asked.isEmpty());
}

void TestEditor::refusedName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    const QString exists = QStringLiteral("Name already exists !");
    const QString empty = QStringLiteral("The name is empty. Type a name for the new Module.");
    QTest::newRow("same") << "Capitals" << exists;
    QTest::newRow("other letter case") << "cAPITALS" << exists;
    QTest::newRow("blanks at the ends") << " Rivers " << exists;
    QTest::newRow("empty") << "" << empty;
    QTest::newRow("only blanks") << "  " << empty;
}

void TestEditor::refusedName()
{
    QFETCH(QString, name);
    QFETCH(QString, message);
    Session s;
    s.Open([&] {
        s.Type(QStringLiteral("Oslo")); // at the start of the first line
        s.Press(Qt::Key_End, Qt::ControlModifier);
        s.Press(Qt::Key_Return);
        s.Type(QStringLiteral("Bern"));
        const QString memo = s.w->Memo1->toPlainText();
        s.NextName(name);
        s.Click(s.w->BitBtn1);
        QCOMPARE(s.user.MessageTexts(), QStringList{message});
        QCOMPARE(s.Items(), lines("Capitals|Rivers"));
        QCOMPARE(s.w->Memo1->toPlainText(), memo);
        QCOMPARE(s.w->ShownModuleIndex(), 0);
        s.Click(s.w->BitBtn7);
    });
    QCOMPARE(s.File(), QByteArray("[Capitals]\r\nData=OsloParis,Rome,Bern\r\n\r\n[Rivers]\r\nData=Nile\r\n\r\n"));
}

// The usual flow: add a Module, fill it, add the next, fill that one.
// Each "+" keeps what the memo held for the Module shown until then.
void TestEditor::addModule_keepsWhatEachModuleWasGiven()
{
    Session s;
    s.dir.Write(QStringLiteral("lakes.txt"), "Titicaca\r\nLadoga\r\n");
    const int result = s.Open([&] {
        s.Type(QStringLiteral("Oslo"));
        s.Press(Qt::Key_Return);
        s.NextName(QStringLiteral("Seas"));
        s.Click(s.w->BitBtn1);
        QCOMPARE(s.Items(), lines("Capitals|Rivers|Seas"));
        QCOMPARE(s.w->ShownModuleIndex(), 2);
        QCOMPARE(s.w->ComboBox1->currentIndex(), 2);
        QCOMPARE(s.w->Memo1->toPlainText(), QString());
        QCOMPARE(s.w->focusWidget(), s.w->Memo1);
        s.Type(QStringLiteral("Black"));
        s.Press(Qt::Key_Return);
        s.Press(Qt::Key_Return);
        s.Type(QStringLiteral(" Red"));
        s.NextName(QStringLiteral("Lakes"));
        s.Click(s.w->BitBtn1);
        QCOMPARE(s.w->ShownModuleIndex(), 3);
        QCOMPARE(s.w->Memo1->toPlainText(), QString());
        s.user.fileNames.push_back(s.dir.Path(QStringLiteral("lakes.txt")));
        s.Click(s.w->BitBtn4);
        QTest::keyClick(s.w->ComboBox1, Qt::Key_Return); // OK is the default button
    });
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(s.File(), QByteArray("[Capitals]\r\nData=Oslo,Paris,Rome\r\n\r\n[Rivers]\r\nData=Nile\r\n\r\n"
                                  "[Seas]\r\nData=Black, Red\r\n\r\n[Lakes]\r\nData=Titicaca,Ladoga\r\n\r\n"));
    QVERIFY(!s.w->HasWorkingCopy());
}

void TestEditor::patterns_data()
{
    QTest::addColumn<int>("patternNumber");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("last");
    using P = ModuleEdit::Pattern;
    // clang-format off
    QTest::newRow("digits")  << int(P::Digits) << 10 << "0" << "1" << "9";
    QTest::newRow("pairs")   << int(P::Pairs) << 100 << "00" << "01" << "99";
    QTest::newRow("triples") << int(P::Triples) << 1000 << "000" << "001" << "999";
    QTest::newRow("binary")  << int(P::Binary) << 8 << "000" << "001" << "111";
    QTest::newRow("cards")   << int(P::Cards) << 52 << QString::fromUtf8("A\u2660") << QString::fromUtf8("2\u2660") << QString::fromUtf8("K\u2663");
    QTest::newRow("cards by ASCII names") << int(P::CardsAscii) << 52 << "AS" << "2S" << "KC";
    QTest::newRow("years")   << int(P::Years) << 1100 << "1000" << "1001" << "2099";
    // clang-format on
}

void TestEditor::patterns()
{
    QFETCH(int, patternNumber);
    const auto pattern = ModuleEdit::Pattern(patternNumber);
    QFETCH(int, count);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, last);
    const QStringList elements = ModuleEdit::PatternElements(pattern);
    QCOMPARE(elements.size(), count);
    QCOMPARE(elements.first(), first);
    QCOMPARE(elements.at(1), second);
    QCOMPARE(elements.last(), last);
    // Each Element once, and none the library file would split or lose.
    QCOMPARE(QSet<QString>(elements.begin(), elements.end()).size(), count);
    QCOMPARE(Modules::SplitElements(Modules::JoinElements(elements)), elements);
    QVERIFY(!ModuleEdit::PatternName(pattern).isEmpty());
}

void TestEditor::fromPattern_addsModuleOfItsElements()
{
    Session s;
    s.Open([&] {
        s.Type(QStringLiteral("Oslo"));
        QTest::keyClick(s.w->Memo1, Qt::Key_Return);
        // The prompt offers the patterns, each with the name of its Module.
        s.user.scripts.push_back([](QDialog *d) {
            auto *prompt = static_cast<Tfrm_name *>(d);
            QVERIFY(prompt->ComboBox1->isVisible());
            QCOMPARE(prompt->ComboBox1->count(), int(std::size(ModuleEdit::Patterns)));
            QCOMPARE(prompt->Edit1->text(), ModuleEdit::PatternName(ModuleEdit::Pattern::Digits));
            prompt->ComboBox1->setCurrentIndex(1);
            Q_EMIT prompt->ComboBox1->activated(1);
            QCOMPARE(prompt->Edit1->text(), ModuleEdit::PatternName(ModuleEdit::Pattern::Pairs));
            QTest::keyClick(prompt->Edit1, Qt::Key_Return);
        });
        s.Click(s.w->BitBtn8);
        QCOMPARE(s.Items().last(), ModuleEdit::PatternName(ModuleEdit::Pattern::Pairs));
        QCOMPARE(s.w->MemoLines().size(), 100);
        // A name in use is refused and nothing is added.
        s.user.scripts.push_back([](QDialog *d) {
            auto *prompt = static_cast<Tfrm_name *>(d);
            prompt->Edit1->setText(QStringLiteral("rivers"));
            QTest::keyClick(prompt->Edit1, Qt::Key_Return);
        });
        s.Click(s.w->BitBtn8);
        QCOMPARE(s.Items().size(), 3);
        QCOMPARE(s.user.MessageTexts().last(), QStringLiteral("Name already exists !"));
        // "+" asks for the name alone again.
        s.user.scripts.push_back([](QDialog *d) {
            QVERIFY(!static_cast<Tfrm_name *>(d)->ComboBox1->isVisible());
            QCOMPARE(static_cast<Tfrm_name *>(d)->PatternIndex(), -1);
        });
        s.Click(s.w->BitBtn1);
        QTest::keyClick(s.w->ComboBox1, Qt::Key_Return);
    });
    const QByteArray pairs = Modules::JoinElements(ModuleEdit::PatternElements(ModuleEdit::Pattern::Pairs)).toUtf8();
    QCOMPARE(s.File(), QByteArray("[Capitals]\r\nData=Oslo,Paris,Rome\r\n\r\n[Rivers]\r\nData=Nile\r\n\r\n[")
                           + ModuleEdit::PatternName(ModuleEdit::Pattern::Pairs).toUtf8() + "]\r\nData=" + pairs
                           + "\r\n\r\n");
}

void TestEditor::cancelledPrompt_commitsAndShowsAgain()
{
    Session s;
    s.Open([&] {
        s.w->ComboBox1->setCurrentIndex(1);
        s.Press(Qt::Key_End, Qt::ControlModifier);
        s.Press(Qt::Key_Return);
        s.Press(Qt::Key_Return);
        s.Type(QStringLiteral("Rhine"));
        s.Press(Qt::Key_Return);
        s.Type(QStringLiteral("Volga"));
        s.NextName(QStringLiteral("Seas"), false);
        s.Click(s.w->BitBtn1);
        QCOMPARE(s.w->MemoLines(), lines("Nile|Rhine|Volga"));
        QCOMPARE(s.Items(), lines("Capitals|Rivers"));
        QCOMPARE(s.w->ShownModuleIndex(), 1);
        s.Click(s.w->BitBtn6);
    });
    QCOMPARE(s.File(), Library);
}

void TestEditor::commit_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("memo");
    QTest::addColumn<QStringList>("shownAgain");
    QTest::addColumn<QByteArray>("written");
    // clang-format off
    QTest::newRow("all lines deleted") << QByteArray("Paris,Rome") << QString() << lines("Paris|Rome") << QByteArray("Paris,Rome");
    QTest::newRow("only empty lines") << QByteArray("Paris") << QStringLiteral("\n\n") << lines("Paris") << QByteArray("Paris");
    QTest::newRow("empty Elements of a hand-edited file") << QByteArray("a,,b,") << QStringLiteral("a\n\nb") << lines("a|b") << QByteArray("a,b");
    QTest::newRow("a blank at the end of the last line") << QByteArray("x") << QStringLiteral("a\nb ") << lines("a|b ") << QByteArray("a,b ,");
    QTest::newRow("a blank at the end of another line") << QByteArray("x") << QStringLiteral("a \nb") << lines("a |b") << QByteArray("a ,b");
    QTest::newRow("a long line") << QByteArray("x") << QString(300, QLatin1Char('w')) << QStringList{QString(300, QLatin1Char('w'))} << QByteArray(300, 'w');
    // clang-format on
}

// The memo is committed when another Module is picked, and by OK.
void TestEditor::commit()
{
    QFETCH(QByteArray, stored);
    QFETCH(QString, memo);
    QFETCH(QStringList, shownAgain);
    QFETCH(QByteArray, written);
    Session s("[M]\r\nData=" + stored + "\r\n\r\n[Other]\r\nData=o\r\n\r\n");
    s.Open([&] {
        s.w->Memo1->setPlainText(memo);
        const QTextBlock first = s.w->Memo1->document()->firstBlock();
        s.w->Memo1->document()->documentLayout()->blockBoundingRect(first); // lays the block out
        if (memo.size() > 100)                                              // wraps on screen, still one line
            QVERIFY(first.layout()->lineCount() > 1);
        QTest::keyClick(s.w->ComboBox1, Qt::Key_Down);
        QCOMPARE(s.w->MemoLines(), QStringList{QStringLiteral("o")});
        QTest::keyClick(s.w->ComboBox1, Qt::Key_Up);
        QCOMPARE(s.w->MemoLines(), shownAgain);
        s.Click(s.w->BitBtn7);
    });
    QCOMPARE(s.File(), "[M]\r\nData=" + written + "\r\n\r\n[Other]\r\nData=o\r\n\r\n");
    s.Open([&] {
        QCOMPARE(s.w->MemoLines(), shownAgain);
        s.Click(s.w->BitBtn6);
    });
}

void TestEditor::closingWithoutOk_writesNothing_data()
{
    QTest::addColumn<int>("action"); // 0 load a file, 1 delete a Module, 2 add a Module, 3 edit, 4 keep
    QTest::addColumn<int>("close");  // 0 "Cancel", 1 Esc, 2 the close box
    QTest::newRow("load, Cancel") << 0 << 0;
    QTest::newRow("delete, Cancel") << 1 << 0;
    QTest::newRow("delete, Esc") << 1 << 1;
    QTest::newRow("add, close box") << 2 << 2;
    QTest::newRow("edit, Esc") << 3 << 1;
    QTest::newRow("keep, Cancel") << 4 << 0;
}

void TestEditor::closingWithoutOk_writesNothing()
{
    QFETCH(int, action);
    QFETCH(int, close);
    Session s;
    s.dir.Write(QStringLiteral("in.txt"), "Lima\r\nQuito\r\n");
    const int result = s.Open([&] {
        if (action == 0) {
            s.user.fileNames.push_back(s.dir.Path(QStringLiteral("in.txt")));
            s.Click(s.w->BitBtn4);
            QCOMPARE(s.w->MemoLines(), lines("Lima|Quito"));
        } else if (action == 1) {
            s.Click(s.w->BitBtn2);
            QCOMPARE(s.user.MessageTexts(), QStringList{QStringLiteral("Delete Capitals?")});
            QCOMPARE(s.Items(), lines("Rivers"));
            QCOMPARE(s.w->MemoLines(), lines("Nile"));
        } else if (action == 2) {
            s.NextName(QStringLiteral("Seas"));
            s.Click(s.w->BitBtn1);
        } else if (action == 3) {
            s.Type(QStringLiteral("Oslo"));
        } else {
            s.w->KeepBox->click();
        }
        if (close == 0)
            s.Click(s.w->BitBtn6);
        else if (close == 1)
            QTest::keyClick(s.w, Qt::Key_Escape);
        else
            s.w->close();
        QVERIFY(!s.w->isVisible());
    });
    QCOMPARE(result, int(QDialog::Rejected));
    QCOMPARE(s.File(), Library);
    QVERIFY(!s.dir.Exists(QStringLiteral("keep.ini")));
    QVERIFY(!s.w->HasWorkingCopy());
    QCOMPARE(s.w->Memo1->toPlainText(), QString());
}

// The boxes follow the Module shown; OK writes what changed, and a kept
// Module deleted in the editor is no longer kept.
void TestEditor::keep_writtenByOk_droppedWithItsModule()
{
    Session s;
    s.dir.Write(QStringLiteral("keep.ini"), "; mine\r\n[Lakes]\r\nOrder=set\r\n\r\n");
    s.Open([&] {
        QVERIFY(!s.w->KeepBox->isChecked());
        QVERIFY(!s.w->SequenceBox->isEnabled());
        s.w->KeepBox->click();
        QVERIFY(s.w->SequenceBox->isEnabled() && s.w->SequenceBox->isChecked());
        s.w->SequenceBox->click();
        s.w->ComboBox1->setCurrentIndex(1);
        QVERIFY(!s.w->KeepBox->isChecked());
        s.w->KeepBox->click();
        s.w->ComboBox1->setCurrentIndex(0);
        QVERIFY(s.w->KeepBox->isChecked() && !s.w->SequenceBox->isChecked());
        s.Click(s.w->BitBtn7);
    });
    QCOMPARE(s.dir.Read(QStringLiteral("keep.ini")),
             "; mine\r\n[Lakes]\r\nOrder=set\r\n\r\n[Capitals]\r\nOrder=set\r\n\r\n[Rivers]\r\nOrder=sequence\r\n");
    s.Open([&] {
        QVERIFY(s.w->KeepBox->isChecked() && !s.w->SequenceBox->isChecked());
        s.Click(s.w->BitBtn2);                                               // Capitals, confirmed
        QVERIFY(s.w->KeepBox->isChecked() && s.w->SequenceBox->isChecked()); // Rivers
        s.Click(s.w->BitBtn7);
    });
    QCOMPARE(s.dir.Read(QStringLiteral("keep.ini")),
             "; mine\r\n[Lakes]\r\nOrder=set\r\n\r\n[Rivers]\r\nOrder=sequence\r\n");
}

void TestEditor::writeFailureAtOk_keepsChanges()
{
    Session s;
    const QString path = s.dir.Path(QStringLiteral("modules.ini"));
    s.Open([&] {
        s.NextName(QStringLiteral("Seas"));
        s.Click(s.w->BitBtn1);
        s.Type(QStringLiteral("Black"));
        // A directory in the file's place cannot be replaced, even by root.
        QVERIFY(QFile::remove(path));
        QVERIFY(QDir().mkdir(path));
        s.Click(s.w->BitBtn7);
        QCOMPARE(s.user.asked.size(), 1);
        QVERIFY(s.LastErrorStartsWith(QStringLiteral("Cannot create file \"") + path + QStringLiteral("\". ")));
        QVERIFY(s.w->isVisible());
        QCOMPARE(s.w->MemoLines(), lines("Black"));
        QVERIFY(QDir().rmdir(path));
        s.Click(s.w->BitBtn7);
        QVERIFY(!s.w->isVisible());
    });
    QCOMPARE(s.File(), Library + "[Seas]\r\nData=Black\r\n\r\n");
}

void TestEditor::ok_keepsForeignBytesAndMark_data()
{
    // Every Module is shown (and so committed); one gets an Element more.
    QTest::addColumn<QByteArray>("library");
    QTest::addColumn<QByteArray>("expected");
    // clang-format off
    QTest::newRow("Latin-1 and Windows-1251 bytes")
        << QByteArray("[Gr\xF6\xDF" "e]\r\nData=kl\xE4in,gro\xDF\r\n\r\n[\xD7\xE8\xF1\xEB\xE0]\r\nData=\xEE\xE4\xE8\xED\r\n\r\n")
        << QByteArray("[Gr\xF6\xDF" "e]\r\nData=kl\xE4in,gro\xDF,new\r\n\r\n[\xD7\xE8\xF1\xEB\xE0]\r\nData=\xEE\xE4\xE8\xED\r\n\r\n");
    QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBF[First]\r\nData=a,b\r\n\r\n[Second]\r\nData=c\r\n\r\n")
                                     << QByteArray("\xEF\xBB\xBF[First]\r\nData=a,b,new\r\n\r\n[Second]\r\nData=c\r\n\r\n");
    // Shown but not changed, the value is not made again from its lines.
    QTest::newRow("final comma") << QByteArray("[First]\r\nData=a,b\r\n\r\n[Second]\r\nData=c,\r\n\r\n")
                                 << QByteArray("[First]\r\nData=a,b,new\r\n\r\n[Second]\r\nData=c,\r\n\r\n");
    // clang-format on
}

void TestEditor::ok_keepsForeignBytesAndMark()
{
    QFETCH(QByteArray, library);
    QFETCH(QByteArray, expected);
    Session s(library);
    s.Open([&] {
        QCOMPARE(s.Items().size(), 2);
        s.w->ComboBox1->setCurrentIndex(1);
        s.w->Combobox1OnChange();
        s.w->ComboBox1->setCurrentIndex(0);
        s.w->Combobox1OnChange();
        s.w->Memo1->moveCursor(QTextCursor::End);
        s.Press(Qt::Key_Return);
        s.Type(QStringLiteral("new"));
        s.Click(s.w->BitBtn7);
    });
    QVERIFY(s.user.asked.isEmpty());
    QCOMPARE(s.File(), expected);
}

void TestEditor::ok_afterAnotherWriter_appliesOnlyThisEditorsChanges_data()
{
    // While the editor is open another copy's OK (or a text editor)
    // rewrites modules.ini; this editor's OK keeps that and adds its own.
    QTest::addColumn<QString>("edit");     // what the user does in this editor
    QTest::addColumn<QByteArray>("other"); // what the file holds at OK
    QTest::addColumn<int>("keepMine");     // answer to "Keep your version?": 1 OK, 0 Cancel, -1 not asked
    QTest::addColumn<QByteArray>("expected");
    const QByteArray capitals = "[Capitals]\r\nData=Paris,Rome\r\n\r\n";
    const QByteArray rivers = "[Rivers]\r\nData=Nile\r\n\r\n";
    const QByteArray seas = "[Seas]\r\nData=Black\r\n\r\n";
    const QByteArray mineCapitals = "[Capitals]\r\nData=Paris,Rome,Oslo\r\n\r\n";
    const QByteArray theirCapitals = "[Capitals]\r\nData=Paris,Bern\r\n\r\n";
    // clang-format off
    QTest::newRow("nothing changed here") << "none" << "; by hand\r\n" + Library + seas << -1
                                          << "; by hand\r\n" + Library + seas;
    QTest::newRow("a Module added on each side") << "add" << Library + seas << -1
                                                 << Library + seas + "[Lakes]\r\nData=Baikal\r\n\r\n";
    QTest::newRow("different Modules changed") << "change" << capitals + "[Rivers]\r\nData=Nile,Volga\r\n\r\n" << -1
                                               << mineCapitals + "[Rivers]\r\nData=Nile,Volga\r\n\r\n";
    QTest::newRow("deleted here, added there") << "delete" << Library + seas << -1 << capitals + seas;
    QTest::newRow("deleted here, changed there, kept") << "delete" << capitals + "[Rivers]\r\nData=Nile,Volga\r\n\r\n" << 0
                                                       << capitals + "[Rivers]\r\nData=Nile,Volga\r\n\r\n";
    QTest::newRow("same Module on both sides, mine kept") << "change" << theirCapitals + rivers << 1 << mineCapitals + rivers;
    QTest::newRow("same Module on both sides, the file's kept") << "change" << theirCapitals + rivers << 0
                                                                << theirCapitals + rivers;
    QTest::newRow("changed here, deleted there, mine kept") << "change" << rivers << 1 << rivers + mineCapitals;
    // clang-format on
}

void TestEditor::ok_afterAnotherWriter_appliesOnlyThisEditorsChanges()
{
    QFETCH(QString, edit);
    QFETCH(QByteArray, other);
    QFETCH(int, keepMine);
    QFETCH(QByteArray, expected);
    Session s;
    if (edit == QLatin1String("delete"))
        s.user.answers.push_back(Dialogs::Answer::Ok); // "Delete Rivers?"
    if (keepMine >= 0)
        s.user.answers.push_back(keepMine ? Dialogs::Answer::Ok : Dialogs::Answer::Cancel);
    s.Open([&] {
        if (edit == QLatin1String("add")) {
            s.NextName(QStringLiteral("Lakes"));
            s.Click(s.w->BitBtn1);
            s.Type(QStringLiteral("Baikal"));
        } else if (edit == QLatin1String("change")) {
            s.w->Memo1->moveCursor(QTextCursor::End);
            s.Press(Qt::Key_Return);
            s.Type(QStringLiteral("Oslo"));
        } else if (edit == QLatin1String("delete")) {
            s.w->ComboBox1->setCurrentIndex(1);
            s.w->Combobox1OnChange();
            s.Click(s.w->BitBtn2);
        }
        s.dir.Write(QStringLiteral("modules.ini"), other);
        s.Click(s.w->BitBtn7);
        QVERIFY(!s.w->isVisible());
    });
    QCOMPARE(s.File(), expected);
    const qsizetype asked = (edit == QLatin1String("delete") ? 1 : 0) + (keepMine >= 0 ? 1 : 0);
    QCOMPARE(s.user.asked.size(), asked);
    if (keepMine >= 0)
        QCOMPARE(s.user.asked.last().text, QStringLiteral("The Module \"%1\" was also changed in the library file "
                                                          "since this editor opened. Keep your version? Cancel keeps "
                                                          "the file's.")
                                               .arg(edit == QLatin1String("delete") ? "Rivers" : "Capitals"));
}

void TestEditor::ok_asksWithoutTheLock_thenWritesOntoTheFileAsItIs_data()
{
    // The user changed Capitals, and so did another copy: OK asks "Keep
    // your version?". While the question is open, something happens.
    QTest::addColumn<QString>("meanwhile");
    QTest::addColumn<int>("asked");
    QTest::addColumn<QByteArray>("expected"); // every answer keeps the user's
    const QByteArray mineCapitals = "[Capitals]\r\nData=Paris,Rome,Oslo\r\n\r\n";
    const QByteArray rivers = "[Rivers]\r\nData=Nile\r\n\r\n";
    // clang-format off
    QTest::newRow("another copy saves a run") << "second copy" << 1 << mineCapitals + rivers;
    QTest::newRow("another Module changed") << "Rivers" << 1 << mineCapitals + "[Rivers]\r\nData=Nile,Volga\r\n\r\n";
    QTest::newRow("the same Module changed again: asked again") << "Capitals" << 2 << mineCapitals + rivers;
    // clang-format on
}

void TestEditor::ok_asksWithoutTheLock_thenWritesOntoTheFileAsItIs()
{
    QFETCH(QString, meanwhile);
    QFETCH(int, asked);
    QFETCH(QByteArray, expected);
    Session s;
    int secondCopyExit = -1;
    s.user.onAsk = [&](const TestUser::Asked &) {
        if (s.user.asked.size() != 1)
            return;
        if (meanwhile == QLatin1String("second copy")) {
            // A real second copy of the program saves a run in the same
            // folder; it must not wait for the question to be answered.
            QProcess copy;
            copy.start(QStringLiteral(TENACIO_SECOND_COPY), {s.dir.Path(QStringLiteral("testres.ini")), "run"});
            copy.write("go\n");
            copy.closeWriteChannel();
            QVERIFY(copy.waitForFinished(20000));
            secondCopyExit = copy.exitCode();
        } else if (meanwhile == QLatin1String("Rivers")) {
            s.dir.Write(QStringLiteral("modules.ini"), "[Capitals]\r\nData=Paris,Bern\r\n\r\n"
                                                       "[Rivers]\r\nData=Nile,Volga\r\n\r\n");
        } else {
            s.dir.Write(QStringLiteral("modules.ini"), "[Capitals]\r\nData=Paris,Lima\r\n\r\n"
                                                       "[Rivers]\r\nData=Nile\r\n\r\n");
        }
    };
    s.Open([&] {
        s.w->Memo1->moveCursor(QTextCursor::End);
        s.Press(Qt::Key_Return);
        s.Type(QStringLiteral("Oslo"));
        s.dir.Write(QStringLiteral("modules.ini"),
                    "[Capitals]\r\nData=Paris,Bern\r\n\r\n[Rivers]\r\nData=Nile\r\n\r\n");
        s.Click(s.w->BitBtn7);
        QVERIFY(!s.w->isVisible());
    });
    QCOMPARE(s.user.MessageTexts().filter(QStringLiteral("Keep your version?")).size(), asked);
    QCOMPARE(s.user.asked.size(), asked);
    QCOMPARE(s.File(), expected);
    if (meanwhile == QLatin1String("second copy")) {
        QCOMPARE(secondCopyExit, 0);
        QCOMPARE(s.dir.Read(QStringLiteral("testres.ini")), QByteArray("[run]\r\nTotal=1\r\n\r\n"));
    }
}

void TestEditor::unreadableLibrary_closesEditor()
{
    Session s(QByteArray{});
    QVERIFY(QDir().mkdir(s.dir.Path(QStringLiteral("modules.ini"))));
    s.Open([&] {
        QVERIFY(!s.w->isVisible());
        QVERIFY(s.LastErrorStartsWith(QStringLiteral("Cannot open file \"")));
        s.w->BitBtn7Click(); // nothing to write
    });
    QVERIFY(QFileInfo(s.dir.Path(QStringLiteral("modules.ini"))).isDir());
    QCOMPARE(s.user.asked.size(), 1);
}

void TestEditor::load()
{
    Session s;
    s.dir.Write(QStringLiteral("in.txt"), "Lima\r\nQuito\nBern\r\rOslo");
    s.Open([&] {
        s.user.fileNames.push_back(QString()); // the dialog cancelled
        s.Click(s.w->BitBtn4);
        const QString missing = s.dir.Path(QStringLiteral("missing.txt"));
        s.user.fileNames.push_back(missing);
        s.Click(s.w->BitBtn4);
        QVERIFY(s.LastErrorStartsWith(QStringLiteral("Cannot open file \"") + missing + QStringLiteral("\". ")));
        QCOMPARE(s.w->MemoLines(), lines("Paris|Rome"));
        s.user.fileNames.push_back(s.dir.Path(QStringLiteral("in.txt")));
        s.Click(s.w->BitBtn4); // "Replace", the answer of a user who presses Enter
        s.Click(s.w->BitBtn7);
    });
    QCOMPARE(s.user.asked.size(), 2);
    QCOMPARE(s.user.asked.at(1).kind, Dialogs::Kind::ReplaceOrAppend);
    QCOMPARE(s.File(), "[Capitals]\r\nData=Lima,Quito,Bern,Oslo\r\n\r\n[Rivers]\r\nData=Nile\r\n\r\n");
}

void TestEditor::load_asksBeforeReplacingElements_data()
{
    QTest::addColumn<QString>("typed"); // after the Module's last line, Enter first
    QTest::addColumn<int>("answer");    // Dialogs::Answer
    QTest::addColumn<bool>("asked");
    QTest::addColumn<QStringList>("after");
    const int replace = int(Dialogs::Answer::Ok), append = int(Dialogs::Answer::Other);
    const int cancel = int(Dialogs::Answer::Cancel);
    // clang-format off
    QTest::newRow("replace") << "Oslo" << replace << true << lines("Lima|Quito");
    QTest::newRow("add to the end") << "Oslo" << append << true << lines("Paris|Rome|Oslo|Lima|Quito");
    QTest::newRow("add to the end after an empty last line") << "" << append << true << lines("Paris|Rome|Lima|Quito");
    QTest::newRow("cancel") << "Oslo" << cancel << true << lines("Paris|Rome|Oslo");
    QTest::newRow("close box") << "Oslo" << int(Dialogs::Answer::Closed) << true << lines("Paris|Rome|Oslo");
    QTest::newRow("no Elements: no question") << QString() << cancel << false << lines("Lima|Quito");
    // clang-format on
}

// "Load..." never drops typed Elements unasked, and what it does is one
// step that Ctrl+Z takes back.
void TestEditor::load_asksBeforeReplacingElements()
{
    QFETCH(QString, typed);
    QFETCH(int, answer);
    QFETCH(bool, asked);
    QFETCH(QStringList, after);
    Session s(typed.isNull() ? QByteArray("[Capitals]\r\nData=\r\n\r\n") : Library);
    s.dir.Write(QStringLiteral("in.txt"), "Lima\r\nQuito\r\n");
    s.Open([&] {
        s.Press(Qt::Key_End, Qt::ControlModifier);
        if (!typed.isNull()) {
            s.Press(Qt::Key_Return);
            s.Type(typed);
        }
        const QString before = s.w->Memo1->toPlainText();
        const int undoSteps = s.w->Memo1->document()->availableUndoSteps();
        s.user.fileNames.push_back(s.dir.Path(QStringLiteral("in.txt")));
        s.user.answers.push_back(Dialogs::Answer(answer));
        s.Click(s.w->BitBtn4);
        QCOMPARE(s.user.asked.size(), asked ? 1 : 0);
        if (asked) {
            QCOMPARE(s.user.asked.at(0).kind, Dialogs::Kind::ReplaceOrAppend);
            QCOMPARE(s.user.asked.at(0).text, QStringLiteral("The Module \"Capitals\" has Elements. Replace them "
                                                             "with the lines of the file, or add the lines after "
                                                             "them?"));
        }
        QCOMPARE(s.w->MemoLines(), after);
        // Asked and cancelled, the memo is as it was, its undo steps too;
        // otherwise one Ctrl+Z brings it back.
        const bool changed = s.w->Memo1->toPlainText() != before;
        if (!changed)
            QCOMPARE(s.w->Memo1->document()->availableUndoSteps(), undoSteps);
        else {
            s.w->Memo1->setFocus();
            s.Press(Qt::Key_Z, Qt::ControlModifier);
            QCOMPARE(s.w->Memo1->toPlainText(), before);
        }
        s.Click(s.w->BitBtn6);
    });
}

void TestEditor::commaInElement_refusedBeforeAnythingIsStored_data()
{
    QTest::addColumn<QString>("memo");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("element"); // as the message shows it
    QTest::addColumn<int>("by");          // 0 OK, 1 picking another Module, 2 "+"
    const QString longOne = QString(70, QLatin1Char('w')) + QLatin1Char(',');
    // clang-format off
    QTest::newRow("in the middle, OK") << "Paris\nWashington, D.C." << 2 << "Washington, D.C." << 0;
    QTest::newRow("decimal comma, OK") << "3,14" << 1 << "3,14" << 0;
    QTest::newRow("at the start, pick") << "Paris\n,Rome" << 2 << ",Rome" << 1;
    QTest::newRow("at the end, +") << "Paris,\nRome" << 1 << "Paris," << 2;
    QTest::newRow("quoted, OK") << "\"Washington, D.C.\"" << 1 << "\"Washington, D.C.\"" << 0;
    QTest::newRow("first of several, after an empty line, pick") << "a\n\nb,c\nd,e" << 3 << "b,c" << 1;
    QTest::newRow("long, cut in the message, OK") << "a\n" + longOne << 2 << QString(59, QLatin1Char('w')) + QChar(0x2026) << 0;
    // clang-format on
}

// The library separates Elements by commas: a line holding one is not
// split into several Elements but refused, with the line shown, and
// nothing reaches the working copy or the file until it is mended.
void TestEditor::commaInElement_refusedBeforeAnythingIsStored()
{
    QFETCH(QString, memo);
    QFETCH(int, line);
    QFETCH(QString, element);
    QFETCH(int, by);
    Session s;
    s.Open([&] {
        s.w->Memo1->setPlainText(memo);
        if (by == 0) {
            s.Click(s.w->BitBtn7);
        } else if (by == 1) {
            QTest::keyClick(s.w->ComboBox1, Qt::Key_Down);
        } else {
            s.NextName(QStringLiteral("Seas"));
            s.Click(s.w->BitBtn1);
            QVERIFY(s.user.opened.size() == 1); // the editor alone: no name was asked for
            s.user.scripts.clear();
        }
        QVERIFY(s.w->isVisible());
        QCOMPARE(s.user.MessageTexts(),
                 QStringList{QStringLiteral("The Element \"%1\" on line %2 holds a comma. The Module library separates "
                                            "Elements by commas, so it would become several Elements. Write it "
                                            "without a comma (3.14, Washington D.C.); nothing was stored.")
                                 .arg(element)
                                 .arg(line)});
        QCOMPARE(s.Items(), lines("Capitals|Rivers"));
        QCOMPARE(s.w->ComboBox1->currentIndex(), 0);
        QCOMPARE(s.w->ShownModuleIndex(), 0);
        QCOMPARE(s.w->Memo1->toPlainText(), memo);
        QCOMPARE(s.w->focusWidget(), s.w->Memo1);
        QCOMPARE(s.w->Memo1->textCursor().selectedText(), s.w->MemoLines().at(line - 1));
        // Mended, it is stored as one Element.
        s.w->Memo1->setPlainText(memo.replace(QLatin1Char(','), QLatin1Char('.')));
        s.Click(s.w->BitBtn7);
        QVERIFY(!s.w->isVisible());
    });
    QCOMPARE(s.File(), "[Capitals]\r\nData=" + Modules::JoinElements(ModuleEdit::TextLines(memo)).toUtf8()
                           + "\r\n\r\n[Rivers]\r\nData=Nile\r\n\r\n");
}

void TestEditor::save_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("written");
    // clang-format off
    QTest::newRow("no extension") << "list" << "list.txt";
    QTest::newRow("with .txt") << "list.txt" << "list.txt";
    QTest::newRow("with .TXT") << "List.TXT" << "List.TXT";
    QTest::newRow("other extension") << "list.csv" << "list.csv.txt";
    // clang-format on
}

void TestEditor::save()
{
    QFETCH(QString, chosen);
    QFETCH(QString, written);
    Session s("[M]\r\nData=\xC3\xA9t\xC3\xA9, b\r\n\r\n");
    s.dir.Write(written, "old content, replaced");
    const QString uncreatable = s.dir.Path(QStringLiteral("none/x"));
    s.Open([&] {
        s.user.fileNames.push_back(s.dir.Path(chosen));
        s.Click(s.w->BitBtn5);
        s.user.fileNames.push_back(uncreatable);
        s.Click(s.w->BitBtn5);
        s.Click(s.w->BitBtn6);
    });
    QCOMPARE(QDir(s.dir.Dir()).entryList(QDir::Files), QStringList({written, QStringLiteral("modules.ini")}));
    QCOMPARE(s.dir.Read(written), QByteArray("\xC3\xA9t\xC3\xA9\r\n b"));
    QCOMPARE(s.user.asked.size(), 1);
    QVERIFY(s.LastErrorStartsWith(QStringLiteral("Cannot create file \"") + uncreatable + QStringLiteral(".txt\". ")));
}

void TestEditor::namePrompt_emptiedEachShowing_namesOnOneLine()
{
    Session s;
    Tfrm_name *prompt = s.forms.frm_name;
    const QString longName(40000, QLatin1Char('n'));
    s.Open([&] {
        for (const QString &name : {QStringLiteral("Seas"), longName, QStringLiteral("Black\nSea")}) {
            s.user.scripts.push_back([&](QDialog *) {
                QCOMPARE(prompt->Edit1->text(), QString());
                QCOMPARE(prompt->focusWidget(), prompt->Edit1);
                QTest::keyClicks(prompt->Edit1, name.left(5));
                prompt->Edit1->insert(name.mid(5));
                QTest::keyClick(prompt->Edit1, Qt::Key_Return);
            });
            s.Click(s.w->BitBtn1);
        }
        QCOMPARE(s.Items().last(), QStringLiteral("Black Sea")); // as the file keeps it
        s.Type(QStringLiteral("Azov"));
        s.w->ComboBox1->setCurrentIndex(0);
        s.w->ComboBox1->setCurrentIndex(4);
        QCOMPARE(s.w->MemoLines(), lines("Azov"));
        s.Click(s.w->BitBtn7);
    });
    QCOMPARE(s.File(), Library + "[Seas]\r\nData=\r\n\r\n[" + longName.toLatin1()
                           + "]\r\nData=\r\n\r\n[Black Sea]\r\nData=Azov\r\n\r\n");
}

void TestEditor::keyboard_reachesEveryControl()
{
    Session s;
    s.Open([&] {
        QVERIFY(QTest::qWaitForWindowActive(s.w));
        // Tab moves on from the memo instead of going into an Element.
        s.w->Memo1->setFocus();
        s.Press(Qt::Key_Tab);
        QCOMPARE(s.w->focusWidget(), s.w->KeepBox);
        QCOMPARE(s.w->MemoLines(), lines("Paris|Rome"));
        QTest::keyClick(s.w, Qt::Key_M, Qt::AltModifier);
        QCOMPARE(s.w->focusWidget(), s.w->ComboBox1);
        // Each underlined sign presses its own button (the press is let go
        // only when the editor is gone).
        const std::pair<Qt::Key, QPushButton *> presses[] = {
            {Qt::Key_Plus, s.w->BitBtn1}, {Qt::Key_Minus, s.w->BitBtn2}, {Qt::Key_L, s.w->BitBtn4},
            {Qt::Key_S, s.w->BitBtn5},    {Qt::Key_O, s.w->BitBtn7},     {Qt::Key_C, s.w->BitBtn6}};
        for (const auto &[key, button] : presses) {
            QTest::keyClick(s.w, key, Qt::AltModifier);
            QVERIFY2(button->isDown(), qPrintable(button->objectName()));
        }
    });
    QVERIFY(s.user.asked.isEmpty());
}

QTEST_MAIN(TestEditor)
#include "tst_editor.moc"
