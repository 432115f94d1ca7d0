#include "app/forms.h"
#include "app/frmhelp.h"
#include "app/frmmain.h"
#include "library/modules.h"
#include "platform/platform.h"
#include "profile/profilefile.h"
#include "tests/testsupport.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include <sys/stat.h>

namespace {

int modeOf(const QString &path)
{
    struct stat st
    { };
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return -1;
    return int(st.st_mode & 07777);
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

const QStringList StarterNames{QStringLiteral("Two-digit numbers"), QStringLiteral("Three-digit numbers"),
                               QStringLiteral("Common words"), QStringLiteral("Pairs 00\u201399")};

} // namespace

class TestDataFolder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void choose_data();
    void choose();
    void useDataDir_data();
    void useDataDir();
    void starterLibrary_data();
    void starterLibrary();
    void starterLibrary_notBackAfterEveryModuleIsDeleted();
    void starterLibrary_installedCopy_data();
    void starterLibrary_installedCopy();
    void about_showsFolderInUse();
};

void TestDataFolder::cleanup()
{
    Platform::SetDataDir(QString());
    Profile::ClearDirectCache();
}

void TestDataFolder::choose_data()
{
    QTest::addColumn<bool>("writable");
    QTest::addColumn<QString>("xdg");
    QTest::addColumn<QString>("expected");
    const QString beside = QStringLiteral("/opt/tenacio/");
    const QString home = QStringLiteral("/home/ann/.local/share/tenacio/");
    // clang-format off
    QTest::newRow("writable, XDG unset") << true << QString() << beside;
    QTest::newRow("writable, XDG set: stays beside") << true << QStringLiteral("/srv/xdg") << beside;
    QTest::newRow("read-only, XDG set") << false << QStringLiteral("/srv/xdg") << QStringLiteral("/srv/xdg/tenacio/");
    QTest::newRow("read-only, XDG with a final /") << false << QStringLiteral("/srv/xdg/") << QStringLiteral("/srv/xdg/tenacio/");
    QTest::newRow("read-only, XDG unset") << false << QString() << home;
    QTest::newRow("read-only, XDG relative: ignored") << false << QStringLiteral("xdg") << home;
    // clang-format on
}

void TestDataFolder::choose()
{
    QFETCH(bool, writable);
    QFETCH(QString, xdg);
    QFETCH(QString, expected);
    QCOMPARE(Platform::ChooseDataDir(QStringLiteral("/opt/tenacio"), writable, xdg, QStringLiteral("/home/ann")),
             expected);
}

// The choice with real directories. The program's own folder is a fresh
// temporary one (writable), /usr/bin (the system's, which root could write
// too) or a temporary one made read-only where that holds for root.
void TestDataFolder::useDataDir_data()
{
    QTest::addColumn<QString>("exe"); // "temp", "readonly" or a path
    QTest::addColumn<bool>("xdgSet");
    QTest::addColumn<QString>("before"); // "" nothing, "folder" a folder of 0750 with a file, "file"
    QTest::addColumn<bool>("beside");
    QTest::addColumn<bool>("dataBeside"); // testres.ini in the program's folder before it became read-only
    // clang-format off
    QTest::newRow("build tree: writable program folder") << "temp" << true << "" << true << true;
    QTest::newRow("under /usr, XDG set, folder missing") << "/usr/bin" << true << "" << false << false;
    QTest::newRow("under /usr, XDG unset, folder missing") << "/usr/bin" << false << "" << false << false;
    QTest::newRow("under /usr, folder there: kept as it is") << "/usr/bin" << true << "folder" << false << false;
    QTest::newRow("under /usr, a file in the folder's place") << "/usr/bin" << true << "file" << false << false;
    QTest::newRow("read-only program folder") << "readonly" << true << "" << false << false;
    QTest::newRow("program folder with the data became read-only") << "readonly" << true << "" << false << true;
    // clang-format on
}

