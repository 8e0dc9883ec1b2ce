#pragma once
#include <QString>

class QWidget;

// The native dialogs the bridge shows: the file choosers of the import,
// export and picture slots and the warning boxes. Modal; an empty name means
// the user cancelled.
class UserDialogs
{
public:
    virtual ~UserDialogs() = default;

    virtual QString openFileName(QWidget *parent, const QString &caption, const QString &folder,
                                 const QString &filter) = 0;
    virtual QString saveFileName(QWidget *parent, const QString &caption, const QString &folder,
                                 const QString &filter) = 0;
    // A warning box with no parent and one OK button.
    virtual void warn(const QString &title, const QString &text) = 0;
};

// The platform's standard dialogs.
class NativeDialogs final : public UserDialogs
{
public:
    QString openFileName(QWidget *parent, const QString &caption, const QString &folder,
                         const QString &filter) override;
    QString saveFileName(QWidget *parent, const QString &caption, const QString &folder,
                         const QString &filter) override;
    void warn(const QString &title, const QString &text) override;
};
