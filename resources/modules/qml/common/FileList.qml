import QtQuick

// A scrolling list of 20 px rows with a centred name and a right-aligned
// second text. A left click chooses a row (the chosen row again clears the
// choice), a right click only reports the row. Rows can be renamed in place.
Rectangle {
    id: fileList

    property var mdItems: ListModel {}
    property alias lvItems: view

    signal listElementClicked(int index)
    signal listElementRightBtnClicked(int index)
    signal editFileName_start(int tarIndex)
    signal editFileName_stop()
    signal editFileName_completed(string oldName, string newName)

    readonly property bool isEditing: view.editingIndex >= 0

    // Makes row i editable, with all of its text selected.
    function editFileName(index) {
        if (index < 0 || index >= view.count)
            return
        editFileName_start(index)
        view.positionViewAtIndex(index, ListView.Contain)
        view.editingIndex = index
    }

    // Ends the running edit and keeps what was typed.
    function stopEditFileName() {
        editFileName_stop()
    }

    function abandonEdit() {
        view.editingIndex = -1
    }

    // Moves the rows by dy pixels, as far as the bar can follow inside the
    // list; the bar shows where they are.
    function scrollRowsBy(dy) {
        var range = view.contentHeight - view.height
        if (range <= 0)
            return
        var top = Math.max(0, Math.min(range, view.contentY - view.originY + dy))
        view.contentY = view.originY + top
    }

    width: 151
    height: 200
    color: "black"
    clip: true

    ListView {
        id: view
        objectName: "fileListView"

        // The row being renamed, -1 while none is.
        property int editingIndex: -1

        anchors.fill: parent
        model: fileList.mdItems
        currentIndex: -1
        highlightFollowsCurrentItem: false
        boundsBehavior: Flickable.StopAtBounds
        interactive: contentHeight > height
        onCountChanged: {
            if (count === 0)
                currentIndex = -1
            if (editingIndex >= count)
                editingIndex = -1
        }

        delegate: Item {
            id: row
            objectName: "fileListRow" + index

            readonly property bool editing: view.editingIndex === index
            readonly property bool chosen: ListView.isCurrentItem
            readonly property string shownName: (model.textX !== undefined && model.textX !== null)
                                                ? String(model.textX) : ""
            property bool committing: false

            width: view.width
            height: 20

            function commit() {
                var oldName = shownName
                var newName = editor.text
                committing = true
                if (typeof fileList.mdItems.setProperty === "function")
                    fileList.mdItems.setProperty(index, "textX", newName)
                fileList.editFileName_completed(oldName, newName)
                view.editingIndex = -1
                editor.focus = false
                committing = false
            }

            onEditingChanged: {
                if (editing) {
                    editor.text = shownName
                    editor.forceActiveFocus()
                    editor.selectAll()
                } else {
                    editor.focus = false
                }
            }

            Rectangle {
                anchors.fill: parent
                color: globalSetting_color
                opacity: row.chosen ? 0.18 : (rowArea.containsMouse ? 0.08 : 0)
            }

            Text {
                id: nameText
                anchors.centerIn: parent
                width: parent.width - 16
                horizontalAlignment: Text.AlignHCenter
                elide: Text.ElideRight
                visible: !row.editing
                text: row.shownName
                font.family: globalSetting_fontFamily
                font.pixelSize: globalSetting_size
                font.bold: true
                color: (row.chosen || rowArea.containsMouse) ? globalSetting_color : globalSetting_color_enable
            }

            Text {
                anchors.right: parent.right
                anchors.rightMargin: 8
                anchors.verticalCenter: parent.verticalCenter
                visible: !row.editing
                text: (model.textR !== undefined && model.textR !== null) ? String(model.textR) : ""
                font.family: globalSetting_fontFamily
                font.pixelSize: globalSetting_size
                font.bold: true
                color: nameText.color
            }

            TextInput {
                id: editor
                objectName: "fileListEditor"
                anchors.centerIn: parent
                width: parent.width - 16
                horizontalAlignment: TextInput.AlignHCenter
                visible: row.editing
                selectByMouse: true
                clip: true
                font.family: globalSetting_fontFamily
                font.pixelSize: globalSetting_size
                font.bold: true
                color: globalSetting_color
                selectionColor: globalSetting_color
                selectedTextColor: "black"
                onAccepted: row.commit()
                onActiveFocusChanged: {
                    if (!activeFocus && row.editing && !row.committing)
                        fileList.abandonEdit()
                }
            }

            Connections {
                target: fileList
                function onEditFileName_stop() {
                    if (row.editing)
                        row.commit()
                }
            }

            Image {
                anchors.bottom: parent.bottom
                width: parent.width
                height: 1
                source: sourceDraw_line
            }

            MouseArea {
                id: rowArea
                anchors.fill: parent
                enabled: !row.editing
                hoverEnabled: true
                acceptedButtons: Qt.LeftButton | Qt.RightButton
                onClicked: function(mouse) {
                    if (mouse.button === Qt.RightButton) {
                        fileList.listElementRightBtnClicked(index)
                        return
                    }
                    if (view.currentIndex === index) {
                        view.currentIndex = -1
                        fileList.listElementClicked(-1)
                    } else {
                        view.currentIndex = index
                        fileList.listElementClicked(index)
                    }
                }
            }
        }
    }

    Rectangle {
        id: scrollbar
        objectName: "fileListScrollbar"
        anchors.right: parent.right
        width: 5
        radius: 2.5
        opacity: 0.5
        color: globalSetting_color_enable
        visible: view.count > 0 && view.contentHeight > view.height
        height: Math.max(12, view.height * view.visibleArea.heightRatio)
        y: {
            var room = view.height - height
            var range = view.contentHeight - view.height
            if (room <= 0 || range <= 0)
                return 0
            return Math.max(0, Math.min(room, (view.contentY - view.originY) / range * room))
        }

        MouseArea {
            id: barArea
            anchors.fill: parent
            anchors.margins: -2
            property real lastY: 0
            onPressed: function(mouse) { lastY = mapToItem(fileList, mouse.x, mouse.y).y }
            onPositionChanged: function(mouse) {
                var now = mapToItem(fileList, mouse.x, mouse.y).y
                fileList.scrollRowsBy(now - lastY)
                lastY = now
            }
        }
    }

    // While a row is being renamed, a press anywhere outside that row ends
    // the edit without keeping it; the press itself goes on to whatever is
    // under the pointer.
    MouseArea {
        id: editGuard
        parent: (fileList.isEditing && fileList.Window.contentItem) ? fileList.Window.contentItem : fileList
        anchors.fill: parent
        z: 100000
        enabled: fileList.isEditing
        visible: enabled
        acceptedButtons: Qt.AllButtons
        onPressed: function(mouse) {
            mouse.accepted = false
            var p = mapToItem(view.contentItem, mouse.x, mouse.y)
            var inList = mapToItem(fileList, mouse.x, mouse.y)
            var inside = inList.x >= 0 && inList.y >= 0 && inList.x < fileList.width && inList.y < fileList.height
            if (!inside || view.indexAt(p.x, p.y) !== view.editingIndex)
                fileList.abandonEdit()
        }
    }
}
