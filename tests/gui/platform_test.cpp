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

    void clipboardHoldsPlainText() {
        QtUserInterface ui;
        ui.SetClipboardText("2,451,545.0000 AJD\r\nsecond line");
        QCOMPARE(ClipboardText(), QString("2,451,545.0000 AJD\r\nsecond line"));
    }

    void picturesOfTheDataFolder() {
        Pictures pictures;
        pictures.Load(VEMLA_SOURCE_DATA_DIR);
        for (int stem = 1; stem <= 10; ++stem) QCOMPARE(pictures.Stem(stem).size(), QSize(25, 25));
        for (int branch = 1; branch <= 12; ++branch) QCOMPARE(pictures.Branch(branch).size(), QSize(25, 25));
        QVERIFY(pictures.Stem(11).isNull());
        QVERIFY(pictures.Stem(1).toImage() != pictures.Stem(2).toImage());
    }

    // The Moon at 100 %, 125 % and 150 %: drawn at the device resolution;
    // the ground and the unlit part exactly the shadow colour; a lit share
    // of the disc that is the illuminated share (the terminator is a
    // half-ellipse, so the lit area is f of the disc); maria darker than the
    // southern highlands.
    void moonPicturesReadAsTheMoon() {
        Pictures pictures;
        pictures.Load(VEMLA_SOURCE_DATA_DIR);
        const QRgb shadow = 0xFF000000u | kMoonShadowColour;
        for (const qreal ratio : {1.0, 1.25, 1.5}) {
            const QPixmap pixmap = pictures.Moon(MoonDrawingOf(0.12, true), ratio);
            QCOMPARE(pixmap.deviceIndependentSize(), QSizeF(90, 90));
            const QImage crescent = pixmap.toImage();
            const int n = crescent.width(), row = n / 2 + 1;
            QCOMPARE(n, qRound(90 * ratio));
            QCOMPARE(crescent.pixel(0, 0), shadow);
            QCOMPARE(crescent.pixel(n / 4, row), shadow);
            QCOMPARE(crescent.pixel(n / 2, row), shadow);
            QVERIFY(qGray(crescent.pixel(n - 4, row)) > 120);
        }
        const MoonDisc disc = MoonDiscOf(135, 135);
        for (const double f : {0.0, 0.12, 0.3, 0.5, 0.7, 0.88, 1.0}) {
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
        const QImage full = pictures.Moon(MoonDrawingOf(1.0, true), 1.5).toImage();
        auto grey = [&](double u, double v) {
            return qGray(full.pixel(disc.x0 + qRound(u * disc.r), disc.y0 - qRound(v * disc.r)));
        };
        QVERIFY(grey(-0.23, 0.55) + 40 < grey(0.1, -0.5));  // Mare Imbrium, the southern highlands
        QVERIFY(grey(0.5, 0.15) + 40 < grey(0.1, -0.5));    // Mare Tranquillitatis
    }
};

}  // namespace vemla::test

QTEST_MAIN(vemla::test::PlatformTest)
#include "platform_test.moc"
