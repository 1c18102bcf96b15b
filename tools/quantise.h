#pragma once

#include "image_files.h"

#include <QImage>
#include <QRect>

#include <vector>

// Turns an opaque picture into a palette picture of at most paletteSize entries.
// The fixed colours come first in the palette, in the order given, so every pixel
// that already has one of them keeps it exactly. The remaining entries are chosen by
// median cut over the other pixels. Pixels inside ditherAreas (photographs) are
// error-diffused; elsewhere each pixel takes its nearest entry, so flat drawings stay
// flat.
IndexedImage quantise(const QImage& picture, const std::vector<QRgb>& fixedColours, int paletteSize,
                      const std::vector<QRect>& ditherAreas = {});

// Maps an image with alpha onto a given palette: pixels less than half covered take
// transparentIndex, the others the nearest opaque entry. For the small icons whose
// few colours are chosen by hand.
IndexedImage mapToPalette(const QImage& picture, const std::vector<QRgb>& palette,
                          int transparentIndex);
