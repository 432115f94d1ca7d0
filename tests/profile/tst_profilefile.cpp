#include "platform/platform.h"
#include "profile/atomicfile.h"
#include "profile/conflictcopy.h"
#include "profile/fileaccess.h"
#include "profile/iniline.h"
#include "profile/profilefile.h"
#include "profile/sectionindex.h"
#include "tests/testsupport.h"

#include <QProcess>
#include <QSysInfo>
#include <QTest>

#include <cerrno>
#include <cstring>

#include <optional>

#include <sys/stat.h>
#include <unistd.h>

using Access = ProfileFile::Access;

namespace {

// Text as UTF-16 little-endian bytes, without a byte-order mark.
QByteArray utf16le(const QString &text)
{
    return QByteArray(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
}

} // namespace

class TestProfileFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void conflictCopyOf_namesOfTheSyncTools_data();
    void conflictCopyOf_namesOfTheSyncTools();
    void takeFromCopy_onlyWhatIsChosen_data();
    void takeFromCopy_onlyWhatIsChosen();
    void index_findsWhatALoadFinds_data();
    void index_findsWhatALoadFinds();
    void missingFile_readsDefaults_data();
    void missingFile_readsDefaults();
    void readNumber_data();
    void readNumber();
    void quotes_strippedOnlyByDirectAccess();
    void directStored_readsBackWhole_data();
    void directStored_readsBackWhole();
    void longValue_cutOnlyByDirectAccess();
    void longValue_cutNeverSplitsACharacter();
    void namesMatchWithoutLetterCase_data();
    void namesMatchWithoutLetterCase();
    void writeBack_exactShape();
    void inMemoryRelease_withoutWriteBack_changesNothing();
    void directWrite_changesOnlyItsLine();
    void directWrite_newKeyAndNewSection();
    void directWrite_createsFile();
    void directWriteTexts_sameBytesAsOneWriteAfterAnother_data();
    void directWriteTexts_sameBytesAsOneWriteAfterAnother();
    void directDeleteSection_removesOnlyThatSection();
    void byteOrderMark_readPastAndKept_data();
    void byteOrderMark_readPastAndKept();
    void bytesNotUtf8_surviveRewrites_data();
    void bytesNotUtf8_surviveRewrites();
    void bytesNotUtf8_tellNamesApart_data();
    void valueDigest_onlyTheValueBytesCount_data();
    void valueDigest_onlyTheValueBytesCount();
    void bytesNotUtf8_tellNamesApart();
    void byteOrderMarkInsideFile_isText_data();
    void byteOrderMarkInsideFile_isText();
    void leftoverTemporaryFiles_removedByNextWrite();
    void directRead_seesHandEditBetweenCalls();
    void listSections_limitOf16384Bytes();
    void listSections_cutNeverSplitsACharacter_data();
    void listSections_cutNeverSplitsACharacter();
    void failedWrites_data();
    void failedWrites();
    void inMemoryOpen_ofDirectory_fails();
    void fileKinds_data();
    void fileKinds();
    void recoveryCopy_putBackOnlyIntoItsOwnFile_data();
    void recoveryCopy_putBackOnlyIntoItsOwnFile();
    void folderLock_whereFlockFails_data();
    void folderLock_whereFlockFails();
    void badInput_noCrash_data();
    void badInput_noCrash();
    void bothKinds_readBackTheSame();
    void hugeValue_readAndRewritten();
    void directRead_acrossReadChunks_data();
    void directRead_acrossReadChunks();
    void iniLinesRead_inPiecesOfAnySize_data();
    void iniLinesRead_inPiecesOfAnySize();
    void directWrite_lineBreakOfTheFile_data();
    void directWrite_lineBreakOfTheFile();
};

void TestProfileFile::missingFile_readsDefaults_data()
{
    QTest::addColumn<int>("access");
    QTest::newRow("direct") << int(Access::Direct);
    QTest::newRow("in-memory") << int(Access::InMemory);
}

void TestProfileFile::missingFile_readsDefaults()
{
    QFETCH(int, access);
    TestDataDir dir;
    ProfileFile f(dir.Path(QStringLiteral("none.ini")), Access(access));
    QStringList list{QStringLiteral("stale")};
    f.ListSections(list);
    QVERIFY(list.isEmpty());
    QCOMPARE(f.ReadText(QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("dflt")), QStringLiteral("dflt"));
    QCOMPARE(f.ReadNumber(QStringLiteral("a"), QStringLiteral("b"), 42), 42);
    QVERIFY(!dir.Exists(QStringLiteral("none.ini")));
}

void TestProfileFile::readNumber_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<int>("expected");
    const int d = -77; // the default
    QTest::newRow("plain") << QByteArray("12") << 12;
    QTest::newRow("plus") << QByteArray("+12") << 12;
    QTest::newRow("leading blanks") << QByteArray("   12") << 12;
    QTest::newRow("negative") << QByteArray("-12") << -12;
    QTest::newRow("0x") << QByteArray("0x1F") << 31;
    QTest::newRow("0X") << QByteArray("0X1f") << 31;
    QTest::newRow("dollar") << QByteArray("$1f") << 31;
    QTest::newRow("x") << QByteArray("x1F") << 31;
    QTest::newRow("0x1") << QByteArray("0x1") << 1;
    QTest::newRow("max") << QByteArray("2147483647") << 2147483647;
    QTest::newRow("min") << QByteArray("-2147483648") << int(-2147483647 - 1);
    QTest::newRow("empty") << QByteArray("") << d;
    QTest::newRow("3-") << QByteArray("3-") << d;
    QTest::newRow("12,5") << QByteArray("12,5") << d;
    QTest::newRow("Master") << QByteArray("Master") << d;
    QTest::newRow("too large") << QByteArray("2147483648") << d;
    QTest::newRow("far too large") << QByteArray("99999999999999999999") << d;
    QTest::newRow("0x alone") << QByteArray("0x") << d;
    QTest::newRow("dollar alone") << QByteArray("$") << d;
    QTest::newRow("sign alone") << QByteArray("-") << d;
    QTest::newRow("-0x") << QByteArray("-0x1F") << d;
    QTest::newRow("+0x") << QByteArray("+0x1F") << d;
    // Direct access keeps blanks inside quotes; in-memory access keeps the quotes.
    QTest::newRow("blanks before 0x") << QByteArray("\"  0x1F\"") << d;
    QTest::newRow("-x") << QByteArray("-x1F") << -31;
    QTest::newRow("-dollar") << QByteArray("-$1F") << -31;
    QTest::newRow("-dollar min") << QByteArray("-$80000000") << int(-2147483647 - 1);
    QTest::newRow("-dollar too small") << QByteArray("-$FFFFFFFF") << d;
}

void TestProfileFile::readNumber()
{
    QFETCH(QByteArray, stored);
    QFETCH(int, expected);
    TestDataDir dir;
    dir.Write(QStringLiteral("n.ini"), "[S]\r\nK=" + stored + "\r\n");
    for (Access access : {Access::Direct, Access::InMemory}) {
        ProfileFile f(dir.Path(QStringLiteral("n.ini")), access);
        QCOMPARE(f.ReadNumber(QStringLiteral("S"), QStringLiteral("K"), -77), expected);
    }
}

void TestProfileFile::quotes_strippedOnlyByDirectAccess()
{
    TestDataDir dir;
    dir.Write(QStringLiteral("q.ini"), "[S]\r\nA='abc'\r\nB=\"abc\"\r\nC=\"abc'\r\n");
    ProfileFile direct(dir.Path(QStringLiteral("q.ini")), Access::Direct);
    ProfileFile memory(dir.Path(QStringLiteral("q.ini")), Access::InMemory);
    QCOMPARE(direct.ReadText(QStringLiteral("S"), QStringLiteral("A"), {}), QStringLiteral("abc"));
    QCOMPARE(direct.ReadText(QStringLiteral("S"), QStringLiteral("B"), {}), QStringLiteral("abc"));
    QCOMPARE(direct.ReadText(QStringLiteral("S"), QStringLiteral("C"), {}), QStringLiteral("\"abc'"));
    QCOMPARE(memory.ReadText(QStringLiteral("S"), QStringLiteral("A"), {}), QStringLiteral("'abc'"));
    QCOMPARE(memory.ReadText(QStringLiteral("S"), QStringLiteral("B"), {}), QStringLiteral("\"abc\""));
}

void TestProfileFile::longValue_cutOnlyByDirectAccess()
{
    TestDataDir dir;
    QByteArray value;
    for (int i = 0; i < 3000; ++i)
        value.append(char('a' + i % 26));
    dir.Write(QStringLiteral("l.ini"), "[S]\r\nK=" + value + "\r\n");
    ProfileFile direct(dir.Path(QStringLiteral("l.ini")), Access::Direct);
    ProfileFile memory(dir.Path(QStringLiteral("l.ini")), Access::InMemory);
    QCOMPARE(direct.ReadText(QStringLiteral("S"), QStringLiteral("K"), {}), QString::fromLatin1(value.left(2047)));
    QCOMPARE(memory.ReadText(QStringLiteral("S"), QStringLiteral("K"), {}).size(), 3000);
    QCOMPARE(direct.ReadWholeText(QStringLiteral("S"), QStringLiteral("K"), {}), QString::fromLatin1(value));
}

void TestProfileFile::directStored_readsBackWhole_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("line"); // as stored, after "K="
    // clang-format off
    QTest::newRow("a blank first") << " 7" << QByteArray("\" 7\"");
    QTest::newRow("a blank last") << "7 " << QByteArray("\"7 \"");
    QTest::newRow("a tab last") << "7\t" << QByteArray("\"7\t\"");
    QTest::newRow("single quotes around") << "'abc'" << QByteArray("\"'abc'\"");
    QTest::newRow("double quotes around") << "\"abc\"" << QByteArray("\"\"abc\"\"");
    QTest::newRow("a quote at one end only: as it was") << "\"abc" << QByteArray("\"abc");
    QTest::newRow("a lone quote: as it was") << "'" << QByteArray("'");
    QTest::newRow("blanks inside: as it was") << "a b" << QByteArray("a b");
    QTest::newRow("empty: as it was") << "" << QByteArray();
    QTest::newRow("longer than the cut: as it was") << QString(3000, 'z') << QByteArray(3000, 'z');
    // clang-format on
}

