// The program entry: chooses the data folder, gives a new user the starter
// library, creates the eight windows and runs the event loop, which shows
// the main window maximized.

#include "platform/dialogs.h"
#include "app/displaycheck.h"
#include "app/forms.h"
#include "app/frmmain.h"
#include "app/programicon.h"
#include "library/modules.h"
#include "platform/platform.h"

#include <QApplication>
#include <QDir>
#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>
#include <exception>

namespace {

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
            Dialogs::ShowError(activeWindow(), QStringLiteral("Unknown error"));
        }
        return false;
    }
};

} // namespace

int main(int argc, char *argv[])
{
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
    // Beside the program when its directory can be written, else in the
    // user's data directory; chosen once, for the whole session.
    const QString problem = Platform::UseDataDir(QCoreApplication::applicationDirPath(),
                                                 qEnvironmentVariable("XDG_DATA_HOME"), QDir::homePath());
    if (!problem.isEmpty())
        Dialogs::ShowError(nullptr, problem);
    Modules::PlaceStarterLibrary(Modules::LibraryPath());
    Forms forms = CreateForms();
    forms.frm_main->showMaximized();
    const int code = app.exec();
    DestroyForms(forms);
    return code;
}
