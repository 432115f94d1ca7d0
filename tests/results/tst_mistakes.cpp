#include "library/modules.h"
#include "results/mistakes.h"
#include "tests/testsupport.h"

#include <QTest>

namespace {

const QLocale German(QLocale::German, QLocale::Germany);
const QDateTime Now(QDate(2026, 12, 8), QTime(1, 22, 37));

// "text=answer" pairs, one per row.
AnswerSheet sheetOf(const QStringList &rows)
{
    AnswerSheet sheet;
    sheet.SetRowCount(int(rows.size()));
    for (int r = 0; r < rows.size(); ++r) {
        sheet.SetCell(AnswerSheet::Number, r, QString::number(r + 1));
        sheet.SetCell(AnswerSheet::Text, r, rows.at(r).section('=', 0, 0));
        sheet.SetCell(AnswerSheet::Answer, r, rows.at(r).section('=', 1));
    }
    return sheet;
}

} // namespace

class TestMistakes : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void plan_data();
    void plan();
    void taken_data();
    void taken();
    void addModule_data();
    void addModule();
    void addModule_readsBackAsMade_data();
    void addModule_readsBackAsMade();
};

void TestMistakes::plan_data()
{
    QTest::addColumn<QStringList>("sheet");
    QTest::addColumn<QStringList>("library");
    QTest::addColumn<QStringList>("elements");
    QTest::addColumn<bool>("repeated");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("replaceable");
    QTest::addColumn<QString>("nameIfReplaced");
    const QString base = "Mistakes 08.12.2026 01:22";
    // clang-format off
    QTest::newRow("run's order, each once, letter case and blanks count")
        << QStringList{"7=7", "cat=Cat", "12=12", "7=8", "dog=dog ", "cat=cat", "cat=", "5=5"} << QStringList{"Numbers"}
        << QStringList{"cat", "7", "dog"} << false << base << "" << "";
    QTest::newRow("one wrong Element is given twice") << QStringList{"a=a", "b=x", "c=c"} << QStringList{}
                                                      << QStringList{"b", "b"} << true << base << "" << "";
    QTest::newRow("the same one twice is still one") << QStringList{"b=x", "b=y"} << QStringList{}
                                                     << QStringList{"b", "b"} << true << base << "" << "";
    QTest::newRow("nothing wrong") << QStringList{"a=a", "b=b"} << QStringList{"Numbers"} << QStringList{} << false
                                   << "" << "" << "";
    QTest::newRow("an empty Element is kept") << QStringList{"=x", "a=b", "c=d"} << QStringList{}
                                              << QStringList{"", "a", "c"} << false << base << "" << "";
    QTest::newRow("a first Element that trimming would change goes behind")
        << QStringList{" beta=beta", "gamma =gamma", "x=y"} << QStringList{} << QStringList{"gamma ", " beta", "x"}
        << false << base << "" << "";
    QTest::newRow("name taken in other letter case; the last made offered")
        << QStringList{"a=x", "b=y"}
        << QStringList{"MISTAKES 08.12.2026 01:22", "Mistakes 01.12.2026 10:00", "Mistakes in French", "Numbers"}
        << QStringList{"a", "b"} << false << base + " (2)" << "Mistakes 01.12.2026 10:00" << base + " (2)";
    QTest::newRow("replacing frees the name")
        << QStringList{"a=x", "b=y"} << QStringList{base, "Words"} << QStringList{"a", "b"} << false
        << base + " (2)" << base << base;
    QTest::newRow("names that only look alike are never offered")
        << QStringList{"a=x", "b=y"} << QStringList{"Mistakes in French", "Mistakes 99.99.2026 01:22", "mistakes 01.12.2026 10:00"}
        << QStringList{"a", "b"} << false << base << "" << "";
    // A drill made while the program spoke another language is still one.
    QTest::newRow("mistakes-replace-latest: of two drills, the later one offered")
        << QStringList{"a=x", "b=y"} << QStringList{"Mistakes 01.12.2026 10:00", "Words", "Mistakes 05.12.2026 09:30"}
        << QStringList{"a", "b"} << false << base << "Mistakes 05.12.2026 09:30" << base;
    for (const char *made : {"Fehler 01.12.2026 10:00", "Ошибки 01.12.2026 10:00 (2)", "Erreurs 01.12.2026 10:00",
                             "Errores 01.12.2026 10:00"})
        QTest::newRow(made) << QStringList{"a=x", "b=y"} << QStringList{made, "Fehlerfrei 01.12.2026"}
                            << QStringList{"a", "b"} << false << base << made << base;
    // clang-format on
}