// A value stored through DirectStored reads back as it was, whichever
// access wrote it; every other value is stored as it always was.
void TestProfileFile::directStored_readsBackWhole()
{
    QFETCH(QString, value);
    QFETCH(QByteArray, line);
    TestDataDir dir;
    const QString path = dir.Path(QStringLiteral("s.ini"));
    ProfileFile(path, Access::Direct).WriteText(QStringLiteral("S"), QStringLiteral("K"), Profile::DirectStored(value));
    QCOMPARE(dir.Read(QStringLiteral("s.ini")), "[S]\r\nK=" + line + "\r\n");
    QCOMPARE(ProfileFile(path, Access::Direct).ReadWholeText(QStringLiteral("S"), QStringLiteral("K"), {}), value);
    {
        ProfileFile memory(path, Access::InMemory);
        memory.WriteText(QStringLiteral("S"), QStringLiteral("L"), Profile::DirectStored(value));
        memory.WriteBack();
    }
    QCOMPARE(ProfileFile(path, Access::Direct).ReadWholeText(QStringLiteral("S"), QStringLiteral("L"), {}), value);
}

void TestProfileFile::longValue_cutNeverSplitsACharacter()
{
    TestDataDir dir;
    // 2046 ASCII letters, then characters of 2, 3 and 4 UTF-8 bytes.
    const QString value =
        QString(2046, QLatin1Char('a')) + QStringLiteral("é€") + QString::fromUcs4(U"\U0001F600") + QStringLiteral("z");
    dir.Write(QStringLiteral("u.ini"), "[S]\r\nK=" + value.toUtf8() + "\r\n");
    ProfileFile direct(dir.Path(QStringLiteral("u.ini")), Access::Direct);
    const QString got = direct.ReadText(QStringLiteral("S"), QStringLiteral("K"), {});
    QCOMPARE(got, QString(2046, QLatin1Char('a')) + QStringLiteral("é"));

    const QString emoji = QString(2046, QLatin1Char('b')) + QString::fromUcs4(U"\U0001F600\U0001F600");
    dir.Write(QStringLiteral("v.ini"), "[S]\r\nK=" + emoji.toUtf8() + "\r\n");
    ProfileFile direct2(dir.Path(QStringLiteral("v.ini")), Access::Direct);
    QCOMPARE(direct2.ReadText(QStringLiteral("S"), QStringLiteral("K"), {}),
             QString(2046, QLatin1Char('b')) + QString::fromUcs4(U"\U0001F600"));
}

void TestProfileFile::namesMatchWithoutLetterCase_data()
{
    QTest::addColumn<int>("access");
    QTest::newRow("direct") << int(Access::Direct);
    QTest::newRow("in-memory") << int(Access::InMemory);
}

void TestProfileFile::namesMatchWithoutLetterCase()
{
    QFETCH(int, access);
    TestDataDir dir;
    dir.Write(QStringLiteral("c.ini"), "[Test]\r\nTNumOfEl=25\r\n[Straße]\r\nÄpfel=1\r\n");
    ProfileFile f(dir.Path(QStringLiteral("c.ini")), Access(access));
    QCOMPARE(f.ReadText(QStringLiteral("TEST"), QStringLiteral("TNUMOFEL"), {}), QStringLiteral("25"));
    QCOMPARE(f.ReadText(QStringLiteral("test"), QStringLiteral("tnumofel"), {}), QStringLiteral("25"));
    QCOMPARE(f.ReadText(QStringLiteral("STRASSE"), QStringLiteral("äpfel"), QStringLiteral("none")),
             QStringLiteral("none")); // case folding, not transliteration
    QCOMPARE(f.ReadText(QStringLiteral("STRAßE"), QStringLiteral("äPFEL"), {}), QStringLiteral("1"));
    f.WriteText(QStringLiteral("TEST"), QStringLiteral("tnumofel"), QStringLiteral("30"));
    if (Access(access) == Access::InMemory)
        f.WriteBack();
    const QByteArray bytes = dir.Read(QStringLiteral("c.ini"));
    QVERIFY2(bytes.contains("TNumOfEl=30"), bytes.constData());
    QVERIFY(!bytes.toLower().contains("[test]\r\nTNumOfEl=25"));
}

void TestProfileFile::writeBack_exactShape()
{
    TestDataDir dir;
    dir.Write(QStringLiteral("w.ini"), "; comment\nstray line\n\n[One]\n  a = 1  \n; inner comment\nnoequals\n\n\n"
                                       "[ Two ]\r  b=2\r\n");
    ProfileFile f(dir.Path(QStringLiteral("w.ini")), Access::InMemory);
    f.WriteText(QStringLiteral("Three"), QStringLiteral("c"), QStringLiteral("3"));
    f.WriteText(QStringLiteral("one"), QStringLiteral("A"), QStringLiteral("11"));
    f.WriteText(QStringLiteral("one"), QStringLiteral("z"), QStringLiteral("9"));
    f.WriteBack();
    QCOMPARE(dir.Read(QStringLiteral("w.ini")),
             QByteArray("[One]\r\na=11\r\nnoequals\r\nz=9\r\n\r\n[Two]\r\nb=2\r\n\r\n[Three]\r\nc=3\r\n\r\n"));
}

void TestProfileFile::inMemoryRelease_withoutWriteBack_changesNothing()
{
    TestDataDir dir;
    const QByteArray original("[A]\r\nk=1\r\n\r\n[B]\r\nk=2\r\n");
    dir.Write(QStringLiteral("m.ini"), original);
    {
        ProfileFile f(dir.Path(QStringLiteral("m.ini")), Access::InMemory);
        f.WriteText(QStringLiteral("A"), QStringLiteral("k"), QStringLiteral("5"));
        f.DeleteSection(QStringLiteral("B"));
        QCOMPARE(f.ReadText(QStringLiteral("A"), QStringLiteral("k"), {}), QStringLiteral("5"));
        QCOMPARE(f.ReadText(QStringLiteral("B"), QStringLiteral("k"), QStringLiteral("gone")), QStringLiteral("gone"));
    }
    QCOMPARE(dir.Read(QStringLiteral("m.ini")), original);
}

void TestProfileFile::directWrite_changesOnlyItsLine()
{
    TestDataDir dir;
    const QByteArray before("; keep me\n[Test]\n  TNumOfEl = 20   \n\n[Exam]\r\nENumOfEl=20\r\n");
    dir.Write(QStringLiteral("d.ini"), before);
    ProfileFile f(dir.Path(QStringLiteral("d.ini")), Access::Direct);
    f.WriteText(QStringLiteral("test"), QStringLiteral("TNUMOFEL"), QStringLiteral("35"));
    QCOMPARE(dir.Read(QStringLiteral("d.ini")),
             QByteArray("; keep me\n[Test]\n  TNumOfEl =35\n\n[Exam]\r\nENumOfEl=20\r\n"));
    QCOMPARE(f.ReadText(QStringLiteral("Test"), QStringLiteral("TNumOfEl"), {}), QStringLiteral("35"));
}

void TestProfileFile::directWrite_newKeyAndNewSection()
{
    TestDataDir dir;
    dir.Write(QStringLiteral("d.ini"), "[Test]\r\na=1\r\n\r\n[Exam]\r\nb=2");
    ProfileFile f(dir.Path(QStringLiteral("d.ini")), Access::Direct);
    f.WriteText(QStringLiteral("Test"), QStringLiteral("c"), QStringLiteral("3"));
    f.WriteText(QStringLiteral("Exam"), QStringLiteral("d"), QStringLiteral("4"));
    f.WriteNumber(QStringLiteral("New"), QStringLiteral("e"), -5);
    QCOMPARE(dir.Read(QStringLiteral("d.ini")),
             QByteArray("[Test]\r\na=1\r\nc=3\r\n\r\n[Exam]\r\nb=2\r\nd=4\r\n\r\n[New]\r\ne=-5\r\n"));
}

void TestProfileFile::directWrite_createsFile()
{
    TestDataDir dir;
    ProfileFile f(dir.Path(QStringLiteral("config.ini")), Access::Direct);
    f.WriteText(QStringLiteral("Test"), QStringLiteral("TNumOfEl"), QStringLiteral("20"));
    f.WriteText(QStringLiteral("Test"), QStringLiteral("TimerMSec"), QStringLiteral("6000"));
    f.WriteText(QStringLiteral("Exam"), QStringLiteral("ENumOfEl"), QStringLiteral("20"));
    QCOMPARE(dir.Read(QStringLiteral("config.ini")),
             QByteArray("[Test]\r\nTNumOfEl=20\r\nTimerMSec=6000\r\n\r\n[Exam]\r\nENumOfEl=20\r\n"));
}

void TestProfileFile::directDeleteSection_removesOnlyThatSection()
{
    TestDataDir dir;
    dir.Write(QStringLiteral("r.ini"), "[A]\nk=1\n\n[B]\nk=2\n; note\n\n[C]\nk=3\n");
    ProfileFile f(dir.Path(QStringLiteral("r.ini")), Access::Direct);
    f.DeleteSection(QStringLiteral("b"));
    QCOMPARE(dir.Read(QStringLiteral("r.ini")), QByteArray("[A]\nk=1\n\n[C]\nk=3\n"));
    f.DeleteSection(QStringLiteral("absent"));
    QCOMPARE(dir.Read(QStringLiteral("r.ini")), QByteArray("[A]\nk=1\n\n[C]\nk=3\n"));
    QStringList names;
    f.ListSections(names);
    QCOMPARE(names, (QStringList{QStringLiteral("A"), QStringLiteral("C")}));

    // A name held three times (by hand, in three letter cases) loses one.
    dir.Write(QStringLiteral("r.ini"), "[Dup]\nk=1\n[dup]\nk=2\n[DUP]\nk=3\n");
    f.DeleteSection(QStringLiteral("dUP"));
    QCOMPARE(dir.Read(QStringLiteral("r.ini")), QByteArray("[dup]\nk=2\n[DUP]\nk=3\n"));
}

