#include "library/modules.h"
#include "library/settings.h"
#include "tests/testsupport.h"

#include <QDir>
#include <QTest>

namespace {
QString lit(const char *text) { return QString::fromUtf8(text); }
} // namespace

class TestLibrary : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void splitElements_data();
    void splitElements();
    void joinElements_data();
    void joinElements();
    void readModule_data();
    void readModule();
    void readSettings_flags_data();
    void readSettings_flags();
    void unreadableLibrary_saysWhy_data();
    void unreadableLibrary_saysWhy();
    void storedChoices_usedAsTheOptionsCanSetThem_data();
    void storedChoices_usedAsTheOptionsCanSetThem();
};

void TestLibrary::splitElements_data()
{
    QTest::addColumn<QString>("data");
    QTest::addColumn<QStringList>("elements");
    QTest::newRow("three") << lit("a,b,c") << QStringList{lit("a"), lit("b"), lit("c")};
    QTest::newRow("empty between") << lit("a,,b") << QStringList{lit("a"), QString(), lit("b")};
    QTest::newRow("empty first") << lit(",a") << QStringList{QString(), lit("a")};
    QTest::newRow("final comma adds none") << lit("a,b,") << QStringList{lit("a"), lit("b")};
    QTest::newRow("two final commas") << lit("a,,") << QStringList{lit("a"), QString()};
    QTest::newRow("only a comma") << lit(",") << QStringList{QString()};
    QTest::newRow("nothing") << QString() << QStringList{};
    QTest::newRow("blanks kept") << lit(" a , b") << QStringList{lit(" a "), lit(" b")};
    // Past the marks the list keeps every so many Elements, and a final
    // "," where the next mark would stand.
    for (const qsizetype count : {Modules::ElementList::MarkStep * 3 + 5, Modules::ElementList::MarkStep * 2}) {
        QStringList many;
        for (qsizetype i = 0; i < count; ++i)
            many << (i % 7 == 3 ? QString() : QString::number(i));
        QTest::addRow("%lld Elements, a final comma", qlonglong(count)) << many.join(QLatin1Char(',')) + u',' << many;
    }
}

void TestLibrary::splitElements()
{
    QFETCH(QString, data);
    QFETCH(QStringList, elements);
    QCOMPARE(Modules::SplitElements(data), elements);
    // The options dialog's list splits the same way and finds first twins.
    const Modules::ElementList list(data);
    QCOMPARE(list.ToStringList(), elements);
    QCOMPARE(list.Size(), elements.size());
    for (qsizetype i = 0; i < elements.size(); ++i) {
        QCOMPARE(list.At(i), elements.at(i));
        QCOMPARE(list.IndexOf(elements.at(i)), elements.indexOf(elements.at(i)));
    }
    QCOMPARE(list.IndexOf(lit("b ")), -1);
    // Joining drops the empty Elements and gives the rest back.
    QStringList nonEmpty = elements;
    nonEmpty.removeAll(QString());
    QCOMPARE(Modules::JoinElements(elements), nonEmpty.join(QLatin1Char(',')));
}

void TestLibrary::joinElements_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("data");
    QTest::newRow("empty lines skipped") << QStringList{QString(), lit("a"), QString(), lit("b")} << lit("a,b");
    QTest::newRow("blank line kept") << QStringList{lit("  "), lit("a")} << lit("  ,a");
    QTest::newRow("only empty lines") << QStringList{QString(), QString()} << QString();
    QTest::newRow("nothing trimmed") << QStringList{lit(" x "), lit("y,z")} << lit(" x ,y,z");
    // Reading the value trims it: a final "," keeps the last Element's blank.
    QTest::newRow("a blank last: a final comma") << QStringList{lit("a"), lit("b "), QString()} << lit("a,b ,");
    QTest::newRow("a tab last: a final comma") << QStringList{lit("x\t")} << lit("x\t,");
    QTest::newRow("a blank line last") << QStringList{lit("a"), lit("  ")} << lit("a,  ,");
}

void TestLibrary::joinElements()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, data);
    QCOMPARE(Modules::JoinElements(lines), data);
}

void TestLibrary::readModule_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("elements");
    const QByteArray lib = "[Capitals]\r\nData=Paris,Rome,Oslo\r\n\r\n[NoKey]\r\nOther=1\r\n";
    const QStringList three{lit("Paris"), lit("Rome"), lit("Oslo")};
    QTest::newRow("any letter case") << lib << lit("CAPITALS") << three;
    QTest::newRow("no Data key") << lib << lit("NoKey") << QStringList{};
    QTest::newRow("no such Module") << lib << lit("Gone") << QStringList{};
    QTest::newRow("no file") << QByteArray() << lit("Capitals") << QStringList{};
    QTest::newRow("blanks at the ends lost")
        << QByteArray("[M]\nData=  a, b ,c=d  \n") << lit("M") << QStringList{lit("a"), lit(" b "), lit("c=d")};
    QTest::newRow("the first Data key in any letter case, other lines passed over")
        << QByteArray("[M]\r\n; Data=x\r\nDatabase=y\r\nData\r\nx=Data=z\r\n DATA = a,b\r\ndata=c\r\n") << lit("M")
        << QStringList{lit("a"), lit("b")};
    QTest::newRow("quotes kept") << QByteArray("[M]\nData=\"a,b\"\n") << lit("M")
                                 << QStringList{lit("\"a"), lit("b\"")};
    QByteArray data;
    QStringList many;
    for (int i = 0; i < 3000; ++i) {
        many << QString::number(10000 + i);
        data += (i ? "," : "") + many.last().toLatin1();
    }
    QTest::newRow("longer than direct access reads") << "[Long]\n Data = " + data + "\n" << lit("Long") << many;
}

