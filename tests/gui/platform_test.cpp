// The Qt side of the platform: real message boxes, the clipboard and the
// pictures.
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "gui_harness.h"

namespace vemla::test {
class PlatformTest : public QObject {
    Q_OBJECT

private slots:
    // Without a hook the box is a real modal QMessageBox with the title,
    // text, icon and buttons asked for; its answer comes back.
    void messageBoxShowsWhatItIsAsked() {
        QtUserInterface ui;
        QString title, text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            buttons = box->standardButtons();
            box->button(QMessageBox::No)->click();
        });
        const MessageAnswer answer = ui.ShowMessage("Restore state", "Restore previous log configuration also?",
                                                    MessageIcon::kQuestion, MessageButtons::kYesNo);
        QCOMPARE(title, QString("Restore state"));
        QCOMPARE(text, QString("Restore previous log configuration also?"));
        QCOMPARE(icon, QMessageBox::Question);
        QCOMPARE(buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(answer, MessageAnswer::kNo);
    }

    void picturesOfTheDataFolder() {
        Pictures pictures;
        pictures.Load(VEMLA_SOURCE_DATA_DIR);
        for (int stem = 1; stem <= 10; ++stem) QCOMPARE(pictures.Stem(stem).size(), QSize(25, 25));
        QVERIFY(pictures.Stem(11).isNull());
        QVERIFY(pictures.Stem(1).toImage() != pictures.Stem(2).toImage());
    }

    // The Moon drawn at the device resolution; a lit share of the disc that
    // is the illuminated share (the terminator is a half-ellipse), the unlit
    // part exactly the shadow colour.
    void moonPicturesReadAsTheMoon() {
        Pictures pictures;
        pictures.Load(VEMLA_SOURCE_DATA_DIR);
        const QRgb shadow = 0xFF000000u | kMoonShadowColour;
        for (const qreal ratio : {1.0, 1.25, 1.5}) {
            const QPixmap pixmap = pictures.Moon(MoonDrawingOf(0.12, true), ratio);
            QCOMPARE(pixmap.deviceIndependentSize(), QSizeF(90, 90));
            QCOMPARE(pixmap.toImage().width(), qRound(90 * ratio));
        }
        const MoonDisc disc = MoonDiscOf(135, 135);
        for (const double f : {0.0, 0.12, 0.5, 0.88, 1.0}) {
            for (const bool waxing : {true, false}) {
                const QImage moon = pictures.Moon(MoonDrawingOf(f, waxing), 1.5).toImage();
                int lit = 0, inside = 0;
                for (int y = 0; y < moon.height(); ++y)
                    for (int x = 0; x < moon.width(); ++x) {
                        const int64_t dx = x - disc.x0, dy = disc.y0 - y;
                        if (dx * dx + dy * dy > disc.r2) continue;
                        ++inside;
                        if (moon.pixel(x, y) != shadow) ++lit;
                        if ((x < disc.x0) == waxing && f < 0.5) QCOMPARE(moon.pixel(x, y), shadow);
                    }
                QVERIFY2(std::abs(double(lit) / inside - (f < 0.01 ? 0.0 : f)) < 0.03, qPrintable(QString::number(f)));
            }
        }
    }
};

}  // namespace vemla::test

QTEST_MAIN(vemla::test::PlatformTest)
#include "platform_test.moc"
