// What the main window shows about the Moon for the displayed moment: the
// lunation and the Moon's age, the phase with its illuminated share, and a
// picture of the disc with its shadow.
//
// Everything here returns values; the application layer puts the texts into
// its labels, shows the picture and, when no phase was found, words that in
// a message.
//
// Pictures are plain buffers. Pixel (x, y) has x growing to the right and y
// growing downwards from the top-left corner, and is stored at
// pixels[y * width + x] as 0x00RRGGBB (the top byte is always zero and means
// nothing; there is no transparency).
//
// Disc geometry, shared by the generated pictures and by all painting:
// x0 = width / 2 and y0 = height / 2 + 1 (integer division), r = x0. A pixel
// lies outside the disc when (x - x0)^2 + (y0 - y)^2 > r^2. The right half
// of a picture is the columns x >= x0 (the centre column belongs to it), the
// left half the columns x < x0.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/lunar_phases.h"
#include "engine/result.h"

namespace vemla {

inline constexpr uint32_t Rgb(int red, int green, int blue) {
    return (static_cast<uint32_t>(red & 0xFF) << 16) | (static_cast<uint32_t>(green & 0xFF) << 8) |
           static_cast<uint32_t>(blue & 0xFF);
}

// The shadow colour the main window always uses.
inline constexpr uint32_t kMoonShadowColour = Rgb(192, 0, 0);

// Size of the main window's moon picture.
inline constexpr int kMoonPictureSize = 90;

struct MoonImage {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;  // row-major, 0x00RRGGBB

    uint32_t at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

struct MoonDisc {
    int x0 = 0;
    int y0 = 0;
    int r = 0;
    int64_t r2 = 0;
};

MoonDisc MoonDiscOf(int width, int height);

// The four base pictures: a dark disc, the right half lit (first quarter),
// the left half lit (last quarter) and the full disc.
enum class MoonPicture { kDark, kFirstQuarter, kLastQuarter, kFull };

// The file names the pictures have traditionally been kept under
// ("darkmoon.bmp", "1stquarter.bmp", "lastquarter.bmp", "fullmoon.bmp").

// How the shadow is drawn over the base picture.
enum class MoonPainting {
    kNone,      // the base picture as it is
    kCrescent,  // the lit half's pixels strictly inside the terminator ellipse are shadowed
    kGibbous,   // the dark side's half outside (or on) the terminator ellipse is shadowed
};

struct MoonDrawing {
    MoonPicture picture = MoonPicture::kDark;
    MoonPainting painting = MoonPainting::kNone;
    double d = 0.0;      // horizontal semi-axis of the terminator, as a share of r: |2f - 1|
    bool waxing = true;  // decides which half kCrescent / kGibbous work on
};

// The label text and picture for an illuminated share f (0..1).
struct MoonPhaseView {
    double f = 0.0;
    bool waxing = true;
    std::string label;  // e.g. "Crescent moon (waxing), 23.4%"
    MoonDrawing drawing;
};

struct MoonDisplayData {
    int32_t lunation = 0;
    double age = 0.0;             // days since the dark moon that began the lunation
    double lunation_share = 0.0;  // percent of the lunation passed
    std::string age_label;        // e.g. "[301] 5 days, 1 hr, 12 mins (17.1%)"
    // The phase's label and picture, or why no phase of the lunation was
    // found; the phase label and picture are then to be left as they were.
    Result<MoonPhaseView, PhaseError> view = MoonPhaseView{};
};

// Moments (AJD, Universal Time) of the four phases of lunation k and of the
// dark moon that ends it.
struct LunationMoments {
    int32_t k = 0;
    double phase[4] = {0.0, 0.0, 0.0, 0.0};
    double next_dark = 0.0;
};

// "5 days, 1 hr, 12 mins": whole days, hours and minutes, each cut down
// rather than rounded. Empty for a non-finite age.
std::string AgeText(double age_days);

// "Full moon, 100.0%", "Half moon (waxing), 50.0%" ...
std::string PhaseLabelText(double f, bool waxing);

// Which picture shows the share f, and how its shadow is painted.
MoonDrawing MoonDrawingOf(double f, bool waxing);

// Label and picture for the share f: the whole of what the phase display needs.
MoonPhaseView PhaseViewOf(double f, bool waxing);

// The illuminated share at `ajd` once `phase` (0..3) is known to be the last
// phase of the lunation passed: linear between the phase moments, 0 at the
// dark moon, 0.5 at the quarters and 1 at the full moon.
double IlluminatedShare(double ajd, const LunationMoments& moments, int phase);

// The moon data for `ajd`, given the moments of its lunation and what
// GetPhase answered for it.
MoonDisplayData MoonDataFor(double ajd, const LunationMoments& moments,
                            const Result<PhaseFound, PhaseError>& phase);

// The moon data for `ajd` (AJD, Universal Time), with the lunation and its
// phases worked out by the lunar phase routines.
MoonDisplayData ComputeMoonData(double ajd);

// A base picture of the given size: the disc on a black ground, lit parts in
// soft whites darkening towards the limb, the unlit part dark grey. An empty
// image for a size below 1.
MoonImage MakeMoonPicture(MoonPicture picture, int width = kMoonPictureSize,
                          int height = kMoonPictureSize);

// Paints every pixel outside the disc with the shadow colour.
void PaintOutsideDisc(MoonImage& image, uint32_t shadow);

// Paints the shadow of `drawing` onto a base picture (kNone leaves it alone).
void PaintTerminator(MoonImage& image, const MoonDrawing& drawing, uint32_t shadow);

// A base picture with the outside of its disc in the shadow colour.
MoonImage LoadMoonPicture(MoonPicture picture, uint32_t shadow, int width = kMoonPictureSize,
                          int height = kMoonPictureSize);

// The finished picture for a drawing: LoadMoonPicture, then the terminator.
MoonImage DrawMoon(const MoonDrawing& drawing, uint32_t shadow, int width = kMoonPictureSize,
                   int height = kMoonPictureSize);

}  // namespace vemla