void TestProfileFile::byteOrderMark_readPastAndKept_data()
{
    QTest::addColumn<int>("access");
    QTest::addColumn<QByteArray>("expected"); // after a change of [Test] k and a deletion of [B]
    QTest::newRow("direct") << int(Access::Direct) << QByteArray("\xEF\xBB\xBF[Test]\r\nk=9\r\n");
    QTest::newRow("in-memory") << int(Access::InMemory) << QByteArray("\xEF\xBB\xBF[Test]\r\nk=9\r\n\r\n");
}

void TestProfileFile::byteOrderMark_readPastAndKept()
{
    QFETCH(int, access);
    QFETCH(QByteArray, expected);
    TestDataDir dir;
    dir.Write(QStringLiteral("bom.ini"), "\xEF\xBB\xBF[Test]\r\nk=1\r\n[B]\r\nk=2\r\n");
    ProfileFile f(dir.Path(QStringLiteral("bom.ini")), Access(access));
    QStringList names;
    f.ListSections(names);
    QCOMPARE(names, (QStringList{QStringLiteral("Test"), QStringLiteral("B")}));
    QCOMPARE(f.ReadNumber(QStringLiteral("test"), QStringLiteral("k"), 0), 1);
    f.WriteText(QStringLiteral("Test"), QStringLiteral("k"), QStringLiteral("9"));
    f.DeleteSection(QStringLiteral("B"));
    f.WriteBack();
    QCOMPARE(dir.Read(QStringLiteral("bom.ini")), expected);
}

void TestProfileFile::directWriteTexts_sameBytesAsOneWriteAfterAnother_data()
{
    QTest::addColumn<QByteArray>("before");
    // clang-format off
    QTest::newRow("missing file") << QByteArray();
    QTest::newRow("line breaks LF, no break at the end") << QByteArray("; note\n[Test]\nTNumOfEl=20\nOther = x");
    QTest::newRow("byte-order mark, CR LF") << QByteArray("\xEF\xBB\xBF[test]\r\nTIMERMSEC=6000\r\n\r\n[Mine]\r\nk=v\r\n");
    QTest::newRow("bytes not UTF-8, a key twice") << QByteArray("[Test]\r\nTNumOfEl=\xD7\xE8\r\nTNumOfEl=2\r\n[Exam]\r\n");
    // clang-format on
}

// Several keys in one direct write make the bytes that writing them one
// after another makes.
void TestProfileFile::directWriteTexts_sameBytesAsOneWriteAfterAnother()
{
    QFETCH(QByteArray, before);
    const QList<ProfileFile::Entry> entries{{"Test", "TNumOfEl", "25"},
                                            {"Test", "TimerMSec", "5000"},
                                            {"Exam", "ENumOfEl", "30"},
                                            {"New", "line", "a\r\nb"},
                                            {"test", "tnumofel", "26"}};
    TestDataDir dir;
    const QString one = dir.Path(QStringLiteral("one.ini"));
    const QString each = dir.Path(QStringLiteral("each.ini"));
    if (!before.isEmpty()) {
        dir.Write(QStringLiteral("one.ini"), before);
        dir.Write(QStringLiteral("each.ini"), before);
    }
    ProfileFile(one, Access::Direct).WriteTexts(entries);
    ProfileFile eachFile(each, Access::Direct);
    for (const ProfileFile::Entry &entry : entries)
        eachFile.WriteText(entry.section, entry.key, entry.value);
    QCOMPARE(dir.Read(QStringLiteral("one.ini")), dir.Read(QStringLiteral("each.ini")));
}

void TestProfileFile::bytesNotUtf8_surviveRewrites_data()
{
    // A Latin-1 name and a Windows-1251 value next to the one that changes.
    QTest::addColumn<int>("access");
    QTest::addColumn<QByteArray>("expected");
    // clang-format off
    QTest::newRow("direct") << int(Access::Direct)
                            << QByteArray("[Gr\xF6\xDF" "e]\r\nData=\xD7\xE8\xF1\xEB\xE0,\xF1x\r\n\r\n"
                                          "[Num]\r\nData=\xD7\xE8\xF1\xEB\xE0\r\n");
    QTest::newRow("in-memory") << int(Access::InMemory)
                               << QByteArray("[Gr\xF6\xDF" "e]\r\nData=\xD7\xE8\xF1\xEB\xE0,\xF1x\r\n\r\n"
                                             "[Num]\r\nData=\xD7\xE8\xF1\xEB\xE0\r\n\r\n");
    // clang-format on
}

void TestProfileFile::bytesNotUtf8_surviveRewrites()
{
    QFETCH(int, access);
    QFETCH(QByteArray, expected);
    TestDataDir dir;
    dir.Write(QStringLiteral("enc.ini"), "[Gr\xF6\xDF"
                                         "e]\r\nData=\xD7\xE8\xF1\xEB\xE0\r\n\r\n"
                                         "[Gone]\r\nData=1\r\n\r\n[Num]\r\nData=\xD7\xE8\xF1\xEB\xE0\r\n");
    ProfileFile f(dir.Path(QStringLiteral("enc.ini")), Access(access));
    QStringList names;
    f.ListSections(names);
    QCOMPARE(names.size(), 3);
    // Edit the value read under the name read: the bytes around the edit stay.
    const QString value = f.ReadText(names.at(0), QStringLiteral("Data"), {});
    QCOMPARE(value.size(), 5);
    f.WriteText(names.at(0), QStringLiteral("Data"), value + QStringLiteral(",") + value.at(2) + QStringLiteral("x"));
    f.DeleteSection(QStringLiteral("Gone"));
    f.WriteBack();
    QCOMPARE(dir.Read(QStringLiteral("enc.ini")), expected);
}

void TestProfileFile::bytesNotUtf8_tellNamesApart_data()
{
    QTest::addColumn<int>("access");
    QTest::newRow("direct") << int(Access::Direct);
    QTest::newRow("in-memory") << int(Access::InMemory);
}

void TestProfileFile::bytesNotUtf8_tellNamesApart()
{
    // Latin-1 "Größe" and "Grüße": the same but for bytes that are not UTF-8.
    QFETCH(int, access);
    TestDataDir dir;
    dir.Write(QStringLiteral("n.ini"), "[Gr\xF6\xDF"
                                       "e]\r\nk=1\r\n[Gr\xFC\xDF"
                                       "e]\r\nk=2\r\n");
    ProfileFile f(dir.Path(QStringLiteral("n.ini")), Access(access));
    QStringList names;
    f.ListSections(names);
    QCOMPARE(names.size(), 2);
    QCOMPARE(f.ReadNumber(names.at(0), QStringLiteral("k"), 0), 1);
    QCOMPARE(f.ReadNumber(names.at(1), QStringLiteral("k"), 0), 2);
    QVERIFY(!f.HasSection(names.at(1).toUpper()));
}

void TestProfileFile::valueDigest_onlyTheValueBytesCount_data()
{
    // The lines of section [M], and the bytes of the one value they hold.
    QTest::addColumn<QByteArray>("lines");
    QTest::addColumn<QByteArray>("value");
    QTest::newRow("plain") << QByteArray("Data=1,2,3\r\n") << QByteArray("1,2,3");
    QTest::newRow("not UTF-8") << QByteArray("Data=\xD7\xE8,\xF1\r\n") << QByteArray("\xD7\xE8,\xF1");
    QTest::newRow("blanks trimmed") << QByteArray("  Data =  a,b \r\n") << QByteArray("a,b");
    QTest::newRow("key in another case") << QByteArray("k=1\r\nDATA=x\r\n") << QByteArray("x");
    QTest::newRow("first of two") << QByteArray("Data=1\r\nData=2\r\n") << QByteArray("1");
    QTest::newRow("empty") << QByteArray("Data=\r\n") << QByteArray();
    QTest::newRow("absent") << QByteArray("k=1\r\n") << QByteArray();
    // Forms UTF-8 does not allow are bytes, not text: decoded as text they
    // would be written back as U+FFFD.
    QTest::newRow("bytetext-overlong3: an overlong 3-byte form")
        << QByteArray("Data=\xE0\x80\xAF\r\n") << QByteArray("\xE0\x80\xAF");
    QTest::newRow("bytetext-surrogate: an encoded surrogate")
        << QByteArray("Data=\xED\xA0\x80\r\n") << QByteArray("\xED\xA0\x80");
    QTest::newRow("bytetext-max: beyond U+10FFFF")
        << QByteArray("Data=\xF4\x90\x80\x80\r\n") << QByteArray("\xF4\x90\x80\x80");
    QTest::newRow("bytetext-c2: an overlong 2-byte form") << QByteArray("Data=\xC0\xAF\r\n") << QByteArray("\xC0\xAF");
}

