// Draws the icons of the programs and writes them as icon files into a folder. The Today item's
// three 16x16 icons: the product's yellow disc (8 and 32 bits per pixel), the loudspeaker with
// sound waves and the same loudspeaker crossed out in red (24 bits per pixel). The
// configuration program's window icon: a loudspeaker on a blue square (32x32 and 16x16, 32 bits
// per pixel). Runs on the build machine.
#include <cmath>
#include <cstdio>
#include <numbers>
#include <string>

#include "icon_file.h"

namespace {

using icons::Image;
using icons::Pixel;

Image YellowDisc() {
  Image image(16);
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      const double d = std::hypot(x - 7.5, y - 7.5);
      const double highlight = std::hypot(x - 5.5, y - 5.0);
      if (d <= 6.2)
        image.Put(x, y, highlight < 2.0 ? Pixel{255, 244, 150, 255} : Pixel{255, 212, 0, 255});
      else if (d <= 7.3)
        image.Put(x, y, {196, 140, 0, 255});
    }
  }
  return image;
}

Image Loudspeaker() {
  Image image(16);
  const Pixel body{56, 56, 64, 255};
  for (int y = 6; y <= 9; ++y) {
    for (int x = 1; x <= 3; ++x) image.Put(x, y, body);
  }
  for (int x = 4; x <= 7; ++x) {
    for (int y = 6 - (x - 3); y <= 9 + (x - 3); ++y) image.Put(x, y, body);
  }
  // Two sound waves: arcs around the cone's mouth.
  const Pixel wave{0, 90, 200, 255};
  for (int y = 0; y < 16; ++y) {
    for (int x = 9; x < 16; ++x) {
      const double d = std::hypot(x - 7.0, y - 7.5);
      const double angle = std::atan2(std::fabs(y - 7.5), x - 7.0);
      if (angle > 0.95) continue;
      if (std::fabs(d - 3.6) < 0.6 || std::fabs(d - 6.6) < 0.6) image.Put(x, y, wave);
    }
  }
  return image;
}

Image CrossedOut(Image image) {
  const Pixel red{230, 0, 0, 255};
  for (int i = 1; i <= 14; ++i) {
    image.Put(i, i, red);
    image.Put(i + 1, i, red);
    image.Put(15 - i, i, red);
    image.Put(14 - i, i, red);
  }
  return image;
}

// The configuration program's icon, on a 32-unit square: 0 outside, 1 on the blue square,
// 2 on the white loudspeaker or its sound wave.
int ConfigIconShape(double x, double y) {
  const double dx = std::fmax(std::fabs(x - 16) - 10, 0), dy = std::fmax(std::fabs(y - 16) - 10, 0);
  if (std::hypot(dx, dy) > 6) return 0;
  // The loudspeaker: a box and its cone, symmetric about y = 16.5.
  const double h = std::fabs(y - 16.5);
  if ((x >= 5.5 && x <= 10.5 && h <= 4) || (x >= 10.5 && x <= 17.5 && h <= 4 + (x - 10.5)))
    return 2;
  // The sound wave: an arc of width 2 around (18.5, 16.5), 60 degrees either side.
  const double d = std::hypot(x - 18.5, y - 16.5);
  const bool onWave = std::fabs(d - 6) <= 1 &&
                      std::fabs(std::atan2(y - 16.5, x - 18.5)) <= std::numbers::pi / 3;
  return onWave ? 2 : 1;
}

// Draws the configuration program's icon at a size, each pixel the mean of 4x4 samples.
Image ConfigIcon(int size) {
  constexpr int kSamples = 4;
  const Pixel colours[] = {{}, {31, 95, 191, 255}, {255, 255, 255, 255}};
  Image image(size);
  const double unit = 32.0 / size;
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      int r = 0, g = 0, b = 0, covered = 0;
      for (int sy = 0; sy < kSamples; ++sy) {
        for (int sx = 0; sx < kSamples; ++sx) {
          const int shape = ConfigIconShape((x + (sx + 0.5) / kSamples) * unit,
                                            (y + (sy + 0.5) / kSamples) * unit);
          if (shape == 0) continue;
          r += colours[shape].r, g += colours[shape].g, b += colours[shape].b, ++covered;
        }
      }
      if (covered == 0) continue;
      const auto mean = [covered](int sum) { return static_cast<std::uint8_t>(sum / covered); };
      image.Put(x, y, {mean(r), mean(g), mean(b),
                       static_cast<std::uint8_t>(covered * 255 / (kSamples * kSamples))});
    }
  }
  return image;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_icons FOLDER\n");
    return 2;
  }
  const std::string folder = argv[1];
  const Image disc = YellowDisc(), speaker = Loudspeaker(), crossed = CrossedOut(speaker);
  const Image config32 = ConfigIcon(32), config16 = ConfigIcon(16);
  const bool written = icons::WriteIcon(folder + "/product.ico", {{disc, 8}, {disc, 32}}) &&
                       icons::WriteIcon(folder + "/reading_on.ico", {{speaker, 24}}) &&
                       icons::WriteIcon(folder + "/reading_off.ico", {{crossed, 24}}) &&
                       icons::WriteIcon(folder + "/lectavo_config.ico",
                                        {{config32, 32}, {config16, 32}});
  if (!written) std::fprintf(stderr, "make_icons: cannot write into %s\n", folder.c_str());
  return written ? 0 : 1;
}
