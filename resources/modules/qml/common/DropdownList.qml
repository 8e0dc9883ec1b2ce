import QtQuick
import "ModelAccess.js" as ModelAccess

// A drop-down list: the header shows the current entry, a click drops the
// entries below it. Opening and closing are short slides; a request that
// meets a running slide finishes that slide at once, never queues behind it.
Item {
    id: dropdown

    property var mdItems: ListModel {}
    property bool isbosiColorPage: false
    // True once the list has finished opening, false once it has closed.
    property bool isSelect: false
    property int defaultIndex: -1

    signal listElementClicked(int index)
    signal listOpened
    signal listClosed

    // Bumped on every change of the model, so texts read from it follow.
    property int modelRevision: 0
    readonly property int count: modelRevision, ModelAccess.count(mdItems)
    readonly property int rowHeight: header.height
    // Rows overlap by one pixel, so their borders are shared.
    readonly property int listHeight: count > 0 ? rowHeight * count - (count - 1) + 1 : 0
    readonly property int slideDuration: animation_speed * (0.1 + 0.05 * count)
    readonly property bool listShown: isSelect || openAnimation.running || closeAnimation.running

    function setCurIndex(i) { defaultIndex = i }
    function getCurIndex() { return defaultIndex }

    function showList() {
        if (closeAnimation.running) {
            closeAnimation.complete()
            showList()
            return
        }
        if (openAnimation.running) {
            openAnimation.complete()
            return
        }
        if (!isSelect)
            openAnimation.start()
    }

    function closeList() {
        if (openAnimation.running) {
            openAnimation.complete()
            closeList()
            return
        }
        if (closeAnimation.running) {
            closeAnimation.complete()
            return
        }
        if (isSelect)
            closeAnimation.start()
    }

    function entryClicked(index) {
        setCurIndex(index)
        closeList()
        listElementClicked(index)
    }

    width: header.width
    height: header.height
    opacity: enabled ? 1.0 : 0.2

    Connections {
        target: dropdown.mdItems
        ignoreUnknownSignals: true
        function onDataChanged() { dropdown.modelRevision += 1 }
        function onCountChanged() { dropdown.modelRevision += 1 }
        function onModelReset() { dropdown.modelRevision += 1 }
    }

    Image {
        id: header
        objectName: "dropdownHeader"
        source: sourceSlider_BASE
        width: (!isEnglish && dropdown.isbosiColorPage) ? 170 : 151
        height: implicitHeight > 0 ? implicitHeight : 23

        Text {
            id: headerText
            objectName: "dropdownHeaderText"
            anchors.left: parent.left
            anchors.leftMargin: 10
            anchors.right: parent.right
            anchors.rightMargin: isEnglish ? 22 : 30
            anchors.verticalCenter: parent.verticalCenter
            horizontalAlignment: isEnglish ? Text.AlignLeft : Text.AlignRight
            elide: Text.ElideRight
            text: dropdown.modelRevision, ModelAccess.currentText(dropdown.mdItems, dropdown.defaultIndex,
                                                                globalSetting_stringList)
            font.family: globalSetting_fontFamily
            font.pixelSize: globalSetting_size
            font.bold: true
            color: (headerArea.containsMouse || dropdown.isSelect) ? globalSetting_color
                                                                 : globalSetting_color_enable
        }

        Text {
            anchors.right: parent.right
            anchors.rightMargin: 8
            anchors.verticalCenter: parent.verticalCenter
            text: "▼"
            font.pixelSize: Math.max(globalSetting_size - 3, 7)
            color: headerText.color
        }

        MouseArea {
            id: headerArea
            anchors.fill: parent
            hoverEnabled: true
            onClicked: {
                if (dropdown.isSelect)
                    dropdown.closeList()
                else
                    dropdown.showList()
            }
        }
    }

    Item {
        id: listClip
        objectName: "dropdownList"
        y: header.height - 1
        width: header.width
        height: dropdown.listHeight
        clip: true
        visible: dropdown.listShown

        Item {
            id: listContent
            width: parent.width
            height: dropdown.listHeight
            y: -dropdown.listHeight

            Repeater {
                model: dropdown.mdItems
                delegate: Image {
                    id: row
                    objectName: "dropdownEntry" + index
                    source: sourceSlider_BASE
                    width: header.width
                    height: header.height
                    y: index * (height - 1)

                    Text {
                        anchors.left: parent.left
                        anchors.leftMargin: 10
                        anchors.right: parent.right
                        anchors.rightMargin: isEnglish ? 10 : 25
                        anchors.verticalCenter: parent.verticalCenter
                        horizontalAlignment: isEnglish ? Text.AlignLeft : Text.AlignRight
                        elide: Text.ElideRight
                        text: (model.textX !== undefined && model.textX !== null) ? String(model.textX) : ""
                        font.family: globalSetting_fontFamily
                        font.pixelSize: globalSetting_size
                        font.bold: true
                        color: (rowArea.containsMouse || index === dropdown.defaultIndex)
                               ? globalSetting_color : globalSetting_color_enable
                    }

                    MouseArea {
                        id: rowArea
                        anchors.fill: parent
                        hoverEnabled: true
                        onClicked: dropdown.entryClicked(index)
                    }
                }
            }
        }
    }

    NumberAnimation {
        id: openAnimation
        objectName: "openAnimation"
        target: listContent
        property: "y"
        from: -dropdown.listHeight
        to: 0
        duration: dropdown.slideDuration
        easing.type: Easing.OutQuad
        onStarted: dropdown.listOpened()
        onFinished: dropdown.isSelect = true
    }

    NumberAnimation {
        id: closeAnimation
        objectName: "closeAnimation"
        target: listContent
        property: "y"
        from: 0
        to: -dropdown.listHeight
        duration: dropdown.slideDuration
        easing.type: Easing.OutQuad
        onFinished: {
            dropdown.isSelect = false
            dropdown.listClosed()
        }
    }
}
