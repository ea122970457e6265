// Draws the menu window's icon, three overlapping discs of red, green and blue light on black with
// their mixes where they overlap, and writes it as a 32 x 32, 16-colour Windows icon.
//
// Usage: make_icon OUT.ico

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <vector>

namespace {

constexpr int Size = 32;

// The standard 16-colour VGA palette in its usual order, as red, green, blue.
constexpr std::array<std::array<std::uint8_t, 3>, 16> Palette { {
    { 0x00, 0x00, 0x00 },
    { 0x80, 0x00, 0x00 },
    { 0x00, 0x80, 0x00 },
    { 0x80, 0x80, 0x00 },
    { 0x00, 0x00, 0x80 },
    { 0x80, 0x00, 0x80 },
    { 0x00, 0x80, 0x80 },
    { 0xC0, 0xC0, 0xC0 },
    { 0x80, 0x80, 0x80 },
    { 0xFF, 0x00, 0x00 },
    { 0x00, 0xFF, 0x00 },
    { 0xFF, 0xFF, 0x00 },
    { 0x00, 0x00, 0xFF },
    { 0xFF, 0x00, 0xFF },
    { 0x00, 0xFF, 0xFF },
    { 0xFF, 0xFF, 0xFF },
} };

// Palette index for each mix of lights, indexed by the bits red 1, green 2, blue 4. Every mix of the
// full-strength primaries is itself one of the sixteen colours, so the icon needs no dithering.
constexpr std::array<std::uint8_t, 8> MixIndex { 0, 9, 10, 11, 12, 13, 14, 15 };

struct Pixel {
    std::uint8_t index;
    bool transparent;
};

bool Within(double x, double y, double cx, double cy, double radius) { return std::hypot(x - cx, y - cy) < radius; }

// Rows top to bottom. The discs sit on an equilateral triangle around the centre; the black ground is a
// rounded square so the white middle still stands out on a light title bar.
std::vector<Pixel> Draw()
{
    constexpr double radius = 8.5;
    constexpr double side = 10.0;
    const double height = side * std::sqrt(3.0) / 2;
    constexpr double cx = 16.0, cy = 17.0;
    const double top = cy - 2 * height / 3, bottom = cy + height / 3;
    constexpr double corner = 5.0;

    std::vector<Pixel> pixels;
    for (int row = 0; row < Size; ++row) {
        for (int column = 0; column < Size; ++column) {
            const double x = column + 0.5, y = row + 0.5;
            const double kx = std::max(std::abs(x - 16.0) - (16.0 - corner), 0.0);
            const double ky = std::max(std::abs(y - 16.0) - (16.0 - corner), 0.0);
            if (std::hypot(kx, ky) > corner) {
                pixels.push_back({ 0, true });
                continue;
            }
            const int lights = (Within(x, y, cx, top, radius) ? 1 : 0)
                | (Within(x, y, cx - side / 2, bottom, radius) ? 2 : 0)
                | (Within(x, y, cx + side / 2, bottom, radius) ? 4 : 0);
            pixels.push_back({ MixIndex[static_cast<std::size_t>(lights)], false });
        }
    }
    return pixels;
}

void Put16(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

std::vector<std::uint8_t> Encode(const std::vector<Pixel>& pixels)
{
    constexpr std::uint32_t colourRowBytes = Size / 2; // two pixels a byte, already a multiple of four
    constexpr std::uint32_t maskRowBytes = Size / 8;
    constexpr std::uint32_t headerBytes = 40;
    constexpr std::uint32_t paletteBytes = 16 * 4;
    constexpr std::uint32_t bitmapBytes = (colourRowBytes + maskRowBytes) * Size;
    constexpr std::uint32_t imageBytes = headerBytes + paletteBytes + bitmapBytes;
    constexpr std::uint32_t directoryBytes = 6 + 16;

    std::vector<std::uint8_t> out;
    Put16(out, 0); // reserved
    Put16(out, 1); // type: icon
    Put16(out, 1); // one image
    out.push_back(Size);
    out.push_back(Size);
    out.push_back(16); // colours in the palette
    out.push_back(0);
    Put16(out, 1); // planes
    Put16(out, 4); // bits per pixel
    Put32(out, imageBytes);
    Put32(out, directoryBytes);

    // The bitmap header counts the colour bitmap and the transparency mask together, hence twice the height.
    Put32(out, headerBytes);
    Put32(out, Size);
    Put32(out, 2 * Size);
    Put16(out, 1);
    Put16(out, 4);
    Put32(out, 0); // uncompressed
    Put32(out, bitmapBytes);
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, 16);
    Put32(out, 0);
    for (const auto& [r, g, b] : Palette) {
        out.push_back(b);
        out.push_back(g);
        out.push_back(r);
        out.push_back(0);
    }

    // Both bitmaps run bottom-up, leftmost pixel in the high bits.
    for (int row = Size - 1; row >= 0; --row) {
        for (int column = 0; column < Size; column += 2) {
            const std::size_t at = static_cast<std::size_t>(row * Size + column);
            out.push_back(static_cast<std::uint8_t>(pixels[at].index << 4 | pixels[at + 1].index));
        }
    }
    for (int row = Size - 1; row >= 0; --row) {
        for (int column = 0; column < Size; column += 8) {
            std::uint8_t bits = 0;
            for (int bit = 0; bit < 8; ++bit) {
                if (pixels[static_cast<std::size_t>(row * Size + column + bit)].transparent)
                    bits = static_cast<std::uint8_t>(bits | 0x80 >> bit);
            }
            out.push_back(bits);
        }
    }
    return out;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: " << argv[0] << " OUT.ico\n";
        return 2;
    }
    const std::vector<std::uint8_t> bytes = Encode(Draw());
    std::ofstream out(argv[1], std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        std::cerr << argv[0] << ": cannot write " << argv[1] << '\n';
        return 1;
    }
    return 0;
}
