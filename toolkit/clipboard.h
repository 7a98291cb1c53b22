#pragma once

#include <QImage>
#include <functional>

class QWidget;

// Pictures for a lab report: what "Bild kopieren" and Ctrl+C put on the
// clipboard.
namespace tk {

// The picture tagged with the density it was drawn at, 96 dots per inch
// times its device pixel ratio, so that a document it is pasted into shows it
// at the size it had on the screen, with all its pixels.
QImage atDrawnDensity(QImage picture);

// Puts the picture on the clipboard, tagged with its density.
void copyImage(const QImage& picture);

// Offers "Bild kopieren" on the widget's context menu; `picture` gives what
// it copies at the moment it is chosen.
void offerCopy(QWidget* widget, std::function<QImage()> picture);

}
