// The option "Chinese characters" in the main window, and a font with a
// glyph for every character it can show.
#include <QCheckBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>

#include "engine/hanzi_names.h"
#include "gui/widgets.h"
#include "gui_harness.h"

namespace vemla::test {

class ChineseCharactersTest : public QObject {
    Q_OBJECT

  private slots:
    void optionShowsTheDatesInAFontWithEveryGlyph() {
        QTemporaryDir config;
        Harness(config.path()).Click("chkChineseCharacters");
        Harness h(config.path());  // remembered from the last run
        auto* line = h.Main<QLabel>("lblChineseCharacters");
        const QString chl = QString::fromUtf8("甲辰年正月初一 丙寅月 甲辰日 龙年");  // at kTestNow
        QVERIFY(line->isVisible() && line->text().startsWith(chl));
        QVERIFY(h.Main("lblChineseLunarDate_1")->toolTip().endsWith("\n" + chl));
        h.Click("chkChineseCharacters");
        QVERIFY(!line->isVisible());

        if (QFontDatabase::families(QFontDatabase::SimplifiedChinese).isEmpty())
            QSKIP(
                "no font for Simplified Chinese installed (scripts/install-deps installs "
                "fonts-noto-cjk)");
        const QString family = QFontInfo(line->font()).family();  // what fontconfig resolved
        QVERIFY2(QFontDatabase::writingSystems(family).contains(QFontDatabase::SimplifiedChinese),
                 qPrintable(family));
        QString all = QChar(0x3000);  // the ideographic space between the dates
        for (auto table : {std::span<const std::string_view>(kStemHanzi),
                           {kBranchHanzi},
                           {kAnimalHanzi},
                           {kSolarTermHanzi},
                           {kMonthHanzi},
                           {kLeapMonthHanzi},
                           {kDayHanzi},
                           {kNumeralHanzi}})
            for (std::string_view name : table) all += ToQString(name);
        for (std::string_view word :
             {kNianHanzi, kSuiHanzi, kMonthSuffixHanzi, kDaySuffixHanzi, kOrdinalHanzi})
            all += ToQString(word);
        for (char32_t c : all.toUcs4())
            QVERIFY2(QFontMetrics(line->font()).inFontUcs4(c),
                     qPrintable(QString::number(c, 16) + " in " + family));
    }
};

}  // namespace vemla::test

QTEST_MAIN(vemla::test::ChineseCharactersTest)
#include "chinese_characters_test.moc"
