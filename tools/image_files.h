#pragma once

#include <QByteArray>
#include <QImage>
#include <QRgb>

#include <cstdint>
#include <vector>

// A palette picture: one palette index per pixel, rows top to bottom.
struct IndexedImage {
  int width = 0;
  int height = 0;
  std::vector<QRgb> palette;  // alpha is kept only by the PNG writer
  std::vector<std::uint8_t> pixels;

  std::uint8_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

// Device-independent bitmaps with a BITMAPINFOHEADER, uncompressed, rows bottom-up.
// We write them ourselves because QImage's writer picks its own depth and palette.
QByteArray encodeIndexedBmp(const IndexedImage& image, int bitsPerPixel);  // 4 or 8
QByteArray encodeRgbBmp(const QImage& image);                              // 24 bits

// A palette PNG at the smallest bit depth that holds the palette (so a 16-colour
// picture is stored with 4 bits per pixel), with a tRNS chunk when any entry is
// not opaque. No time or text chunks, so the bytes depend only on the pixels.
QByteArray encodeIndexedPng(const IndexedImage& image);

bool writeFile(const QString& path, const QByteArray& bytes);
