import QtQuick

// The decoration layer above the main area: the left ornament is the link to
// the maker's web site, the right one is only drawn.
Item {
    id: decoration
    width: 1000
    height: 600

    Image {
        id: left
        objectName: "decorationLeft"
        source: sourceDecoration1
        x: 78 - width / 2
        y: 93 - height / 2
        opacity: linkArea.pressed ? 0.6 : 1.0

        MouseArea {
            id: linkArea
            objectName: "decorationLink"
            anchors.fill: parent
            cursorShape: Qt.PointingHandCursor
            onClicked: {
                ui_View.playMedia_Index(0x03)
                Qt.openUrlExternally(globalSetting_url)
            }
        }
    }

    Image {
        source: sourceDecoration2
        x: 923 - width / 2
        y: 93 - height / 2
    }
}
