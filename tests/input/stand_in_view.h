#pragma once
// A stand-in for the view and its scene: forwardKeyboard and forwardMouse
// queue detectKeyboard and detectMouse on the scene's root object the way
// the view does, and the root records every call it receives.
#include <QMetaObject>
#include <QObject>
#include <QStringList>
#include <QVariant>

class StandInScene : public QObject
{
    Q_OBJECT
public:
    // Every call, in arrival order: "key+ 04", "key- 04",
    // "button+ f0 @100,200". Raw numbers of injected test input only.
    QStringList calls;
    // Set while the view is inside a forward call: a call arriving then was
    // not queued.
    bool insideForward = false;
    int directCalls = 0;

    Q_INVOKABLE void detectKeyboard(const QVariant &isDown, const QVariant &usbCode)
    {
        directCalls += insideForward ? 1 : 0;
        calls << QString::asprintf("key%s %02x", isDown.toBool() ? "+" : "-", usbCode.toInt());
    }

    Q_INVOKABLE void detectMouse(const QVariant &isDown, const QVariant &code, const QVariant &x,
                                 const QVariant &y)
    {
        directCalls += insideForward ? 1 : 0;
        calls << QString::asprintf("button%s %02x @%u,%u", isDown.toBool() ? "+" : "-",
                                   code.toUInt(), x.toUInt(), y.toUInt());
    }
};

class StandInView : public QObject
{
    Q_OBJECT
public:
    explicit StandInView(StandInScene *root) : root_(root) {}

    void forwardKeyboard(bool isDown, uchar usbCode)
    {
        root_->insideForward = true;
        QMetaObject::invokeMethod(root_, "detectKeyboard", Qt::QueuedConnection,
                                  Q_ARG(QVariant, QVariant(isDown)),
                                  Q_ARG(QVariant, QVariant(int(usbCode))));
        root_->insideForward = false;
    }

    void forwardMouse(bool isDown, uchar code, int x, int y)
    {
        root_->insideForward = true;
        QMetaObject::invokeMethod(root_, "detectMouse", Qt::QueuedConnection,
                                  Q_ARG(QVariant, QVariant(isDown)),
                                  Q_ARG(QVariant, QVariant(uint(code))),
                                  Q_ARG(QVariant, QVariant(uint(x))),
                                  Q_ARG(QVariant, QVariant(uint(y))));
        root_->insideForward = false;
    }

private:
    StandInScene *root_;
};