void TestProfileFile::valueDigest_onlyTheValueBytesCount()
{
    // The editor tells what changed by these digests: a section read as
    // bytes, one decoded by a write and a direct read must agree, and
    // agree with a file holding nothing but that value.
    QFETCH(QByteArray, lines);
    QFETCH(QByteArray, value);
    TestDataDir dir;
    dir.Write(QStringLiteral("d.ini"), "[A]\r\nData=0\r\n[M]\r\n" + lines);
    dir.Write(QStringLiteral("plain.ini"), "[M]\r\nData=" + value + "\r\n");
    const QString m = QStringLiteral("M");
    const QString key = QStringLiteral("data");
    const QByteArray expected =
        ProfileFile(dir.Path(QStringLiteral("plain.ini")), Access::InMemory).ValueDigest(m, key);
    QVERIFY(!expected.isEmpty());
    QCOMPARE(ProfileFile(dir.Path(QStringLiteral("d.ini")), Access::InMemory).ValueDigest(m, key), expected);
    QCOMPARE(ProfileFile(dir.Path(QStringLiteral("d.ini")), Access::Direct).ValueDigest(m, key), expected);
    ProfileFile decoded(dir.Path(QStringLiteral("d.ini")), Access::InMemory);
    decoded.WriteText(m, QStringLiteral("Other"), QStringLiteral("x"));
    QCOMPARE(decoded.ValueDigest(m, key), expected);
    // Another value, even one byte, is told apart.
    QVERIFY(decoded.ValueDigest(QStringLiteral("A"), key) != expected);
    decoded.WriteText(m, QStringLiteral("Data"), decoded.ReadText(m, key, {}) + QLatin1Char('\xF1'));
    QVERIFY(decoded.ValueDigest(m, key) != expected);
}

void TestProfileFile::byteOrderMarkInsideFile_isText_data()
{
    QTest::addColumn<int>("access");
    QTest::newRow("direct") << int(Access::Direct);
    QTest::newRow("in-memory") << int(Access::InMemory);
}

void TestProfileFile::byteOrderMarkInsideFile_isText()
{
    // Only the file's first bytes can be its byte-order mark: further on,
    // the same bytes start a line or a value and stay, so a rewrite does
    // not turn the line into the header of a section.
    QFETCH(int, access);
    const QByteArray bytes("[a]\r\n\xEF\xBB\xBF[b]\r\nk=\xEF\xBB\xBFv\r\n\r\n");
    TestDataDir dir;
    dir.Write(QStringLiteral("b.ini"), bytes);
    ProfileFile f(dir.Path(QStringLiteral("b.ini")), Access(access));
    QCOMPARE(f.ReadText(QStringLiteral("a"), QStringLiteral("k"), {}), QStringLiteral("\uFEFFv"));
    f.WriteText(QStringLiteral("a"), QStringLiteral("k"), QStringLiteral("\uFEFFv"));
    f.WriteBack();
    QCOMPARE(dir.Read(QStringLiteral("b.ini")), bytes);
    QStringList names;
    ProfileFile(dir.Path(QStringLiteral("b.ini")), Access(access)).ListSections(names);
    QCOMPARE(names, QStringList{QStringLiteral("a")});
}

void TestProfileFile::leftoverTemporaryFiles_removedByNextWrite()
{
    // A write killed before its rename leaves its temporary file; the next
    // write of that file removes it, and nothing else.
    TestDataDir dir;
    const QStringList debris{QStringLiteral("r.ini.tenacio-Ab3xYz"), QStringLiteral("r.ini.tenacio-000000")};
    // Mutant atomic-tempname-chars: "." is not among the random letters.
    const QStringList kept{QStringLiteral("r.ini.backup"), QStringLiteral("r.ini.tenacio-Ab3xYz7"),
                           QStringLiteral("q.ini.tenacio-Ab3xYz"), QStringLiteral("r.ini.tenacio-Ab-xYz"),
                           QStringLiteral("r.ini.tenacio-Ab.xYz")};
    for (const QString &name : debris + kept)
        dir.Write(name, "old");
    ProfileFile f(dir.Path(QStringLiteral("r.ini")), Access::Direct);
    f.WriteText(QStringLiteral("A"), QStringLiteral("k"), QStringLiteral("1"));
    for (const QString &name : debris)
        QVERIFY2(!dir.Exists(name), qPrintable(name));
    for (const QString &name : kept)
        QVERIFY2(dir.Exists(name), qPrintable(name));
    QCOMPARE(QDir(dir.Dir()).entryList(QDir::Files).size(), kept.size() + 1);
}

void TestProfileFile::directRead_seesHandEditBetweenCalls()
{
    TestDataDir dir;
    dir.Write(QStringLiteral("h.ini"), "[A]\nk=1\n");
    ProfileFile f(dir.Path(QStringLiteral("h.ini")), Access::Direct);
    QCOMPARE(f.ReadText(QStringLiteral("A"), QStringLiteral("k"), {}), QStringLiteral("1"));
    dir.Write(QStringLiteral("h.ini"), "[A]\nk=2\n"); // same size, same second
    QCOMPARE(f.ReadText(QStringLiteral("A"), QStringLiteral("k"), {}), QStringLiteral("2"));
    QFile::remove(dir.Path(QStringLiteral("h.ini")));
    QCOMPARE(f.ReadText(QStringLiteral("A"), QStringLiteral("k"), QStringLiteral("none")), QStringLiteral("none"));
}

void TestProfileFile::listSections_limitOf16384Bytes()
{
    TestDataDir dir;
    // 2,000 names of 9 bytes ("Mod00000" + terminator) need 18,001 bytes.
    QByteArray text;
    QStringList all;
    for (int i = 0; i < 2000; ++i) {
        const QString name = QStringLiteral("Mod%1").arg(i, 5, 10, QLatin1Char('0'));
        all << name;
        text += "[" + name.toUtf8() + "]\r\nData=x\r\n\r\n";
    }
    dir.Write(QStringLiteral("modules.ini"), text);
    QStringList direct;
    ProfileFile(dir.Path(QStringLiteral("modules.ini")), Access::Direct).ListSections(direct);
    // 16,383 bytes of room: 1,820 whole names (16,380 bytes), then 3 bytes
    // of the next name less its terminator: "Mo".
    QCOMPARE(direct.size(), 1821);
    QCOMPARE(direct.mid(0, 1820), all.mid(0, 1820));
    QCOMPARE(direct.last(), QStringLiteral("Mo"));
    QStringList memory;
    ProfileFile(dir.Path(QStringLiteral("modules.ini")), Access::InMemory).ListSections(memory);
    QCOMPARE(memory, all);
}

void TestProfileFile::listSections_cutNeverSplitsACharacter_data()
{
    // One name of 16,380 ASCII bytes leaves 2 bytes of room: the next name
    // is cut to 1 byte.
    QTest::addColumn<QByteArray>("next");
    QTest::addColumn<QStringList>("expected"); // the names after the first
    QTest::newRow("a 2-byte character does not fit") << QByteArray("\xC3\xA9\xC3\xA9") << QStringList();
    // It looks like the middle of a character, but stands alone.
    QTest::newRow("a byte not UTF-8 is one character")
        << QByteArray("\x96\x96\x96") << QStringList{QString(QChar(char16_t(0xDC96)))};
}

void TestProfileFile::listSections_cutNeverSplitsACharacter()
{
    QFETCH(QByteArray, next);
    QFETCH(QStringList, expected);
    TestDataDir dir;
    const QByteArray first(16380, 'n');
    dir.Write(QStringLiteral("s.ini"), "[" + first + "]\n[" + next + "]\n");
    QStringList names;
    ProfileFile(dir.Path(QStringLiteral("s.ini")), Access::Direct).ListSections(names);
    QCOMPARE(names.size(), 1 + expected.size());
    QCOMPARE(names.first().size(), 16380);
    QCOMPARE(names.mid(1), expected);
}

void TestProfileFile::failedWrites_data()
{
    // The system's own reason follows the path.
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("reason");
    // clang-format off
    QTest::newRow("directory in the file's place") << QStringLiteral("dir") << QStringLiteral("Is a directory");
    QTest::newRow("missing parent directory") << QStringLiteral("missing") << QStringLiteral("No such file or directory");
    QTest::newRow("parent is a regular file") << QStringLiteral("fileparent") << QStringLiteral("Not a directory");
    QTest::newRow("full disk") << QStringLiteral("full") << QStringLiteral("No space left on device");
    QTest::newRow("read-only mount") << QStringLiteral("ro") << QStringLiteral("Read-only file system");
    // clang-format on
}

void TestProfileFile::failedWrites()
{
    QFETCH(QString, setup);
    QFETCH(QString, reason);
    TestDataDir dir;
    const QString mountPoint = dir.Path(QStringLiteral("mnt"));
    std::optional<TmpfsMount> mount;
    QString path;
    const QByteArray before("[A]\r\nk=1\r\n");
    if (setup == QLatin1String("dir")) {
        QDir(dir.Dir()).mkdir(QStringLiteral("results.ini"));
        path = dir.Path(QStringLiteral("results.ini"));
    } else if (setup == QLatin1String("missing")) {
        path = dir.Path(QStringLiteral("nowhere/results.ini"));
    } else if (setup == QLatin1String("fileparent")) {
        dir.Write(QStringLiteral("plain"), "x");
        path = dir.Path(QStringLiteral("plain/results.ini"));
    } else {
        QDir().mkdir(mountPoint);
        mount.emplace(mountPoint, QStringLiteral("size=64k"));
        if (!mount->Ok())
            QSKIP("no tmpfs can be mounted here");
        path = mountPoint + QStringLiteral("/results.ini");
        dir.Write(QStringLiteral("mnt/results.ini"), before);
        if (setup == QLatin1String("ro")) {
            QVERIFY(mount->Remount(QStringLiteral("ro")));
        } else {
            QFile fill(mountPoint + QStringLiteral("/fill"));
            QVERIFY(fill.open(QIODevice::WriteOnly));
            while (fill.write(QByteArray(4096, 'f')) > 0 && fill.flush()) {
            }
        }
    }
    const QString value(20000, QLatin1Char('v'));
    ProfileFile direct(path, Access::Direct);
    for (int op = 0; op < 2; ++op) {
        try {
            if (op == 0)
                direct.WriteText(QStringLiteral("A"), QStringLiteral("k"), value);
            else
                direct.WriteNumber(QStringLiteral("A"), QStringLiteral("k"), 1);
            QFAIL("a direct write did not fail");
        } catch (const AppError &e) {
            QCOMPARE(e.Text(), QStringLiteral("Unable to write to ") + path + QStringLiteral(". ") + reason);
        }
    }
    if (setup != QLatin1String("dir")) {
        ProfileFile target(path, Access::InMemory);
        target.WriteText(QStringLiteral("A"), QStringLiteral("k"), value);
        try {
            target.WriteBack();
            QFAIL("WriteBack did not fail");
        } catch (const AppError &e) {
            QCOMPARE(e.Text(), QStringLiteral("Cannot create file \"") + path + QStringLiteral("\". ") + reason);
        }
        // The copy stays as it was.
        QCOMPARE(target.ReadText(QStringLiteral("A"), QStringLiteral("k"), {}), value);
    }
    if (mount) {
        // The file is as it was, and no temporary file is left behind.
        QCOMPARE(dir.Read(QStringLiteral("mnt/results.ini")), before);
        QCOMPARE(QDir(mountPoint).entryList(QDir::Files | QDir::Hidden).size(), setup == QLatin1String("ro") ? 1 : 2);
    }
}

