// The program entry: answers --help and --version without a window;
// otherwise chooses the data folder, gives a new user the starter library,
// creates the eight windows and runs the event loop, which shows the main
// window maximized.

#include "app/appinfo.h"
#include "app/displaycheck.h"
#include "app/forms.h"
#include "app/frmmain.h"
#include "app/programicon.h"
#include "library/modules.h"
#include "platform/dialogs.h"
#include "platform/platform.h"
#include "platform/speech.h"

#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>

namespace {

// The starter library installed with the program, which an administrator
// may replace; none for a program that is not installed system-wide.
QString installedStarter()
{
    const QString relative = QStringLiteral(TENACIO_INSTALLED_STARTER);
    if (relative.isEmpty())
        return QString();
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QLatin1Char('/') + relative);
}

// The user guide installed with the program, seen from its directory.
QString installedGuide()
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QLatin1Char('/')
                           + QStringLiteral(TENACIO_INSTALLED_GUIDE));
}

QString usage()
{
    const QString exeDir = QCoreApplication::applicationDirPath();
    const QString dataDir = Platform::ChooseDataDir(exeDir, Platform::MayKeepDataIn(exeDir),
                                                    qEnvironmentVariable("XDG_DATA_HOME"), QDir::homePath());
    return QCoreApplication::translate("Usage",
                                       "Usage: tenacio [--help | --version]\n"
                                       "\n"
                                       "Tenacio is a desktop trainer for memorising lists. It shows the Elements\n"
                                       "of a Module one at a time, sets a few quick sums, has you type the\n"
                                       "Elements back in order, scores the run and keeps Training and Exam\n"
                                       "results in a history. With any other arguments it opens its window.\n"
                                       "\n"
                                       "  --help     show this text and exit\n"
                                       "  --version  show the version and exit\n"
                                       "\n"
                                       "Data folder: %1\n"
                                       "  (config.ini, modules.ini, testres.ini, examres.ini). Beside the program\n"
                                       "  when its directory can be written, else $XDG_DATA_HOME/tenacio/, which\n"
                                       "  is ~/.local/share/tenacio/ when XDG_DATA_HOME is not set.\n"
                                       "%2"
                                       "\n"
                                       "Environment:\n"
                                       "  XDG_DATA_HOME    the user's data directory (see the data folder)\n"
                                       "  HOME             the user's home directory\n"
                                       "  DISPLAY          the X display to open\n"
                                       "  WAYLAND_DISPLAY  the Wayland display, used when no X display can be\n"
                                       "                   reached and Qt's Wayland plugin is installed\n"
                                       "  XDG_RUNTIME_DIR  the folder of a Wayland display given by name\n"
                                       "  QT_QPA_PLATFORM  Qt's platform; when set, it is used as it is\n"
                                       "  LANGUAGE, LC_ALL, LC_MESSAGES, LANG\n"
                                       "                   the language of the texts: German, Russian, French,\n"
                                       "                   Spanish or English\n"
                                       "\n"
                                       "Exit status: 0, or 2 when no graphical display can be used.\n")
        .arg(QDir::toNativeSeparators(dataDir),
             installedStarter().isEmpty()
                 ? QString()
                 : QCoreApplication::translate("Usage", "Starter library for a new user: %1\n"
                                                        "  when it holds Modules, else the copy the program carries.\n")
                       .arg(installedStarter()));
}

void installTranslations(QCoreApplication &app);

