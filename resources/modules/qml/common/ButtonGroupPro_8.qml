import QtQuick

// Eight cells in two rows of four. Each shows its value ("×" for none, and
// then it cannot be chosen) and a "▼" that opens a menu of values for it.
Item {
    id: group

    property var valueForIndex: [0, 1, 2, 3, 4, 5, 6, 7]
    property int currentIndex: 0
    property var valueForMenuIndex: [0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17]
    // The cell whose menu is open, -1 while none is.
    property int currentMenuIndex: -1
    property int menuCounter: 18

    signal clicked(int index)
    signal valueChanged(int index, int value)

    function setCurIndex(i) { currentIndex = i }
    function getCurIndex() { return currentIndex }

    function valueAt(i) {
        var v = valueForIndex ? Number(valueForIndex[i]) : NaN
        return isFinite(v) ? v : 0
    }

    // Opens the menu with its top centre at (x, y), or closes it. A request
    // while a fade runs first finishes that fade.
    function showMenu(isOpen, x, y) {
        if (fadeIn.running)
            fadeIn.complete()
        if (fadeOut.running)
            fadeOut.complete()
        if (isOpen) {
            menu.x = Math.round(x - menu.width / 2)
            menu.y = Math.round(y)
            menu.visible = true
            fadeIn.start()
        } else if (menu.visible) {
            fadeOut.start()
        }
    }

    function arrowClicked(cellIndex, x, y) {
        if (menu.visible && currentMenuIndex === cellIndex && !fadeOut.running) {
            showMenu(false)
            return
        }
        showMenu(true, x, y)
        currentMenuIndex = cellIndex
    }

    function chooseMenuValue(menuIndex) {
        var cell = currentMenuIndex
        if (cell < 0)
            return
        var value = Number(valueForMenuIndex[menuIndex])
        var values = valueForIndex ? valueForIndex.slice() : []
        values[cell] = value
        valueForIndex = values
        valueChanged(cell, value)
        showMenu(false)
    }

    width: base.width
    height: base.height
    z: menu.visible ? 100 : 0
    opacity: enabled ? 1.0 : 0.2

    Image {
        id: base
        source: sourceBtnGroup_8_BASE
    }

    Repeater {
        model: 8
        delegate: Image {
            id: cell
            objectName: "groupCell" + index
            readonly property bool usable: group.valueAt(index) > 0
            readonly property bool lit: cellArea.containsMouse || group.currentIndex === index
            x: 3 + 37 * (index % 4)
            y: 2 + 21 * Math.floor(index / 4)
            source: lit ? sourceBtnGroup_FILLER_1 : sourceBtnGroup_FILLER_0

            Text {
                x: 2
                width: parent.width - 14
                anchors.verticalCenter: parent.verticalCenter
                horizontalAlignment: Text.AlignHCenter
                text: cell.usable ? String(group.valueAt(index)) : "×"
                font.family: globalSetting_fontFamily
                font.pixelSize: 11
                font.bold: true
                color: cell.lit ? globalSetting_color : globalSetting_color_enable
            }

            MouseArea {
                id: cellArea
                width: parent.width - 12
                height: parent.height
                hoverEnabled: true
                enabled: cell.usable
                onClicked: {
                    group.currentIndex = index
                    group.clicked(index)
                }
            }

            Text {
                id: arrow
                objectName: "groupArrow" + index
                anchors.right: parent.right
                anchors.rightMargin: 2
                anchors.verticalCenter: parent.verticalCenter
                text: "▼"
                font.pixelSize: 8
                color: (arrowArea.containsMouse || (menu.visible && group.currentMenuIndex === index))
                       ? globalSetting_color : globalSetting_color_enable

                MouseArea {
                    id: arrowArea
                    anchors.fill: parent
                    anchors.margins: -3
                    hoverEnabled: true
                    onClicked: function(mouse) {
                        var p = mapToItem(group, mouse.x, mouse.y)
                        group.arrowClicked(index, p.x, cell.y + cell.height + 5)
                    }
                }
            }
        }
    }

    Grid {
        id: menu
        objectName: "valueMenu"
        columns: 3
        spacing: 2
        visible: false
        opacity: 0

        Repeater {
            model: Math.max(0, Math.min(group.menuCounter,
                                        group.valueForMenuIndex ? group.valueForMenuIndex.length : 0))
            delegate: ButtonGroupPro_8_Menu {
                objectName: "menuEntry" + index
                index: model.index
                value: Number(group.valueForMenuIndex[model.index]) || 0
                enabled: !fadeOut.running
                onClicked: group.chooseMenuValue(index)
            }
        }
    }

    NumberAnimation {
        id: fadeIn
        target: menu
        property: "opacity"
        from: 0
        to: 1
        duration: 1.5 * animation_speed
        easing.type: Easing.OutExpo
    }

    NumberAnimation {
        id: fadeOut
        target: menu
        property: "opacity"
        from: 1
        to: 0
        duration: animation_speed
        easing.type: Easing.OutExpo
        onFinished: {
            menu.visible = false
            group.currentMenuIndex = -1
        }
    }
}
