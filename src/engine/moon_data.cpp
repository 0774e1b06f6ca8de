// Texts and pictures of the moon display. Nothing here asks for the moments
// of the phases; ComputeMoonData (moon_data_lunation.cpp) does that and hands
// them to MoonDataFor.
#include "engine/moon_data.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace vemla {

namespace {

// A number with one decimal, halves away from zero, always with ".".
std::string OneDecimal(double v) {
    if (!std::isfinite(v) || std::fabs(v) >= 1e15) {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%.1f", v);
        return buffer;
    }
    int64_t tenths = static_cast<int64_t>(std::round(v * 10.0));
    std::string text = tenths < 0 ? "-" : "";
    tenths = tenths < 0 ? -tenths : tenths;
    text += std::to_string(tenths / 10);
    text += '.';
    text += static_cast<char>('0' + tenths % 10);
    return text;
}

std::string CountText(int64_t n, const char* unit) {
    std::string text = std::to_string(n);
    text += ' ';
    text += unit;
    if (n != 1) text += 's';
    return text;
}

uint32_t Grey(double level) {
    int v = static_cast<int>(std::lround(std::clamp(level, 0.0, 255.0)));
    return Rgb(v, v, v);
}

}  // namespace

MoonDisc MoonDiscOf(int width, int height) {
    MoonDisc disc;
    disc.x0 = width / 2;
    disc.y0 = height / 2 + 1;
    disc.r = disc.x0;
    disc.r2 = static_cast<int64_t>(disc.r) * disc.r;
    return disc;
}

std::string AgeText(double age_days) {
    if (!std::isfinite(age_days)) return "";
    // Beyond this the parts no longer fit the integers; no lunation is that old.
    age_days = std::clamp(age_days, -1e15, 1e15);
    double d = std::floor(age_days);
    double h = std::floor((age_days - d) * 24.0);
    double m = std::floor((age_days - d - h / 24.0) * 24.0 * 60.0);
    return CountText(static_cast<int64_t>(d), "day") + ", " +
           CountText(static_cast<int64_t>(h), "hr") + ", " +
           CountText(static_cast<int64_t>(m), "min");
}

std::string PhaseLabelText(double f, bool waxing) {
    double p = 100.0 * f;
    std::string text;
    if (p < 1.0)
        text = "Dark moon";
    else if (p < 45.0)
        text = "Crescent moon";
    else if (p < 55.0)
        text = "Half moon";
    else if (p < 99.0)
        text = "Gibbous moon";
    else
        text = "Full moon";
    if (p >= 0.05 && p <= 99.95) text += waxing ? " (waxing)" : " (waning)";
    return text + ", " + OneDecimal(p) + "%";
}

MoonDrawing MoonDrawingOf(double f, bool waxing) {
    MoonDrawing drawing;
    drawing.waxing = waxing;
    drawing.d = std::fabs(2.0 * f - 1.0);
    const MoonPicture lit_half = waxing ? MoonPicture::kFirstQuarter : MoonPicture::kLastQuarter;
    if (f < 0.01) {
        drawing.picture = MoonPicture::kDark;
    } else if (f >= 0.49 && f < 0.51) {
        drawing.picture = lit_half;
    } else if (f >= 0.99) {
        drawing.picture = MoonPicture::kFull;
    } else if (f < 0.5) {
        drawing.picture = lit_half;
        drawing.painting = MoonPainting::kCrescent;
    } else {
        drawing.picture = MoonPicture::kFull;
        drawing.painting = MoonPainting::kGibbous;
    }
    return drawing;
}

MoonPhaseView PhaseViewOf(double f, bool waxing) {
    MoonPhaseView view;
    view.f = f;
    view.waxing = waxing;
    view.label = PhaseLabelText(f, waxing);
    view.drawing = MoonDrawingOf(f, waxing);
    return view;
}

double IlluminatedShare(double ajd, const LunationMoments& moments, int phase) {
    phase = std::clamp(phase, 0, 3);
    const double tp = moments.phase[phase];
    const double tn = phase < 3 ? moments.phase[phase + 1] : moments.next_dark;
    const double span = tn - tp;
    switch (phase) {
        case 0:
            return (ajd - tp) / span / 2.0;
        case 1:
            return (ajd - tp) / span / 2.0 + 0.5;
        case 2:
            return (tn - ajd) / span / 2.0 + 0.5;
        default:
            return (tn - ajd) / span / 2.0;
    }
}

