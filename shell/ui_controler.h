#pragma once
#include <QObject>

class Widget;
class myQQuickView;

// The window controller, "ui_Ctl" in the scene. The window is frameless, so
// the scene draws its own minimise and close buttons and drag area and asks
// this object to act on the window; native code uses it to put the scene into
// its busy state.
class Ui_Controler : public QObject
{
    Q_OBJECT

public:
    Ui_Controler() = default;

    // Turns the main window into the frameless scene window, creates the view
    // with the scene and registers the context objects.
    void attach(Widget *mainWindow);

    myQQuickView *sceneView() const { return view; }

public slots:
    void onMinimize();
    void onClose();
    void onXChanged(int x);
    void onYChanged(int y);
    void setBusy(int busyTime);
    void setBusy() { setBusy(0); }

private:
    void moveBy(int dx, int dy);

    Widget *mainWindow = nullptr;
    myQQuickView *view = nullptr;
};
