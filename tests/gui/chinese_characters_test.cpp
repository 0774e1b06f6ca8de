// The option "Chinese characters" in the main window: the line it shows, the
// tooltips, the setting kept over a restart, and a font with every glyph.
#include <QCheckBox>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <ctime>

#include "engine/hanzi_names.h"
#include "gui/widgets.h"
#include "gui_harness.h"

namespace vemla::test {

class ChineseCharactersTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        qputenv("TZ", "UTC");
        tzset();
    }

    void optionShowsTheDatesAndIsRemembered() {
        QTemporaryDir config;
        {
            Harness h(config.path());
            auto* option = h.Main<QCheckBox>("chkChineseCharacters");
            auto* line = h.Main<QLabel>("lblChineseCharacters");
            QVERIFY(!option->isChecked());
            QVERIFY(!line->isVisible());
            h.Click(option);
            QVERIFY(option->isChecked());
            QVERIFY(line->isVisible());
            QVERIFY(
                line->text().startsWith(QString::fromUtf8("甲辰年正月初一 丙寅月 甲辰日 龙年")));
            QVERIFY(line->text().endsWith(QString::fromUtf8("甲辰岁立春第七日")));
            QVERIFY(h.Main("lblChineseLunarDate_1")
                        ->toolTip()
                        .endsWith(QString::fromUtf8("\n甲辰年正月初一 丙寅月 甲辰日 龙年")));
            QVERIFY(h.Main("lblChineseSolarDate_1")
                        ->toolTip()
                        .endsWith(QString::fromUtf8("\n甲辰岁立春第七日")));
            QVERIFY(h.messages.empty());
            QVERIFY(!QFile::exists(h.StateFile()));
        }
        Harness again(config.path());
        QVERIFY(again.Main<QCheckBox>("chkChineseCharacters")->isChecked());
        QVERIFY(again.Main("lblChineseCharacters")->isVisible());
        again.Click("chkChineseCharacters");
        QVERIFY(!again.Main("lblChineseCharacters")->isVisible());
        QVERIFY(
            !again.Main("lblChineseLunarDate_1")->toolTip().contains(QString::fromUtf8("正月")));
    }

    // Every character the line can show has a glyph in the label's font
    // itself, not only through fallback to some other font.
    void labelFontHasEveryCharacter() {
        if (QFontDatabase::families(QFontDatabase::SimplifiedChinese).isEmpty())
            QSKIP(
                "no font for Simplified Chinese is installed (scripts/install-deps installs "
                "fonts-noto-cjk)");
        Harness h;
        const QFont font = h.Main<QLabel>("lblChineseCharacters")->font();
        QVERIFY2(QFontDatabase::writingSystems(QFontInfo(font).family())
                     .contains(QFontDatabase::SimplifiedChinese),
                 qPrintable(QFontInfo(font).family()));
        QString all;
        auto add = [&all](const auto& table) {
            for (std::string_view name : table) all += ToQString(name);
        };
        add(kStemHanzi);
        add(kBranchHanzi);
        add(kAnimalHanzi);
        add(kSolarTermHanzi);
        add(kMonthHanzi);
        add(kLeapMonthHanzi);
        add(kDayHanzi);
        add(kNumeralHanzi);
        for (std::string_view word :
             {kNianHanzi, kSuiHanzi, kMonthSuffixHanzi, kDaySuffixHanzi, kOrdinalHanzi})
            all += ToQString(word);
        all += QChar(0x3000);  // the ideographic space between the dates
        const QFontMetrics metrics(font);
        for (char32_t c : all.toUcs4())
            QVERIFY2(metrics.inFontUcs4(c),
                     qPrintable(QString::number(c, 16) + " in " + QFontInfo(font).family()));
    }
};

}  // namespace vemla::test

QTEST_MAIN(vemla::test::ChineseCharactersTest)
#include "chinese_characters_test.moc"