void TestProfileFile::inMemoryOpen_ofDirectory_fails()
{
    TestDataDir dir;
    QDir(dir.Dir()).mkdir(QStringLiteral("x.ini"));
    const QString path = dir.Path(QStringLiteral("x.ini"));
    try {
        ProfileFile f(path, Access::InMemory);
        QFAIL("opening a directory did not fail");
    } catch (const AppError &e) {
        QVERIFY2(e.Text().startsWith(QStringLiteral("Cannot open file \"") + path + QStringLiteral("\". ")),
                 qPrintable(e.Text()));
    }
    // Direct reads of it never fail, and a delete in it reports the path.
    ProfileFile direct(path, Access::Direct);
    QCOMPARE(direct.ReadText(QStringLiteral("A"), QStringLiteral("k"), QStringLiteral("d")), QStringLiteral("d"));
}

void TestProfileFile::fileKinds_data()
{
    // What stands at the path the program writes (data/x.ini), and the
    // reason a write must give; empty: it succeeds.
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    const QString notRegular = QStringLiteral("The file is not a regular file.");
    const QString unrecognised =
        QStringLiteral("The file holds no sections this program can read; it was left as it was");
    for (const char *writer : {"direct write", "direct delete", "in-memory write-back", "section appended"}) {
        const auto row = [&](const char *kind, const QString &reason) {
            QTest::addRow("%s, %s", kind, writer) << QString::fromLatin1(kind) << reason;
        };
        row("plain", {});
        row("symlink", {});
        row("symlink to a symlink", {});
        row("relative symlink", {});
        row("dangling symlink", {});
        row("dangling symlink into a missing folder", QStringLiteral("No such file or directory"));
        row("hard link", {});
        row("group-shared, other owner", {});
        row("read-only", QStringLiteral("The file is read-only."));
        row("fifo", notRegular);
        row("oversize",
            QStringLiteral("The file holds 629145600 bytes (600.0 MiB); data files of up to 512 MiB are read."));
        row("utf-16 without its mark", unrecognised);
    }
}

void TestProfileFile::fileKinds()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    const QString writer = QString::fromLatin1(QTest::currentDataTag()).section(QStringLiteral(", "), -1);
    const bool root = ::geteuid() == 0;
    if (kind == QLatin1String("group-shared, other owner") && !root)
        QSKIP("giving a file another owner needs root");
    TestDataDir dir;
    QDir(dir.Dir()).mkdir(QStringLiteral("data"));
    QDir(dir.Dir()).mkdir(QStringLiteral("sync"));
    const QString path = dir.Path(QStringLiteral("data/x.ini"));
    // The file the write must reach, wherever the path leads.
    QString target = path;
    const QByteArray before = kind.startsWith(QLatin1String("utf-16"))
                                  ? QByteArray::fromHex("5b0041005d000d000a006b003d0031000d000a00")
                                  : QByteArray("; mine\r\n[A]\r\nk = 1\r\n");
    const auto place = [&](const QString &file) {
        dir.Write(file, before);
        target = dir.Path(file);
        if (root)
            QCOMPARE(::chown(QFile::encodeName(target).constData(), 1234, 5678), 0);
        QCOMPARE(::chmod(QFile::encodeName(target).constData(), kind == QLatin1String("read-only") ? 0444 : 0640), 0);
    };
    const auto link = [&](const QString &to, const QString &at) {
        QCOMPARE(::symlink(QFile::encodeName(to).constData(), QFile::encodeName(dir.Path(at)).constData()), 0);
    };
    if (kind == QLatin1String("symlink")) {
        place(QStringLiteral("sync/x.ini"));
        link(target, QStringLiteral("data/x.ini"));
    } else if (kind == QLatin1String("symlink to a symlink")) {
        place(QStringLiteral("sync/x.ini"));
        link(target, QStringLiteral("sync/middle.ini"));
        link(dir.Path(QStringLiteral("sync/middle.ini")), QStringLiteral("data/x.ini"));
    } else if (kind == QLatin1String("relative symlink")) {
        place(QStringLiteral("sync/x.ini"));
        link(QStringLiteral("../sync/x.ini"), QStringLiteral("data/x.ini"));
    } else if (kind.startsWith(QLatin1String("dangling"))) {
        target = dir.Path(kind.endsWith(QLatin1String("folder")) ? QStringLiteral("gone/x.ini")
                                                                 : QStringLiteral("sync/x.ini"));
        link(target, QStringLiteral("data/x.ini"));
    } else if (kind == QLatin1String("hard link")) {
        place(QStringLiteral("data/x.ini"));
        QCOMPARE(::link(QFile::encodeName(target).constData(),
                        QFile::encodeName(dir.Path(QStringLiteral("sync/x.ini"))).constData()),
                 0);
    } else if (kind == QLatin1String("fifo")) {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0644), 0);
    } else if (kind == QLatin1String("oversize")) {
        place(QStringLiteral("data/x.ini"));
        QVERIFY(QFile::resize(target, qint64(600) << 20)); // sparse: no room taken
    } else {
        place(QStringLiteral("data/x.ini"));
        if (kind.startsWith(QLatin1String("group-shared")))
            QCOMPARE(::chmod(QFile::encodeName(target).constData(), 0660), 0);
    }
    const QByteArray linkText =
        QFileInfo(path).isSymLink() ? QFile::encodeName(QFileInfo(path).symLinkTarget()) : QByteArray();
    struct stat old = {};
    const bool existed = ::lstat(QFile::encodeName(target).constData(), &old) == 0;
    const QByteArray oldBytes =
        kind == QLatin1String("fifo") || kind == QLatin1String("oversize")
            ? QByteArray()
            : dir.Read(QFileInfo(target).fileName().prepend(QFileInfo(target).dir().dirName() + QLatin1Char('/')));

    QString message;
    try {
        if (writer == QLatin1String("direct write")) {
            ProfileFile(path, Access::Direct).WriteText(QStringLiteral("B"), QStringLiteral("k"), QStringLiteral("2"));
        } else if (writer == QLatin1String("direct delete")) {
            // A file that can't be read has no section to delete.
            ProfileFile file(path, Access::Direct);
            file.DeleteSections({QStringLiteral("A")});
            file.WriteText(QStringLiteral("B"), QStringLiteral("k"), QStringLiteral("2"));
        } else if (writer == QLatin1String("section appended")) {
            Profile::AppendSection(path, QStringLiteral("B"), {QStringLiteral("k=2")});
        } else {
            ProfileFile file(path, Access::InMemory);
            file.WriteText(QStringLiteral("B"), QStringLiteral("k"), QStringLiteral("2"));
            file.WriteBack();
        }
    } catch (const AppError &e) {
        message = e.Text();
    }
    if (reason.isEmpty()) {
        QCOMPARE(message, QString());
    } else {
        const bool whole = writer.startsWith(QLatin1String("in-memory")) || writer == QLatin1String("section appended");
        const bool opening = whole && (kind == QLatin1String("fifo") || kind == QLatin1String("oversize"));
        const bool created = whole && kind != QLatin1String("read-only");
        const QString expected = opening   ? QStringLiteral("Cannot open file \"%1\". %2").arg(path, reason)
                                 : created ? QStringLiteral("Cannot create file \"%1\". %2").arg(path, reason)
                                           : QStringLiteral("Unable to write to %1. %2").arg(path, reason);
        QCOMPARE(message, expected);
    }

    // The link stays the link it was.
    if (!linkText.isEmpty()) {
        QVERIFY(QFileInfo(path).isSymLink());
        QCOMPARE(QFile::encodeName(QFileInfo(path).symLinkTarget()), linkText);
    }
    struct stat now = {};
    const bool exists = ::lstat(QFile::encodeName(target).constData(), &now) == 0;
    if (!reason.isEmpty()) {
        QCOMPARE(exists, existed);
        if (exists) {
            QCOMPARE(now.st_size, old.st_size);
            QCOMPARE(now.st_mode, old.st_mode);
            QCOMPARE(now.st_nlink, old.st_nlink);
            if (!oldBytes.isEmpty()) {
                QFile f(target);
                QVERIFY(f.open(QIODevice::ReadOnly));
                QCOMPARE(f.readAll(), oldBytes);
            }
        }
    } else {
        QVERIFY(exists);
        QVERIFY(S_ISREG(now.st_mode));
        QFile f(target);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        if (writer.startsWith(QLatin1String("in-memory")))
            QCOMPARE(bytes, QByteArray(existed ? "[A]\r\nk=1\r\n\r\n[B]\r\nk=2\r\n\r\n" : "[B]\r\nk=2\r\n\r\n"));
        else if (writer == QLatin1String("section appended"))
            QCOMPARE(bytes, (existed ? before + "\r\n" : QByteArray()) + "[B]\r\nk=2\r\n\r\n");
        else if (!existed)
            QCOMPARE(bytes, QByteArray("[B]\r\nk=2\r\n"));
        else if (writer == QLatin1String("direct write"))
            QCOMPARE(bytes, before + "\r\n[B]\r\nk=2\r\n");
        else
            QCOMPARE(bytes, QByteArray("; mine\r\n\r\n[B]\r\nk=2\r\n"));
        if (existed) {
            QCOMPARE(now.st_mode, old.st_mode);
            QCOMPARE(now.st_uid, old.st_uid);
            QCOMPARE(now.st_gid, old.st_gid);
            QCOMPARE(now.st_nlink, old.st_nlink);
        } else {
            const mode_t mask = ::umask(0);
            ::umask(mask);
            QCOMPARE(now.st_mode & 0777, 0666 & ~mask);
        }
        if (kind == QLatin1String("hard link"))
            QCOMPARE(dir.Read(QStringLiteral("sync/x.ini")), bytes);
    }
    // Nothing is left beside the file.
    const QStringList beside = QDir(QFileInfo(target).absolutePath())
                                   .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &name : beside)
        QVERIFY2(!name.contains(QLatin1String(".tenacio-")), qPrintable(name));
}

