import QtQuick

// A bare square for trying out layouts while a page is being built.
Rectangle {
    width: 50
    height: 50
    color: "red"

    MouseArea {
        anchors.fill: parent
        onClicked: console.log("onTestClicked")
    }
}
