// Draws the glassware picture that the photo window recolours and writes it as a JPEG.
//
// Usage: make_apparatus OUT.jpg
//
// The photo window looks for pixels that decode to exactly (0, 0, 254), which is what a flat area of
// pure blue comes back as from libjpeg at this quality. So the liquid is kept in large flat areas whose
// walls and surfaces sit on the 8-pixel block grid where they can: a block that holds only liquid
// carries no ringing, and only the blocks along the outlines lose the exact colour.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdio>
#include <string_view>
#include <vector>

// jpeglib.h uses size_t and FILE without including their headers itself.
#include <jpeglib.h>

namespace {

constexpr int ImageWidth = 280;
constexpr int ImageHeight = 500;
constexpr int Quality = 100; // the near-blue fringe along curved walls stays one or two pixels thin
constexpr int SamplesPerAxis = 4;
constexpr double WallThickness = 3.0;

struct Rgb {
    int r, g, b;
};

constexpr Rgb White { 255, 255, 255 };
constexpr Rgb Black { 0, 0, 0 };
constexpr Rgb Liquid { 0, 0, 255 };

struct Point {
    double x, y;
};

// Signed distances: negative inside a shape, zero on its edge. The glass is the union of its parts
// (the minimum of their distances), so one wall band traces the joins between bulbs and tubes cleanly.
double Circle(Point p, Point centre, double radius) { return std::hypot(p.x - centre.x, p.y - centre.y) - radius; }

double Box(Point p, double left, double top, double right, double bottom)
{
    const double dx = std::max(left - p.x, p.x - right);
    const double dy = std::max(top - p.y, p.y - bottom);
    return std::hypot(std::max(dx, 0.0), std::max(dy, 0.0)) + std::min(std::max(dx, dy), 0.0);
}

double Stroke(Point p, Point a, Point b, double halfWidth)
{
    const double vx = b.x - a.x, vy = b.y - a.y;
    const double t = std::clamp(((p.x - a.x) * vx + (p.y - a.y) * vy) / (vx * vx + vy * vy), 0.0, 1.0);
    return std::hypot(p.x - (a.x + t * vx), p.y - (a.y + t * vy)) - halfWidth;
}

bool InTriangle(Point p, Point a, Point b, Point c)
{
    auto side = [p](Point u, Point v) { return (v.x - u.x) * (p.y - u.y) - (v.y - u.y) * (p.x - u.x); };
    const double s1 = side(a, b), s2 = side(b, c), s3 = side(c, a);
    return (s1 >= 0 && s2 >= 0 && s3 >= 0) || (s1 <= 0 && s2 <= 0 && s3 <= 0);
}

// 5 x 7 glyphs for the few letters the drawing needs, one string per row.
struct Glyph {
    char letter;
    std::array<std::string_view, 7> rows;
};

constexpr std::array Font {
    Glyph { 'A', { "01110", "10001", "10001", "11111", "10001", "10001", "10001" } },
    Glyph { 'B', { "11110", "10001", "10001", "11110", "10001", "10001", "11110" } },
    Glyph { 'C', { "01110", "10001", "10000", "10000", "10000", "10001", "01110" } },
    Glyph { 'D', { "11100", "10010", "10001", "10001", "10001", "10010", "11100" } },
    Glyph { 'E', { "11111", "10000", "10000", "11110", "10000", "10000", "11111" } },
    Glyph { 'P', { "11110", "10001", "10001", "11110", "10000", "10000", "10000" } },
    Glyph { 'a', { "00000", "00000", "01110", "00001", "01111", "10001", "01111" } },
    Glyph { 'b', { "10000", "10000", "10110", "11001", "10001", "10001", "11110" } },
    Glyph { 'e', { "00000", "00000", "01110", "10001", "11111", "10000", "01110" } },
    Glyph { 'r', { "00000", "00000", "10110", "11001", "10000", "10000", "10000" } },
    Glyph { 's', { "00000", "00000", "01111", "10000", "01110", "00001", "11110" } },
};

struct Caption {
    std::string_view text;
    int left, top, scale;
};

constexpr std::array Captions {
    Caption { "Press", 4, 82, 2 },
    Caption { "D", 60, 8, 3 },
    Caption { "E", 178, 35, 3 },
    Caption { "a", 122, 61, 2 },
    Caption { "A", 93, 115, 3 },
    Caption { "b", 122, 171, 2 },
    Caption { "B", 64, 300, 3 },
    Caption { "C", 197, 284, 3 },
};

bool InCaption(Point p, const Caption& caption)
{
    const int advance = 6 * caption.scale;
    const double dx = p.x - caption.left, dy = p.y - caption.top;
    if (dx < 0 || dy < 0 || dy >= 7 * caption.scale || dx >= advance * static_cast<double>(caption.text.size()))
        return false;
    const auto index = static_cast<std::size_t>(dx / advance);
    const auto column = static_cast<std::size_t>((dx - static_cast<double>(index * advance)) / caption.scale);
    const auto row = static_cast<std::size_t>(dy / caption.scale);
    if (column >= 5)
        return false;
    for (const Glyph& glyph : Font) {
        if (glyph.letter == caption.text[index])
            return glyph.rows[row][column] == '1';
    }
    return false;
}

// Where the glassware sits. Tube B and the rising arm under bulb C have their insides on whole blocks
// (x 88..111 and 192..215), and both liquid surfaces lie on block rows (y 248 and 312).
constexpr double StemX = 100;
constexpr double ArmX = 204;
constexpr double BendY = 410;
constexpr double TubeHalf = 12;
constexpr double TopTubeY = 45;
constexpr double OpenEndX = 170;
constexpr double OpenTopY = 150;
constexpr double LevelB = 248;
constexpr Point BulbA { StemX, 125 };
constexpr Point BulbC { ArmX, 312 };

double BendDistance(Point p)
{
    if (p.y < BendY)
        return 1e9;
    const double radius = (ArmX - StemX) / 2;
    return std::abs(std::hypot(p.x - (StemX + radius), p.y - BendY) - radius) - TubeHalf;
}

double GlassDistance(Point p)
{
    const double parts[] = {
        Box(p, 60, TopTubeY - 4, 400, TopTubeY + 4), // the cross tube, cut off at E
        Box(p, StemX - 4, TopTubeY - 4, StemX + 4, 100), // neck with mark a
        Circle(p, BulbA, 36), // bulb A
        Box(p, StemX - 4, 150, StemX + 4, 196), // neck with mark b
        Box(p, StemX - TubeHalf, 192, StemX + TubeHalf, BendY), // tube B
        BendDistance(p), // the U-bend
        Box(p, ArmX - TubeHalf, 340, ArmX + TubeHalf, BendY), // arm rising to bulb C
        Circle(p, BulbC, 46), // reservoir bulb C
        Box(p, ArmX - 6, -100, ArmX + 6, 280), // the open tube above C, cut off at its top
    };
    return *std::min_element(std::begin(parts), std::end(parts));
}

bool IsOpenEnd(Point p)
{
    return (p.x > OpenEndX && std::abs(p.y - TopTubeY) < 10) || (p.y < OpenTopY && std::abs(p.x - ArmX) < 10);
}

bool IsInk(Point p)
{
    if (std::any_of(Captions.begin(), Captions.end(), [p](const Caption& c) { return InCaption(p, c); }))
        return true;

    // Rubber tubing coming in from the corner and slipped over the end of the glass cross tube.
    if (Stroke(p, { -5, 14 }, { 26, TopTubeY }, 8) < 0 || Stroke(p, { 26, TopTubeY }, { 80, TopTubeY }, 8) < 0)
        return true;

    // Screw clamp D around the tubing: a frame, its screw and the wing on top.
    const double frame = Box(p, 38, 28, 54, 62);
    if ((frame < 0 && frame > -3) || Box(p, 45, 16, 47, 28) < 0 || Box(p, 40, 13, 52, 16) < 0)
        return true;

    // The arrow that shows which way to press the gas in.
    if (Stroke(p, { 6, 72 }, { 50, 72 }, 1.5) < 0 || InTriangle(p, { 48, 65 }, { 62, 72 }, { 48, 79 }))
        return true;

    // Marks a and b on the narrow necks above and below bulb A.
    return Box(p, StemX + 4, 69, StemX + 18, 71) < 0 || Box(p, StemX + 4, 177, StemX + 18, 179) < 0;
}

Rgb ColourAt(Point p)
{
    if (IsInk(p))
        return Black;
    if (IsOpenEnd(p))
        return White;
    const double distance = GlassDistance(p);
    if (distance >= WallThickness)
        return White;
    if (distance >= 0)
        return Black;
    const bool wet = p.x < (StemX + ArmX) / 2 ? p.y >= LevelB : p.y >= BulbC.y;
    return wet ? Liquid : White;
}

std::vector<JSAMPLE> Draw()
{
    std::vector<JSAMPLE> pixels;
    pixels.reserve(std::size_t { ImageWidth } * ImageHeight * 3);
    constexpr int samples = SamplesPerAxis * SamplesPerAxis;
    for (int y = 0; y < ImageHeight; ++y) {
        for (int x = 0; x < ImageWidth; ++x) {
            // Averaging sub-samples smooths the outlines; a pixel wholly inside the liquid stays pure blue.
            int r = 0, g = 0, b = 0;
            for (int j = 0; j < SamplesPerAxis; ++j) {
                for (int i = 0; i < SamplesPerAxis; ++i) {
                    const Rgb c = ColourAt({ x + (i + 0.5) / SamplesPerAxis, y + (j + 0.5) / SamplesPerAxis });
                    r += c.r;
                    g += c.g;
                    b += c.b;
                }
            }
            pixels.push_back(static_cast<JSAMPLE>((r + samples / 2) / samples));
            pixels.push_back(static_cast<JSAMPLE>((g + samples / 2) / samples));
            pixels.push_back(static_cast<JSAMPLE>((b + samples / 2) / samples));
        }
    }
    return pixels;
}

void WriteJpeg(std::FILE* out, std::vector<JSAMPLE>& pixels)
{
    jpeg_compress_struct cinfo {};
    jpeg_error_mgr jerr {};
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, out);

    cinfo.image_width = ImageWidth;
    cinfo.image_height = ImageHeight;
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, Quality, TRUE);

    cinfo.write_JFIF_header = TRUE;
    cinfo.JFIF_major_version = 1;
    cinfo.JFIF_minor_version = 2;
    cinfo.density_unit = 1;
    cinfo.X_density = 72;
    cinfo.Y_density = 72;

    // Full-resolution chroma: subsampled chroma would bleed the black outlines into the liquid's colour.
    for (int i = 0; i < cinfo.num_components; ++i) {
        cinfo.comp_info[i].h_samp_factor = 1;
        cinfo.comp_info[i].v_samp_factor = 1;
    }

    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = &pixels[std::size_t { cinfo.next_scanline } * ImageWidth * 3];
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUT.jpg\n", argv[0]);
        return 2;
    }
    std::FILE* out = std::fopen(argv[1], "wb");
    if (!out) {
        std::perror(argv[1]);
        return 1;
    }
    std::vector<JSAMPLE> pixels = Draw();
    WriteJpeg(out, pixels);
    if (std::fclose(out) != 0) {
        std::perror(argv[1]);
        return 1;
    }
    return 0;
}
