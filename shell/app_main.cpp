#include "shell/app_main.h"

#include "bridge/my_qquick_view.h"
#include "shell/input_wiring.h"
#include "shell/widget.h"

#include <QApplication>
#include <QDir>
#include <QFontDatabase>

namespace {

// Every relative path of the program (./modules, the scene's file: images)
// resolves against the executable's folder, wherever it was started from.
void enterExecutableFolder()
{
    QString folder = QCoreApplication::applicationFilePath();
    const int slash = folder.lastIndexOf(QLatin1Char('/'));
    if (slash >= 0)
        folder.truncate(slash);
    QDir::setCurrent(folder);
}

} // namespace

int runProgram(int argc, char **argv, const MainWindowExtension &extend)
{
    QApplication app(argc, argv);
    enterExecutableFolder();
    QFontDatabase::addApplicationFont(QStringLiteral("./IRANSansX-Regular.ttf"));

    int result = 0;
    {
        Widget mainWindow;
        std::unique_ptr<QObject> extension;
        if (extend)
            extension = extend(mainWindow);

        mainWindow.checkDevice();

        // The layout flag is read after the first discovery, which leaves the
        // view's layout index at 0.
        const bool defaultLayout = mainWindow.view() && mainWindow.view()->layoutType() == 0;
        InputWiring::install(defaultLayout, &mainWindow);

        mainWindow.showNormal();
        mainWindow.startScene();

        result = QApplication::exec();

        InputWiring::remove();
        extension.reset();
    }
    return result;
}
