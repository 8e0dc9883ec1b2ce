import QtQuick

// A small right-click menu of 45 x 20 px rows. It remembers the entry it was
// opened for; a row click closes it first, then reports the row.
Rectangle {
    id: menu

    property var labels: []
    // The entry of the owner's list the menu was opened for.
    property int slot: -1
    readonly property bool isOpen: visible && !fadeOut.running

    signal rowClicked(int row)

    function open(atX, atY, forSlot) {
        fadeOut.stop()
        x = atX
        y = atY
        slot = forSlot
        visible = true
        fadeIn.restart()
    }

    // A fade-out once started runs to its end.
    function close() {
        if (!visible || fadeOut.running)
            return
        fadeIn.stop()
        fadeOut.start()
    }

    width: 45
    height: rows.height
    color: "#20000000"
    visible: false
    opacity: 0
    z: 200

    Column {
        id: rows
        Repeater {
            model: menu.labels ? menu.labels.length : 0
            delegate: Item {
                objectName: "contextRow" + index
                width: 45
                height: 20
                Text {
                    anchors.centerIn: parent
                    text: menu.labels[index] !== undefined ? String(menu.labels[index]) : ""
                    font.family: globalSetting_fontFamily
                    font.pixelSize: globalSetting_size
                    font.bold: true
                    color: rowArea.containsMouse ? globalSetting_color : globalSetting_color_enable
                }
                MouseArea {
                    id: rowArea
                    anchors.fill: parent
                    hoverEnabled: true
                    enabled: menu.isOpen
                    onClicked: {
                        menu.close()
                        menu.rowClicked(index)
                    }
                }
            }
        }
    }

    NumberAnimation {
        id: fadeIn
        objectName: "fadeIn"
        target: menu
        property: "opacity"
        from: 0
        to: 1
        duration: 1.5 * animation_speed
        easing.type: Easing.OutExpo
    }

    NumberAnimation {
        id: fadeOut
        objectName: "fadeOut"
        target: menu
        property: "opacity"
        from: 1
        to: 0
        duration: animation_speed
        easing.type: Easing.OutExpo
        onStopped: menu.visible = false
    }
}
