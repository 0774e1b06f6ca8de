// Draws the pictures the main window shows beside the element-animal names:
// the ten heavenly stems and the twelve earthly branches as Chinese
// characters on 25 x 25 tiles, and the program icon (a gibbous Moon with the
// window's red shadow).
//
// Usage: make_pictures DATA_FOLDER
// Writes DATA_FOLDER/stems_branches/stem_01.png .. stem_10.png,
// branch_01.png .. branch_12.png and DATA_FOLDER/vemla.png.
#include <QColor>
#include <QDir>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>
#include <QString>
#include <QStringList>
#include <cmath>
#include <cstdio>

namespace {

constexpr int kTile = 25;

// The stems jia .. gui and the branches zi .. hai, in cycle order.
const QString kStems = QStringLiteral(u"甲乙丙丁戊己庚辛壬癸");
const QString kBranches = QStringLiteral(u"子丑寅卯辰巳午未申酉戌亥");

// A family that has every character we draw, preferring the ones we know
// to look well at small sizes.
QString ChineseFamily() {
    const QStringList preferred = {"WenQuanYi Micro Hei", "Noto Sans CJK SC", "Noto Sans CJK TC",
                                   "Noto Serif CJK SC"};
    const QStringList families = QFontDatabase::families(QFontDatabase::SimplifiedChinese);
    QStringList candidates;
    for (const QString& f : preferred)
        if (families.contains(f)) candidates << f;
    candidates << families;
    for (const QString& family : candidates) {
        QRawFont raw = QRawFont::fromFont(QFont(family), QFontDatabase::SimplifiedChinese);
        bool all = raw.isValid();
        for (QChar c : kStems + kBranches) all = all && raw.supportsCharacter(c);
        if (all) return family;
    }
    return {};
}

// One character centred on a light tile with a thin frame.
QImage Tile(QChar character, const QString& family, QColor ink) {
    QImage image(kTile, kTile, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(150, 150, 150), 1.0));
    p.setBrush(QColor(255, 253, 245));
    p.drawRoundedRect(QRectF(0.5, 0.5, kTile - 1.0, kTile - 1.0), 3.0, 3.0);

    QFont font(family);
    font.setPixelSize(19);
    QPainterPath path;
    path.addText(0, 0, font, QString(character));
    const QRectF box = path.boundingRect();
    const QPointF shift(kTile / 2.0 - box.center().x(), kTile / 2.0 - box.center().y());
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawPath(path.translated(shift));
    return image;
}

// The program icon: a waxing gibbous Moon, its dark side in the red the
// main window paints shadows with, on a night-blue rounded square.
QImage Icon(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(22, 34, 68));
    p.drawRoundedRect(QRectF(0, 0, size, size), size * 0.18, size * 0.18);

    const double r = size * 0.36;
    const QPointF c(size / 2.0, size / 2.0);
    QPainterPath disc;
    disc.addEllipse(c, r, r);
    p.setBrush(QColor(192, 0, 0));
    p.drawPath(disc);

    // Lit part: the right half plus half an ellipse reaching into the left.
    const double d = 0.45;  // terminator semi-axis as a share of r
    QPainterPath lit;
    lit.moveTo(c.x(), c.y() - r);
    lit.arcTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 90, -180);
    lit.arcTo(QRectF(c.x() - d * r, c.y() - r, 2 * d * r, 2 * r), 270, -180);
    lit.closeSubpath();
    QRadialGradient glow(c, r);
    glow.setColorAt(0.0, QColor(255, 252, 235));
    glow.setColorAt(1.0, QColor(226, 220, 196));
    p.setBrush(glow);
    p.drawPath(lit);
    return image;
}

bool Save(const QImage& image, const QString& path) {
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "make_pictures: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_pictures DATA_FOLDER\n");
        return 2;
    }
    const QString family = ChineseFamily();
    if (family.isEmpty()) {
        std::fprintf(stderr,
                     "make_pictures: no installed font has all the stem and branch characters\n");
        return 1;
    }
    std::printf("font: %s\n", qPrintable(family));

    const QDir data(QString::fromLocal8Bit(argv[1]));
    if (!data.mkpath("stems_branches")) {
        std::fprintf(stderr, "make_pictures: cannot make %s/stems_branches\n", argv[1]);
        return 1;
    }
    const QColor stem_ink(128, 20, 20), branch_ink(20, 44, 120);
    bool ok = true;
    for (int i = 0; i < kStems.size(); ++i)
        ok &= Save(
            Tile(kStems[i], family, stem_ink),
            data.filePath(QString("stems_branches/stem_%1.png").arg(i + 1, 2, 10, QChar('0'))));
    for (int i = 0; i < kBranches.size(); ++i)
        ok &= Save(
            Tile(kBranches[i], family, branch_ink),
            data.filePath(QString("stems_branches/branch_%1.png").arg(i + 1, 2, 10, QChar('0'))));
    ok &= Save(Icon(256), data.filePath("vemla.png"));
    return ok ? 0 : 1;
}