void TestDataFolder::useDataDir()
{
    QFETCH(QString, exe);
    QFETCH(bool, xdgSet);
    QFETCH(QString, before);
    QFETCH(bool, beside);
    QFETCH(bool, dataBeside);

    QTemporaryDir root;
    QVERIFY(root.isValid());
    const QString home = root.filePath(QStringLiteral("home"));
    const QString xdg = root.filePath(QStringLiteral("xdg"));
    QVERIFY(QDir().mkpath(home));
    std::unique_ptr<ReadOnlyDir> readOnly;
    if (exe == QLatin1String("temp") || exe == QLatin1String("readonly")) {
        const QString dir = root.filePath(QStringLiteral("program"));
        QVERIFY(QDir().mkpath(dir));
        if (dataBeside)
            QVERIFY(writeFile(dir + QStringLiteral("/testres.ini"), "[run]\r\nKoeff=1\r\n"));
        if (exe == QLatin1String("readonly")) {
            readOnly = std::make_unique<ReadOnlyDir>(dir);
            if (!readOnly->Ok())
                QSKIP("this file system lets root write to any folder");
        }
        exe = dir;
    }
    const QString folder = (xdgSet ? xdg : home + QStringLiteral("/.local/share")) + QStringLiteral("/tenacio");
    if (before == QLatin1String("folder")) {
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup
                                                  | QFile::ExeGroup));
        QVERIFY(writeFile(folder + QStringLiteral("/testres.ini"), "[run]\r\nKoeff=1\r\n"));
    } else if (before == QLatin1String("file")) {
        QVERIFY(QDir().mkpath(xdg));
        QVERIFY(writeFile(folder, "mine"));
    }

    // The main window shows what the choice had to say.
    Forms forms = CreateForms();
    const QString problem = Platform::UseDataDir(exe, xdgSet ? xdg : QString(), home);
    const QString notice = forms.frm_main->StatusBar1->currentMessage();
    DestroyForms(forms);
    if (dataBeside && !beside) {
        QCOMPARE(notice, "Tenacio keeps its data in " + folder + "/ now: the data folder " + exe
                             + " cannot be written (" + readOnly->Reason()
                             + "). The history, Modules and options kept there are not shown.");
    } else {
        QCOMPARE(notice, QString());
    }

    if (beside) {
        QVERIFY(problem.isEmpty());
        QCOMPARE(Platform::DataDir(), exe + QLatin1Char('/'));
        QVERIFY(!QFileInfo::exists(xdg));
        QVERIFY(!QFileInfo::exists(home + QStringLiteral("/.local")));
        return;
    }
    QCOMPARE(Platform::DataDir(), folder + QLatin1Char('/'));
    QCOMPARE(Platform::DataFile(QStringLiteral("testres.ini")), folder + QStringLiteral("/testres.ini"));
    if (before == QLatin1String("file")) {
        QVERIFY2(problem.contains(folder), qPrintable(problem));
        QCOMPARE(readFile(folder), QByteArray("mine"));
        return;
    }
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    QVERIFY(QFileInfo(folder).isDir());
    if (before == QLatin1String("folder")) {
        QCOMPARE(modeOf(folder), 0750);
        QCOMPARE(readFile(folder + QStringLiteral("/testres.ini")), QByteArray("[run]\r\nKoeff=1\r\n"));
    } else {
        QCOMPARE(modeOf(folder), 0700);
        QCOMPARE(modeOf(QFileInfo(folder).path()), 0700); // a missing parent is private too
    }
}

void TestDataFolder::starterLibrary_data()
{
    QTest::addColumn<bool>("exists");
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("no library yet") << false << QByteArray();
    QTest::newRow("emptied library: an empty file") << true << QByteArray();
    QTest::newRow("the user's own library") << true << QByteArray("[Capitals]\r\nData=Paris,Rome\r\n\r\n");
}

void TestDataFolder::starterLibrary()
{
    QFETCH(bool, exists);
    QFETCH(QByteArray, content);
    TestDataDir dir;
    if (exists)
        dir.Write(QStringLiteral("modules.ini"), content);

    QCOMPARE(Modules::PlaceStarterLibrary(Modules::LibraryPath()), !exists);

    if (exists) {
        QCOMPARE(dir.Read(QStringLiteral("modules.ini")), content);
        return;
    }
    QCOMPARE(Modules::ListModuleNames(Modules::LibraryPath()), StarterNames);
    const Modules::Module twoDigits = Modules::ReadModule(Modules::LibraryPath(), StarterNames.at(0));
    QCOMPARE(twoDigits.Elements.Size(), 90);
    QCOMPARE(twoDigits.Elements.Text(0), QStringLiteral("10"));
    // A two-digit system's 00 to 09 have a Module of their own.
    const Modules::Module pairs = Modules::ReadModule(Modules::LibraryPath(), StarterNames.at(3));
    QCOMPARE(pairs.Elements.Size(), 100);
    QCOMPARE(pairs.Elements.Text(0), QStringLiteral("00"));
    QCOMPARE(pairs.Elements.Text(99), QStringLiteral("99"));
    // Nothing else is left behind in the folder.
    QCOMPARE(QDir(dir.Dir()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("modules.ini")});
}

