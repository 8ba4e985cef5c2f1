// Draws the Today item's three 16x16 icons and writes them as .ico files: the product's
// yellow disc (8 and 32 bits per pixel), the loudspeaker with sound waves and the same
// loudspeaker crossed out in red (24 bits per pixel). Runs on the build machine.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace {

constexpr int kSize = 16;

struct Pixel {
  std::uint8_t r = 0, g = 0, b = 0, a = 0;
  bool operator<(const Pixel& o) const {
    return std::tie(r, g, b, a) < std::tie(o.r, o.g, o.b, o.a);
  }
};
using Image = std::vector<Pixel>;  // row by row from the top

void Put(Image& image, int x, int y, Pixel p) {
  if (x >= 0 && x < kSize && y >= 0 && y < kSize) image[y * kSize + x] = p;
}

Image YellowDisc() {
  Image image(kSize * kSize);
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) {
      const double d = std::hypot(x - 7.5, y - 7.5);
      const double highlight = std::hypot(x - 5.5, y - 5.0);
      if (d <= 6.2)
        Put(image, x, y, highlight < 2.0 ? Pixel{255, 244, 150, 255} : Pixel{255, 212, 0, 255});
      else if (d <= 7.3)
        Put(image, x, y, {196, 140, 0, 255});
    }
  }
  return image;
}

Image Loudspeaker() {
  Image image(kSize * kSize);
  const Pixel body{56, 56, 64, 255};
  for (int y = 6; y <= 9; ++y) {
    for (int x = 1; x <= 3; ++x) Put(image, x, y, body);
  }
  for (int x = 4; x <= 7; ++x) {
    for (int y = 6 - (x - 3); y <= 9 + (x - 3); ++y) Put(image, x, y, body);
  }
  // Two sound waves: arcs around the cone's mouth.
  const Pixel wave{0, 90, 200, 255};
  for (int y = 0; y < kSize; ++y) {
    for (int x = 9; x < kSize; ++x) {
      const double d = std::hypot(x - 7.0, y - 7.5);
      const double angle = std::atan2(std::fabs(y - 7.5), x - 7.0);
      if (angle > 0.95) continue;
      if (std::fabs(d - 3.6) < 0.6 || std::fabs(d - 6.6) < 0.6) Put(image, x, y, wave);
    }
  }
  return image;
}

Image CrossedOut(Image image) {
  const Pixel red{230, 0, 0, 255};
  for (int i = 1; i <= 14; ++i) {
    Put(image, i, i, red);
    Put(image, i + 1, i, red);
    Put(image, 15 - i, i, red);
    Put(image, 14 - i, i, red);
  }
  return image;
}

void Le(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// One icon image: BITMAPINFOHEADER (double height: colours, then the mask), palette,
// colour rows bottom up, then the transparency mask rows bottom up.
std::vector<std::uint8_t> Encode(const Image& image, int bits) {
  std::vector<Pixel> palette;
  std::map<Pixel, int> index;
  if (bits == 8) {
    palette.push_back({});  // transparent pixels, hidden by the mask
    for (const Pixel& p : image) {
      if (p.a != 0 && index.emplace(p, static_cast<int>(palette.size())).second) {
        palette.push_back(p);
      }
    }
    palette.resize(256);
  }
  const int colourStride = (kSize * bits / 8 + 3) / 4 * 4;
  const int maskStride = 4;
  std::vector<std::uint8_t> out;
  Le(out, 40, 4);
  Le(out, kSize, 4);
  Le(out, kSize * 2, 4);
  Le(out, 1, 2);
  Le(out, bits, 2);
  Le(out, 0, 4);
  Le(out, (colourStride + maskStride) * kSize, 4);
  Le(out, 0, 4);
  Le(out, 0, 4);
  Le(out, 0, 4);
  Le(out, 0, 4);
  for (const Pixel& p : palette) {
    out.insert(out.end(), {p.b, p.g, p.r, 0});
  }
  for (int y = kSize - 1; y >= 0; --y) {
    std::vector<std::uint8_t> row;
    for (int x = 0; x < kSize; ++x) {
      const Pixel& p = image[y * kSize + x];
      if (bits == 8)
        row.push_back(p.a != 0 ? static_cast<std::uint8_t>(index[p]) : 0);
      else if (bits == 24)
        row.insert(row.end(), {p.b, p.g, p.r});
      else
        row.insert(row.end(), {p.b, p.g, p.r, p.a});
    }
    row.resize(colourStride, 0);
    out.insert(out.end(), row.begin(), row.end());
  }
  for (int y = kSize - 1; y >= 0; --y) {
    std::uint8_t mask[maskStride] = {};
    for (int x = 0; x < kSize; ++x) {
      if (image[y * kSize + x].a == 0) mask[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
    }
    out.insert(out.end(), mask, mask + maskStride);
  }
  return out;
}

bool WriteIcon(const std::string& path, const Image& image, const std::vector<int>& depths) {
  std::vector<std::vector<std::uint8_t>> images;
  for (int bits : depths) images.push_back(Encode(image, bits));
  std::vector<std::uint8_t> out;
  Le(out, 0, 2);
  Le(out, 1, 2);
  Le(out, static_cast<std::uint32_t>(images.size()), 2);
  std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(images.size());
  for (std::size_t i = 0; i < images.size(); ++i) {
    out.insert(out.end(), {kSize, kSize, 0, 0});
    Le(out, 1, 2);
    Le(out, depths[i], 2);
    Le(out, static_cast<std::uint32_t>(images[i].size()), 4);
    Le(out, offset, 4);
    offset += static_cast<std::uint32_t>(images[i].size());
  }
  for (const auto& data : images) out.insert(out.end(), data.begin(), data.end());
  std::ofstream file(path, std::ios::binary);
  file.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
  return static_cast<bool>(file);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_icons FOLDER\n");
    return 2;
  }
  const std::string folder = argv[1];
  const Image speaker = Loudspeaker();
  const bool written = WriteIcon(folder + "/product.ico", YellowDisc(), {8, 32}) &&
                       WriteIcon(folder + "/reading_on.ico", speaker, {24}) &&
                       WriteIcon(folder + "/reading_off.ico", CrossedOut(speaker), {24});
  if (!written) std::fprintf(stderr, "make_icons: cannot write into %s\n", folder.c_str());
  return written ? 0 : 1;
}