void TestLibrary::readModule()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, name);
    QFETCH(QStringList, elements);
    TestDataDir dir;
    if (!file.isEmpty())
        dir.Write(lit("modules.ini"), file);
    QCOMPARE(Modules::ReadModule(Modules::LibraryPath(), name).Elements.ToStringList(), elements);
    QCOMPARE(dir.Read(lit("modules.ini")), file);
}

void TestLibrary::readSettings_flags_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QList<bool>>("flags"); // Ifexec, IfNoTimeLimit, IfShowNum
    QTest::newRow("no file") << QByteArray() << QList<bool>{true, false, true};
    QTest::newRow("all 1") << QByteArray("[Test]\nIfexec=1\nIfNoTimeLimit=1\nIfShowNum=1\n")
                           << QList<bool>{true, true, true};
    QTest::newRow("all 0") << QByteArray("[Test]\nIfexec=0\nIfNoTimeLimit=0\nIfShowNum=0\n")
                           << QList<bool>{false, false, false};
    QTest::newRow("2 and -1 are off") << QByteArray("[Test]\nIfexec=2\nIfShowNum=-1\n")
                                      << QList<bool>{false, false, false};
    QTest::newRow("not numbers: defaults")
        << QByteArray("[Test]\nIfexec=yes\nIfNoTimeLimit=on\nIfShowNum=1.0\n") << QList<bool>{true, false, true};
    QTest::newRow("0x1 and $1 are 1") << QByteArray("[test]\nIFEXEC=0x1\nIfNoTimeLimit=$1\nIfShowNum=\"0\"\n")
                                      << QList<bool>{true, true, false};
}

void TestLibrary::readSettings_flags()
{
    QFETCH(QByteArray, file);
    QFETCH(QList<bool>, flags);
    TestDataDir dir;
    if (!file.isEmpty())
        dir.Write(lit("config.ini"), file);
    const Settings::Record r = Settings::Read(Settings::ConfigPath());
    QCOMPARE((QList<bool>{r.DoExercises, r.IfNoTimeLimit, r.IfShowNum}), flags);
}

void TestLibrary::unreadableLibrary_saysWhy_data()
{
    QTest::addColumn<int>("reader");
    QTest::newRow("modules-readable: a Module, a folder in the library's place") << 0;
    QTest::newRow("modules-readable: the names, a folder in the library's place") << 1;
}

// A library that is there but can't be read is never taken for an empty one.
void TestLibrary::unreadableLibrary_saysWhy()
{
    QFETCH(int, reader);
    TestDataDir dir;
    QVERIFY(QDir(dir.Dir()).mkdir(lit("modules.ini")));
    QString raised;
    try {
        if (reader == 0)
            Modules::ReadModule(Modules::LibraryPath(), lit("Capitals"));
        else
            Modules::AllModuleNames(Modules::LibraryPath());
    } catch (const AppError &e) {
        raised = e.Text();
    }
    QVERIFY2(raised.startsWith(lit("Cannot open file \"") + Modules::LibraryPath() + lit("\". ")), qPrintable(raised));
}

void TestLibrary::storedChoices_usedAsTheOptionsCanSetThem_data()
{
    // ModuleIndex of the names and a stored name, or UsableTimer of a
    // stored Timer (spoken or not): what is used.
    QTest::addColumn<QStringList>("names"); // empty: the Timer
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("spoken");
    QTest::addColumn<QString>("used");
    // clang-format off
    QTest::newRow("settings-module-index: no name stored, a Module without a name")
        << QStringList{lit("Alpha"), QString()} << QString() << false << lit("0");
    QTest::newRow("settings-timer-clamp: a spoken Training's Timer below its least")
        << QStringList{} << lit("700") << true << lit("800");
    // clang-format on
}

void TestLibrary::storedChoices_usedAsTheOptionsCanSetThem()
{
    QFETCH(QStringList, names);
    QFETCH(QString, stored);
    QFETCH(bool, spoken);
    QFETCH(QString, used);
    if (!names.isEmpty()) {
        QCOMPARE(QString::number(Settings::ModuleIndex(names, stored)), used);
        return;
    }
    QString notice;
    QCOMPARE(Settings::UsableTimer(stored, spoken, &notice), used);
    QVERIFY(notice.contains(used));
}

QTEST_GUILESS_MAIN(TestLibrary)
#include "tst_library.moc"
