// The start routine: program folder, splash, main window, and the wait before it is shown.
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLibraryInfo>
#include <QLocale>
#include <QStandardPaths>
#include <QTime>
#include <QTimer>
#include <QTranslator>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <memory>

#include "app/command_line.h"
#include "app/program.h"
#include "app/program_folder.h"
#include "app/startup.h"
#include "base/version.h"
#include "batch/batch_runner.h"
#include "batch/headless.h"
#include "frm_main.h"
#include "frm_splash.h"
#include "icons.h"
#include "qt_ui.h"

namespace {

// The desktop's locale as the window gets it: QApplication sets the C library's locale from the
// environment, so every mode does, and the core must not depend on it. The decimal separator
// shown to the person is the desktop's when it is a single "." or ",", else ".".
char SetUpLocale() {
    std::setlocale(LC_ALL, "");
    const QString point = QLocale::system().decimalPoint();
    return point == "," ? ',' : '.';
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    vt::CommandLine cl = vt::ParseCommandLine(args);
    cl.decimalSeparator = SetUpLocale();
    if (!cl.error.empty()) {
        std::fprintf(stderr, "veltrum32: %s\n", cl.error.c_str());
        return 2;
    }
    if (cl.help) {
        std::cout << vt::UsageText();
        return 0;
    }
    if (cl.version) {
        std::cout << "veltrum32 " << vt::kVersionText << "\n";
        return 0;
    }
    auto env = [](const char* name) {
        const char* v = std::getenv(name);
        return std::string(v ? v : "");
    };
    const std::string folder = vt::ChooseProgramFolder(
        cl.home, env("VELTRUM32_HOME"), vt::ExecutableDir(), env("XDG_DATA_HOME"), env("HOME"));

    // Work without a window needs no display.
    if (!cl.batch.empty())
        return vt::RunBatch(cl.batch, folder, std::cout, std::cerr, cl.decimalSeparator);
    if (!cl.nc.empty()) return vt::RunNcCommand(cl, folder, std::cout, std::cerr);
    if (!cl.convert.empty()) return vt::RunConvertCommand(cl, folder, std::cerr);

    QApplication app(argc, argv);
    QApplication::setApplicationName("Veltrum32");
    QApplication::setDesktopFileName("veltrum32");
    QApplication::setWindowIcon(QIcon(vt::gui::LogoPicture(64)));
    QApplication::setQuitOnLastWindowClosed(false);

    vt::gui::QtUi ui;
    vt::Program program(ui, folder, cl.language);
    // The Swedish interface gets Qt's own Swedish texts; a language file replaces ours.
    QTranslator qtTexts;
    if (!program.language.FilePresent() &&
        qtTexts.load("qt_sv", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);

    ui.SetProgram(&program);
    program.decimalSeparator = cl.decimalSeparator;
    program.paths.documents = vt::StripTrailingSeparator(
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString());
    const double startSeconds = QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
    QElapsedTimer sinceStart;
    sinceStart.start();

    std::unique_ptr<vt::gui::FrmSplash> splash;
    if (!cl.noSplash) {
        splash = std::make_unique<vt::gui::FrmSplash>();
        splash->show();
        QApplication::processEvents();
    }

    vt::gui::FrmMain mainWindow(program);
    ui.SetMainWindow(&mainWindow);
    mainWindow.Load(vt::AbsolutePath(cl.file));

    if (splash) {
        const int waitMs = static_cast<int>(vt::SplashSecondsLeft(startSeconds) * 1000.0) -
                           static_cast<int>(sinceStart.elapsed());
        if (waitMs > 0) {
            QEventLoop loop;
            QTimer::singleShot(waitMs, &loop, &QEventLoop::quit);
            loop.exec();
        }
    }
    mainWindow.show();
    splash.reset();
    // For the start-up benchmark: end as soon as the window is up.
    if (!env("VELTRUM32_EXIT_WHEN_SHOWN").empty())
        QTimer::singleShot(0, &app, [&] { app.exit(0); });

    QObject::connect(&app, &QApplication::lastWindowClosed, &app, &QApplication::quit);
    return app.exec();
}
