#include "library/modules.h"
#include "library/settings.h"
#include "profile/profilefile.h"
#include "tests/testsupport.h"

#include <QTest>

using Modules::ElementList;

namespace {

QString lit(const char *text) { return QString::fromUtf8(text); }

QStringList fileLines(const QByteArray &bytes)
{
    QString text = QString::fromUtf8(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text.split(QLatin1Char('\n'));
}

std::optional<QString> bound(bool present, const QString &text)
{
    return present ? std::optional<QString>(text) : std::nullopt;
}

} // namespace

class TestLibrary : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void splitElements_data();
    void splitElements();
    void joinElements_data();
    void joinElements();
    void listModuleNames_fileOrderWithinTheNameLimit();
    void readModule_data();
    void readModule();
    void readModule_longDataComesBackWhole();
    void readSettings_defaultsWithoutFile();
    void readSettings_flags_data();
    void readSettings_flags();
    void readSettings_texts_data();
    void readSettings_texts();
    void writeSettings_freshFile_allKeysInOrder();
    void writeSettings_existingFile_keepsOtherLines();
    void writeSettings_refused_raisesWithPath();
    void writeThenRead_roundTrip_data();
    void writeThenRead_roundTrip();
    void moduleIndex_data();
    void moduleIndex();
    void boundIndex_data();
    void boundIndex();
    void spinStep_data();
    void spinStep();
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
    QTest::newRow("one") << lit("word") << QStringList{lit("word")};
    QTest::newRow("blanks kept") << lit(" a , b") << QStringList{lit(" a "), lit(" b")};
    QTest::newRow("blank only") << lit(" ") << QStringList{lit(" ")};
    QTest::newRow("not ascii") << lit("Zürich,Köln") << QStringList{lit("Zürich"), lit("Köln")};
}

void TestLibrary::splitElements()
{
    QFETCH(QString, data);
    QFETCH(QStringList, elements);
    QCOMPARE(Modules::SplitElements(data), elements);
    // The list the options dialog uses splits the same way.
    const ElementList list(data);
    QCOMPARE(list.size(), elements.size());
    QCOMPARE(list.toStringList(), elements);
    for (qsizetype i = 0; i < elements.size(); ++i) {
        QCOMPARE(list.text(i), elements.at(i));
        QCOMPARE(list.indexOf(elements.at(i)), elements.indexOf(elements.at(i)));
    }
    QCOMPARE(list.indexOf(lit("absent")), -1);
    // Joining drops the empty Elements and gives the rest back.
    QStringList nonEmpty = elements;
    nonEmpty.removeAll(QString());
    QCOMPARE(Modules::JoinElements(elements), nonEmpty.join(QLatin1Char(',')));
}

void TestLibrary::joinElements_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("data");
    QTest::newRow("three") << QStringList{lit("a"), lit("b"), lit("c")} << lit("a,b,c");
    QTest::newRow("empty lines skipped") << QStringList{QString(), lit("a"), QString(), lit("b"), QString()} << lit("a,b");
    QTest::newRow("blank line kept") << QStringList{lit("  "), lit("a")} << lit("  ,a");
    QTest::newRow("nothing") << QStringList{} << QString();
    QTest::newRow("only empty lines") << QStringList{QString(), QString()} << QString();
    QTest::newRow("comma inside a line") << QStringList{lit("a,b"), lit("c")} << lit("a,b,c");
    QTest::newRow("nothing trimmed") << QStringList{lit(" x "), lit("y ")} << lit(" x ,y ");
}

void TestLibrary::joinElements()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, data);
    QCOMPARE(Modules::JoinElements(lines), data);
}

