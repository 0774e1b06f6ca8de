// The Qt side of the platform: real message boxes, the clipboard, the data
// folder and the pictures.
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include "gui_harness.h"

namespace vemla::test {
namespace {

void Touch(const QString& path) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

}  // namespace

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

        QTimer::singleShot(0, [] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) box->reject();
        });
        QCOMPARE(ui.ShowMessage("Clear log", "Erase all data in the log?", MessageIcon::kNone,
                                MessageButtons::kOkCancel),
                 MessageAnswer::kCancel);
    }

    void clipboardHoldsPlainText() {
        QtUserInterface ui;
        ui.SetClipboardText("2,451,545.0000 AJD\r\nsecond line");
        QCOMPARE(ClipboardText(), QString("2,451,545.0000 AJD\r\nsecond line"));
    }

    // Beside the executable in the build tree, in ../share/vemla once installed.
    void dataFolderBesideOrShared() {
        QTemporaryDir root;
        const QString bin = root.filePath("bin"), shared = root.filePath("share/vemla");
        QVERIFY(QDir().mkpath(bin));
        QVERIFY(QDir().mkpath(shared));
        const std::filesystem::path bin_path = bin.toStdString();
        QCOMPARE(DataFolder(bin_path), bin_path);  // neither: beside it
        Touch(shared + "/vemla_text.dat");
        QCOMPARE(DataFolder(bin_path), std::filesystem::path(shared.toStdString()));
        Touch(bin + "/vemla_text.dat");
        QCOMPARE(DataFolder(bin_path), bin_path);
    }

    void picturesOfTheDataFolder() {
        Pictures pictures;
        pictures.Load(VEMLA_SOURCE_DATA_DIR);
        for (int stem = 1; stem <= 10; ++stem) QCOMPARE(pictures.Stem(stem).size(), QSize(25, 25));
        for (int branch = 1; branch <= 12; ++branch) QCOMPARE(pictures.Branch(branch).size(), QSize(25, 25));
        QVERIFY(pictures.Stem(0).isNull());
        QVERIFY(pictures.Stem(11).isNull());
        QVERIFY(pictures.Branch(13).isNull());
        QVERIFY(!pictures.Icon().isNull());
        QVERIFY(pictures.Stem(1).toImage() != pictures.Stem(2).toImage());

        Pictures missing;
        missing.Load("/nonexistent");
        QVERIFY(missing.Stem(1).isNull());
    }

    // The engine's buffer becomes an opaque image, pixel for pixel.
    void moonPictureKeepsItsPixels() {
        const MoonImage moon = DrawMoon(MoonDrawingOf(0.3, true), kMoonShadowColour);
        const QImage image = ToQImage(moon);
        QCOMPARE(image.size(), QSize(moon.width, moon.height));
        QCOMPARE(image.pixel(0, 0), 0xFF000000u | kMoonShadowColour);
        for (int y = 0; y < moon.height; y += 7)
            for (int x = 0; x < moon.width; x += 5) QCOMPARE(image.pixel(x, y), 0xFF000000u | moon.at(x, y));
        MoonImage broken = moon;
        broken.pixels.pop_back();
        QVERIFY(ToQImage(broken).isNull());
    }
};

}  // namespace vemla::test

QTEST_MAIN(vemla::test::PlatformTest)
#include "platform_test.moc"