// --help and --version, answered without a display. -1 when the
// arguments ask for neither: the program then opens its window.
int answerCommandLine(int argc, char *argv[])
{
    bool help = false;
    bool version = false;
    for (int i = 1; i < argc; ++i) {
        help = help || std::strcmp(argv[i], "--help") == 0;
        version = version || std::strcmp(argv[i], "--version") == 0;
    }
    if (!help && !version)
        return -1;
    QCoreApplication core(argc, argv);
    installTranslations(core); // the usage in the user's language
    const QByteArray text = help ? usage().toLocal8Bit() : QByteArrayLiteral("tenacio " TENACIO_VERSION "\n");
    // A full disk or a closed pipe is a failure, not an answer.
    if (std::fwrite(text.constData(), 1, size_t(text.size()), stdout) != size_t(text.size())
        || std::fflush(stdout) != 0) {
        std::fprintf(stderr, "tenacio: can't write to the standard output: %s\n", std::strerror(errno));
        return 1;
    }
    return 0;
}

// English is the sources' own, but for the plural forms of the texts with
// a count ("1 digit", "4 digits").
void installEnglish(QCoreApplication &app)
{
    auto *english = new QTranslator(&app);
    if (english->load(QStringLiteral("tenacio_en"), QStringLiteral(":/i18n")))
        QCoreApplication::installTranslator(english);
    else
        delete english;
}

// The program's texts in the first of the user's languages (LANGUAGE,
// LC_MESSAGES, LANG) that it carries, with Qt's own texts for the standard
// buttons; English when an English one comes first or none fits.
void installTranslations(QCoreApplication &app)
{
    const QStringList languages = QLocale::system().uiLanguages();
    for (QString language : languages) {
        language.replace(QLatin1Char('-'), QLatin1Char('_'));
        if (language == QLatin1String("C") || language.startsWith(QLatin1String("en"))) {
            installEnglish(app);
            return;
        }
        auto *own = new QTranslator(&app);
        if (!own->load(QStringLiteral("tenacio_") + language, QStringLiteral(":/i18n"))) {
            delete own;
            continue;
        }
        QCoreApplication::installTranslator(own);
        // A voice left to its default reads Latin letters in it too.
        Speech::SetInterfaceLanguage(language.section(QLatin1Char('_'), 0, 0));
        auto *qt = new QTranslator(&app);
        if (qt->load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(qt);
        else
            delete qt;
        return;
    }
    installEnglish(app);
}

// The last line of defence: no exception crosses the event loop.
class Application : public QApplication
{
public:
    using QApplication::QApplication;
    bool notify(QObject *receiver, QEvent *event) override
    {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception &e) {
            Dialogs::ShowError(activeWindow(), QString::fromUtf8(e.what()));
        } catch (...) {
            Dialogs::ShowError(activeWindow(), QCoreApplication::translate("Dialogs", "Unknown error"));
        }
        return false;
    }
};

} // namespace

int main(int argc, char *argv[])
{
    const int answered = answerCommandLine(argc, argv);
    if (answered >= 0)
        return answered;
    const QString noDisplay = DisplayCheck::Problem();
    if (!noDisplay.isEmpty()) {
        std::fprintf(stderr,
                     "Tenacio needs a graphical display. %s\n"
                     "Start it inside a desktop session, or under a virtual display:\n"
                     "    xvfb-run -a %s\n",
                     noDisplay.toLocal8Bit().constData(), argc > 0 ? argv[0] : "tenacio");
        return 2;
    }
    Application app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tenacio"));
    QGuiApplication::setDesktopFileName(QStringLiteral("tenacio"));
    QApplication::setWindowIcon(ProgramIcon());
    installTranslations(app);
    // Beside the program when its directory can be written, else in the
    // user's data directory; chosen once, for the whole session.
    const QString problem = Platform::UseDataDir(QCoreApplication::applicationDirPath(),
                                                 qEnvironmentVariable("XDG_DATA_HOME"), QDir::homePath());
    if (!problem.isEmpty())
        Dialogs::ShowError(nullptr, problem);
    Modules::PlaceStarterLibrary(Modules::LibraryPath(), installedStarter());
    AppInfo::SetInstalledGuide(installedGuide());
    Forms forms = CreateForms();
    forms.frm_main->showMaximized();
    const int code = app.exec();
    DestroyForms(forms);
    return code;
}
