#include "bridge/my_qquick_view.h"

#include "bridge/log.h"
#include "bridge/sound_board.h"
#include "bridge/user_dialogs.h"
#include "bridge/view_data.h"
#include "device/hid_thread.h"

#include <QQuickItem>
#include <QSettings>

myQQuickView::myQQuickView(QWidget *parent)
    : QQuickWidget(parent),
      facade(*this),
      keyMatrix(facade),
      soundBoard(new SoundBoard(this)),
      data(std::make_unique<ViewData>(macroPort())),
      dialogs(std::make_unique<NativeDialogs>())
{
    // Only the scene's own pixels are drawn on the translucent window.
    setClearColor(Qt::transparent);
    facade.setLayoutType(data->limits.kbLayoutType);
    qCDebug(lcBridge, "hardware: layout %d, %d macro slots, %d profiles",
            int(data->limits.kbLayoutType), int(data->limits.maxMacro),
            int(data->limits.maxProfile));
}

myQQuickView::~myQQuickView() = default;

MacroDevicePort myQQuickView::macroPort()
{
    MacroDevicePort port;
    port.send = [this](uchar slot, const MacroEncoder::MacroBlock &block) {
        if (Hid_Thread *worker = facade.deviceWorker()) {
            MacroEncoder::MacroBlock sent = block;
            worker->hid_10H_SetMacroKey(slot, sent.data());
        }
    };
    port.warnTooLong = [this] {
        dialogs->warn(data->languages.messageText(0), data->languages.messageText(1));
    };
    return port;
}

void myQQuickView::setWorker(Hid_Thread *worker)
{
    facade.setWorker(worker);
}

void myQQuickView::setDialogs(std::unique_ptr<UserDialogs> replacement)
{
    if (replacement)
        dialogs = std::move(replacement);
}

QSettings *myQQuickView::profileStore(int index) const
{
    return data->profiles.store(index);
}

QSettings *myQQuickView::currentProfileStore()
{
    return facade.currentStore();
}

int myQQuickView::profileCount() const
{
    return data->profiles.count();
}

uchar myQQuickView::maxMacroSlots() const
{
    return data->limits.maxMacro;
}

// --- calls into the scene -------------------------------------------------

void myQQuickView::callScene(const char *function)
{
    QQuickItem *root = rootObject();
    if (!root)
        return;
    // Queued: the scene function runs later on the GUI thread, in the order
    // of the calls, never in the middle of another native call.
    qCDebug(lcBridge, "scene call: %s", function);
    QMetaObject::invokeMethod(root, function, Qt::QueuedConnection);
}

void myQQuickView::initUI()
{
    callScene("initUI");
}

void myQQuickView::zzzTerlow()
{
    callScene("zzzTerlow");
}

void myQQuickView::runUI()
{
    callScene("run");
}

void myQQuickView::closeUI()
{
    callScene("close");
}

void myQQuickView::forwardKeyboard(bool isDown, uchar usbCode)
{
    if (QQuickItem *root = rootObject())
        QMetaObject::invokeMethod(root, "detectKeyboard", Qt::QueuedConnection,
                                  Q_ARG(QVariant, QVariant(isDown)),
                                  Q_ARG(QVariant, QVariant(int(usbCode))));
}

void myQQuickView::forwardMouse(bool isDown, uchar code, int x, int y)
{
    if (QQuickItem *root = rootObject())
        QMetaObject::invokeMethod(root, "detectMouse", Qt::QueuedConnection,
                                  Q_ARG(QVariant, QVariant(isDown)),
                                  Q_ARG(QVariant, QVariant(uint(code))),
                                  Q_ARG(QVariant, QVariant(static_cast<uint>(x))),
                                  Q_ARG(QVariant, QVariant(static_cast<uint>(y))));
}

// --- sounds ---------------------------------------------------------------

void myQQuickView::setEnableAudio(bool isEnable)
{
    soundBoard->setEnabled(isEnable);
}

void myQQuickView::playMedia_Index(uchar index)
{
    soundBoard->play(index);
}

void myQQuickView::playMedia_Background()
{
    soundBoard->playBackground();
}

void myQQuickView::clearAllMedia()
{
    soundBoard->clearAll();
}

// --- device operations ----------------------------------------------------

void myQQuickView::syncFW()
{
    facade.syncFirmware();
    facade.setKeyNames(HardwareDefinition::keyNameCodes(loadUsbStr(), loadUsbCode()));
}

void myQQuickView::syncLed()
{
    facade.syncLed();
}

void myQQuickView::ui_01H_SetReportRate(uchar rate)
{
    facade.setReportRate(rate);
}

void myQQuickView::ui_02H_SetKeyboardMode(uchar mode)
{
    facade.setKeyboardMode(mode);
}

void myQQuickView::ui_04H_SetButtonSensitivity(uchar sens1)
{
    facade.setButtonSensitivity(sens1);
}

void myQQuickView::ui_08H_SetLEDType(uchar type, uchar brightness, uchar speed, uchar direction,
                                     uchar color, uchar bl0, uchar bl1)
{
    facade.setLedType(type, brightness, speed, direction, color, bl0, bl1);
}

void myQQuickView::ui_12H_SetUserPicture(uchar index, uchar option, QVariantList src384)
{
    facade.setUserPicture(index, option, src384);
}

void myQQuickView::ui_13H_SetRecoveryData()
{
    facade.setRecoveryData();
}

void myQQuickView::ui_21H_SetCurrentProfile(int profile)
{
    facade.setCurrentProfile(profile);
}

void myQQuickView::ui_30H_SetColor(QVariantList src21)
{
    facade.setColor(src21);
}

QString myQQuickView::ui_80H_GetFWVersion()
{
    return facade.firmwareVersion();
}

QVariant myQQuickView::ui_80H_GetHWMode()
{
    return facade.hardwareMode();
}

QVariant myQQuickView::ui_81H_GetReportRate()
{
    return facade.reportRate();
}

QVariant myQQuickView::ui_82H_GetKeyboardMode()
{
    return facade.keyboardMode();
}

QVariant myQQuickView::ui_84H_GetButtonSensitivity()
{
    return facade.buttonSensitivity();
}

QVariantList myQQuickView::ui_88H_GetLEDType()
{
    return facade.ledType();
}

QVariantList myQQuickView::ui_8C8DH_GetKeyMatrix()
{
    return facade.keyMatrix();
}

QVariantList myQQuickView::ui_92H_GetUserPicture(uchar index)
{
    return facade.userPicture(index);
}

QVariant myQQuickView::ui_A1H_GetCurrentProfile()
{
    return facade.currentProfileNumber();
}

QVariantList myQQuickView::ui_B0H_GetColor()
{
    return facade.color();
}

// --- key matrix and combination keys --------------------------------------

QVariantList myQQuickView::getKeydefine(QVariant matrixId)
{
    return keyMatrix.keyDefine(matrixId);
}

void myQQuickView::ui_0C0DH_SetKeyMatrix(QVariantList src256)
{
    keyMatrix.setKeyMatrix(src256);
}

void myQQuickView::ui_AAAAH_SetComboKeyMatrix(uchar keyID, uchar combokeycode0,
                                              uchar combokeycode1, bool isSave)
{
    keyMatrix.setComboKey(keyID, combokeycode0, combokeycode1, isSave);
}

void myQQuickView::getComboKey(bool isRecovery)
{
    keyMatrix.loadComboKeys(isRecovery);
}

QVariant myQQuickView::getCurrentKeyMatrix(uchar currentKey)
{
    return keyMatrix.comboKeyOf(currentKey);
}
