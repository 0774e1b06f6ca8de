// The pictures the windows show: the stem and branch tiles and the program
// icon, kept as files in the data folder, and the moon picture the engine
// paints into a plain buffer.
#pragma once

#include <QImage>
#include <QPixmap>
#include <array>
#include <filesystem>
#include <map>
#include <utility>

#include "engine/moon_data.h"

namespace vemla {

// Where the program's data files are: beside the executable when the program
// texts are there (the build tree), else ../share/vemla relative to it (an
// installed copy); beside the executable when neither holds them.
std::filesystem::path DataFolder(const std::filesystem::path& executable_folder);

class Pictures {
  public:
    // Reads stems_branches/stem_NN.png, branch_NN.png and vemla.png from
    // `data_folder`. A missing file leaves its picture empty.
    void Load(const std::filesystem::path& data_folder);

    // Stem 1..10 and branch 1..12; an empty picture for any other number.
    const QPixmap& Stem(int stem) const;
    const QPixmap& Branch(int branch) const;
    const QPixmap& Icon() const { return icon_; }

    // The Moon of `drawing` for a picture box of kMoonPictureSize logical
    // pixels, drawn at the device pixel ratio `ratio`: the base picture of
    // that many device pixels (moon/NAME-SIZE.png), its shadow painted at
    // that resolution.
    QPixmap Moon(const MoonDrawing& drawing, qreal ratio) const;

  private:
    std::array<QPixmap, 10> stems_;
    std::array<QPixmap, 12> branches_;
    MoonImage MoonBase(MoonPicture picture, int size) const;

    std::filesystem::path moon_folder_;
    // Base pictures read so far, by picture and size: each is read once,
    // when first shown.
    mutable std::map<std::pair<MoonPicture, int>, MoonImage> moon_bases_;
    QPixmap icon_;
    QPixmap none_;
};

// The engine's picture as an opaque image of the same size, and back.
QImage ToQImage(const MoonImage& image);
MoonImage ToMoonImage(const QImage& image);

}  // namespace vemla
