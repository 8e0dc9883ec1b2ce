import QtQuick
import "../common"

// The profile menu at the right edge: one entry per profile slot of the
// keyboard. A left click switches the active profile; a right click offers
// to import a profile file into the slot, export it, or restore it.
Item {
    id: menuProf

    // The active profile slot, 0-based.
    property int currentIndex: 0
    // The list area holds ten entries and does not scroll.
    readonly property int maxEntries: 10

    signal indexChanged_btn(int currentIndex)

    function initProfile(maxProfile) {
        var n = Math.floor(Number(maxProfile))
        if (!isFinite(n) || n < 0)
            n = 0
        n = Math.min(n, maxEntries)
        contextMenu.close()
        slots.clear()
        for (var i = 0; i < n; ++i)
            slots.append({ slot: i })
    }

    function translateStrings() {
        contextMenu.labels = [84, 85, 77, 78].map(function(i) { return String(globalSetting_stringList[i]) })
    }

    function entryClicked(index) {
        if (index === currentIndex)
            return
        currentIndex = index
        indexChanged_btn(index)
    }

    // (x, y): the pointer inside entry `index`.
    function openContextMenu(index, x, y) {
        contextMenu.open(x - 45, index * 26 + y + 85, index)
    }

    function contextAction(row) {
        var slot = contextMenu.slot
        if (slot < 0)
            return
        if (row === 0) {
            ui_View.loadProfile(slot)
            if (slot === currentIndex)
                indexChanged_btn(currentIndex)
        } else if (row === 1) {
            ui_View.saveProfile(slot)
        } else if (row === 2) {
            ui_View.resetProfile(slot)
            if (slot === currentIndex)
                indexChanged_btn(currentIndex)
        }
    }

    function label(slot) {
        var n = slot + 1
        return "P" + (n < 10 ? "0" + n : String(n))
    }

    width: container.width
    height: container.height
    opacity: 0.2 + 0.8 * enabled

    ListModel {
        id: slots
        ListElement { slot: 0 }
        ListElement { slot: 1 }
        ListElement { slot: 2 }
        ListElement { slot: 3 }
    }

    Image {
        id: container
        source: sourceListPfContainer
    }

    Column {
        x: 23
        y: 97
        width: 49
        height: 26 * menuProf.maxEntries

        Repeater {
            model: slots
            delegate: Item {
                id: entry
                objectName: "pfEntry" + index
                readonly property bool current: menuProf.currentIndex === index
                width: 49
                height: 26

                Image {
                    id: lamp
                    anchors.verticalCenter: parent.verticalCenter
                    source: (entry.current || entryArea.containsMouse) ? sourceProfileFW_1 : sourceProfileFW_0
                }

                Text {
                    objectName: "pfLabel" + index
                    anchors.left: lamp.right
                    anchors.leftMargin: 2
                    anchors.verticalCenter: parent.verticalCenter
                    text: menuProf.label(index)
                    font.family: "Arial"
                    font.pixelSize: globalSetting_size
                    font.bold: true
                    color: globalSetting_color
                }

                MouseArea {
                    id: entryArea
                    anchors.fill: parent
                    hoverEnabled: true
                    acceptedButtons: Qt.LeftButton | Qt.RightButton
                    onClicked: function(mouse) {
                        if (mouse.button === Qt.RightButton)
                            menuProf.openContextMenu(index, mouse.x, mouse.y)
                        else
                            menuProf.entryClicked(index)
                    }
                }
            }
        }
    }

    ContextMenu {
        id: contextMenu
        objectName: "profileContextMenu"
        labels: ["LOAD", "SAVE", "RESET", "CANCEL"]
        onRowClicked: function(row) { menuProf.contextAction(row) }
    }
}