void TestProfileFile::recoveryCopy_putBackOnlyIntoItsOwnFile_data()
{
    // A copy of old content lies beside results.ini at the next write.
    QTest::addColumn<QString>("copy"); // "own": a write in place of this file was killed
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("copied");
    QTest::addColumn<QByteArray>("expected");
    QTest::addColumn<QString>("why"); // the notice's reason; empty: put back, no notice
    QByteArray twoRuns;
    QByteArray fiveRuns;
    for (int run = 1; run <= 5; ++run) {
        const QByteArray section =
            "[run " + QByteArray::number(run) + "]\r\nTotal=" + QByteArray::number(run) + "\r\n\r\n";
        fiveRuns += section;
        if (run <= 2)
            twoRuns += section;
    }
    const QByteArray added = "[B]\r\nk=2\r\n";
    const QString other = QStringLiteral("it was made for another file of that name, such as one a sync tool or a "
                                         "backup brought.");
    const QString older = QStringLiteral("it does not say which file it was made for (an older version of Tenacio "
                                         "made it).");
    // clang-format off
    QTest::newRow("own: put back, then written") << "own" << twoRuns.left(9) << twoRuns << twoRuns + added << QString();
    QTest::newRow("another file's: left") << "results.ini.tenacio-previous-8.1-77-1700000000.5" << fiveRuns << twoRuns
                                          << fiveRuns + added << other;
    QTest::newRow("an older version's: left") << "results.ini.tenacio-previous" << fiveRuns << twoRuns
                                              << fiveRuns + added << older;
    // clang-format on
}

void TestProfileFile::recoveryCopy_putBackOnlyIntoItsOwnFile()
{
    QFETCH(QString, copy);
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, copied);
    QFETCH(QByteArray, expected);
    QFETCH(QString, why);
    TestDataDir dir;
    QStringList notices;
    Platform::SetNoticeHandler([&](const QString &text) { notices << text; });
    const QString path = dir.Path(QStringLiteral("results.ini"));
    dir.Write(QStringLiteral("results.ini"), file);
    // Hard links make the write go in place, as the write that was killed did.
    QCOMPARE(::link(QFile::encodeName(path).constData(),
                    QFile::encodeName(dir.Path(QStringLiteral("y.ini"))).constData()),
             0);
    const QString copyPath = copy == QLatin1String("own") ? Profile::RecoveryCopyOf(path) : dir.Path(copy);
    QVERIFY(!copyPath.isEmpty());
    dir.Write(QFileInfo(copyPath).fileName(), copied);
    for (const char *key : {"k", "l"})
        ProfileFile(path, Access::Direct).WriteText(QStringLiteral("B"), QLatin1String(key), QStringLiteral("2"));
    Platform::SetNoticeHandler({});
    QCOMPARE(dir.Read(QStringLiteral("y.ini")), QByteArray(expected).replace("k=2\r\n", "k=2\r\nl=2\r\n"));
    if (why.isEmpty()) {
        QVERIFY(!QFileInfo::exists(copyPath));
        QCOMPARE(notices, QStringList());
    } else {
        QCOMPARE(dir.Read(QFileInfo(copyPath).fileName()), copied);
        // Said once, though each write saw it.
        QCOMPARE(notices, QStringList{"The recovery copy " + copyPath + " was not put back into " + path
                                      + " and is left as it is: " + why});
    }
}

void TestProfileFile::folderLock_whereFlockFails_data()
{
    // On a network or FUSE file system flock fails: the lock is a file
    // beside the data, which may be there already.
    QTest::addColumn<QString>("holder"); // its pid and host; empty: none; "read-only": can't be made
    QTest::addColumn<int>("ageSeconds");
    QTest::addColumn<bool>("taken");
    const QString host = QSysInfo::machineHostName();
    QProcess gone;
    gone.start(QStringLiteral("true"));
    gone.waitForStarted();
    const QString goneHolder = QString::number(gone.processId()) + QLatin1Char(' ') + host;
    gone.waitForFinished();
    // clang-format off
    QTest::newRow("none") << QString() << 0 << true;
    QTest::newRow("this host, its copy is gone") << goneHolder << 0 << true;
    QTest::newRow("this host, its copy runs") << QString::number(::getppid()) + QLatin1Char(' ') + host << 60 << false;
    QTest::newRow("this host, 11 minutes old: its id reused") << QString::number(::getppid()) + QLatin1Char(' ') + host << 660 << true;
    QTest::newRow("another host, a minute old") << "42 elsewhere" << 60 << false;
    QTest::newRow("another host, 11 minutes old") << "42 elsewhere" << 660 << true;
    QTest::newRow("unreadable, a minute old") << "\x01" << 60 << false;
    QTest::newRow("folder can't take one") << "read-only" << 0 << true;
    // clang-format on
}

void TestProfileFile::folderLock_whereFlockFails()
{
    QFETCH(QString, holder);
    QFETCH(int, ageSeconds);
    QFETCH(bool, taken);
    const QString host = QSysInfo::machineHostName();
    TestDataDir dir;
    const QString lockFile = dir.Path(QLatin1String(Profile::LockFileName));
    std::optional<ReadOnlyDir> readOnly;
    if (holder == QLatin1String("read-only")) {
        readOnly.emplace(dir.Dir());
        if (!readOnly->Ok())
            QSKIP("the folder can't be made read-only here");
    } else if (!holder.isEmpty()) {
        dir.Write(QLatin1String(Profile::LockFileName), holder.toUtf8() + '\n');
        const QDateTime at = QDateTime::currentDateTime().addSecs(-ageSeconds);
        QFile f(lockFile);
        QVERIFY(f.open(QIODevice::ReadWrite) && f.setFileTime(at, QFileDevice::FileModificationTime));
    }
    Profile::SetFolderLockCall([](int, int) {
        errno = ENOLCK;
        return -1;
    });
    FakeTicks ticks;
    int waits = 0;
    Profile::SetLockWait([&] {
        ++waits;
        ticks.Advance(1000);
    });
    QStringList notices;
    Platform::SetNoticeHandler([&](const QString &text) { notices << text; });
    QString error;
    QByteArray whileHeld;
    try {
        const Profile::FileLock lock(dir.Path(QStringLiteral("x.ini")));
        whileHeld = dir.Read(QLatin1String(Profile::LockFileName));
    } catch (const AppError &e) {
        error = e.Text();
    }
    Platform::SetNoticeHandler({});
    Profile::SetLockWait({});
    Profile::SetFolderLockCall({});
    if (!taken) {
        QCOMPARE(waits, 5);
        QVERIFY(error.startsWith(QStringLiteral("Unable to write to ")));
        QCOMPARE(dir.Read(QLatin1String(Profile::LockFileName)), holder.toUtf8() + '\n');
    } else if (readOnly) {
        // Written unlocked, and said.
        QCOMPARE(error, QString());
        QCOMPARE(notices, QStringList{"The folder " + dir.Dir() + " cannot be locked (" + readOnly->Reason()
                                      + "). Another copy of Tenacio writing to it at the same time could undo this "
                                        "one's changes."});
    } else {
        QCOMPARE(error, QString());
        QCOMPARE(waits, 0);
        QCOMPARE(whileHeld, QByteArray::number(QCoreApplication::applicationPid()) + ' ' + host.toUtf8() + '\n');
        QVERIFY(!QFileInfo::exists(lockFile)); // gone with the lock
        QCOMPARE(notices, QStringList());
    }
}

void TestProfileFile::badInput_noCrash_data()
{
    // A file with no section (and more than comments) or in UTF-16 is not
    // one the program can make sense of: writes refuse and leave it whole.
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("recognised");
    // clang-format off
    QTest::newRow("binary") << QByteArray::fromHex("00ff5b5d3d0d0aff00fe5b413d5d") << false;
    QTest::newRow("utf-16 with its mark") << QByteArray::fromHex("fffe5b0053005d000d000a004b003d0031000d000a00") << false;
    QTest::newRow("one long line") << QByteArray(300000, 'q') << false;
    QTest::newRow("text without sections") << QByteArray("K=1\nnotes\n") << false;
    QTest::newRow("comments only") << QByteArray("; nothing yet\n\n") << true;
    QTest::newRow("nul inside a value") << QByteArray("[S]\nK=a\0b\n", 10) << true;
    QTest::newRow("cr only") << QByteArray("[S]\rK=1\r[T]\rK=2\r") << true;
    QTest::newRow("unterminated header") << QByteArray("[S\nK=1\n[T]\nK=2\n") << true;
    QTest::newRow("section twice") << QByteArray("[S]\nK=1\n[s]\nK=2\nL=3\n") << true;
    QTest::newRow("key twice") << QByteArray("[S]\nK=1\nk=2\n") << true;
    QTest::newRow("empty name") << QByteArray("[]\n=1\n[S]\nK=1\n") << true;
    QTest::newRow("invalid utf-8") << QByteArray("[S]\nK=\xc3\x28\xa0\xa1\n") << true;
    // Mutants iniline-utf16le and iniline-utf16be: the mark alone refuses a
    // file, whatever follows it.
    QTest::newRow("utf-16 little-endian mark before sections") << QByteArray("\xFF\xFE\n[S]\nK=1\n") << false;
    QTest::newRow("utf-16 big-endian mark before sections") << QByteArray("\xFE\xFF\n[S]\nK=1\n") << false;
    // Mutant iniline-nul-window: UTF-16 without its mark is told by a NUL
    // beside a line break anywhere in the first 4 KiB.
    QTest::newRow("utf-16 without its mark after a long comment")
        << utf16le("; " + QString(200, QLatin1Char('c')) + "\r\n[S]\r\nK=1\r\n") << false;
    // clang-format on
}

