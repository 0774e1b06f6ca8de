// Draws the four base pictures of the Moon that the main window paints its
// shadow onto: the dark Moon, the first quarter (right half lit), the last
// quarter (left half lit) and the full Moon, at 90 pixels and at the sizes
// that 125 %, 150 % and 200 % screen scaling need. Also draws the picture of
// several phases shown in the README, with the program's own painting.
//
// Usage: make_moon_pictures DATA_FOLDER [DOCS_FOLDER]
// Writes DATA_FOLDER/moon/NAME-SIZE.png (NAME darkmoon, 1stquarter,
// lastquarter, fullmoon) and DOCS_FOLDER/moon-phases.png.
//
// The unlit part of every picture is exactly the shadow colour the window
// paints beyond the terminator and around the disc, so that a crescent reads
// as a crescent. The lit part is the near side as seen from the northern
// hemisphere: bright highlands, the dark maria at their places, a few bright
// young craters, a soft grain and a slight darkening towards the limb.
#include <QColor>
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>

#include "engine/moon_data.h"

namespace {

using vemla::MoonImage;
using vemla::MoonPicture;

// Each patch is an ellipse on the disc: centre (u, v) and half-axes (a, b)
// in units of the radius, u to the right (east on the sky is left) and v up,
// from the selenographic positions of the features projected on the disc.
struct Patch {
    double u, v, a, b, strength;
};

// The maria; strength is how much darker than the highlands they are.
constexpr std::array<Patch, 15> kMaria = {{
    {-0.23, 0.53, 0.31, 0.25, 0.44},   // Imbrium
    {0.27, 0.46, 0.19, 0.18, 0.40},    // Serenitatis
    {0.49, 0.14, 0.25, 0.21, 0.42},    // Tranquillitatis
    {0.81, 0.29, 0.09, 0.14, 0.46},    // Crisium
    {0.72, -0.14, 0.14, 0.21, 0.36},   // Fecunditatis
    {0.55, -0.27, 0.10, 0.11, 0.34},   // Nectaris
    {-0.70, 0.30, 0.24, 0.40, 0.40},   // Oceanus Procellarum, north
    {-0.60, -0.03, 0.22, 0.26, 0.38},  // Oceanus Procellarum, south
    {-0.44, 0.08, 0.17, 0.13, 0.32},   // Insularum
    {-0.25, -0.35, 0.20, 0.15, 0.34},  // Nubium
    {-0.38, -0.18, 0.12, 0.09, 0.30},  // Cognitum
    {-0.57, -0.41, 0.10, 0.11, 0.38},  // Humorum
    {0.02, 0.80, 0.46, 0.07, 0.32},    // Frigoris
    {0.07, 0.22, 0.09, 0.07, 0.28},    // Vaporum
    {0.19, 0.29, 0.08, 0.07, 0.30},    // between Serenitatis and Tranquillitatis
}};

// Bright young craters: a bright spot with a softer halo.
constexpr std::array<Patch, 4> kCraters = {{
    {-0.14, -0.69, 0.035, 0.035, 0.45},  // Tycho
    {-0.34, 0.17, 0.035, 0.035, 0.30},   // Copernicus
    {-0.61, 0.14, 0.025, 0.025, 0.25},   // Kepler
    {-0.67, 0.40, 0.022, 0.022, 0.50},   // Aristarchus
}};

constexpr double kHighland[3] = {224.0, 221.0, 212.0};

double SmoothStep(double edge0, double edge1, double x) {
    const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3.0 - 2.0 * t);
}

// Value noise on a lattice of the disc's coordinates, in -1..1: the same
// grain at every picture size.
double Lattice(int i, int j) {
    uint32_t h = static_cast<uint32_t>(i) * 374761393u + static_cast<uint32_t>(j) * 668265263u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return static_cast<double>(h ^ (h >> 16)) / 2147483648.0 - 1.0;
}

double Noise(double x, double y) {
    const int i = static_cast<int>(std::floor(x)), j = static_cast<int>(std::floor(y));
    const double fx = SmoothStep(0, 1, x - i), fy = SmoothStep(0, 1, y - j);
    const double top = Lattice(i, j) + (Lattice(i + 1, j) - Lattice(i, j)) * fx;
    const double bottom = Lattice(i, j + 1) + (Lattice(i + 1, j + 1) - Lattice(i, j + 1)) * fx;
    return top + (bottom - top) * fy;
}

double Grain(double u, double v) {
    return 0.55 * Noise(u * 6 + 11, v * 6 + 3) + 0.30 * Noise(u * 14 + 5, v * 14 + 17) +
           0.15 * Noise(u * 30 + 23, v * 30 + 7);
}

// Brightness of the lit surface at (u, v) on the unit disc, as a factor of
// the highland colour.
double Surface(double u, double v) {
    // The shores are warped a little, so that the maria are not ellipses,
    // and overlapping maria merge into one dark plain.
    const double wu = u + 0.06 * Noise(u * 4 + 7, v * 4 + 29),
                 wv = v + 0.06 * Noise(u * 4 + 41, v * 4 + 3);
    double clear = 1;
    for (const Patch& p : kMaria) {
        const double q = std::hypot((wu - p.u) / p.a, (wv - p.v) / p.b);
        clear *= 1 - 1.2 * p.strength * SmoothStep(1.15, 0.45, q);
    }
    const double mare = (1 - clear) * (0.9 + 0.1 * Noise(u * 8 + 17, v * 8 + 5));
    double bright = 0;
    for (const Patch& c : kCraters) {
        const double q = std::hypot(u - c.u, v - c.v) / c.a;
        bright = std::max(bright,
                          c.strength * (SmoothStep(1.0, 0.4, q) + 0.35 * SmoothStep(3.0, 1.0, q)));
    }
    const double mu = std::sqrt(std::max(0.0, 1.0 - u * u - v * v));
    const double limb = 0.86 + 0.14 * std::sqrt(mu);
    return std::clamp((1.0 - mare + 0.07 * Grain(u, v)) * limb + bright, 0.0, 1.15);
}

