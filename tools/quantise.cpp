#include "quantise.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <map>
#include <unordered_map>

namespace {

struct Entry {
  QRgb colour;
  std::int64_t count;
};

int channel(QRgb c, int which) { return which == 0 ? qRed(c) : which == 1 ? qGreen(c) : qBlue(c); }

// Distance weighted roughly by how strongly the eye sees each channel.
int distance(QRgb a, QRgb b) {
  const int dr = qRed(a) - qRed(b);
  const int dg = qGreen(a) - qGreen(b);
  const int db = qBlue(a) - qBlue(b);
  return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

class NearestColour {
 public:
  explicit NearestColour(const std::vector<QRgb>& palette) : palette_(palette) {}

  std::uint8_t operator()(QRgb c) {
    c |= 0xFF000000u;
    if (auto it = cache_.find(c); it != cache_.end()) return it->second;
    int best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (std::size_t i = 0; i < palette_.size(); ++i) {
      const int d = distance(c, palette_[i]);
      if (d < bestDistance) {  // strict: the earliest entry wins ties
        bestDistance = d;
        best = static_cast<int>(i);
      }
    }
    cache_.emplace(c, static_cast<std::uint8_t>(best));
    return static_cast<std::uint8_t>(best);
  }

 private:
  const std::vector<QRgb>& palette_;
  std::unordered_map<QRgb, std::uint8_t> cache_;
};

// Splits the box with the widest weighted spread at the weighted median of that
// channel until there are `wanted` boxes; each box gives its weighted mean.
std::vector<QRgb> medianCut(std::vector<Entry> entries, int wanted) {
  std::vector<QRgb> result;
  if (entries.empty() || wanted <= 0) return result;
  struct Box {
    std::size_t begin, end;
  };
  auto spread = [&](const Box& box, int& widest) {
    std::array<int, 3> lo{255, 255, 255};
    std::array<int, 3> hi{0, 0, 0};
    std::int64_t weight = 0;
    for (std::size_t i = box.begin; i < box.end; ++i) {
      for (int ch = 0; ch < 3; ++ch) {
        lo[static_cast<std::size_t>(ch)] =
            std::min(lo[static_cast<std::size_t>(ch)], channel(entries[i].colour, ch));
        hi[static_cast<std::size_t>(ch)] =
            std::max(hi[static_cast<std::size_t>(ch)], channel(entries[i].colour, ch));
      }
      weight += entries[i].count;
    }
    int best = 0;
    widest = 0;
    for (int ch = 0; ch < 3; ++ch) {
      const int range = hi[static_cast<std::size_t>(ch)] - lo[static_cast<std::size_t>(ch)];
      if (range > best) {
        best = range;
        widest = ch;
      }
    }
    // Ranges matter more than pixel counts, but a big box of many pixels is split first.
    double score = best;
    score *= 1.0 + std::log2(1.0 + static_cast<double>(weight));
    return score;
  };

  std::vector<Box> boxes{{0, entries.size()}};
  while (static_cast<int>(boxes.size()) < wanted) {
    int pick = -1;
    int pickChannel = 0;
    double pickScore = 0;
    for (std::size_t b = 0; b < boxes.size(); ++b) {
      if (boxes[b].end - boxes[b].begin < 2) continue;
      int widest = 0;
      const double score = spread(boxes[b], widest);
      if (score > pickScore) {
        pickScore = score;
        pick = static_cast<int>(b);
        pickChannel = widest;
      }
    }
    if (pick < 0) break;
    Box box = boxes[static_cast<std::size_t>(pick)];
    std::sort(entries.begin() + static_cast<std::ptrdiff_t>(box.begin),
              entries.begin() + static_cast<std::ptrdiff_t>(box.end),
              [&](const Entry& a, const Entry& b) {
                const int ca = channel(a.colour, pickChannel);
                const int cb = channel(b.colour, pickChannel);
                return ca != cb ? ca < cb : a.colour < b.colour;
              });
    std::int64_t total = 0;
    for (std::size_t i = box.begin; i < box.end; ++i) total += entries[i].count;
    std::int64_t running = 0;
    std::size_t cut = box.begin + 1;
    for (std::size_t i = box.begin; i < box.end - 1; ++i) {
      running += entries[i].count;
      cut = i + 1;
      if (2 * running >= total) break;
    }
    boxes[static_cast<std::size_t>(pick)] = {box.begin, cut};
    boxes.push_back({cut, box.end});
  }

  for (const Box& box : boxes) {
    double r = 0, g = 0, b = 0, w = 0;
    for (std::size_t i = box.begin; i < box.end; ++i) {
      const auto n = static_cast<double>(entries[i].count);
      r += qRed(entries[i].colour) * n;
      g += qGreen(entries[i].colour) * n;
      b += qBlue(entries[i].colour) * n;
      w += n;
    }
    result.push_back(qRgb(static_cast<int>(r / w + 0.5), static_cast<int>(g / w + 0.5),
                          static_cast<int>(b / w + 0.5)));
  }
  std::sort(result.begin(), result.end(),
            [](QRgb a, QRgb b) { return qGray(a) != qGray(b) ? qGray(a) < qGray(b) : a < b; });
  return result;
}

bool insideAny(const std::vector<QRect>& areas, int x, int y) {
  return std::any_of(areas.begin(), areas.end(), [&](const QRect& r) { return r.contains(x, y); });
}

}  // namespace

IndexedImage quantise(const QImage& source, const std::vector<QRgb>& fixedColours, int paletteSize,
                      const std::vector<QRect>& ditherAreas) {
  const QImage picture = source.convertToFormat(QImage::Format_RGB32);
  IndexedImage out;
  out.width = picture.width();
  out.height = picture.height();
  out.pixels.assign(static_cast<std::size_t>(out.width * out.height), 0);

  std::map<QRgb, std::size_t> fixedIndex;
  for (QRgb c : fixedColours) {
    c |= 0xFF000000u;
    if (!fixedIndex.count(c)) {
      fixedIndex.emplace(c, out.palette.size());
      out.palette.push_back(c);
    }
  }

  std::map<QRgb, std::int64_t> histogram;
  for (int y = 0; y < out.height; ++y)
    for (int x = 0; x < out.width; ++x) {
      const QRgb c = picture.pixel(x, y);
      if (!fixedIndex.count(c)) ++histogram[c];
    }
  std::vector<Entry> entries;
  for (const auto& [colour, count] : histogram) entries.push_back({colour, count});
  const int free = paletteSize - static_cast<int>(out.palette.size());
  for (QRgb c : medianCut(entries, free)) out.palette.push_back(c);

  NearestColour nearest(out.palette);
  // Floyd-Steinberg error, kept per pixel for the dithered areas only.
  std::vector<std::array<float, 3>> error(static_cast<std::size_t>(out.width * out.height),
                                          {0, 0, 0});
  for (int y = 0; y < out.height; ++y) {
    for (int x = 0; x < out.width; ++x) {
      const auto at = static_cast<std::size_t>(y * out.width + x);
      const QRgb c = picture.pixel(x, y);
      if (auto it = fixedIndex.find(c); it != fixedIndex.end()) {
        out.pixels[at] = static_cast<std::uint8_t>(it->second);
        continue;
      }
      if (!insideAny(ditherAreas, x, y)) {
        out.pixels[at] = nearest(c);
        continue;
      }
      std::array<float, 3> wantedColour{};
      for (int ch = 0; ch < 3; ++ch)
        wantedColour[static_cast<std::size_t>(ch)] =
            std::clamp(static_cast<float>(channel(c, ch)) + error[at][static_cast<std::size_t>(ch)],
                       0.0f, 255.0f);
      const QRgb target =
          qRgb(static_cast<int>(wantedColour[0] + 0.5f), static_cast<int>(wantedColour[1] + 0.5f),
               static_cast<int>(wantedColour[2] + 0.5f));
      const std::uint8_t index = nearest(target);
      out.pixels[at] = index;
      const QRgb got = out.palette[index];
      auto spread = [&](int dx, int dy, float share) {
        const int nx = x + dx;
        const int ny = y + dy;
        if (nx < 0 || nx >= out.width || ny >= out.height || !insideAny(ditherAreas, nx, ny))
          return;
        auto& e = error[static_cast<std::size_t>(ny * out.width + nx)];
        for (int ch = 0; ch < 3; ++ch)
          e[static_cast<std::size_t>(ch)] += share * (wantedColour[static_cast<std::size_t>(ch)] -
                                                      static_cast<float>(channel(got, ch)));
      };
      spread(1, 0, 7.0f / 16);
      spread(-1, 1, 3.0f / 16);
      spread(0, 1, 5.0f / 16);
      spread(1, 1, 1.0f / 16);
    }
  }
  return out;
}

IndexedImage mapToPalette(const QImage& source, const std::vector<QRgb>& palette,
                          int transparentIndex) {
  const QImage picture = source.convertToFormat(QImage::Format_ARGB32);
  IndexedImage out;
  out.width = picture.width();
  out.height = picture.height();
  out.palette = palette;
  out.pixels.assign(static_cast<std::size_t>(out.width * out.height), 0);
  std::vector<QRgb> opaque;
  std::vector<std::uint8_t> opaqueIndex;
  for (std::size_t i = 0; i < palette.size(); ++i)
    if (static_cast<int>(i) != transparentIndex) {
      opaque.push_back(palette[i] | 0xFF000000u);
      opaqueIndex.push_back(static_cast<std::uint8_t>(i));
    }
  NearestColour nearest(opaque);
  for (int y = 0; y < out.height; ++y)
    for (int x = 0; x < out.width; ++x) {
      const QRgb c = picture.pixel(x, y);
      const auto at = static_cast<std::size_t>(y * out.width + x);
      if (transparentIndex >= 0 && qAlpha(c) < 128)
        out.pixels[at] = static_cast<std::uint8_t>(transparentIndex);
      else
        out.pixels[at] = opaqueIndex[nearest(c)];
    }
  return out;
}