void TestLibrary::listModuleNames_fileOrderWithinTheNameLimit()
{
    TestDataDir dir;
    const QString path = Modules::LibraryPath();
    QCOMPARE(path, dir.path(lit("modules.ini")));
    QVERIFY(Modules::ListModuleNames(path).isEmpty());

    // 20,000 names of 11 bytes: 1,365 fit whole with their terminators in
    // 16,383 bytes, and 3 bytes are left for a cut one.
    QByteArray file;
    QStringList all;
    for (int i = 0; i < 20000; ++i) {
        all << QStringLiteral("Module%1").arg(i, 5, 10, QLatin1Char('0'));
        file += '[' + all.last().toUtf8() + "]\r\nData=" + QByteArray::number(i) + "\r\n\r\n";
    }
    dir.write(lit("modules.ini"), file);
    const QStringList names = Modules::ListModuleNames(path);
    QCOMPARE(names.size(), 1366);
    QCOMPARE(names.mid(0, 1365), all.mid(0, 1365));
    QVERIFY(all.at(1365).startsWith(names.last()));
    QVERIFY(names.last().size() < all.at(1365).size());
    QCOMPARE(dir.read(lit("modules.ini")), file);
}

void TestLibrary::readModule_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("elements");
    const QByteArray capitals = "[Capitals]\r\nData=Paris,Rome,Oslo\r\n\r\n[Empty]\r\nData=\r\n\r\n[NoKey]\r\nOther=1\r\n";
    const QStringList three{lit("Paris"), lit("Rome"), lit("Oslo")};
    QTest::newRow("by name") << capitals << lit("Capitals") << three;
    QTest::newRow("any letter case") << capitals << lit("CAPITALS") << three;
    QTest::newRow("no Elements") << capitals << lit("Empty") << QStringList{};
    QTest::newRow("no Data key") << capitals << lit("NoKey") << QStringList{};
    QTest::newRow("no such Module") << capitals << lit("Gone") << QStringList{};
    QTest::newRow("no file") << QByteArray() << lit("Capitals") << QStringList{};
    QTest::newRow("blanks at the ends lost") << QByteArray("[M]\nData=  a, b ,c  \n") << lit("M")
                                             << QStringList{lit("a"), lit(" b "), lit("c")};
    QTest::newRow("equals sign inside") << QByteArray("[M]\nData=x=y,z\n") << lit("M")
                                        << QStringList{lit("x=y"), lit("z")};
    QTest::newRow("empty Element kept") << QByteArray("[M]\nData=a,,b\n") << lit("M")
                                        << QStringList{lit("a"), QString(), lit("b")};
    QTest::newRow("final comma") << QByteArray("[M]\nData=a,b,\n") << lit("M") << QStringList{lit("a"), lit("b")};
    QTest::newRow("quotes kept") << QByteArray("[M]\nData=\"a,b\"\n") << lit("M")
                                 << QStringList{lit("\"a"), lit("b\"")};
}

void TestLibrary::readModule()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, name);
    QFETCH(QStringList, elements);
    TestDataDir dir;
    if (!file.isEmpty())
        dir.write(lit("modules.ini"), file);
    const Modules::Module module = Modules::ReadModule(Modules::LibraryPath(), name);
    QCOMPARE(module.name, name);
    QCOMPARE(module.Elements.toStringList(), elements);
    QCOMPARE(dir.read(lit("modules.ini")), file);
}

void TestLibrary::readModule_longDataComesBackWhole()
{
    TestDataDir dir;
    QByteArray data;
    for (int i = 0; i < 3000; ++i)
        data += (i ? "," : "") + QByteArray::number(10000 + i);
    dir.write(lit("modules.ini"), "[Long]\r\nData=" + data + "\r\n");
    const ElementList elements = Modules::ReadModule(Modules::LibraryPath(), lit("Long")).Elements;
    QCOMPARE(elements.size(), 3000);
    QCOMPARE(elements.text(2999), lit("12999"));
}

void TestLibrary::readSettings_defaultsWithoutFile()
{
    TestDataDir dir;
    QCOMPARE(Settings::ConfigPath(), dir.path(lit("config.ini")));
    const Settings::Record r = Settings::Read(Settings::ConfigPath());
    QCOMPARE(r.training.NumOfEl, lit("20"));
    QCOMPARE(r.TimerMSec, lit("6000"));
    QCOMPARE(r.training.ModuleName, QString());
    QVERIFY(!r.training.range.from && !r.training.range.to);
    QVERIFY(r.Ifexec);
    QVERIFY(!r.IfNoTimeLimit);
    QVERIFY(r.IfShowNum);
    QCOMPARE(r.exam.NumOfEl, lit("20"));
    QCOMPARE(r.exam.ModuleName, QString());
    QVERIFY(!r.exam.range.from && !r.exam.range.to);
    QVERIFY(!dir.exists(lit("config.ini")));
}

