#pragma once
// Stand-ins for the scene's two native objects, "ui_View" and "ui_Ctl". They
// offer the same slots with the same parameter types as the real view and
// window controller, so the scene's arguments arrive converted the same way
// (a uchar parameter takes the number modulo 256). Every call is recorded in
// order; answers come from `replies`, keyed by slot name, which a test sets.
#include <QObject>
#include <QStringList>
#include <QUrl>
#include <QVariant>
#include <QVariantList>
#include <QVariantMap>

// The journal both stand-ins write to, so a test sees the order of calls
// across them.
class CallJournal : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QVariantList calls READ calls NOTIFY changed)

public:
    // Each entry: { "name": "ui_View.loadHWDef", "args": [...] }.
    QVariantList calls() const { return entries; }
    void record(const QString &name, const QVariantList &args);
    Q_INVOKABLE void clear();

    // The names of the calls, in order, optionally only those starting with
    // `prefix`.
    Q_INVOKABLE QStringList names(const QString &prefix = QString()) const;
    // The argument lists of the calls named `name`, in order.
    Q_INVOKABLE QVariantList argsOf(const QString &name) const;
    Q_INVOKABLE int count(const QString &name) const;

signals:
    void changed();

private:
    QVariantList entries;
};

class ViewStandIn : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QVariantMap replies READ replies WRITE setReplies NOTIFY repliesChanged)
    Q_PROPERTY(bool enabled READ isEnabled NOTIFY enabledChanged)
    Q_PROPERTY(CallJournal *journal READ journal CONSTANT)
    Q_PROPERTY(QStringList sceneWarnings READ sceneWarnings NOTIFY sceneWarningsChanged)

public:
    explicit ViewStandIn(CallJournal *journal, QObject *parent = nullptr);

    QVariantMap replies() const { return answers; }
    void setReplies(const QVariantMap &replies);
    bool isEnabled() const { return enabledState; }
    CallJournal *journal() const { return log; }
    QStringList sceneWarnings() const { return warnings; }
    void addSceneWarning(const QString &warning);

    // Back to the state of a fresh program: no calls, no replies, enabled,
    // no warnings.
    Q_INVOKABLE void reset();

public slots:
    // The view's own widget switch.
    void setEnabled(bool enabled);
    // Where Qt.openUrlExternally lands in the tests.
    void openUrl(const QUrl &url);

    void syncFW();
    void syncLed();
    void initUI();
    void zzzTerlow();
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

signals:
    void repliesChanged();
    void enabledChanged();
    void sceneWarningsChanged();

private:
    void record(const char *name, const QVariantList &args = {});
    QVariant reply(const char *name) const;

    CallJournal *log;
    QVariantMap answers;
    bool enabledState = true;
    QStringList warnings;
};

class ControlerStandIn : public QObject
{
    Q_OBJECT

public:
    explicit ControlerStandIn(CallJournal *journal, QObject *parent = nullptr);

public slots:
    void onMinimize();
    void onClose();
    void onXChanged(int x);
    void onYChanged(int y);
    void setBusy(int busyTime);
    void setBusy() { setBusy(0); }

private:
    CallJournal *log;
};
