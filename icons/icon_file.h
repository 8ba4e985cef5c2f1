// Square images of an icon and their writing as a Windows icon file (.ico), on the build
// machine.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace icons {

struct Pixel {
  std::uint8_t r = 0, g = 0, b = 0, a = 0;  // a = 0: transparent
  bool operator<(const Pixel& o) const;
};

struct Image {
  explicit Image(int size) : size(size), pixels(static_cast<std::size_t>(size * size)) {}
  int size;
  std::vector<Pixel> pixels;  // row by row from the top
  const Pixel& At(int x, int y) const { return pixels[static_cast<std::size_t>(y * size + x)]; }
  // Pixels outside the image are left out.
  void Put(int x, int y, Pixel p);
};

// One image of an icon file at a colour depth: 8 (a palette of the image's own colours), 24 or
// 32 (with alpha) bits per pixel.
struct IconImage {
  const Image& image;
  int bits;
};

// Writes the images into one icon file; false when the file cannot be written.
bool WriteIcon(const std::string& path, const std::vector<IconImage>& images);

}  // namespace icons