void TestMistakes::plan()
{
    QFETCH(QStringList, sheet);
    QFETCH(QStringList, library);
    QFETCH(QStringList, elements);
    QFETCH(bool, repeated);
    QFETCH(QString, name);
    QFETCH(QString, replaceable);
    QFETCH(QString, nameIfReplaced);
    const Mistakes::Plan plan = Mistakes::PlanFor(sheetOf(sheet), library, Now, German);
    QCOMPARE(plan.elements, elements);
    QCOMPARE(plan.repeated, repeated);
    QCOMPARE(plan.name, name);
    QCOMPARE(plan.replaceable, replaceable);
    QCOMPARE(plan.nameIfReplaced, nameIfReplaced);
}

void TestMistakes::taken_data()
{
    QTest::addColumn<QStringList>("sheet");
    QTest::addColumn<bool>("caseCounts");
    QTest::addColumn<QStringList>("elements");
    QTest::addColumn<QString>("kinds");
    // clang-format off
    QTest::newRow("??? is blank") << QStringList{"a=a", "b=???", "c=x"} << true << QStringList{"b", "c"}
                                  << "1 wrong, 1 blank";
    QTest::newRow("??? at the end: the Element before it omitted, nothing inserted")
        << QStringList{"a=a", "b=c", "c=???"} << true << QStringList{"b", "b"} << "1 omitted";
    QTest::newRow("Apple, apple: case counts") << QStringList{"Apple=apple", "Pear=Pear"} << true
                                               << QStringList{"Apple", "Apple"} << "1 wrong";
    QTest::newRow("Apple, apple: case ignored") << QStringList{"Apple=apple", "Pear=Pear"} << false << QStringList{}
                                                << "";
    // clang-format on
}

void TestMistakes::taken()
{
    QFETCH(QStringList, sheet);
    QFETCH(bool, caseCounts);
    QFETCH(QStringList, elements);
    QFETCH(QString, kinds);
    const Qt::CaseSensitivity cs = caseCounts ? Qt::CaseSensitive : Qt::CaseInsensitive;
    QCOMPARE(Mistakes::PlanFor(sheetOf(sheet), {}, Now, German, cs).elements, elements);
    QCOMPARE(Mistakes::KindsTaken(sheetOf(sheet), cs), kinds);
}

void TestMistakes::addModule_data()
{
    QTest::addColumn<QByteArray>("before"); // null: no file
    QTest::addColumn<QString>("replaced");
    QTest::addColumn<QByteArray>("after"); // null: refused, the file as it was
    QTest::addColumn<QString>("error");
    const QByteArray added = "[New]\r\nData=a,b\r\n\r\n";
    // clang-format off
    QTest::newRow("no library yet") << QByteArray() << "" << added << "";
    QTest::newRow("appended, the rest kept, mark kept")
        << QByteArray("\xEF\xBB\xBF[Words]\r\nData=cat,dog\r\nNote=x\r\n") << ""
        << QByteArray("\xEF\xBB\xBF[Words]\r\nData=cat,dog\r\nNote=x\r\n\r\n") + added << "";
    QTest::newRow("a library without a final line break")
        << QByteArray("[Words]\r\nData=cat") << "" << QByteArray("[Words]\r\nData=cat\r\n\r\n") + added << "";
    QTest::newRow("LF line breaks and a comment kept, an empty line ending it")
        << QByteArray("; mine\n[Words]\nData=cat\n\n") << ""
        << QByteArray("; mine\n[Words]\nData=cat\n\n[New]\nData=a,b\n\n") << "";
    QTest::newRow("the replaced Module's place is taken, its other lines go")
        << QByteArray("[Old]\r\nData=x\r\nNote=y\r\n\r\n[Words]\r\nData=cat\r\n\r\n") << "Old"
        << added + QByteArray("[Words]\r\nData=cat\r\n\r\n") << "";
    QTest::newRow("replaced by its own name in other letter case")
        << QByteArray("[Words]\r\nData=cat\r\n\r\n[NEW]\r\nData=x\r\n\r\n[Z]\r\nData=z\r\n\r\n") << "new"
        << QByteArray("[Words]\r\nData=cat\r\n\r\n") + added + "[Z]\r\nData=z\r\n\r\n" << "";
    QTest::newRow("a name already taken") << QByteArray("[NEW]\r\nData=x\r\n") << "" << QByteArray()
                                          << "The Module library already holds a Module named \"New\".";
    QTest::newRow("a file of no Modules") << QByteArray("\x00\x01 binary", 9) << "" << QByteArray()
                                          << "The file holds no sections this program can read; it was left as it was";
    // clang-format on
}

