#include "shell/app_main.h"

#include "bridge/my_qquick_view.h"
#include "shell/input_wiring.h"
#include "shell/widget.h"

#include "shell/log.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFontDatabase>
#include <QQuickWindow>

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

// Notes once when the scene's first frame has been rendered and handed to
// the window; the start-up benchmark waits for this line.
void reportFirstFrame(myQQuickView *view, const QElapsedTimer &sinceStart)
{
    if (!view || !view->quickWindow())
        return;
    auto once = std::make_shared<QMetaObject::Connection>();
    // Queued: the widget composes the rendered frame into the window right
    // after rendering, before the next event is handled.
    *once = QObject::connect(
        view->quickWindow(), &QQuickWindow::afterRendering, view,
        [once, sinceStart] {
            QObject::disconnect(*once);
            qCDebug(lcShell, "first frame shown after %lld ms", qint64(sinceStart.elapsed()));
        },
        Qt::QueuedConnection);
}

} // namespace

int runProgram(int argc, char **argv, const MainWindowExtension &extend)
{
    QElapsedTimer sinceStart;
    sinceStart.start();
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

        reportFirstFrame(mainWindow.view(), sinceStart);
        mainWindow.showNormal();
        mainWindow.startScene();

        result = QApplication::exec();

        InputWiring::remove();
        extension.reset();
    }
    return result;
}
