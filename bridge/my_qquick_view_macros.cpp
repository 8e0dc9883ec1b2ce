// The view's slots over the macro library and macro encoding: thin calls into
// data/, plus the file dialogs of the import and export.
#include "bridge/my_qquick_view.h"

#include "bridge/user_dialogs.h"
#include "bridge/view_data.h"
#include "data/macro_encoder.h"
#include "device/hid_thread.h"

#include <QStandardPaths>

namespace {

QString desktopFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
}

} // namespace

void myQQuickView::loadMacroIniFromFile(QVariant name)
{
    const QString chosen = dialogs->openFileName(this, tr("Open File"), desktopFolder(),
                                                 tr("Macro(*.mc)"));
    // The library leaves a macro that does not exist alone.
    if (!chosen.isEmpty())
        data->macros.loadMacroIniFromFile(name, chosen);
}

void myQQuickView::saveMacroIniToFile(QVariant name)
{
    if (!data->macros.macroExists(name))
        return;  // no such macro: no dialog
    const QString chosen = dialogs->saveFileName(this, tr("Save File"), desktopFolder(),
                                                 tr("Macro(*.mc)"));
    if (!chosen.isEmpty())
        data->macros.saveMacroIniToFile(name, chosen);
}

void myQQuickView::renameMacroIniFile(QVariant oldName, QVariant newName)
{
    data->macros.renameMacroIniFile(oldName, newName);
}

void myQQuickView::initMacroIni(uchar maxMacro)
{
    data->macros.initMacroIni(maxMacro);
}

QVariant myQQuickView::createMacroIni()
{
    return data->macros.createMacroIni();
}

QVariant myQQuickView::deleteMacroIni(QVariant name)
{
    return data->macros.deleteMacroIni(name);
}

QStringList myQQuickView::getMacroIniNames()
{
    return data->macros.getMacroIniNames();
}

QVariant myQQuickView::saveMacroIni(QVariant name, QStringList macros)
{
    return data->macros.saveMacroIni(name, macros, facade.keyNames());
}

QStringList myQQuickView::loadMacroIni(QVariant name)
{
    return data->macros.loadMacroIni(name);
}

QVariantList myQQuickView::loadMacroIniConfig(QVariant name)
{
    return data->macros.loadMacroIniConfig(name);
}

void myQQuickView::setMacroIniConfig(QVariant name, QVariantList config)
{
    const Hid_Thread *worker = facade.deviceWorker();
    data->macros.setMacroIniConfig(name, config,
                                   static_cast<uint>(worker ? worker->currentDeviceIndex() : 0));
}

QList<uchar> myQQuickView::macroIncode(QStringList macros)
{
    return MacroEncoder::macroIncode(macros, facade.keyNames());
}

void myQQuickView::ui_10H_SetMacroKey(QVariant macroId, QVariant name)
{
    data->macros.sendMacro(macroId, name, facade.keyNames());
}
