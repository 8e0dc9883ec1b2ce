#pragma once
#include <QImage>
#include <QList>
#include <QString>

// Writes a Windows icon file holding each image as a PNG entry (the form
// Windows Vista and later, and Qt's reader, accept). Images must be at most
// 256 x 256. Returns false when the file cannot be written.
bool writeIco(const QString &path, const QList<QImage> &images);
