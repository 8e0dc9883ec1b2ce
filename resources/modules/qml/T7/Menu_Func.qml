import QtQuick

// The function menu at the left edge: one entry per function page. A click
// on the open page's entry closes it again.
Item {
    id: menuFunc

    // The open page, -1 while none is.
    property int currentIndex: -1
    // The skin folder the icons were last loaded from.
    property string iconFolder: ""

    signal indexChanged_btn(int currentIndex)

    function setSkin() {
        iconFolder = "file:modules/img/skin" + skin_No + "/list_fn/"
    }

    function translateStrings() {
        var strings = [74, 75, 76, 86]
        for (var i = 0; i < strings.length; ++i)
            entries.setProperty(i, "label", String(globalSetting_stringList[strings[i]]))
    }

    function entryClicked(index) {
        currentIndex = (index === currentIndex) ? -1 : index
        indexChanged_btn(currentIndex)
    }

    width: 150
    height: 4 * 37 + 3 * 10
    opacity: 0.2 + 0.8 * enabled

    Component.onCompleted: setSkin()

    ListModel {
        id: entries
        ListElement { label: "KEY"; icon: "fnKeydefine" }
        ListElement { label: "MACRO"; icon: "fnMacro" }
        ListElement { label: "COLOR"; icon: "fnColor" }
        ListElement { label: "BACKLIGHTING"; icon: "fnColor" }
    }

    Column {
        spacing: 10

        Repeater {
            model: entries
            delegate: Item {
                id: entry
                objectName: "fnEntry" + index
                readonly property bool current: menuFunc.currentIndex === index
                width: 150
                height: 37

                Image {
                    anchors.fill: parent
                    source: entryArea.containsMouse ? sourceListFnBtn_1 : sourceListFnBtn_0
                }

                Image {
                    id: icon
                    objectName: "fnIcon" + index
                    x: Math.round(entry.width / 15)
                    anchors.verticalCenter: parent.verticalCenter
                    source: menuFunc.iconFolder === "" ? ""
                            : menuFunc.iconFolder + model.icon + (entry.current ? "_1.png" : "_0.png")
                }

                Text {
                    objectName: "fnLabel" + index
                    // The capitals sit on the centre line: the baseline is
                    // 4 px below it.
                    y: Math.round(entry.height / 2 + 4 - baselineOffset)
                    x: isEnglish ? icon.x + icon.width + 15 : icon.x + icon.width + 100 - implicitWidth
                    text: model.label
                    font.family: globalSetting_fontFamily
                    font.pixelSize: globalSetting_size
                    font.bold: true
                    color: globalSetting_color
                }

                MouseArea {
                    id: entryArea
                    anchors.fill: parent
                    hoverEnabled: true
                    onClicked: menuFunc.entryClicked(index)
                }
            }
        }
    }
}
