#include "gui/pictures.h"

#include <QString>

#include "common/program_text.h"

namespace vemla {
namespace {

QPixmap Read(const std::filesystem::path& path) {
    QPixmap pixmap;
    pixmap.load(QString::fromStdString(path.string()), "PNG");
    return pixmap;
}

std::string Numbered(const char* stem, int n) {
    return std::string(stem) + (n < 10 ? "_0" : "_") + std::to_string(n) + ".png";
}

}  // namespace

std::filesystem::path DataFolder(const std::filesystem::path& executable_folder) {
    std::error_code ec;
    if (std::filesystem::exists(executable_folder / kProgramTextFile, ec)) return executable_folder;
    const std::filesystem::path shared = executable_folder / ".." / "share" / "vemla";
    if (std::filesystem::exists(shared / kProgramTextFile, ec)) return shared.lexically_normal();
    return executable_folder;
}

void Pictures::Load(const std::filesystem::path& data_folder) {
    const std::filesystem::path folder = data_folder / "stems_branches";
    for (int i = 0; i < static_cast<int>(stems_.size()); ++i)
        stems_[i] = Read(folder / Numbered("stem", i + 1));
    for (int i = 0; i < static_cast<int>(branches_.size()); ++i)
        branches_[i] = Read(folder / Numbered("branch", i + 1));
    icon_ = Read(data_folder / "vemla.png");
    moon_folder_ = data_folder / "moon";
    moon_bases_.clear();
}

const QPixmap& Pictures::Stem(int stem) const {
    return stem >= 1 && stem <= static_cast<int>(stems_.size()) ? stems_[stem - 1] : none_;
}

const QPixmap& Pictures::Branch(int branch) const {
    return branch >= 1 && branch <= static_cast<int>(branches_.size()) ? branches_[branch - 1]
                                                                       : none_;
}

QPixmap Pictures::Moon(const MoonDrawing& drawing, qreal ratio) const {
    const int size = qRound(kMoonPictureSize * std::max<qreal>(ratio, 1.0));
    MoonImage moon = MoonBase(drawing.picture, size);
    PaintOutsideDisc(moon, kMoonShadowColour);
    PaintTerminator(moon, drawing, kMoonShadowColour);
    QPixmap pixmap = QPixmap::fromImage(ToQImage(moon));
    pixmap.setDevicePixelRatio(static_cast<qreal>(size) / kMoonPictureSize);
    return pixmap;
}

// The picture drawn for this size; for a scaling it was not drawn for, the
// next larger one scaled down (or the largest scaled up); without the files,
// the engine's plain disc.
MoonImage Pictures::MoonBase(MoonPicture picture, int size) const {
    const auto key = std::make_pair(picture, size);
    if (auto found = moon_bases_.find(key); found != moon_bases_.end()) return found->second;
    static constexpr int kDrawnSizes[] = {90, 113, 135, 180};
    static constexpr const char* kNames[] = {"darkmoon", "1stquarter", "lastquarter", "fullmoon"};
    int drawn = kDrawnSizes[std::size(kDrawnSizes) - 1];
    for (int s : kDrawnSizes)
        if (s >= size) {
            drawn = s;
            break;
        }
    QImage image(
        QString::fromStdString((moon_folder_ / (std::string(kNames[static_cast<int>(picture)]) +
                                                "-" + std::to_string(drawn) + ".png"))
                                   .string()));
    if (!image.isNull() && image.width() != size)
        image = image.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    MoonImage base = image.isNull() ? MakeMoonPicture(picture, size, size) : ToMoonImage(image);
    return moon_bases_.emplace(key, std::move(base)).first->second;
}

QImage ToQImage(const MoonImage& image) {
    if (image.width <= 0 || image.height <= 0 ||
        image.pixels.size() != static_cast<size_t>(image.width) * static_cast<size_t>(image.height))
        return {};
    QImage out(image.width, image.height, QImage::Format_RGB32);
    for (int y = 0; y < image.height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < image.width; ++x) line[x] = 0xFF000000u | image.at(x, y);
    }
    return out;
}

MoonImage ToMoonImage(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    MoonImage out{rgb.width(), rgb.height(), {}};
    out.pixels.reserve(static_cast<size_t>(rgb.width()) * static_cast<size_t>(rgb.height()));
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) out.pixels.push_back(line[x] & 0xFFFFFFu);
    }
    return out;
}

}  // namespace vemla