// The user deletes every Module as the editor does (an in-memory copy
// written back); the next start must not bring the starter library back.
// Deleting the file itself does.
void TestDataFolder::starterLibrary_notBackAfterEveryModuleIsDeleted()
{
    TestDataDir dir;
    const QString path = Modules::LibraryPath();
    QVERIFY(Modules::PlaceStarterLibrary(path));
    {
        ProfileFile library(path, ProfileFile::Access::InMemory);
        QStringList names;
        library.ListSections(names);
        QCOMPARE(names, StarterNames);
        for (const QString &name : names)
            library.DeleteSection(name);
        library.WriteBack();
    }
    QVERIFY(!Modules::PlaceStarterLibrary(path));
    QVERIFY(Modules::ListModuleNames(path).isEmpty());

    QVERIFY(QFile::remove(path));
    QVERIFY(Modules::PlaceStarterLibrary(path));
    QCOMPARE(Modules::ListModuleNames(path), StarterNames);
}

// The installed starter library, which an administrator may replace, is
// given as it is; one that is missing or holds no Modules gives way to the
// copy the program carries.
void TestDataFolder::starterLibrary_installedCopy_data()
{
    QTest::addColumn<QString>("installed"); // "file", "folder" or "missing"
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("carriedCopy");
    const QByteArray own("\xEF\xBB\xBF[Capitals]\r\nData=Paris,Rome\r\n\r\n[St\xE4"
                         "dte]\nData=Wien,Bern\n");
    // clang-format off
    QTest::newRow("an administrator's library, byte for byte") << "file" << own << false;
    QTest::newRow("an empty file: no starter Modules") << "file" << QByteArray() << false;
    QTest::newRow("missing") << "missing" << QByteArray() << true;
    QTest::newRow("a folder of that name") << "folder" << QByteArray() << true;
    QTest::newRow("text without a section") << "file" << QByteArray("Paris,Rome\n") << true;
    QTest::newRow("a program, not a library") << "file" << QByteArray("\x7F" "ELF\x02\x01\x01\x00", 8) << true;
    QTest::newRow("UTF-16, as a Windows editor saves it")
        << "file" << QByteArray("\xFF\xFE[\x00x\x00]\x00\r\x00\n\x00", 12) << true;
    // clang-format on
}

void TestDataFolder::starterLibrary_installedCopy()
{
    QFETCH(QString, installed);
    QFETCH(QByteArray, content);
    QFETCH(bool, carriedCopy);
    TestDataDir dir;
    QTemporaryDir share;
    const QString copy = share.filePath(QStringLiteral("starter-modules.ini"));
    if (installed == QLatin1String("file"))
        QVERIFY(writeFile(copy, content));
    else if (installed == QLatin1String("folder"))
        QVERIFY(QDir().mkdir(copy));

    QVERIFY(Modules::PlaceStarterLibrary(Modules::LibraryPath(), copy));

    if (carriedCopy)
        QCOMPARE(Modules::ListModuleNames(Modules::LibraryPath()), StarterNames);
    else
        QCOMPARE(dir.Read(QStringLiteral("modules.ini")), content);
}

// The About dialog names the folder in use, as plain text that can be
// selected, whatever characters its name holds.
void TestDataFolder::about_showsFolderInUse()
{
    QTemporaryDir root;
    const QString folder = root.filePath(QStringLiteral("<b>Ann & Bob</b>"));
    QVERIFY(QDir().mkpath(folder));
    Platform::SetDataDir(folder);
    Tfrm_help about;
    QCOMPARE(about.Label2->text(), QStringLiteral("Your data is kept in ") + folder + QLatin1Char('/'));
    QCOMPARE(about.Label2->textFormat(), Qt::PlainText);
    QVERIFY(about.Label2->textInteractionFlags().testFlag(Qt::TextSelectableByKeyboard));
}

QTEST_MAIN(TestDataFolder)
#include "tst_datadir.moc"
