#pragma once

#include "image_files.h"

#include <QByteArray>
#include <QImage>

// The small pictures stored with the screens, and the application icon.
IndexedImage drawChalkIcon();          // 32 x 32, 16 colours, transparent ground
QImage drawWhiteChalk();               // 10 x 20, written with 24 bits per pixel
IndexedImage drawYellowChalk();        // 10 x 20, 16 colours
IndexedImage drawSolidSquare(QRgb c);  // 40 x 40, 16 colours, c must be a standard colour
IndexedImage drawRiceBall();           // 32 x 32, 16 colours, transparent corners
QByteArray rosetteSvg();
IndexedImage drawSmallIcon16();
IndexedImage drawSmallIcon32();
QImage drawIcon(int size);  // 48 pixels and up, full colour with alpha
