// The scene under Qt Quick Test, with stand-ins for its native objects. One
// executable runs every tst_*.qml; CTest starts it once per file.
#include "tests/qml/stand_ins.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QQmlContext>
#include <QQmlEngine>
#include <QtQuickTest>

namespace {

ViewStandIn *activeView = nullptr;
QtMessageHandler previousHandler = nullptr;

// A warning that names a scene file (a script error, a missing image, a
// failed binding) is a fault of the scene: every test checks that none came.
void collectSceneWarnings(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    const bool fromScene = message.contains(QLatin1String("qrc:/modules/qml"))
                           || message.contains(QLatin1String("qrc:modules/qml"));
    if (activeView && fromScene && (type == QtWarningMsg || type == QtCriticalMsg))
        activeView->addSceneWarning(message);
    if (previousHandler)
        previousHandler(type, context, message);
}

} // namespace

class Setup : public QObject
{
    Q_OBJECT

public slots:
    void qmlEngineAvailable(QQmlEngine *engine)
    {
        view = new ViewStandIn(&journal, this);
        controler = new ControlerStandIn(&journal, this);
        engine->rootContext()->setContextProperty(QStringLiteral("ui_View"), view);
        engine->rootContext()->setContextProperty(QStringLiteral("ui_Ctl"), controler);
        // The scene calls none of the worker's slots; an empty object shows
        // that nothing reaches for it.
        engine->rootContext()->setContextProperty(QStringLiteral("hid"), &noWorker);
        QDesktopServices::setUrlHandler(QStringLiteral("https"), view, "openUrl");
        QDesktopServices::setUrlHandler(QStringLiteral("http"), view, "openUrl");
        activeView = view;
        previousHandler = qInstallMessageHandler(collectSceneWarnings);
    }

    void cleanupTestCase()
    {
        qInstallMessageHandler(previousHandler);
        activeView = nullptr;
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    }

private:
    CallJournal journal;
    QObject noWorker;
    ViewStandIn *view = nullptr;
    ControlerStandIn *controler = nullptr;
};

QUICK_TEST_MAIN_WITH_SETUP(scene, Setup)

#include "tst_scene.moc"