void TestMistakes::addModule()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, replaced);
    QFETCH(QByteArray, after);
    QFETCH(QString, error);
    TestDataDir dir;
    if (!before.isNull())
        dir.Write("modules.ini", before);
    QString raised;
    try {
        Modules::AddModule(Modules::LibraryPath(), "New", {"a", "b"}, replaced);
    } catch (const AppError &e) {
        raised = e.Text();
    }
    QVERIFY2(error.isEmpty() ? raised.isEmpty() : raised.contains(error), qPrintable(raised));
    QCOMPARE(dir.Read("modules.ini"), after.isNull() ? before : after);
}

void TestMistakes::addModule_readsBackAsMade_data()
{
    QTest::addColumn<QStringList>("elements");
    QTest::addColumn<QStringList>("stored"); // empty: refused, unless no Elements are given
    // clang-format off
    QTest::newRow("plain") << QStringList{"a", "b"} << QStringList{"a", "b"};
    QTest::newRow("an empty one inside") << QStringList{"a", "", "b"} << QStringList{"a", "", "b"};
    QTest::newRow("an empty one last") << QStringList{"a", ""} << QStringList{"a", ""};
    QTest::newRow("only empty ones") << QStringList{"", ""} << QStringList{"", ""};
    QTest::newRow("blanks at the end") << QStringList{"a", "b \t"} << QStringList{"a", "b \t"};
    QTest::newRow("blanks at the start go behind") << QStringList{" beta", "\tb", "c "}
                                                   << QStringList{"c ", " beta", "\tb"};
    QTest::newRow("an empty one keeps the next one's blanks") << QStringList{" a", ""} << QStringList{"", " a"};
    QTest::newRow("every one begins with a blank") << QStringList{" beta", " beta"} << QStringList{};
    QTest::newRow("a separator inside") << QStringList{"a,b", "c"} << QStringList{};
    QTest::newRow("modules-exact-first: no Elements at all") << QStringList{} << QStringList{};
    // clang-format on
}

void TestMistakes::addModule_readsBackAsMade()
{
    QFETCH(QStringList, elements);
    QFETCH(QStringList, stored);
    TestDataDir dir;
    const QByteArray before = "[Words]\r\nData=cat\r\n\r\n";
    dir.Write("modules.ini", before);
    QStringList arranged = elements;
    QString data;
    const bool refused = stored.isEmpty() && !elements.isEmpty();
    QCOMPARE(Modules::ExactData(arranged, &data), !refused);
    QString raised;
    try {
        Modules::AddModule(Modules::LibraryPath(), "New", elements);
    } catch (const AppError &e) {
        raised = e.Text();
    }
    if (refused) {
        QCOMPARE(arranged, elements);
        QVERIFY(!raised.isEmpty());
        QCOMPARE(dir.Read("modules.ini"), before);
        return;
    }
    QVERIFY2(raised.isEmpty(), qPrintable(raised));
    QCOMPARE(arranged, stored);
    QCOMPARE(Modules::ReadModule(Modules::LibraryPath(), "New").Elements.ToStringList(), stored);
}

QTEST_GUILESS_MAIN(TestMistakes)
#include "tst_mistakes.moc"