uint32_t Blend(const double lit[3], uint32_t shadow, double share) {
    const double s[3] = {static_cast<double>((shadow >> 16) & 0xFF),
                         static_cast<double>((shadow >> 8) & 0xFF),
                         static_cast<double>(shadow & 0xFF)};
    int c[3];
    for (int k = 0; k < 3; ++k)
        c[k] =
            static_cast<int>(std::lround(std::clamp(s[k] + (lit[k] - s[k]) * share, 0.0, 255.0)));
    return vemla::Rgb(c[0], c[1], c[2]);
}

// A base picture in the geometry the painting rules use (centre x0, y0,
// radius r = x0): lit pixels on the lit side, the shadow colour elsewhere,
// the limb softened into the shadow colour over its last pixel.
MoonImage BasePicture(MoonPicture picture, int size, uint32_t shadow) {
    MoonImage image{size, size, std::vector<uint32_t>(static_cast<size_t>(size) * size, shadow)};
    const vemla::MoonDisc disc = vemla::MoonDiscOf(size, size);
    if (picture == MoonPicture::kDark || disc.r <= 0) return image;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const bool lit = picture == MoonPicture::kFull ||
                             (picture == MoonPicture::kWaxingHalf) == (x >= disc.x0);
            const int64_t dx = x - disc.x0, dy = disc.y0 - y;
            if (!lit || dx * dx + dy * dy > disc.r2) continue;
            const double u = static_cast<double>(dx) / disc.r, v = static_cast<double>(dy) / disc.r;
            const double brightness = Surface(u, v);
            const double colour[3] = {kHighland[0] * brightness, kHighland[1] * brightness,
                                      kHighland[2] * brightness};
            const double edge = std::clamp(
                disc.r + 0.5 - std::sqrt(static_cast<double>(dx * dx + dy * dy)), 0.0, 1.0);
            image.pixels[static_cast<size_t>(y) * size + x] = Blend(colour, shadow, edge);
        }
    }
    return image;
}

QImage ToQImage(const MoonImage& image) {
    QImage out(image.width, image.height, QImage::Format_RGB32);
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) out.setPixel(x, y, 0xFF000000u | image.at(x, y));
    return out;
}

const char* FileStem(MoonPicture picture) {
    switch (picture) {
        case MoonPicture::kDark:
            return "darkmoon";
        case MoonPicture::kWaxingHalf:
            return "1stquarter";
        case MoonPicture::kWaningHalf:
            return "lastquarter";
        case MoonPicture::kFull:
            return "fullmoon";
    }
    return "";
}

// Waxing crescent, first quarter, waxing gibbous, full, waning gibbous, last
// quarter and waning crescent, as the window draws them at 150 % scaling.
bool DrawPhases(const QString& file) {
    struct Phase {
        double f;
        bool waxing;
        const char* name;
    };
    const Phase phases[] = {{0.12, true, "crescent"}, {0.5, true, "half"},
                            {0.8, true, "gibbous"},   {1.0, true, "full"},
                            {0.8, false, "gibbous"},  {0.5, false, "half"},
                            {0.12, false, "crescent"}};
    constexpr int kSize = 135, kGap = 12, kLabel = 22;
    QImage strip(7 * kSize + 8 * kGap, kSize + 2 * kGap + kLabel, QImage::Format_RGB32);
    strip.fill(QColor(239, 239, 239));
    QPainter painter(&strip);
    QFont font = painter.font();
    font.setPixelSize(14);
    painter.setFont(font);
    int x = kGap;
    for (const Phase& p : phases) {
        const vemla::MoonDrawing drawing = vemla::MoonDrawingOf(p.f, p.waxing);
        MoonImage moon = BasePicture(drawing.picture, kSize, vemla::kMoonShadowColour);
        vemla::PaintOutsideDisc(moon, vemla::kMoonShadowColour);
        vemla::PaintTerminator(moon, drawing, vemla::kMoonShadowColour);
        painter.drawImage(x, kGap, ToQImage(moon));
        const QString label = QString("%1 %2%").arg(p.name).arg(qRound(p.f * 100));
        painter.drawText(QRect(x, kGap + kSize + 4, kSize, kLabel), Qt::AlignHCenter | Qt::AlignTop,
                         label);
        x += kSize + kGap;
    }
    painter.end();
    return strip.save(file, "PNG");
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: make_moon_pictures DATA_FOLDER [DOCS_FOLDER]\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]) + "/moon";
    QDir().mkpath(folder);
    for (int size : {90, 113, 135, 180}) {
        for (MoonPicture picture : {MoonPicture::kDark, MoonPicture::kWaxingHalf,
                                    MoonPicture::kWaningHalf, MoonPicture::kFull}) {
            const QString file = QString("%1/%2-%3.png").arg(folder, FileStem(picture)).arg(size);
            if (!ToQImage(BasePicture(picture, size, vemla::kMoonShadowColour)).save(file, "PNG")) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
                return 1;
            }
        }
    }
    if (argc > 2 && !DrawPhases(QString::fromLocal8Bit(argv[2]) + "/moon-phases.png")) {
        std::fprintf(stderr, "cannot write the phases\n");
        return 1;
    }
    return 0;
}