MoonDisplayData MoonDataFor(double ajd, const LunationMoments& moments,
                            const Result<PhaseFound, PhaseError>& phase) {
    MoonDisplayData data;
    data.lunation = moments.k;
    const double t0 = moments.phase[0];
    data.age = ajd - t0;
    data.lunation_share = 100.0 * data.age / (moments.next_dark - t0);
    data.age_label = "[" + std::to_string(moments.k) + "] " + AgeText(data.age) + " (" +
                     OneDecimal(data.lunation_share) + "%)";
    if (!phase) {
        data.view = Fail(phase.error());
        return data;
    }
    data.view = PhaseViewOf(IlluminatedShare(ajd, moments, phase->phase), phase->phase <= 1);
    return data;
}

MoonImage MakeMoonPicture(MoonPicture picture, int width, int height) {
    MoonImage image;
    if (width < 1 || height < 1) return image;
    image.width = width;
    image.height = height;
    image.pixels.assign(static_cast<size_t>(width) * height, Rgb(0, 0, 0));
    const MoonDisc disc = MoonDiscOf(width, height);
    if (disc.r2 == 0) return image;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int64_t dx = x - disc.x0;
            const int64_t dy = disc.y0 - y;
            const int64_t dist2 = dx * dx + dy * dy;
            if (dist2 > disc.r2) continue;
            bool lit = false;
            switch (picture) {
                case MoonPicture::kDark:
                    lit = false;
                    break;
                case MoonPicture::kFirstQuarter:
                    lit = x >= disc.x0;
                    break;
                case MoonPicture::kLastQuarter:
                    lit = x < disc.x0;
                    break;
                case MoonPicture::kFull:
                    lit = true;
                    break;
            }
            // Cosine of the angle to the line of sight: 1 at the centre, 0 at the limb.
            const double mu = std::sqrt(1.0 - static_cast<double>(dist2) / disc.r2);
            uint32_t colour;
            if (lit) {
                // A slightly warm white with some darkening towards the limb.
                const double level = 0.62 + 0.38 * mu;
                colour = Rgb(static_cast<int>(std::lround(246 * level)),
                             static_cast<int>(std::lround(243 * level)),
                             static_cast<int>(std::lround(232 * level)));
            } else {
                colour = Grey(52.0 + 14.0 * mu);
            }
            image.pixels[static_cast<size_t>(y) * width + x] = colour;
        }
    }
    return image;
}

void PaintOutsideDisc(MoonImage& image, uint32_t shadow) {
    const MoonDisc disc = MoonDiscOf(image.width, image.height);
    for (int x = 0; x < image.width; ++x) {
        for (int y = 0; y < image.height; ++y) {
            const int64_t dx = x - disc.x0;
            const int64_t dy = disc.y0 - y;
            if (dx * dx + dy * dy > disc.r2)
                image.pixels[static_cast<size_t>(y) * image.width + x] = shadow;
        }
    }
}

void PaintTerminator(MoonImage& image, const MoonDrawing& drawing, uint32_t shadow) {
    if (drawing.painting == MoonPainting::kNone) return;
    const MoonDisc disc = MoonDiscOf(image.width, image.height);
    const double d2 = drawing.d * drawing.d;
    // A crescent is cut from the lit half, a gibbous Moon's shadow lies on the
    // other half: right (x >= x0) for a waxing crescent and a waning gibbous
    // Moon, left (x < x0) for a waning crescent and a waxing gibbous Moon.
    const bool crescent = drawing.painting == MoonPainting::kCrescent;
    const bool right = crescent == drawing.waxing;
    const int first = right ? std::max(disc.x0, 0) : 0;
    const int last = right ? image.width : std::min(disc.x0, image.width);
    for (int x = first; x < last; ++x) {
        for (int y = 0; y < image.height; ++y) {
            const double dx = x - disc.x0;
            const double dy = disc.y0 - y;
            const double dx2 = dx * dx;
            const double ellipse = (static_cast<double>(disc.r2) - dy * dy) * d2;
            const bool paint = crescent ? dx2 < ellipse : dx2 >= ellipse;
            if (paint) image.pixels[static_cast<size_t>(y) * image.width + x] = shadow;
        }
    }
}

MoonImage LoadMoonPicture(MoonPicture picture, uint32_t shadow, int width, int height) {
    MoonImage image = MakeMoonPicture(picture, width, height);
    PaintOutsideDisc(image, shadow);
    return image;
}

MoonImage DrawMoon(const MoonDrawing& drawing, uint32_t shadow, int width, int height) {
    MoonImage image = LoadMoonPicture(drawing.picture, shadow, width, height);
    PaintTerminator(image, drawing, shadow);
    return image;
}

}  // namespace vemla
