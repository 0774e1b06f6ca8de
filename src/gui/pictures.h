// The pictures the windows show: the stem and branch tiles and the program
// icon, kept as files in the data folder, and the moon picture the engine
// paints into a plain buffer.
#pragma once

#include <QImage>
#include <QPixmap>

#include <array>
#include <filesystem>

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

private:
    std::array<QPixmap, 10> stems_;
    std::array<QPixmap, 12> branches_;
    QPixmap icon_;
    QPixmap none_;
};

// The engine's picture as an opaque image of the same size.
QImage ToQImage(const MoonImage& image);

}  // namespace vemla
