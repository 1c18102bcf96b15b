#include "image_files.h"

#include <QFile>

#include <array>

namespace {

void putU16(QByteArray& out, std::uint32_t v) {
  out.append(static_cast<char>(v & 0xFF));
  out.append(static_cast<char>((v >> 8) & 0xFF));
}

void putU32(QByteArray& out, std::uint32_t v) {
  putU16(out, v & 0xFFFF);
  putU16(out, v >> 16);
}

void putU32BigEndian(QByteArray& out, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.append(static_cast<char>((v >> shift) & 0xFF));
}

// Both headers; the pixel data starts right after the palette.
QByteArray bmpHeaders(int width, int height, int bitsPerPixel, int paletteSize, int rowBytes) {
  const auto imageBytes = static_cast<std::uint32_t>(rowBytes * height);
  const auto dataOffset = static_cast<std::uint32_t>(14 + 40 + 4 * paletteSize);
  QByteArray out;
  out.append("BM");
  putU32(out, dataOffset + imageBytes);
  putU32(out, 0);
  putU32(out, dataOffset);
  putU32(out, 40);
  putU32(out, static_cast<std::uint32_t>(width));
  putU32(out, static_cast<std::uint32_t>(height));  // positive: bottom-up
  putU16(out, 1);
  putU16(out, static_cast<std::uint32_t>(bitsPerPixel));
  putU32(out, 0);  // BI_RGB
  putU32(out, imageBytes);
  putU32(out, 3780);  // 96 dpi
  putU32(out, 3780);
  putU32(out, static_cast<std::uint32_t>(paletteSize));
  putU32(out, 0);
  return out;
}

int paddedRowBytes(int width, int bitsPerPixel) { return ((width * bitsPerPixel + 31) / 32) * 4; }

std::uint32_t crc32(const QByteArray& bytes) {
  static const std::array<std::uint32_t, 256> table = [] {
    std::array<std::uint32_t, 256> t{};
    for (std::uint32_t n = 0; n < 256; ++n) {
      std::uint32_t c = n;
      for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      t[n] = c;
    }
    return t;
  }();
  std::uint32_t c = 0xFFFFFFFFu;
  for (char ch : bytes) c = table[(c ^ static_cast<std::uint8_t>(ch)) & 0xFF] ^ (c >> 8);
  return c ^ 0xFFFFFFFFu;
}

void putPngChunk(QByteArray& out, const char* type, const QByteArray& data) {
  putU32BigEndian(out, static_cast<std::uint32_t>(data.size()));
  QByteArray typed(type, 4);
  typed.append(data);
  out.append(typed);
  putU32BigEndian(out, crc32(typed));
}

}  // namespace

QByteArray encodeIndexedBmp(const IndexedImage& image, int bitsPerPixel) {
  Q_ASSERT(bitsPerPixel == 4 || bitsPerPixel == 8);
  const int paletteSize = 1 << bitsPerPixel;
  Q_ASSERT(static_cast<int>(image.palette.size()) <= paletteSize);
  const int rowBytes = paddedRowBytes(image.width, bitsPerPixel);
  QByteArray out = bmpHeaders(image.width, image.height, bitsPerPixel, paletteSize, rowBytes);
  for (int i = 0; i < paletteSize; ++i) {
    const QRgb c = i < static_cast<int>(image.palette.size())
                       ? image.palette[static_cast<std::size_t>(i)]
                       : qRgb(0, 0, 0);
    out.append(static_cast<char>(qBlue(c)));
    out.append(static_cast<char>(qGreen(c)));
    out.append(static_cast<char>(qRed(c)));
    out.append('\0');
  }
  for (int y = image.height - 1; y >= 0; --y) {
    QByteArray row(rowBytes, '\0');
    for (int x = 0; x < image.width; ++x) {
      const std::uint8_t index = image.at(x, y);
      if (bitsPerPixel == 8) {
        row[x] = static_cast<char>(index);
      } else {
        const auto shift = (x % 2 == 0) ? 4 : 0;  // first pixel in the high nibble
        row[x / 2] = static_cast<char>(static_cast<std::uint8_t>(row[x / 2]) | (index << shift));
      }
    }
    out.append(row);
  }
  return out;
}

QByteArray encodeRgbBmp(const QImage& image) {
  const int rowBytes = paddedRowBytes(image.width(), 24);
  QByteArray out = bmpHeaders(image.width(), image.height(), 24, 0, rowBytes);
  for (int y = image.height() - 1; y >= 0; --y) {
    QByteArray row(rowBytes, '\0');
    for (int x = 0; x < image.width(); ++x) {
      const QRgb c = image.pixel(x, y);
      row[3 * x] = static_cast<char>(qBlue(c));
      row[3 * x + 1] = static_cast<char>(qGreen(c));
      row[3 * x + 2] = static_cast<char>(qRed(c));
    }
    out.append(row);
  }
  return out;
}

QByteArray encodeIndexedPng(const IndexedImage& image) {
  const auto colours = image.palette.size();
  Q_ASSERT(colours >= 1 && colours <= 256);
  const int depth = colours <= 2 ? 1 : colours <= 4 ? 2 : colours <= 16 ? 4 : 8;

  QByteArray png("\x89PNG\r\n\x1a\n", 8);
  QByteArray header;
  putU32BigEndian(header, static_cast<std::uint32_t>(image.width));
  putU32BigEndian(header, static_cast<std::uint32_t>(image.height));
  header.append(static_cast<char>(depth));
  header.append('\3');  // palette colour type
  header.append(QByteArray(3, '\0'));
  putPngChunk(png, "IHDR", header);

  QByteArray palette;
  QByteArray alphas;
  bool anyTransparent = false;
  for (QRgb c : image.palette) {
    palette.append(static_cast<char>(qRed(c)));
    palette.append(static_cast<char>(qGreen(c)));
    palette.append(static_cast<char>(qBlue(c)));
    alphas.append(static_cast<char>(qAlpha(c)));
    anyTransparent = anyTransparent || qAlpha(c) != 255;
  }
  putPngChunk(png, "PLTE", palette);
  if (anyTransparent) putPngChunk(png, "tRNS", alphas);

  const int rowBytes = (image.width * depth + 7) / 8;
  QByteArray raw;
  for (int y = 0; y < image.height; ++y) {
    QByteArray row(rowBytes + 1, '\0');  // filter byte 0: none
    for (int x = 0; x < image.width; ++x) {
      const int bit = x * depth;
      const int shift = 8 - depth - bit % 8;
      char& byte = row[1 + bit / 8];
      byte = static_cast<char>(static_cast<std::uint8_t>(byte) | (image.at(x, y) << shift));
    }
    raw.append(row);
  }
  // qCompress gives a zlib stream behind a four-byte length of its own.
  putPngChunk(png, "IDAT", qCompress(raw, 9).mid(4));
  putPngChunk(png, "IEND", QByteArray());
  return png;
}

bool writeFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  return file.write(bytes) == bytes.size();
}
