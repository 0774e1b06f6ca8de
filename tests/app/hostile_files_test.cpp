// Hostile state files and program-text files met by the whole program:
// start-up falls back to Reset without a word, the Restore button says so
// and changes nothing, a failed save keeps the old file, and program texts
// that cannot be loaded end the program with their message.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <random>

#include "app/application.h"
#include "app/state_file.h"
#include "common/temp_folder.h"
#include "fake_user_interface.h"
#include "state_text_lines.h"

namespace vemla {
namespace {

namespace fs = std::filesystem;

// A state unlike the defaults in every setting a start-up shows.
SavedState UnusualState() {
    SavedState state;
    state.moment = 2451545.25;
    state.calendar = kCalJC;
    state.method_index = 1;
    state.epoch_year = kEpochAlternative;
    state.show_cjds = true;
    state.longitude_index = 16;  // 116 degrees East, "BEI"
    return state;
}
const std::string kUnusualText = FormatStateFile(UnusualState());

using test::FirstLines;
using test::WithLine;

struct HostileText {
    const char* what;
    std::string text;
};

std::vector<HostileText> HostileStateTexts() {
    std::mt19937 random(73);
    std::string binary(4096, '\0');
    for (char& c : binary) c = static_cast<char>(random());
    std::string flipped = kUnusualText;  // one byte of every line damaged
    for (std::size_t i = 0; i < flipped.size(); i += 97) flipped[i] = '\x80';
    // Each shape of damage once; the reader's refusal of each value is tested on the text itself.
    return {
        {"empty", ""},
        {"cut in the middle", FirstLines(kUnusualText, 36)},
        {"cut inside a line", kUnusualText.substr(0, FirstLines(kUnusualText, 50).size() - 4)},
        {"a huge line", WithLine(kUnusualText, 40, "\"" + std::string(1 << 20, 'x') + "\"")},
        {"binary bytes", binary},
        {"damaged bytes", flipped},
        {"larger than any state file", std::string(kMaxStateFileSize + 1, '\n')},
        {"CR line ends only",
         [] {
             std::string cr = kUnusualText;
             std::erase(cr, '\n');
             return cr;
         }()},
    };
}

class HostileFiles : public ::testing::Test {
  protected:
    std::unique_ptr<Application> Start(std::optional<fs::path> state_file) {
        auto made = Application::Create(ui, {VEMLA_SOURCE_DATA_DIR, std::move(state_file)});
        EXPECT_TRUE(std::holds_alternative<std::unique_ptr<Application>>(made));
        auto app = std::move(std::get<std::unique_ptr<Application>>(made));
        app->Startup();
        return app;
    }
    // What a save would write now.
    static std::string Captured(Application& app) {
        MainState& m = app.Main();
        return FormatStateFile(CaptureState(m.CurrentAJD(), m.Calendar(), m.CurrentSettings(),
                                            m.LogPrefs(), m.Abbreviations()));
    }
    // The program as at a first start: the present moment and the defaults.
    void ExpectFirstStart(Application& app, const std::string& what) {
        EXPECT_EQ(Captured(app), Captured(*Start(std::nullopt))) << what;
        EXPECT_TRUE(ui.messages.empty()) << what << ": " << ui.messages[0].text;
    }
    fs::path StatePath() const { return folder.path() / "vemla.usr"; }

