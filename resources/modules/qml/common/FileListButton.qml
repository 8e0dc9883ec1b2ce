import QtQuick
import "ModelAccess.js" as ModelAccess

// A header like a drop-down list that drops a file list from behind itself.
// Before opening it asks its owner to refill the entries.
Item {
    id: button

    property var mdItems: ListModel {}
    property bool isSelect: false
    property alias fileList: list

    signal listElementClicked(int index)
    signal requestToUpdateList
    signal listOpened
    signal listClosed

    property int modelRevision: 0
    readonly property int slideDuration: 0.5 * animation_speed
    readonly property bool listShown: isSelect || openAnimation.running || closeAnimation.running

    function setCurIndex(i) { list.lvItems.currentIndex = i }
    function getCurIndex() { return list.lvItems.currentIndex }

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

    width: header.width
    height: header.height
    opacity: enabled ? 1.0 : 0.2

    Connections {
        target: button.mdItems
        ignoreUnknownSignals: true
        function onDataChanged() { button.modelRevision += 1 }
        function onCountChanged() { button.modelRevision += 1 }
        function onModelReset() { button.modelRevision += 1 }
    }

    Item {
        id: dropClip
        objectName: "fileListDrop"
        y: header.height - 1
        width: base.width
        height: base.height
        clip: true
        visible: button.listShown

        Image {
            id: base
            source: sourceFilelist_BASE
            width: implicitWidth > 0 ? implicitWidth : list.width + 4
            height: implicitHeight > 0 ? implicitHeight : list.height + 6
            y: -height

            FileList {
                id: list
                objectName: "dropFileList"
                x: Math.round((base.width - width) / 2)
                y: 3
                mdItems: button.mdItems
                onListElementClicked: function(index) {
                    button.closeList()
                    button.listElementClicked(list.lvItems.currentIndex)
                }
            }
        }
    }

    // Drawn after the drop, so the list slides out from behind it.
    Image {
        id: header
        objectName: "fileListButtonHeader"
        source: sourceSlider_BASE
        width: 151
        height: implicitHeight > 0 ? implicitHeight : 23

        Text {
            id: headerText
            objectName: "fileListButtonHeaderText"
            anchors.left: parent.left
            anchors.leftMargin: 10
            anchors.right: parent.right
            anchors.rightMargin: isEnglish ? 22 : 25
            anchors.verticalCenter: parent.verticalCenter
            horizontalAlignment: isEnglish ? Text.AlignLeft : Text.AlignRight
            elide: Text.ElideRight
            text: button.modelRevision, ModelAccess.currentText(button.mdItems, list.lvItems.currentIndex,
                                                                 globalSetting_stringList)
            font.family: globalSetting_fontFamily
            font.pixelSize: globalSetting_size
            font.bold: true
            color: (headerArea.containsMouse || button.isSelect) ? globalSetting_color
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
                if (button.isSelect) {
                    button.closeList()
                } else {
                    button.requestToUpdateList()
                    button.showList()
                }
            }
        }
    }

    NumberAnimation {
        id: openAnimation
        objectName: "openAnimation"
        target: base
        property: "y"
        from: -base.height
        to: 0
        duration: button.slideDuration
        easing.type: Easing.OutQuad
        onStarted: button.listOpened()
        onFinished: button.isSelect = true
    }

    NumberAnimation {
        id: closeAnimation
        objectName: "closeAnimation"
        target: base
        property: "y"
        from: 0
        to: -base.height
        duration: button.slideDuration
        easing.type: Easing.OutQuad
        onFinished: {
            button.isSelect = false
            button.listClosed()
        }
    }
}
