import QtQuick

// The busy overlay: a blinking "LOADING ......" shown while device work runs
// and the scene takes no input.
Item {
    id: busy

    property bool isBusy: false

    function setBusy(on) {
        isBusy = !!on
    }

    visible: isBusy
    width: label.implicitWidth
    height: label.implicitHeight

    Text {
        id: label
        anchors.centerIn: parent
        text: "LOADING ......"
        font.family: globalSetting_fontFamily
        font.pixelSize: globalSetting_size
        font.bold: true
        color: globalSetting_color
    }

    SequentialAnimation {
        id: blink
        objectName: "busyBlink"
        running: busy.isBusy
        loops: Animation.Infinite
        NumberAnimation { target: label; property: "opacity"; from: 1.0; to: 0.2; duration: 400 }
        NumberAnimation { target: label; property: "opacity"; from: 0.2; to: 1.0; duration: 400 }
        onRunningChanged: if (!running) label.opacity = 1.0
    }
}
