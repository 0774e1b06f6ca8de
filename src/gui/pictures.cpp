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
    for (int i = 0; i < static_cast<int>(stems_.size()); ++i) stems_[i] = Read(folder / Numbered("stem", i + 1));
    for (int i = 0; i < static_cast<int>(branches_.size()); ++i)
        branches_[i] = Read(folder / Numbered("branch", i + 1));
    icon_ = Read(data_folder / "vemla.png");
}

const QPixmap& Pictures::Stem(int stem) const {
    return stem >= 1 && stem <= static_cast<int>(stems_.size()) ? stems_[stem - 1] : none_;
}

const QPixmap& Pictures::Branch(int branch) const {
    return branch >= 1 && branch <= static_cast<int>(branches_.size()) ? branches_[branch - 1] : none_;
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

}  // namespace vemla
