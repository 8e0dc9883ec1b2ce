import QtQuick
import "../common"

// The bottom bar: ALL RESET puts the key, colour and backlighting pages back
// to their factory state; ALL SAVE sends all three to the keyboard.
Item {
    id: menuDown

    signal btnTotalResetClicked
    signal btnTotalKeyApplyClicked
    signal btnTotalLedApplyClicked
    signal btnTotalBlgApplyClicked

    // Nothing in the bar depends on the skin beyond its bound images.
    function setSkin() {
    }

    function totalReset() {
        mainIten.setProtectUI(800)
        btnTotalResetClicked()
    }

    // The colour page sends first; the backlighting page then reads the
    // lighting record again and adds its own two bytes, so both halves
    // reach the keyboard. The key matrix goes last.
    function totalSave() {
        mainIten.setProtectUI(2000)
        btnTotalLedApplyClicked()
        btnTotalBlgApplyClicked()
        btnTotalKeyApplyClicked()
    }

    width: container.width + 18
    height: container.height + 18

    Image {
        id: container
        x: 9
        y: 9
        source: sourceListDnContainer
    }

    Row {
        anchors.right: container.right
        anchors.rightMargin: 28
        anchors.verticalCenter: container.verticalCenter
        spacing: 30

        Row {
            spacing: 6
            Button_2state {
                id: resetButton
                objectName: "allResetButton"
                source0: sourceReset_0
                source1: sourceReset_1
                onClicked: menuDown.totalReset()
            }
            Text {
                anchors.verticalCenter: parent.verticalCenter
                text: globalSetting_stringList[113]
                font.family: globalSetting_fontFamily
                font.pixelSize: globalSetting_size
                font.bold: true
                color: resetButton.mouse.containsMouse ? globalSetting_color : globalSetting_color_enable
            }
        }

        Row {
            spacing: 6
            Button_2state {
                id: saveButton
                objectName: "allSaveButton"
                source0: sourceApply_0
                source1: sourceApply_1
                onClicked: menuDown.totalSave()
            }
            Text {
                anchors.verticalCenter: parent.verticalCenter
                text: globalSetting_stringList[114]
                font.family: globalSetting_fontFamily
                font.pixelSize: globalSetting_size
                font.bold: true
                color: saveButton.mouse.containsMouse ? globalSetting_color : globalSetting_color_enable
            }
        }
    }
}
