#pragma once
#include "bridge/device_facade.h"
#include "bridge/key_matrix.h"
#include "bridge/profile_source.h"
#include "device/listener_host.h"

#include <QList>
#include <QQuickWidget>
#include <QStringList>
#include <QVariant>
#include <QVariantList>
#include <QVariantMap>

#include <memory>

class Hid_Thread;
class QSettings;
class SoundBoard;
class UserDialogs;
class ViewData;
struct MacroDevicePort;

// The view that hosts the scene and its gateway to everything native: the
// scene sees it as "ui_View". Each slot translates between the scene and the
// layers below (device operations, stored data, sounds); native code drives
// the scene by calling the scene's root functions by name.
class myQQuickView : public QQuickWidget, public ListenerHost, private ProfileSource
{
    Q_OBJECT

public:
    explicit myQQuickView(QWidget *parent = nullptr);
    ~myQQuickView() override;

    myQQuickView(const myQQuickView &) = delete;
    myQQuickView &operator=(const myQQuickView &) = delete;

    void setWorker(Hid_Thread *worker);
    Hid_Thread *deviceWorker() const { return facade.deviceWorker(); }

    // Queue the scene's detectKeyboard / detectMouse; called by the global
    // input hooks. The coordinates travel as unsigned 32-bit values.
    void forwardKeyboard(bool isDown, uchar usbCode);
    void forwardMouse(bool isDown, uchar code, int x, int y);

    // ListenerHost: the worker's listener stores lighting changes here.
    QSettings *currentProfileStore() override;

    uchar layoutType() const { return facade.layoutType(); }
    uchar maxMacroSlots() const;
    int currentProfileIndex() const { return facade.currentProfile(); }
    int profileCount() const;
    QStringList messageTexts() const;
    const QMap<QString, quint8> &keyNameCodes() const { return facade.keyNames(); }
    // The display names of the catalogue's models, for discovery.
    QStringList productNames() const;
    // The main window's title from the application configuration, read
    // through a short-lived store.
    QString windowTitleFromConfig() const;

    SoundBoard &sounds() { return *soundBoard; }
    void setDialogs(std::unique_ptr<UserDialogs> dialogs);

public slots:
    void syncFW();
    void syncLed();
    void initUI();
    void zzzTerlow() override;
    void runUI();
    void closeUI();
    void setEnableAudio(bool isEnable);
    void playMedia_Index(uchar index);
    void playMedia_Background();
    void clearAllMedia();
    void saveApConfig(QVariantList apConfigs);
    QVariantList loadApConfig();
    void resetApconfig();
    QVariantList loadHWDef();
    QVariantList loadUsbStr();
    QVariantList loadUsbCode();
    bool getIsSkinShow();
    uchar getMaxProfile();
    void loadProfile(int profile);
    QVariant loadDefaultProfile(QString key);
    void saveProfile(int profile);
    void resetProfile(int profile);
    void loadMacroIniFromFile(QVariant name);
    void saveMacroIniToFile(QVariant name);
    void renameMacroIniFile(QVariant oldName, QVariant newName);
    QString getCustomFilePath();
    QVariantMap chkLanguages();
    QStringList getGlobalStrings(QString langCode);
    void initMacroIni(uchar maxMacro);
    QVariant createMacroIni();
    QVariant deleteMacroIni(QVariant name);
    QStringList getMacroIniNames();
    QVariant saveMacroIni(QVariant name, QStringList macros);
    QStringList loadMacroIni(QVariant name);
    QVariantList loadMacroIniConfig(QVariant name);
    void setMacroIniConfig(QVariant name, QVariantList config);
    QVariantList getKeydefine(QVariant matrixId);
    QList<uchar> macroIncode(QStringList macros);
    void getComboKey(bool isRecovery);
    QVariant getCurrentKeyMatrix(uchar currentKey);
    void ui_01H_SetReportRate(uchar rate);
    void ui_02H_SetKeyboardMode(uchar mode);
    void ui_04H_SetButtonSensitivity(uchar sens1);
    void ui_08H_SetLEDType(uchar type, uchar brightness, uchar speed, uchar direction, uchar color,
                           uchar bl0, uchar bl1);
    void ui_0C0DH_SetKeyMatrix(QVariantList src256);
    void ui_AAAAH_SetComboKeyMatrix(uchar keyID, uchar combokeycode0, uchar combokeycode1,
                                    bool isSave);
    void ui_10H_SetMacroKey(QVariant macroId, QVariant name);
    void ui_12H_SetUserPicture(uchar index, uchar option, QVariantList src384);
    void ui_13H_SetRecoveryData();
    void ui_21H_SetCurrentProfile(int profile);
    void ui_30H_SetColor(QVariantList src21);
    QString ui_80H_GetFWVersion();
    QVariant ui_80H_GetHWMode();
    QVariant ui_81H_GetReportRate();
    QVariant ui_82H_GetKeyboardMode();
    QVariant ui_84H_GetButtonSensitivity();
    QVariantList ui_88H_GetLEDType();
    QVariantList ui_8C8DH_GetKeyMatrix();
    QVariantList ui_92H_GetUserPicture(uchar index);
    QVariant ui_A1H_GetCurrentProfile();
    QVariantList ui_B0H_GetColor();

private:
    QSettings *profileStore(int index) const override;
    // How the macro library reaches the keyboard and the user.
    MacroDevicePort macroPort();
    // Calls a root function of the scene by name, queued; a missing function
    // is dropped with Qt's warning.
    void callScene(const char *function);

    DeviceFacade facade;
    KeyMatrix keyMatrix;
    SoundBoard *soundBoard = nullptr;
    std::unique_ptr<ViewData> data;
    std::unique_ptr<UserDialogs> dialogs;
};