void TestProfileFile::badInput_noCrash()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, recognised);
    TestDataDir dir;
    dir.Write(QStringLiteral("b.ini"), bytes);
    for (Access access : {Access::Direct, Access::InMemory}) {
        ProfileFile f(dir.Path(QStringLiteral("b.ini")), access);
        QCOMPARE(f.Recognisable(), recognised);
        QStringList names;
        f.ListSections(names);
        for (const QString &n : std::as_const(names))
            f.ReadText(n, QStringLiteral("K"), QString());
        const QString k = f.ReadText(QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("d"));
        if (QTest::currentDataTag() == QLatin1String("section twice")
            || QTest::currentDataTag() == QLatin1String("key twice")
            || QTest::currentDataTag() == QLatin1String("cr only")
            || QTest::currentDataTag() == QLatin1String("empty name"))
            QCOMPARE(k, QStringLiteral("1")); // the first one counts
        try {
            f.WriteText(QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("new"));
            if (access == Access::InMemory)
                f.WriteBack();
            QVERIFY(recognised);
            QCOMPARE(ProfileFile(dir.Path(QStringLiteral("b.ini")), Access::Direct)
                         .ReadText(QStringLiteral("S"), QStringLiteral("K"), {}),
                     QStringLiteral("new"));
        } catch (const AppError &e) {
            QVERIFY2(!recognised, qPrintable(e.Text()));
            QVERIFY(e.Text().endsWith(
                QStringLiteral("The file holds no sections this program can read; it was left as it was")));
            QCOMPARE(dir.Read(QStringLiteral("b.ini")), bytes);
        }
        dir.Write(QStringLiteral("b.ini"), bytes);
    }
}

void TestProfileFile::bothKinds_readBackTheSame()
{
    TestDataDir dir;
    const QString path = dir.Path(QStringLiteral("rt.ini"));
    {
        ProfileFile f(path, Access::InMemory);
        f.WriteText(QStringLiteral("Run 1"), QStringLiteral("Total"), QStringLiteral("20"));
        f.WriteText(QStringLiteral("Run 1"), QStringLiteral("Res"), QStringLiteral("a b,c=d,é"));
        f.WriteText(QStringLiteral("Run 2"), QStringLiteral("Koeff"), QStringLiteral("5,63"));
        f.WriteText(QStringLiteral("Run 2"), QStringLiteral("Evil"), QStringLiteral("line\r\nbreak"));
        f.WriteBack();
    }
    ProfileFile direct(path, Access::Direct);
    ProfileFile memory(path, Access::InMemory);
    for (const ProfileFile *f : {&direct, &memory}) {
        QCOMPARE(f->ReadText(QStringLiteral("run 1"), QStringLiteral("res"), {}), QStringLiteral("a b,c=d,é"));
        QCOMPARE(f->ReadNumber(QStringLiteral("Run 1"), QStringLiteral("Total"), 0), 20);
        QCOMPARE(f->ReadText(QStringLiteral("Run 2"), QStringLiteral("Evil"), {}), QStringLiteral("line  break"));
        QStringList names;
        f->ListSections(names);
        QCOMPARE(names, (QStringList{QStringLiteral("Run 1"), QStringLiteral("Run 2")}));
    }
}

void TestProfileFile::hugeValue_readAndRewritten()
{
    TestDataDir dir;
    const QByteArray value(100 * 1024 * 1024, 'v');
    dir.Write(QStringLiteral("big.ini"), "[A]\nx=1\n[Big]\nData=" + value + "\n[Z]\nk=2\n");
    const QString path = dir.Path(QStringLiteral("big.ini"));
    {
        ProfileFile direct(path, Access::Direct);
        QCOMPARE(direct.ReadText(QStringLiteral("Big"), QStringLiteral("Data"), {}).size(), 2047);
        QCOMPARE(direct.ReadText(QStringLiteral("Z"), QStringLiteral("k"), {}), QStringLiteral("2"));
        direct.WriteText(QStringLiteral("A"), QStringLiteral("x"), QStringLiteral("3"));
    }
    ProfileFile memory(path, Access::InMemory);
    QCOMPARE(memory.ReadText(QStringLiteral("Big"), QStringLiteral("Data"), {}).size(), value.size());
    QCOMPARE(memory.ReadText(QStringLiteral("A"), QStringLiteral("x"), {}), QStringLiteral("3"));
}

void TestProfileFile::directRead_acrossReadChunks_data()
{
    // Direct access reads a large file in steps: the first ends at 256 KiB,
    // the next at 512 KiB. Put those ends at every awkward place of the
    // lines around them.
    QTest::addColumn<int>("chunk");
    QTest::addColumn<int>("shift");
    for (int chunk : {256 << 10, 512 << 10}) {
        for (int shift : {-3, -2, -1, 0, 1, 2, 3, 4, 5})
            QTest::addRow("%d KiB %+d", chunk >> 10, shift) << chunk << shift;
    }
}

void TestProfileFile::directRead_acrossReadChunks()
{
    QFETCH(int, chunk);
    QFETCH(int, shift);
    TestDataDir dir;
    const QByteArray head("[A]\r\nk=");
    // The CR that ends A's value lies at chunk - 1 + shift.
    const QByteArray value(chunk - 1 + shift - head.size(), 'x');
    QByteArray file = head + value + "\r\n[B]\r\nk=2\r\n\r\n[C]\r\nk=3";
    dir.Write(QStringLiteral("c.ini"), file);
    ProfileFile f(dir.Path(QStringLiteral("c.ini")), Access::Direct);
    QStringList names;
    f.ListSections(names);
    QCOMPARE(names, (QStringList{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}));
    QCOMPARE(f.ReadText(QStringLiteral("B"), QStringLiteral("k"), {}), QStringLiteral("2"));
    QCOMPARE(f.ReadText(QStringLiteral("C"), QStringLiteral("k"), {}), QStringLiteral("3"));
    QCOMPARE(f.ReadText(QStringLiteral("A"), QStringLiteral("k"), {}).size(), 2047);
    QCOMPARE(f.ReadText(QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("none")), QStringLiteral("none"));
    f.WriteText(QStringLiteral("B"), QStringLiteral("new"), QStringLiteral("4"));
    file.replace("k=2\r\n", "k=2\r\nnew=4\r\n");
    QCOMPARE(dir.Read(QStringLiteral("c.ini")), file);
}

void TestProfileFile::index_findsWhatALoadFinds_data()
{
    QTest::addColumn<QByteArray>("bytes");
    // clang-format off
    QTest::newRow("byte-order mark, comments, blanks")
        << QByteArray("\xEF\xBB\xBF; c\r\n  [ A ] \r\nk = v\r\n\r\n[B]\r\n[]\r\nx=1");
    QTest::newRow("CR and LF line ends") << QByteArray("[a]\rk=1\r[b]\nk=2\n\n[c]");
    QTest::newRow("not a header") << QByteArray("[a\r\n  [b]x\r\n]\r\n[c]\r\nData=[d]\r\n");
    QTest::newRow("stray text") << QByteArray("text\r\n[a]\r\n");
    QTest::newRow("UTF-16") << QByteArray("\xFF\xFE[\0a\0]\0");
    QTest::newRow("UTF-16 without its mark") << QByteArray::fromHex("5b0041005d000d000a006b003d0031000d000a00");
    QTest::newRow("bytes that are not UTF-8") << QByteArray("[Gr\xF6\xDF" "e]\r\nData=\xE9\r\n");
    // Lines across the reader's 1 MiB buffers: a CR LF split between two.
    QByteArray big = "[big]\r\nData=" + QByteArray((1 << 20) - 13, 'x') + "\r\n[after]\r\n";
    QTest::newRow("CR LF split across buffers") << big;
    // Mutant sectionindex-crlf: a header's own CR LF split across buffers.
    QTest::newRow("a header's CR LF split across buffers")
        << "[big]\r\nData=" + QByteArray((1 << 20) - 22, 'x') + "\r\n[after]\r\nk=v\r\n";
    QTest::newRow("header split across buffers") << "[big]\r\nData=" + QByteArray((1 << 20) - 16, 'x') + "\r\n [ after ]\r\nk=v";
    // clang-format on
}

