// The view's slots over the stored data: thin calls into data/, plus the
// native file dialogs and warning boxes those operations show.
#include "bridge/my_qquick_view.h"

#include "bridge/user_dialogs.h"
#include "bridge/view_data.h"

#include <QFile>
#include <QStandardPaths>

namespace {

QString desktopFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
}

QString picturesFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
}

} // namespace

QString myQQuickView::windowTitleFromConfig() const
{
    return data->apConfig.windowTitle();
}

QStringList myQQuickView::productNames() const
{
    return data->apConfig.productNames();
}

QStringList myQQuickView::messageTexts() const
{
    return data->languages.messageTexts();
}

// --- application configuration --------------------------------------------

void myQQuickView::saveApConfig(QVariantList apConfigs)
{
    data->apConfig.saveApConfig(apConfigs);
}

QVariantList myQQuickView::loadApConfig()
{
    return data->apConfig.loadApConfig();
}

void myQQuickView::resetApconfig()
{
    data->apConfig.resetApconfig();
}

bool myQQuickView::getIsSkinShow()
{
    return data->apConfig.getIsSkinShow();
}

// --- hardware and key code definitions ------------------------------------

QVariantList myQQuickView::loadHWDef()
{
    return data->hardware.loadHWDef(facade.layoutType());
}

QVariantList myQQuickView::loadUsbStr()
{
    return data->hardware.loadUsbStr();
}

QVariantList myQQuickView::loadUsbCode()
{
    return data->hardware.loadUsbCode();
}

// --- profiles -------------------------------------------------------------

uchar myQQuickView::getMaxProfile()
{
    return data->limits.maxProfile;
}

void myQQuickView::saveProfile(int profile)
{
    if (!data->profiles.isValidIndex(profile))
        return;
    const QString chosen = dialogs->saveFileName(this, tr("Save File"), desktopFolder(),
                                                 tr("Profile(*.pf)"));
    if (chosen.isEmpty())
        return;
    data->profiles.saveProfile(profile, chosen);
}

void myQQuickView::loadProfile(int profile)
{
    if (!data->profiles.isValidIndex(profile))
        return;
    const QString chosen = dialogs->openFileName(this, tr("Open File"), desktopFolder(),
                                                 tr("Profile(*.pf)"));
    if (chosen.isEmpty())
        return;
    data->profiles.loadProfile(profile, chosen);
}

void myQQuickView::resetProfile(int profile)
{
    data->profiles.resetProfile(profile);
}

QVariant myQQuickView::loadDefaultProfile(QString key)
{
    return data->profiles.loadDefaultProfile(key);
}

QString myQQuickView::getCustomFilePath()
{
    const QString chosen = dialogs->openFileName(this, tr("Open File"), picturesFolder(),
                                                 tr("Image Files(*.png)"));
    if (chosen.isEmpty())
        return QString();
    QFile file(chosen);
    if (file.open(QIODevice::ReadOnly)) {
        file.close();
        return chosen;
    }
    dialogs->warn(data->languages.messageText(2), data->languages.messageText(3) + chosen);
    return QString();
}

// --- language packs -------------------------------------------------------

QVariantMap myQQuickView::chkLanguages()
{
    return data->languages.chkLanguages();
}

QStringList myQQuickView::getGlobalStrings(QString langCode)
{
    return data->languages.getGlobalStrings(langCode);
}