void TestLibrary::readSettings_flags_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QByteArray>("line"); // empty: the key is missing
    QTest::addColumn<bool>("on");
    const QString ex = lit("Ifexec");
    QTest::newRow("Ifexec missing") << ex << QByteArray() << true;
    QTest::newRow("Ifexec 1") << ex << QByteArray("Ifexec=1") << true;
    QTest::newRow("Ifexec 0") << ex << QByteArray("Ifexec=0") << false;
    QTest::newRow("Ifexec 2") << ex << QByteArray("Ifexec=2") << false;
    QTest::newRow("Ifexec -1") << ex << QByteArray("Ifexec=-1") << false;
    QTest::newRow("Ifexec not a number") << ex << QByteArray("Ifexec=yes") << true;
    QTest::newRow("Ifexec empty") << ex << QByteArray("Ifexec=") << true;
    QTest::newRow("Ifexec 0x1") << ex << QByteArray("Ifexec=0x1") << true;
    QTest::newRow("Ifexec $1") << ex << QByteArray("Ifexec=$1") << true;
    QTest::newRow("Ifexec quoted 0") << ex << QByteArray("Ifexec=\"0\"") << false;
    QTest::newRow("Ifexec any case") << ex << QByteArray("IFEXEC=0") << false;
    const QString nl = lit("IfNoTimeLimit");
    QTest::newRow("IfNoTimeLimit missing") << nl << QByteArray() << false;
    QTest::newRow("IfNoTimeLimit 1") << nl << QByteArray("IfNoTimeLimit=1") << true;
    QTest::newRow("IfNoTimeLimit not a number") << nl << QByteArray("IfNoTimeLimit=on") << false;
    QTest::newRow("IfNoTimeLimit 0x1") << nl << QByteArray("IfNoTimeLimit=0x1") << true;
    const QString sn = lit("IfShowNum");
    QTest::newRow("IfShowNum missing") << sn << QByteArray() << true;
    QTest::newRow("IfShowNum 0") << sn << QByteArray("IfShowNum=0") << false;
    QTest::newRow("IfShowNum 2") << sn << QByteArray("IfShowNum=2") << false;
    QTest::newRow("IfShowNum not a number") << sn << QByteArray("IfShowNum=1.0") << true;
}

void TestLibrary::readSettings_flags()
{
    QFETCH(QString, key);
    QFETCH(QByteArray, line);
    QFETCH(bool, on);
    TestDataDir dir;
    dir.write(lit("config.ini"), "[Test]\r\n" + line + "\r\n");
    const Settings::Record r = Settings::Read(Settings::ConfigPath());
    const bool read = key == lit("Ifexec") ? r.Ifexec : key == lit("IfNoTimeLimit") ? r.IfNoTimeLimit : r.IfShowNum;
    QCOMPARE(read, on);
}

