import QtQuick
import "../common"

// The top bar: the settings button, minimise and close. The window has no
// title bar of its own, so these are its only system buttons.
Item {
    id: menuUp

    property bool isGlobalSettingSelect: false

    // 0 settings, 1 minimise, 2 close.
    signal btnClicked(int btnIndex)

    width: container.width + 16
    height: container.height + 16

    Image {
        id: container
        x: 8
        y: 8
        source: sourceListUpContainer
    }

    Row {
        id: buttons
        anchors.right: container.right
        anchors.rightMargin: 12
        anchors.verticalCenter: container.verticalCenter
        spacing: 6

        Image {
            id: settingButton
            objectName: "settingButton"
            source: (menuUp.isGlobalSettingSelect || settingArea.containsMouse)
                    ? sourceApplicationSetting_1 : sourceApplicationSetting_0
            opacity: settingArea.pressed ? 0.2 : 1.0

            MouseArea {
                id: settingArea
                anchors.fill: parent
                hoverEnabled: true
                onClicked: {
                    ui_View.playMedia_Index(0x02)
                    menuUp.btnClicked(0)
                }
            }
        }

        Button_2state {
            objectName: "minimizeButton"
            source0: sourceApplicationMinimize_0
            source1: sourceApplicationMinimize_1
            onClicked: menuUp.btnClicked(1)
        }

        Button_2state {
            objectName: "closeButton"
            source0: sourceApplicationClose_0
            source1: sourceApplicationClose_1
            onClicked: menuUp.btnClicked(2)
        }
    }
}
