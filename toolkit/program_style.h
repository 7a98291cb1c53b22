#pragma once

// The platform's style with one change: the icons every menu bar asks for
// as it is made (its extension arrows) are read from Qt's own PNG files as
// PNG. Qt would first ask every image-format plugin whether it knows the
// file, which loads them all, Qt Svg with them, while the first window is
// being made.
#include <QPixmap>
#include <QString>

namespace tk {

// Makes the program's style the application's; once the QApplication exists
// and before the first window is made.
void useProgramStyle();

// A PNG file (a resource) read as PNG, without asking the image-format
// plugins; a null pixmap where it cannot be read.
QPixmap readPng(const QString& path);

}
