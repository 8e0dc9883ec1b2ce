#include "tests/qml/stand_ins.h"

void CallJournal::record(const QString &name, const QVariantList &args)
{
    entries.append(QVariantMap{{QStringLiteral("name"), name}, {QStringLiteral("args"), args}});
    emit changed();
}

void CallJournal::clear()
{
    entries.clear();
    emit changed();
}

QStringList CallJournal::names(const QString &prefix) const
{
    QStringList out;
    for (const QVariant &entry : entries) {
        const QString name = entry.toMap().value(QStringLiteral("name")).toString();
        if (name.startsWith(prefix))
            out << name;
    }
    return out;
}

QVariantList CallJournal::argsOf(const QString &name) const
{
    QVariantList out;
    for (const QVariant &entry : entries) {
        const QVariantMap map = entry.toMap();
        if (map.value(QStringLiteral("name")).toString() == name)
            out << map.value(QStringLiteral("args"));
    }
    return out;
}

int CallJournal::count(const QString &name) const
{
    return int(argsOf(name).size());
}

ViewStandIn::ViewStandIn(CallJournal *journal, QObject *parent) : QObject(parent), log(journal) {}

void ViewStandIn::setReplies(const QVariantMap &replies)
{
    answers = replies;
    emit repliesChanged();
}

void ViewStandIn::addSceneWarning(const QString &warning)
{
    warnings << warning;
    emit sceneWarningsChanged();
}

void ViewStandIn::reset()
{
    log->clear();
    answers.clear();
    enabledState = true;
    warnings.clear();
    emit repliesChanged();
    emit enabledChanged();
    emit sceneWarningsChanged();
}

void ViewStandIn::record(const char *name, const QVariantList &args)
{
    log->record(QStringLiteral("ui_View.") + QLatin1String(name), args);
}

QVariant ViewStandIn::reply(const char *name) const
{
    return answers.value(QLatin1String(name));
}

void ViewStandIn::setEnabled(bool enabled)
{
    record("setEnabled", {enabled});
    enabledState = enabled;
    emit enabledChanged();
}

void ViewStandIn::openUrl(const QUrl &url)
{
    record("openUrl", {url.toString()});
}

void ViewStandIn::syncFW() { record("syncFW"); }
void ViewStandIn::syncLed() { record("syncLed"); }
void ViewStandIn::initUI() { record("initUI"); }
void ViewStandIn::zzzTerlow() { record("zzzTerlow"); }
void ViewStandIn::runUI() { record("runUI"); }
void ViewStandIn::closeUI() { record("closeUI"); }
void ViewStandIn::setEnableAudio(bool isEnable) { record("setEnableAudio", {isEnable}); }
void ViewStandIn::playMedia_Index(uchar index) { record("playMedia_Index", {int(index)}); }
void ViewStandIn::playMedia_Background() { record("playMedia_Background"); }
void ViewStandIn::clearAllMedia() { record("clearAllMedia"); }
void ViewStandIn::saveApConfig(QVariantList apConfigs) { record("saveApConfig", {QVariant(apConfigs)}); }

QVariantList ViewStandIn::loadApConfig()
{
    record("loadApConfig");
    return reply("loadApConfig").toList();
}

void ViewStandIn::resetApconfig() { record("resetApconfig"); }

QVariantList ViewStandIn::loadHWDef()
{
    record("loadHWDef");
    return reply("loadHWDef").toList();
}

QVariantList ViewStandIn::loadUsbStr()
{
    record("loadUsbStr");
    return reply("loadUsbStr").toList();
}

QVariantList ViewStandIn::loadUsbCode()
{
    record("loadUsbCode");
    return reply("loadUsbCode").toList();
}

bool ViewStandIn::getIsSkinShow()
{
    record("getIsSkinShow");
    return reply("getIsSkinShow").toBool();
}

uchar ViewStandIn::getMaxProfile()
{
    record("getMaxProfile");
    return uchar(reply("getMaxProfile").toInt());
}