void TestProfileFile::index_findsWhatALoadFinds()
{
    QFETCH(QByteArray, bytes);
    TestDataDir dir;
    const QString path = dir.Path(QStringLiteral("modules.ini"));
    // Mutant sectionindex-stale: the file was indexed before it was written
    // again (with another size, so that even a coarse clock tells).
    dir.Write(QStringLiteral("modules.ini"), "[earlier]\r\nk=" + QByteArray(bytes.size() + 1, 'x'));
    QCOMPARE(Profile::IndexSections(path)->sections.size(), 1);
    dir.Write(QStringLiteral("modules.ini"), bytes);
    QVector<QByteArrayView> bodies;
    const Profile::Copy copy = Profile::LoadSections(bytes, &bodies);
    const auto index = Profile::IndexSections(path);
    QVERIFY(index->exists);
    QCOMPARE(index->recognisable, copy.recognisable);
    QCOMPARE(index->sections.size(), copy.sections.size());
    for (qsizetype i = 0; i < copy.sections.size(); ++i) {
        const Profile::IndexedSection &s = index->sections.at(i);
        QCOMPARE(s.name, copy.sections.at(i).name);
        QCOMPARE(Profile::ReadIndexedBytes(path, *index, s.bodyStart, s.bodyEnd), bodies.at(i).toByteArray());
    }
}

void TestProfileFile::conflictCopyOf_namesOfTheSyncTools_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("of");
    // clang-format off
    QTest::newRow("one tool") << "testres.sync-conflict-20261208-101500-ABCDEFG.ini" << "testres.ini";
    QTest::newRow("one tool, device of digits") << "modules.sync-conflict-20261208-183133-KTOZSLL.ini" << "modules.ini";
    QTest::newRow("another") << "testres (conflicted copy 2026-12-08 101500).ini" << "testres.ini";
    QTest::newRow("a third") << "testres (Anna's conflicted copy 2026-12-08).ini" << "testres.ini";
    QTest::newRow("a third, its second copy of the day")
        << "config (Anna's conflicted copy 2026-12-08 (1)).ini" << "config.ini";
    QTest::newRow("a host name with blanks") << "examres (Anna Lena's laptop's conflicted copy 2026-12-08).ini"
                                            << "examres.ini";
    QTest::newRow("the file itself") << "testres.ini" << "";
    QTest::newRow("set aside after a merge") << "testres.sync-conflict-20261208-101500-ABCDEFG.ini.merged" << "";
    QTest::newRow("the device cut short") << "testres.sync-conflict-20261208-101500-ABCDEF.ini" << "";
    QTest::newRow("lower-case device") << "testres.sync-conflict-20261208-101500-abcdefg.ini" << "";
    QTest::newRow("time without seconds") << "testres (conflicted copy 2026-12-08 1015).ini" << "";
    QTest::newRow("no owner") << "testres ('s conflicted copy 2026-12-08).ini" << "";
    QTest::newRow("a user's own copy") << "testres (copy).ini" << "";
    QTest::newRow("the recovery copy") << "testres.ini.tenacio-previous" << "";
    QTest::newRow("nothing before the mark") << ".sync-conflict-20261208-101500-ABCDEFG.ini" << "";
    // clang-format on
}

void TestProfileFile::conflictCopyOf_namesOfTheSyncTools()
{
    QFETCH(QString, name);
    QFETCH(QString, of);
    QCOMPARE(Profile::ConflictCopyOf(name), of);
}

void TestProfileFile::takeFromCopy_onlyWhatIsChosen_data()
{
    QTest::addColumn<bool>("bySection");
    QTest::addColumn<QByteArray>("ours");
    QTest::addColumn<QByteArray>("theirs");
    QTest::addColumn<QStringList>("differences"); // "section/key"
    QTest::addColumn<QList<int>>("chosen");
    QTest::addColumn<QByteArray>("after");
    const QByteArray ours = "[A]\r\nData=1,2\r\n\r\n[B]\r\nData=x\r\n\r\n";
    // clang-format off
    QTest::newRow("Modules: one added, one changed, one gone; the added one taken")
        << true << ours << QByteArray("[A]\nData=1,2,3\n[C]\nData=c\n")
        << QStringList{"A/", "B/", "C/"} << QList<int>{2}
        << QByteArray(ours + "[C]\r\nData=c\r\n");
    QTest::newRow("Modules: the changed one and the gone one taken")
        << true << ours << QByteArray("[A]\nData=1,2,3\n[C]\nData=c\n")
        << QStringList{"A/", "B/", "C/"} << QList<int>{0, 1}
        << QByteArray("[A]\r\nData=1,2,3\r\n\r\n");
    // Not a blank line more: the other sections' bytes stay as they were.
    QTest::newRow("Modules: one taken where it stands, the rest untouched")
        << true << QByteArray("\xEF\xBB\xBF; mine\n[A]\nData=1,2\n[B]\n  Data = x \n\n\n[D]\nData=d")
        << QByteArray("[A]\nData=1,2\n[B]\nData=y\n;new\n[C]\nData=c\n[D]\nData=d")
        << QStringList{"B/", "C/"} << QList<int>{0, 1}
        << QByteArray("\xEF\xBB\xBF; mine\n[A]\nData=1,2\n[B]\nData=y\n\n\n[D]\nData=d\n\n[C]\nData=c\n");
    QTest::newRow("options: by key, a key the copy lacks is none")
        << false << QByteArray("[Test]\nTNumOfEl=20\nTimerMSec=6000\nIfexec=1\n")
        << QByteArray("[Test]\nTNumOfEl=25\nTimerMSec=6000\n[Exam]\nENumOfEl=30\n")
        << QStringList{"Test/TNumOfEl", "Exam/ENumOfEl"} << QList<int>{0}
        << QByteArray("[Test]\nTNumOfEl=25\nTimerMSec=6000\nIfexec=1\n");
    QTest::newRow("nothing chosen: nothing changes")
        << false << QByteArray("[Test]\nTNumOfEl=20\n") << QByteArray("[Test]\nTNumOfEl=25\n")
        << QStringList{"Test/TNumOfEl"} << QList<int>{} << QByteArray("[Test]\nTNumOfEl=20\n");
    // clang-format on
}

void TestProfileFile::takeFromCopy_onlyWhatIsChosen()
{
    QFETCH(bool, bySection);
    QFETCH(QByteArray, ours);
    QFETCH(QByteArray, theirs);
    QFETCH(QStringList, differences);
    QFETCH(QList<int>, chosen);
    QFETCH(QByteArray, after);
    TestDataDir dir;
    dir.Write("data.ini", ours);
    const Profile::Copy copy = Profile::LoadCopy(theirs);
    const QVector<Profile::Difference> found = Profile::Differences(Profile::LoadCopy(ours), copy, bySection);
    QStringList where;
    for (const Profile::Difference &d : found)
        where.append(d.section + '/' + d.key);
    QCOMPARE(where, differences);
    QVector<Profile::Difference> taken;
    for (const int i : chosen)
        taken.append(found.at(i));
    if (!taken.isEmpty())
        Profile::TakeFromCopy(dir.Path("data.ini"), copy, taken);
    QCOMPARE(dir.Read("data.ini"), after);
}

void TestProfileFile::iniLinesRead_inPiecesOfAnySize_data()
{
    // A read may give fewer bytes than asked for: the lines and where they
    // start come out the same for any pieces.
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("most");          // the most bytes one read gives
    QTest::addColumn<QStringList>("lines"); // "at:text"
    const QByteArray marked("\xEF\xBB\xBF[a]\r\nk=1\r\n[b]\nk=2");
    const QStringList expected{"3:[a]", "8:k=1", "13:[b]", "17:k=2"};
    // clang-format off
    QTest::newRow("whole") << marked << 1000 << expected;
    // Mutant iniline-bom-early: the mark looked for before its 3 bytes are held.
    QTest::newRow("the mark one byte a read") << marked << 1 << expected;
    QTest::newRow("the mark two bytes a read") << marked << 2 << expected;
    // Mutant iniline-offset: where a line starts once the buffer moved on.
    QTest::newRow("four bytes a read") << marked << 4 << expected;
    // clang-format on
}

void TestProfileFile::iniLinesRead_inPiecesOfAnySize()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, most);
    QFETCH(QStringList, lines);
    qsizetype at = 0;
    const auto read = [&](char *to, qint64 room) -> qint64 {
        const qint64 n = qMin<qint64>(qMin<qint64>(room, most), bytes.size() - at);
        std::memcpy(to, bytes.constData() + at, size_t(n));
        at += n;
        return n;
    };
    QStringList seen;
    const qint64 size = Profile::ForEachIniLineRead(
        read,
        [&](const Profile::IniLine &line, qint64 start) {
            seen.append(QString::number(start) + u':' + QString::fromUtf8(line.text));
        },
        most < 1000 ? 4 : Profile::IniPiece);
    QCOMPARE(size, bytes.size());
    QCOMPARE(seen, lines);
}

void TestProfileFile::directWrite_lineBreakOfTheFile_data()
{
    // A line a direct write adds ends as the file's first line does; a file
    // whose only line has none gets CR LF, and its last line a break.
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after"); // [Test] TNumOfEl=30 written
    // clang-format off
    // Mutant directparse-eol-first: "[Test]TNumOfEl=30", the header and the key lost.
    QTest::newRow("only line without a break") << QByteArray("[Test]") << QByteArray("[Test]\r\nTNumOfEl=30\r\n");
    // Mutant directparse-eol-last: the break of the last line taken.
    QTest::newRow("CR LF first, LF last") << QByteArray("[Test]\r\nk=1\n") << QByteArray("[Test]\r\nk=1\nTNumOfEl=30\r\n");
    QTest::newRow("LF first, CR last") << QByteArray("[Test]\nk=1\r") << QByteArray("[Test]\nk=1\rTNumOfEl=30\n");
    // clang-format on
}

void TestProfileFile::directWrite_lineBreakOfTheFile()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    TestDataDir dir;
    dir.Write(QStringLiteral("config.ini"), before);
    ProfileFile(dir.Path(QStringLiteral("config.ini")), Access::Direct)
        .WriteNumber(QStringLiteral("Test"), QStringLiteral("TNumOfEl"), 30);
    QCOMPARE(dir.Read(QStringLiteral("config.ini")), after);
}

QTEST_GUILESS_MAIN(TestProfileFile)
#include "tst_profilefile.moc"