    test::ScopedTimeZone zone{"UTC0"};
    test::FakeUserInterface ui;
    TempFolder folder;
};

// A damaged state file: start-up is a first start, and the Restore button
// says so and changes nothing; the file stays as it was.
TEST_F(HostileFiles, ADamagedStateFileIsNeverRestored) {
    {  // The unusual state itself restores: the cases below differ from it only by their damage.
        folder.Write("vemla.usr", kUnusualText);
        auto app = Start(StatePath());
        EXPECT_EQ(app->Main().CurrentAJD(), 2451545.25);
        EXPECT_EQ(app->Main().CCT(), "BEI");
        EXPECT_EQ(app->Main().Calendar(), kCalCHL);  // the saved calendar does not survive
    }
    for (const HostileText& hostile : HostileStateTexts()) {
        folder.Write("vemla.usr", hostile.text);
        auto app = Start(StatePath());
        ExpectFirstStart(*app, hostile.what);
        app->Main().SetLongitudeIndex(35);
        const std::string before = Captured(*app);
        app->RestoreStateButton();
        // No question about the log first: the only message is the refusal.
        EXPECT_EQ(ui.messages.at(0).title, "Restore state");
        EXPECT_EQ(ui.TakeMessage(), "Unable to restore the saved state.") << hostile.what;
        EXPECT_EQ(Captured(*app), before) << hostile.what;
        EXPECT_TRUE(ReadWholeFile(StatePath()) == hostile.text)
            << hostile.what << ": the file was changed";
    }
}

TEST_F(HostileFiles, StartUpWithSomethingElseInPlaceOfTheStateFile) {
    const std::pair<const char*, std::function<void()>> cases[] = {
        {"a folder", [&] { fs::create_directory(StatePath()); }},
        {"a named pipe", [&] { ::mkfifo(StatePath().c_str(), 0600); }},       // would block a read
        {"a device", [&] { fs::create_symlink("/dev/zero", StatePath()); }},  // endless
        {"a link loop", [&] { fs::create_symlink(StatePath(), StatePath()); }},
    };
    for (const auto& [what, make] : cases) {
        make();
        ExpectFirstStart(*Start(StatePath()), what);
        fs::remove(StatePath());
    }
}

TEST_F(HostileFiles, StartUpWithAnUnreadableStateFile) {
    folder.Write("vemla.usr", kUnusualText);
    fs::permissions(StatePath(), fs::perms::none);
    if (::access(StatePath().c_str(), R_OK) == 0)
        GTEST_SKIP() << "file permissions do not bind this user";
    ExpectFirstStart(*Start(StatePath()), "an unreadable file");
}

// The state file is far smaller than any disk; a limit on the size of the
// files this process writes fails the write part of the way, as a full disk
// would.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        std::signal(SIGXFSZ, SIG_IGN);  // a failed write, not the end of the process
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit small = saved_;
        small.rlim_cur = bytes;
        ok_ = ::setrlimit(RLIMIT_FSIZE, &small) == 0;
    }
    ~FileSizeLimit() { ::setrlimit(RLIMIT_FSIZE, &saved_); }
    bool ok() const { return ok_; }

  private:
    rlimit saved_{};
    bool ok_ = false;
};

TEST_F(HostileFiles, SaveOnAFullDiskKeepsTheOldFile) {
    auto app = Start(StatePath());
    MainState& m = app->Main();
    app->SaveState();
    const std::string old = ReadWholeFile(StatePath());

    m.SetEpochIndex(1);
    m.SetCurrentAJD(2440000.75);
    {
        FileSizeLimit limit(old.size() / 2);
        ASSERT_TRUE(limit.ok());
        app->SaveState();
    }
    EXPECT_EQ(ui.messages.at(0).title, "Save state");
    EXPECT_EQ(ui.TakeMessage(), "Error when attempting to save the state: File too large");
    EXPECT_TRUE(m.View().control(Control::kSaveState).enabled);  // the user may try again
    EXPECT_EQ(ReadWholeFile(StatePath()), old);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1)
        << "a temporary file was left behind";
}

// Program texts that cannot be loaded: no program, only the message.
TEST_F(HostileFiles, BadProgramTextsEndTheProgramWithTheirMessage) {
    const std::pair<std::string, std::string> cases[] = {
        {"", "File is empty."},
        {"# comments only\n", "No program text was read."},
        {"1\tVemla\n2\ttwo\n1\tagain\n", "Duplicate in program text at line 3."},
        {"1\t" + std::string(kMaxTextChars + 1, 'x') + "\n", "String too long at line 1."},
        {"1\tVemla\nx\ty\n", "Missing string at line 2."},
        {std::string(kMaxTextFileBytes + 1, '#'), "Too much program text."},
    };
    for (const auto& [content, message] : cases) {
        folder.Write(kProgramTextFile, content);
        auto made = Application::Create(ui, {folder.path(), std::nullopt});
        ASSERT_TRUE(std::holds_alternative<std::string>(made)) << message;
        EXPECT_EQ(std::get<std::string>(made), message);
    }
    fs::remove(folder.path() / kProgramTextFile);
    fs::create_directory(folder.path() / kProgramTextFile);
    auto made = Application::Create(ui, {folder.path(), std::nullopt});
    ASSERT_TRUE(std::holds_alternative<std::string>(made));
    EXPECT_EQ(std::get<std::string>(made), "Cannot open file containing program text.\r\n" +
                                               (folder.path() / kProgramTextFile).string());
    EXPECT_TRUE(ui.messages.empty());  // the caller shows it
}

}  // namespace
}  // namespace vemla