void ViewStandIn::loadProfile(int profile) { record("loadProfile", {profile}); }

QVariant ViewStandIn::loadDefaultProfile(QString key)
{
    record("loadDefaultProfile", {key});
    return reply("loadDefaultProfile").toMap().value(key);
}

void ViewStandIn::saveProfile(int profile) { record("saveProfile", {profile}); }
void ViewStandIn::resetProfile(int profile) { record("resetProfile", {profile}); }
void ViewStandIn::loadMacroIniFromFile(QVariant name) { record("loadMacroIniFromFile", {name}); }
void ViewStandIn::saveMacroIniToFile(QVariant name) { record("saveMacroIniToFile", {name}); }

void ViewStandIn::renameMacroIniFile(QVariant oldName, QVariant newName)
{
    record("renameMacroIniFile", {oldName, newName});
}

QString ViewStandIn::getCustomFilePath()
{
    record("getCustomFilePath");
    return reply("getCustomFilePath").toString();
}

QVariantMap ViewStandIn::chkLanguages()
{
    record("chkLanguages");
    return reply("chkLanguages").toMap();
}

QStringList ViewStandIn::getGlobalStrings(QString langCode)
{
    record("getGlobalStrings", {langCode});
    return reply("getGlobalStrings").toMap().value(langCode).toStringList();
}

void ViewStandIn::initMacroIni(uchar maxMacro) { record("initMacroIni", {int(maxMacro)}); }

QVariant ViewStandIn::createMacroIni()
{
    record("createMacroIni");
    return reply("createMacroIni");
}

QVariant ViewStandIn::deleteMacroIni(QVariant name)
{
    record("deleteMacroIni", {name});
    return reply("deleteMacroIni");
}

QStringList ViewStandIn::getMacroIniNames()
{
    record("getMacroIniNames");
    return reply("getMacroIniNames").toStringList();
}

QVariant ViewStandIn::saveMacroIni(QVariant name, QStringList macros)
{
    record("saveMacroIni", {name, macros});
    return reply("saveMacroIni");
}

QStringList ViewStandIn::loadMacroIni(QVariant name)
{
    record("loadMacroIni", {name});
    return reply("loadMacroIni").toStringList();
}

QVariantList ViewStandIn::loadMacroIniConfig(QVariant name)
{
    record("loadMacroIniConfig", {name});
    return reply("loadMacroIniConfig").toList();
}

void ViewStandIn::setMacroIniConfig(QVariant name, QVariantList config)
{
    record("setMacroIniConfig", {name, QVariant(config)});
}

QVariantList ViewStandIn::getKeydefine(QVariant matrixId)
{
    record("getKeydefine", {matrixId});
    return reply("getKeydefine").toList();
}

QList<uchar> ViewStandIn::macroIncode(QStringList macros)
{
    record("macroIncode", {macros});
    QList<uchar> bytes;
    for (const QVariant &v : reply("macroIncode").toList())
        bytes << uchar(v.toInt());
    return bytes;
}

void ViewStandIn::getComboKey(bool isRecovery) { record("getComboKey", {isRecovery}); }

QVariant ViewStandIn::getCurrentKeyMatrix(uchar currentKey)
{
    record("getCurrentKeyMatrix", {int(currentKey)});
    return reply("getCurrentKeyMatrix");
}

void ViewStandIn::ui_01H_SetReportRate(uchar rate) { record("ui_01H_SetReportRate", {int(rate)}); }
void ViewStandIn::ui_02H_SetKeyboardMode(uchar mode) { record("ui_02H_SetKeyboardMode", {int(mode)}); }

void ViewStandIn::ui_04H_SetButtonSensitivity(uchar sens1)
{
    record("ui_04H_SetButtonSensitivity", {int(sens1)});
}

void ViewStandIn::ui_08H_SetLEDType(uchar type, uchar brightness, uchar speed, uchar direction,
                                    uchar color, uchar bl0, uchar bl1)
{
    record("ui_08H_SetLEDType",
           {int(type), int(brightness), int(speed), int(direction), int(color), int(bl0), int(bl1)});
}

