import QtQuick

// The background layer: the user's own picture, the main background while no
// page is open, or the page background; the window frame is drawn over it.
Item {
    id: environment
    width: 1000
    height: 600

    Image {
        id: background
        objectName: "backgroundImage"
        anchors.fill: parent
        fillMode: isCustomBackground ? Image.PreserveAspectCrop : Image.Stretch
        source: isCustomBackground ? sourceCustomBackground
                                   : (isMainBackground ? sourceBackground_main : sourceBackground)
        asynchronous: false
        cache: !isCustomBackground
    }

    Image {
        anchors.fill: parent
        source: sourceFrameBackground
    }
}
