#pragma once
#include <QObject>

#include <memory>

class InputHooks;
class QSocketNotifier;

// Runs the global input source inside the Qt event loop of the thread it
// lives in: it watches the source's descriptor and hands it every event
// that arrives, and drains the source's own queue each time before the loop
// sleeps. It follows the source by itself: install and remove may come
// before or after it is created. It also routes the source's notes to the
// zr.shell.input category at debug level.
//
// Create it on the thread that installs the hooks (the GUI thread), and let
// it go before the hooks.
class InputEventPump : public QObject
{
    Q_OBJECT
public:
    explicit InputEventPump(InputHooks &hooks, QObject *parent = nullptr);
    ~InputEventPump() override;

    // Whether a descriptor is being watched now.
    bool isWatching() const;

public slots:
    // Handles the waiting events and follows a change of the source.
    void pump();

private:
    void follow();
    void readReady();

    InputHooks &hooks_;
    std::unique_ptr<QSocketNotifier> notifier_;
};
