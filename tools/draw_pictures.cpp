// Draws the sprite sheet and the small stored pictures of ポロンカ into a folder,
// by default the repository's assets/. Run it on the offscreen platform:
//   QT_QPA_PLATFORM=offscreen draw_pictures [OUTPUT_DIR] [--photos DIR] [--preview DIR]
#include "image_files.h"
#include "quantise.h"
#include "sheet.h"
#include "stored_pictures.h"

#include <QDir>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QStringList>

#include <cstdio>

namespace {

QImage toImage(const IndexedImage& indexed) {
  QImage image(indexed.width, indexed.height, QImage::Format_ARGB32);
  for (int y = 0; y < indexed.height; ++y)
    for (int x = 0; x < indexed.width; ++x) image.setPixel(x, y, indexed.palette[indexed.at(x, y)]);
  return image;
}

// Every border pixel of each face's kept part must be the board green, or the face
// would show a seam on the green screens.
bool facesFloatOnGreen(const QImage& sheet) {
  bool ok = true;
  for (int number : {4, 5, 6, 7, 8, 9}) {
    const Slot& s = slot(number);
    const QRect kept(s.rect.topLeft(), s.kept);
    for (int x = kept.left(); x <= kept.right(); ++x)
      for (int y : {kept.top(), kept.bottom()}) ok = ok && sheet.pixel(x, y) == colours::board;
    for (int y = kept.top(); y <= kept.bottom(); ++y)
      for (int x : {kept.left(), kept.right()}) ok = ok && sheet.pixel(x, y) == colours::board;
    if (!ok) {
      std::fprintf(stderr, "draw_pictures: slot %d is not framed by green\n", number);
      return false;
    }
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  // libpng complains about the colour profile stored in one photograph; harmless.
  QLoggingCategory::setFilterRules(QStringLiteral("qt.gui.imageio*=false"));
  QString outputDir = QStringLiteral(PORONKA_ASSETS_DIR);
  QString photosDir = QStringLiteral(PORONKA_PHOTOS_DIR);
  QString previewDir;
  const QStringList args = app.arguments().mid(1);
  for (qsizetype i = 0; i < args.size(); ++i) {
    if (args[i] == QLatin1String("--photos") && i + 1 < args.size())
      photosDir = args[++i];
    else if (args[i] == QLatin1String("--preview") && i + 1 < args.size())
      previewDir = args[++i];
    else if (!args[i].startsWith(QLatin1Char('-')))
      outputDir = args[i];
    else {
      std::fprintf(stderr, "usage: draw_pictures [OUTPUT_DIR] [--photos DIR] [--preview DIR]\n");
      return 2;
    }
  }
  QDir().mkpath(outputDir);
  const QDir out(outputDir);

  std::vector<QRect> ditherAreas;
  const QImage sheet = drawSheet(photosDir, ditherAreas);
  const IndexedImage indexedSheet = quantise(sheet, sheetFixedColours(), 256, ditherAreas);
  const QImage finalSheet = toImage(indexedSheet);
  if (!facesFloatOnGreen(finalSheet)) return 1;

  struct Output {
    const char* name;
    QByteArray bytes;
  };
  const Output outputs[] = {
      {"sprite_sheet.bmp", encodeIndexedBmp(indexedSheet, 8)},
      {"chalk_icon.png", encodeIndexedPng(drawChalkIcon())},
      {"white_chalk.bmp", encodeRgbBmp(drawWhiteChalk())},
      {"yellow_chalk.bmp", encodeIndexedBmp(drawYellowChalk(), 4)},
      {"navy_square.bmp", encodeIndexedBmp(drawSolidSquare(0xFF000080), 4)},
      {"maroon_square.bmp", encodeIndexedBmp(drawSolidSquare(0xFF800000), 4)},
      {"rosette.svg", rosetteSvg()},
      {"rice_ball.png", encodeIndexedPng(drawRiceBall())},
      {"icon_16.png", encodeIndexedPng(drawSmallIcon16())},
      {"icon_32.png", encodeIndexedPng(drawSmallIcon32())},
  };
  bool ok = true;
  for (const Output& o : outputs)
    ok = writeFile(out.filePath(QString::fromLatin1(o.name)), o.bytes) && ok;
  for (int size : {48, 64, 128, 256}) {
    const QString name = QStringLiteral("icon_%1.png").arg(size);
    ok = drawIcon(size).save(out.filePath(name), "PNG") && ok;
  }
  if (!ok) {
    std::fprintf(stderr, "draw_pictures: cannot write into %s\n", qPrintable(outputDir));
    return 1;
  }

  if (!previewDir.isEmpty()) {
    // What each screen gets: every slot cut at its kept size, and the whole sheet.
    QDir().mkpath(previewDir);
    const QDir preview(previewDir);
    finalSheet.save(preview.filePath(QStringLiteral("sheet.png")));
    for (const Slot& s : allSlots())
      finalSheet.copy(QRect(s.rect.topLeft(), s.kept))
          .save(preview.filePath(QStringLiteral("slot_%1_%2.png")
                                     .arg(s.number, 2, 10, QLatin1Char('0'))
                                     .arg(QString::fromLatin1(s.name))));
  }
  return 0;
}