void TestLibrary::readSettings_texts_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("present");
    QTest::addColumn<QString>("value");
    const QByteArray longName(3000, 'n');
    QTest::newRow("number not checked") << QByteArray("[Test]\nTNumOfEl=abc\n") << lit("TNumOfEl") << true << lit("abc");
    QTest::newRow("long timer shown whole") << QByteArray("[Test]\nTimerMSec=1234567\n") << lit("TimerMSec") << true
                                            << lit("1234567");
    QTest::newRow("exam number") << QByteArray("[Exam]\nENumOfEl= -5 \n") << lit("ENumOfEl") << true << lit("-5");
    QTest::newRow("missing number") << QByteArray("[Exam]\n") << lit("ENumOfEl") << true << lit("20");
    QTest::newRow("quotes removed") << QByteArray("[Test]\nTMName=\"Alpha\"\n") << lit("TMName") << true << lit("Alpha");
    QTest::newRow("single quotes removed") << QByteArray("[Exam]\nEMName='Beta'\n") << lit("EMName") << true
                                           << lit("Beta");
    QTest::newRow("name cut at 2047") << QByteArray("[Test]\nTMName=" + longName + "\n") << lit("TMName") << true
                                      << QString(2047, QLatin1Char('n'));
    QTest::newRow("bound stored empty") << QByteArray("[Test]\nTDiapFrom=\n") << lit("TDiapFrom") << true << QString();
    QTest::newRow("bound missing") << QByteArray("[Test]\nTMName=A\n") << lit("TDiapFrom") << false << QString();
    QTest::newRow("bound trimmed") << QByteArray("[Test]\nTDiapTo=  x y  \n") << lit("TDiapTo") << true << lit("x y");
    QTest::newRow("exam from") << QByteArray("[Exam]\nEDiapFrom=a=b\n") << lit("EDiapFrom") << true << lit("a=b");
    QTest::newRow("exam to missing") << QByteArray("[Test]\nEDiapTo=x\n") << lit("EDiapTo") << false << QString();
}

void TestLibrary::readSettings_texts()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, field);
    QFETCH(bool, present);
    QFETCH(QString, value);
    TestDataDir dir;
    dir.write(lit("config.ini"), file);
    const Settings::Record r = Settings::Read(Settings::ConfigPath());
    const std::map<QString, std::optional<QString>> fields{
        {lit("TNumOfEl"), r.training.NumOfEl}, {lit("TimerMSec"), r.TimerMSec},
        {lit("TMName"), r.training.ModuleName}, {lit("TDiapFrom"), r.training.range.from},
        {lit("TDiapTo"), r.training.range.to},  {lit("ENumOfEl"), r.exam.NumOfEl},
        {lit("EMName"), r.exam.ModuleName},     {lit("EDiapFrom"), r.exam.range.from},
        {lit("EDiapTo"), r.exam.range.to},
    };
    const std::optional<QString> read = fields.at(field);
    QCOMPARE(read.has_value(), present);
    if (present)
        QCOMPARE(*read, value);
    QCOMPARE(dir.read(lit("config.ini")), file);
}

void TestLibrary::writeSettings_freshFile_allKeysInOrder()
{
    TestDataDir dir;
    Settings::Record r;
    r.training = {lit("abc"), lit("Alpha"), {lit("c"), lit("a")}};
    r.TimerMSec = lit("123456");
    r.Ifexec = false;
    r.IfNoTimeLimit = true;
    r.IfShowNum = true;
    r.exam = {lit("20"), QString(), {std::nullopt, std::nullopt}};
    Settings::Write(Settings::ConfigPath(), r);
    QCOMPARE(fileLines(dir.read(lit("config.ini"))),
             (QStringList{lit("[Test]"), lit("TNumOfEl=abc"), lit("TimerMSec=123456"), lit("TMName=Alpha"),
                          lit("TDiapFrom=c"), lit("TDiapTo=a"), lit("Ifexec=0"), lit("IfNoTimeLimit=1"),
                          lit("IfShowNum=1"), QString(), lit("[Exam]"), lit("ENumOfEl=20"), lit("EMName="),
                          lit("EDiapFrom="), lit("EDiapTo="), QString()}));
}

