#include "bridge/user_dialogs.h"

#include <QFileDialog>
#include <QMessageBox>

QString NativeDialogs::openFileName(QWidget *parent, const QString &caption, const QString &folder,
                                    const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, caption, folder, filter);
}

QString NativeDialogs::saveFileName(QWidget *parent, const QString &caption, const QString &folder,
                                    const QString &filter)
{
    return QFileDialog::getSaveFileName(parent, caption, folder, filter);
}

void NativeDialogs::warn(const QString &title, const QString &text)
{
    QMessageBox::warning(nullptr, title, text, QMessageBox::Ok);
}
