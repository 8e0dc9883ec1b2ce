#pragma once
#include <QByteArray>
#include <QString>

// One element of the worker's device list. A path is filled only by discovery
// and emptied again when opening it fails; an empty path means the interface
// is not available.
struct DeviceEntry
{
    int index = 0;            // position in the catalogue
    QString name;
    QByteArray commandPath;   // platform path of the command interface (ASCII)
    QByteArray eventPath;     // platform path of the event interface (ASCII)
    quint32 reportLength = 0; // payload bytes of one data report

    bool operator==(const DeviceEntry &o) const
    {
        return index == o.index && name == o.name && commandPath == o.commandPath
            && eventPath == o.eventPath && reportLength == o.reportLength;
    }
};
