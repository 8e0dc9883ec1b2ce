// The reference for the start-up benchmark: a minimal frameless, translucent
// 1000 x 600 QQuickWidget window with a few items, noting its first frame the
// same way the program does.
#include <QApplication>
#include <QElapsedTimer>
#include <QQuickWidget>
#include <QQuickWindow>
#include <QUrl>
#include <QWidget>

#include <cstdio>
#include <memory>


int main(int argc, char **argv)
{
    QElapsedTimer sinceStart;
    sinceStart.start();
    QApplication app(argc, argv);

    QWidget window;
    window.setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::CustomizeWindowHint);
    window.setAttribute(Qt::WA_TranslucentBackground);
    window.setStyleSheet(QStringLiteral("background:transparent;"));
    auto *view = new QQuickWidget(&window);
    view->setClearColor(Qt::transparent);
    view->setSource(QUrl(QStringLiteral("qrc:/bench/minimal_window.qml")));
    window.resize(view->size());

    auto once = std::make_shared<QMetaObject::Connection>();
    *once = QObject::connect(
        view->quickWindow(), &QQuickWindow::afterRendering, view,
        [once, &sinceStart] {
            QObject::disconnect(*once);
            std::fprintf(stderr, "first frame shown after %lld ms\n", qint64(sinceStart.elapsed()));
            std::fflush(stderr);
        },
        Qt::QueuedConnection);
    window.showNormal();
    return QApplication::exec();
}