void TestLibrary::writeSettings_existingFile_keepsOtherLines()
{
    TestDataDir dir;
    const QByteArray before = "; my options\r\n"
                              "\r\n"
                              "[Exam]\r\n"
                              "EDiapTo = old\r\n"
                              "; kept comment\r\n"
                              "Extra=keep\r\n"
                              "\r\n"
                              "[Other]\r\n"
                              "x=1\r\n";
    dir.write(lit("config.ini"), before);
    Settings::Record r;
    r.training.ModuleName = lit("M");
    r.exam.range = {lit("f"), lit("t")};
    Settings::Write(Settings::ConfigPath(), r);
    const QByteArray after = "; my options\r\n"
                             "\r\n"
                             "[Exam]\r\n"
                             "EDiapTo =t\r\n"
                             "; kept comment\r\n"
                             "Extra=keep\r\n"
                             "ENumOfEl=20\r\n"
                             "EMName=\r\n"
                             "EDiapFrom=f\r\n"
                             "\r\n"
                             "[Other]\r\n"
                             "x=1\r\n"
                             "\r\n"
                             "[Test]\r\n"
                             "TNumOfEl=20\r\n"
                             "TimerMSec=6000\r\n"
                             "TMName=M\r\n"
                             "TDiapFrom=\r\n"
                             "TDiapTo=\r\n"
                             "Ifexec=1\r\n"
                             "IfNoTimeLimit=0\r\n"
                             "IfShowNum=1\r\n";
    QCOMPARE(dir.read(lit("config.ini")), after);
}

void TestLibrary::writeSettings_refused_raisesWithPath()
{
    TestDataDir dir;
    ReadOnlyDir readOnly(dir.dir());
    if (!readOnly.ok())
        QSKIP("the directory can't be made read-only here");
    QString error;
    try {
        Settings::Write(Settings::ConfigPath(), Settings::Record());
    } catch (const AppError &e) {
        error = e.text();
    }
    QCOMPARE(error, lit("Unable to write to ") + dir.path(lit("config.ini")));
    QVERIFY(!dir.exists(lit("config.ini")));
}

void TestLibrary::writeThenRead_roundTrip_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::newRow("reversed range") << lit("z") << lit("a");
    QTest::newRow("empty bounds") << QString() << QString();
    QTest::newRow("equals and semicolon") << lit("a=b") << lit(";c");
    QTest::newRow("brackets") << lit("[x]") << lit("y]");
    QTest::newRow("not ascii") << lit("Zürich") << lit("日本");
}

void TestLibrary::writeThenRead_roundTrip()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    TestDataDir dir;
    Settings::Record r;
    r.training = {lit("30"), lit("Alpha"), {from, to}};
    r.exam = {lit("40"), lit("Beta"), {to, from}};
    r.TimerMSec = lit("7000");
    r.Ifexec = false;
    r.IfShowNum = false;
    r.IfNoTimeLimit = true;
    Settings::Write(Settings::ConfigPath(), r);
    Settings::Write(Settings::ConfigPath(), r); // a second save replaces in place
    const Settings::Record back = Settings::Read(Settings::ConfigPath());
    QCOMPARE(back.training.NumOfEl, lit("30"));
    QCOMPARE(back.training.ModuleName, lit("Alpha"));
    QCOMPARE(back.training.range.from, std::optional<QString>(from));
    QCOMPARE(back.training.range.to, std::optional<QString>(to));
    QCOMPARE(back.exam.NumOfEl, lit("40"));
    QCOMPARE(back.exam.ModuleName, lit("Beta"));
    QCOMPARE(back.exam.range.from, std::optional<QString>(to));
    QCOMPARE(back.exam.range.to, std::optional<QString>(from));
    QCOMPARE(back.TimerMSec, lit("7000"));
    QVERIFY(!back.Ifexec);
    QVERIFY(back.IfNoTimeLimit);
    QVERIFY(!back.IfShowNum);
    QCOMPARE(fileLines(dir.read(lit("config.ini"))).size(), 16);
}

void TestLibrary::moduleIndex_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("index");
    const QStringList ab{lit("Alpha"), lit("Beta")};
    QTest::newRow("exact") << ab << lit("Beta") << 1;
    QTest::newRow("other letter case") << ab << lit("beta") << 0;
    QTest::newRow("gone") << ab << lit("Gamma") << 0;
    QTest::newRow("empty") << ab << QString() << 0;
    QTest::newRow("blank differs") << ab << lit("Beta ") << 0;
    QTest::newRow("exact among case twins") << QStringList{lit("Beta"), lit("beta")} << lit("beta") << 1;
    QTest::newRow("empty library") << QStringList{} << lit("Alpha") << -1;
    QTest::newRow("empty name never matches") << QStringList{lit("Alpha"), QString()} << QString() << 0;
}

