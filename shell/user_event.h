#pragma once
#include <QEvent>

// The one custom event of the main window: posted to itself once, right after
// the scene's initUI() has been queued, so that it is delivered after it.
class UserEvent : public QEvent
{
public:
    static constexpr QEvent::Type kType = QEvent::User;  // 1000
    static constexpr int kStartScene = 2177;

    explicit UserEvent(int code) : QEvent(kType), eventCode(code) {}

    const int eventCode;
};
