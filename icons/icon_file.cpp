// The icon file format: a directory of images, each a BITMAPINFOHEADER of double height
// (colours, then the mask), a palette for 8 bits per pixel, the colour rows bottom up and the
// transparency mask rows bottom up.
#include "icon_file.h"

#include <fstream>
#include <map>
#include <tuple>

namespace icons {

bool Pixel::operator<(const Pixel& o) const {
  return std::tie(r, g, b, a) < std::tie(o.r, o.g, o.b, o.a);
}

void Image::Put(int x, int y, Pixel p) {
  if (x >= 0 && x < size && y >= 0 && y < size) pixels[static_cast<std::size_t>(y * size + x)] = p;
}

namespace {

using Bytes = std::vector<std::uint8_t>;

void Le(Bytes& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

Bytes Encode(const Image& image, int bits) {
  const int size = image.size;
  std::vector<Pixel> palette;
  std::map<Pixel, int> index;
  if (bits == 8) {
    palette.push_back({});  // transparent pixels, hidden by the mask
    for (const Pixel& p : image.pixels) {
      if (p.a != 0 && index.emplace(p, static_cast<int>(palette.size())).second) {
        palette.push_back(p);
      }
    }
    palette.resize(256);
  }
  const int colourStride = (size * bits / 8 + 3) / 4 * 4;
  const int maskStride = (size + 31) / 32 * 4;
  Bytes out;
  Le(out, 40, 4);
  Le(out, size, 4);
  Le(out, size * 2, 4);
  Le(out, 1, 2);
  Le(out, bits, 2);
  Le(out, 0, 4);
  Le(out, (colourStride + maskStride) * size, 4);
  for (int unused = 0; unused < 4; ++unused) Le(out, 0, 4);
  for (const Pixel& p : palette) out.insert(out.end(), {p.b, p.g, p.r, 0});
  for (int y = size - 1; y >= 0; --y) {
    Bytes row;
    for (int x = 0; x < size; ++x) {
      const Pixel& p = image.At(x, y);
      if (bits == 8)
        row.push_back(p.a != 0 ? static_cast<std::uint8_t>(index[p]) : 0);
      else if (bits == 24)
        row.insert(row.end(), {p.b, p.g, p.r});
      else
        row.insert(row.end(), {p.b, p.g, p.r, p.a});
    }
    row.resize(static_cast<std::size_t>(colourStride), 0);
    out.insert(out.end(), row.begin(), row.end());
  }
  for (int y = size - 1; y >= 0; --y) {
    Bytes mask(static_cast<std::size_t>(maskStride), 0);
    for (int x = 0; x < size; ++x) {
      if (image.At(x, y).a == 0) mask[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
    }
    out.insert(out.end(), mask.begin(), mask.end());
  }
  return out;
}

}  // namespace

bool WriteIcon(const std::string& path, const std::vector<IconImage>& images) {
  std::vector<Bytes> encoded;
  for (const IconImage& i : images) encoded.push_back(Encode(i.image, i.bits));
  Bytes out;
  Le(out, 0, 2);
  Le(out, 1, 2);
  Le(out, static_cast<std::uint32_t>(images.size()), 2);
  std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(images.size());
  for (std::size_t i = 0; i < images.size(); ++i) {
    const auto size = static_cast<std::uint8_t>(images[i].image.size);  // 256 is written as 0
    out.insert(out.end(), {size, size, 0, 0});
    Le(out, 1, 2);
    Le(out, static_cast<std::uint32_t>(images[i].bits), 2);
    Le(out, static_cast<std::uint32_t>(encoded[i].size()), 4);
    Le(out, offset, 4);
    offset += static_cast<std::uint32_t>(encoded[i].size());
  }
  for (const Bytes& data : encoded) out.insert(out.end(), data.begin(), data.end());
  std::ofstream file(path, std::ios::binary);
  file.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
  return static_cast<bool>(file);
}

}  // namespace icons