void ViewStandIn::ui_0C0DH_SetKeyMatrix(QVariantList src256) { record("ui_0C0DH_SetKeyMatrix", {QVariant(src256)}); }

void ViewStandIn::ui_AAAAH_SetComboKeyMatrix(uchar keyID, uchar combokeycode0, uchar combokeycode1,
                                             bool isSave)
{
    record("ui_AAAAH_SetComboKeyMatrix", {int(keyID), int(combokeycode0), int(combokeycode1), isSave});
}

void ViewStandIn::ui_10H_SetMacroKey(QVariant macroId, QVariant name) { record("ui_10H_SetMacroKey", {macroId, name}); }

void ViewStandIn::ui_12H_SetUserPicture(uchar index, uchar option, QVariantList src384)
{
    record("ui_12H_SetUserPicture", {int(index), int(option), QVariant(src384)});
}

void ViewStandIn::ui_13H_SetRecoveryData() { record("ui_13H_SetRecoveryData"); }
void ViewStandIn::ui_21H_SetCurrentProfile(int profile) { record("ui_21H_SetCurrentProfile", {profile}); }
void ViewStandIn::ui_30H_SetColor(QVariantList src21) { record("ui_30H_SetColor", {QVariant(src21)}); }

QString ViewStandIn::ui_80H_GetFWVersion()
{
    record("ui_80H_GetFWVersion");
    return reply("ui_80H_GetFWVersion").toString();
}

QVariant ViewStandIn::ui_80H_GetHWMode()
{
    record("ui_80H_GetHWMode");
    return reply("ui_80H_GetHWMode");
}

QVariant ViewStandIn::ui_81H_GetReportRate()
{
    record("ui_81H_GetReportRate");
    return reply("ui_81H_GetReportRate");
}

QVariant ViewStandIn::ui_82H_GetKeyboardMode()
{
    record("ui_82H_GetKeyboardMode");
    return reply("ui_82H_GetKeyboardMode");
}

QVariant ViewStandIn::ui_84H_GetButtonSensitivity()
{
    record("ui_84H_GetButtonSensitivity");
    return reply("ui_84H_GetButtonSensitivity");
}

QVariantList ViewStandIn::ui_88H_GetLEDType()
{
    record("ui_88H_GetLEDType");
    return reply("ui_88H_GetLEDType").toList();
}

QVariantList ViewStandIn::ui_8C8DH_GetKeyMatrix()
{
    record("ui_8C8DH_GetKeyMatrix");
    return reply("ui_8C8DH_GetKeyMatrix").toList();
}

QVariantList ViewStandIn::ui_92H_GetUserPicture(uchar index)
{
    record("ui_92H_GetUserPicture", {int(index)});
    return reply("ui_92H_GetUserPicture").toList();
}

QVariant ViewStandIn::ui_A1H_GetCurrentProfile()
{
    record("ui_A1H_GetCurrentProfile");
    return reply("ui_A1H_GetCurrentProfile");
}

QVariantList ViewStandIn::ui_B0H_GetColor()
{
    record("ui_B0H_GetColor");
    return reply("ui_B0H_GetColor").toList();
}

ControlerStandIn::ControlerStandIn(CallJournal *journal, QObject *parent) : QObject(parent), log(journal) {}

void ControlerStandIn::onMinimize() { log->record(QStringLiteral("ui_Ctl.onMinimize"), {}); }
void ControlerStandIn::onClose() { log->record(QStringLiteral("ui_Ctl.onClose"), {}); }
void ControlerStandIn::onXChanged(int x) { log->record(QStringLiteral("ui_Ctl.onXChanged"), {x}); }
void ControlerStandIn::onYChanged(int y) { log->record(QStringLiteral("ui_Ctl.onYChanged"), {y}); }
void ControlerStandIn::setBusy(int busyTime) { log->record(QStringLiteral("ui_Ctl.setBusy"), {busyTime}); }