void TestLibrary::moduleIndex()
{
    QFETCH(QStringList, names);
    QFETCH(QString, stored);
    QFETCH(int, index);
    QCOMPARE(Settings::ModuleIndex(names, stored), index);
}

void TestLibrary::boundIndex_data()
{
    QTest::addColumn<QString>("data");
    QTest::addColumn<bool>("present");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::newRow("found") << lit("a,b,c,d") << true << lit("c") << 2 << 2;
    QTest::newRow("first of twins") << lit("a,b,a,b") << true << lit("b") << 1 << 1;
    QTest::newRow("not found") << lit("a,b,c") << true << lit("zz") << 0 << 2;
    QTest::newRow("other letter case") << lit("a,b,c") << true << lit("B") << 0 << 2;
    QTest::newRow("missing") << lit("a,b,c") << false << QString() << 0 << 2;
    QTest::newRow("missing, empty Element") << lit("a,,b") << false << QString() << 0 << 2;
    QTest::newRow("stored empty, empty Element") << lit("a,,b") << true << QString() << 1 << 1;
    QTest::newRow("stored empty, none empty") << lit("a,b") << true << QString() << 0 << 1;
    QTest::newRow("prefix is no match") << lit("ab,a") << true << lit("a") << 1 << 1;
    QTest::newRow("single") << lit("x") << true << lit("y") << 0 << 0;
    QTest::newRow("no Elements") << QString() << true << lit("a") << -1 << -1;
}

void TestLibrary::boundIndex()
{
    QFETCH(QString, data);
    QFETCH(bool, present);
    QFETCH(QString, stored);
    QFETCH(int, from);
    QFETCH(int, to);
    const ElementList elements(data);
    QCOMPARE(Settings::FromIndex(elements, bound(present, stored)), from);
    QCOMPARE(Settings::ToIndex(elements, bound(present, stored)), to);
}

void TestLibrary::spinStep_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("result");
    QTest::newRow("999 up") << lit("999") << 20 << 1 << 20 << 1000 << 1000;
    QTest::newRow("1000 up stays") << lit("1000") << 1000 << 1 << 20 << 1000 << 1000;
    QTest::newRow("20 down stays") << lit("20") << 20 << -1 << 20 << 1000 << 20;
    QTest::newRow("typed number wins") << lit("500") << 20 << 1 << 20 << 1000 << 501;
    QTest::newRow("blanks around") << lit(" 500 ") << 20 << -1 << 20 << 1000 << 499;
    QTest::newRow("not a number: position") << lit("abc") << 37 << 1 << 20 << 1000 << 38;
    QTest::newRow("empty: position") << QString() << 6000 << -1 << 5000 << 20000 << 5999;
    QTest::newRow("below the limits") << lit("5") << 20 << 1 << 20 << 1000 << 20;
    QTest::newRow("above the limits") << lit("25000") << 6000 << -1 << 5000 << 20000 << 20000;
    QTest::newRow("timer top") << lit("20000") << 6000 << 1 << 5000 << 20000 << 20000;
    QTest::newRow("timer bottom") << lit("5000") << 6000 << -1 << 5000 << 20000 << 5000;
    QTest::newRow("huge") << lit("2147483647") << 20 << 1 << 20 << 1000 << 1000;
    QTest::newRow("too big for int") << lit("99999999999") << 30 << 1 << 20 << 1000 << 31;
    QTest::newRow("grouped is no number") << lit("1,000") << 40 << -1 << 20 << 1000 << 39;
}

void TestLibrary::spinStep()
{
    QFETCH(QString, text);
    QFETCH(int, position);
    QFETCH(int, step);
    QFETCH(int, min);
    QFETCH(int, max);
    QFETCH(int, result);
    QCOMPARE(Settings::SpinStep(text, position, step, min, max), result);
}

QTEST_GUILESS_MAIN(TestLibrary)
#include "tst_library.moc"
