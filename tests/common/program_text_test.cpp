// The program-text store: load codes, line errors, fetching, the load
// messages, and finding the file beside the executable or in share/vemla.
#include "common/program_text.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "common/temp_folder.h"

namespace vemla {
namespace {

int32_t LoadText(const TempFolder& temp, std::string_view content, ProgramTextStore& store) {
    return store.Load(temp.Write("texts.dat", content));
}

int32_t LoadText(const TempFolder& temp, std::string_view content) {
    ProgramTextStore store;
    return LoadText(temp, content, store);
}

TEST(ProgramTextStore, CountsTextsSkippingCommentsBlanksAndLineEnds) {
    TempFolder temp;
    ProgramTextStore store;
    EXPECT_EQ(LoadText(temp,
                       "\xEF\xBB\xBF# header\r\n\r\n  # indented comment\n \t \n"
                       "1\tVemla\r\n -7 \tnegative\n+32767\tlast\n-32768\tfirst\n"
                       "12\ttab\tinside \n99\t#not a comment",
                       store),
              6);
    for (const auto& [number, text] :
         std::initializer_list<std::pair<int32_t, const char*>>{{1, "Vemla"},
                                                                {-7, "negative"},
                                                                {32767, "last"},
                                                                {-32768, "first"},
                                                                {12, "tab\tinside "},
                                                                {99, "#not a comment"},
                                                                {65537, ""}})  // 65537 is not 1
        EXPECT_EQ(store.GetText(number), text) << number;

    EXPECT_EQ(LoadText(temp, "# only a comment\n\n"), kTextLoadNoText);
    EXPECT_EQ(LoadText(temp, ""), kTextLoadEmptyFile);
    EXPECT_EQ(store.Load(temp.path() / "missing.dat"), kTextLoadCannotOpen);
    EXPECT_EQ(store.Load(temp.path()), kTextLoadCannotOpen);
    EXPECT_EQ(store.GetText(1), "");  // a failed load leaves nothing behind
}

TEST(ProgramTextStore, LineErrorsNameTheirLine) {
    TempFolder temp;
    EXPECT_EQ(LoadText(temp, "# c\n1\ta\n\n2\tb\n1\tc\n"), -1505);
    EXPECT_EQ(LoadText(temp, "1\ta\n+001\tb\n"), -1502);  // the same number written otherwise

    const std::string longest(kMaxTextChars, 'x');
    ProgramTextStore store;
    ASSERT_EQ(LoadText(temp, "# c\n5\t" + longest + "\r\n", store), 1);
    EXPECT_EQ(store.GetText(5), longest);
    EXPECT_EQ(LoadText(temp, "# c\n5\t" + longest + "x\n"), -1002);
    // Characters, not bytes: 1024 three-byte characters fit, 1025 do not.
    std::string wide;
    for (int i = 0; i < kMaxTextChars; ++i) wide += "\xE5\xB9\xB4";
    ASSERT_EQ(LoadText(temp, "5\t" + wide, store), 1);
    EXPECT_EQ(store.GetText(5), wide);
    EXPECT_EQ(LoadText(temp, "5\t" + wide + "\xE5\xB9\xB4"), -1001);

    // No tab, nothing after it, or a number that is not a 16-bit whole number.
    for (const char* line : {"17", "17\t", "17 years", "\tno number", "x\ttext", "1.5\ttext",
                             "32768\ttext", "-32769\ttext", "+-1\ttext", "99999999999999999999\tt"})
        EXPECT_EQ(LoadText(temp, std::string("1\tok\n") + line + "\n2\tok\n"), -502) << line;

    // Lines past 500 cannot be placed in the too-long and missing bands.
    const std::string filler(500, '\n');
    EXPECT_EQ(LoadText(temp, filler.substr(1) + "9\n"), -1000);
    EXPECT_EQ(LoadText(temp, filler + "9\n"), kTextLoadNotRecovered);
    EXPECT_EQ(LoadText(temp, filler + "9\t" + longest + "x\n"), kTextLoadTooMuchText);
    EXPECT_EQ(LoadText(temp, "9\ta\n" + filler + "9\tb\n"), -1500 - 502);
}

TEST(ProgramTextStore, FilesUpToTheSizeLimitLoad) {
    TempFolder temp;
    const std::string first = "1\tfirst\n", last = "2\tlast\n";
    const std::string text =
        first + std::string(kMaxTextFileBytes - first.size() - last.size(), '\n') + last;
    ProgramTextStore store;
    ASSERT_EQ(LoadText(temp, text, store), 2);
    EXPECT_EQ(store.GetText(2), "last");
    EXPECT_EQ(LoadText(temp, text + "\n", store), kTextLoadTooMuchText);
    EXPECT_EQ(store.size(), 0u);
}

TEST(ProgramTextStore, BrokenUtf8BecomesReplacementCharacters) {
    TempFolder temp;
    ProgramTextStore store;
    const std::string r = "\xEF\xBF\xBD";
    ASSERT_EQ(LoadText(temp,
                       "1\ta\xFF"
                       "b\n2\t\xC0\xAF\n3\t\xED\xA0\x80\n4\t\xE5\xB9\n"
                       "5\t\xF4\x90\x80\x80\n6\t\xC3\xA9\xF0\x9F\x8C\x95\n",
                       store),
              6);
    // Overlong "/", surrogate, cut short at the line end, past U+10FFFF, well-formed.
    const std::string expected[] = {"a" + r + "b", r + r,         r + r + r,
                                    r + r,         r + r + r + r, "\xC3\xA9\xF0\x9F\x8C\x95"};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(store.GetText(i + 1), expected[i]) << i + 1;
    // Each replaced byte counts as one character.
    EXPECT_EQ(LoadText(temp, "1\t" + std::string(kMaxTextChars + 1, '\x80')), -1001);
}

TEST(ProgramTextStore, GtCopiesWholeCharactersIntoTheBuffer) {
    TempFolder temp;
    ProgramTextStore store;
    ASSERT_EQ(LoadText(temp, "3\t\xC3\xA9t\xC3\xA9\n", store), 1);  // "été", 5 bytes
    char buffer[8] = {};
    EXPECT_EQ(store.gt(3, 0, buffer, 8, 1), 5);
    EXPECT_EQ(std::string(buffer, 5), "\xC3\xA9t\xC3\xA9");
    EXPECT_EQ(store.gt(3, 0, buffer, 4, 0), 3);  // not half of the last "é"
    EXPECT_EQ(store.gt(3, 0, nullptr, 8, 0), 0);
    EXPECT_EQ(store.gt(3, 1, buffer, 8, 0), 0);  // only language 0 was loaded
}

// Line errors come in bands of 500 (missing, too long, duplicate); the line is the code's place
// in its band.
TEST(ProgramTextLoadMessage, CodesAndBandBoundaries) {
    EXPECT_EQ(ProgramTextLoadMessage(1, "/x"), "");
    EXPECT_EQ(ProgramTextLoadMessage(-1, "/opt/vemla/vemla_text.dat"),
              "Cannot open file containing program text.\r\n/opt/vemla/vemla_text.dat");
    const std::pair<int32_t, const char*> plain[] = {
        {0, "No program text was read."},
        {-2, "Particular memory allocation error."},
        {-3, "Too much program text."},
        {-4, "Text not recovered."},
        {-6, "File is empty."},
        {-7, "Error reading file."},
        {-8, "General memory allocation error."},
        {-500, "Error -500"},
        {-1000, "Missing string at line 500."},
        {-1001, "String too long at line 1."},
        {-1512, "Duplicate in program text at line 12."},
        {INT32_MIN, "Duplicate in program text at line 2147482148."}};
    for (const auto& [code, message] : plain)
        EXPECT_EQ(ProgramTextLoadMessage(code, ""), message) << code;
}

TEST(LoadProgramText, BesideTheExecutableThenInShare) {
    TempFolder temp;
    const auto bin = temp.path() / "bin";
    std::filesystem::create_directories(bin);
    ProgramTextStore store;

    ProgramTextLoad load = LoadProgramText(store, bin);
    EXPECT_EQ(load.code, kTextLoadCannotOpen);
    EXPECT_EQ(load.message,
              "Cannot open file containing program text.\r\n" + (bin / kProgramTextFile).string());

    temp.Write("share/vemla/vemla_text.dat", "1\tshared\n");
    load = LoadProgramText(store, temp.path() / "bin/");  // a trailing slash adds no second one
    EXPECT_TRUE(load.ok());
    EXPECT_EQ(load.path, temp.path() / "share/vemla/vemla_text.dat");
    EXPECT_EQ(load.message, "");
    EXPECT_EQ(store.GetText(1), "shared");

    // A file beside the executable wins, and its errors are not hidden by the other.
    temp.Write("bin/vemla_text.dat", "1\tbeside\n1\tagain\n");
    load = LoadProgramText(store, bin);
    EXPECT_EQ(load.path, bin / kProgramTextFile);
    EXPECT_EQ(load.message, "Duplicate in program text at line 2.");
    temp.Write("bin/vemla_text.dat", "1\tbeside\n");
    EXPECT_EQ(LoadProgramText(store, bin).code, 1);
    EXPECT_EQ(store.GetText(1), "beside");
}

TEST(LoadProgramText, ShippedFileHasTheRequestedTexts) {
    const std::filesystem::path data = std::filesystem::path(VEMLA_TEST_DATA_DIR) / "../../data";
    ProgramTextStore store;
    const ProgramTextLoad load = LoadProgramText(store, data);
    ASSERT_TRUE(load.ok()) << load.message;
    EXPECT_EQ(store.GetText(10), "Copy selected text to clipboard");
    EXPECT_TRUE(std::filesystem::exists(ExecutableFolder() / "engine_tests"));  // this program
}

}  // namespace
}  // namespace vemla
