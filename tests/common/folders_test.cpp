// Where the state file goes, and the web-link failure message.
#include "common/folders.h"

#include <gtest/gtest.h>

#include "common/temp_folder.h"
#include "common/web_links.h"

namespace vemla {
namespace {

TEST(StateFilePath, ChoosesXdgThenHomeThenWorkingFolder) {
    TempFolder temp;
    FolderEnvironment env{(temp.path() / "xdg").string(), (temp.path() / "home").string(),
                          temp.path() / "cwd"};

    StateFileLocation location = StateFilePath("vemla.usr", "Tarvolin_Systems", env);
    ASSERT_TRUE(location.ok()) << location.error.message();
    EXPECT_TRUE(location.created);
    EXPECT_EQ(location.path, temp.path() / "xdg/Tarvolin_Systems/vemla.usr");
    EXPECT_TRUE(FolderExists(temp.path() / "xdg/Tarvolin_Systems"));
    EXPECT_FALSE(std::filesystem::exists(location.path));  // only the folder is made

    env.xdg_config_home = "relative/xdg";  // ignored, as is an empty one
    location = StateFilePath("vemla.usr", "Tarvolin_Systems", env);
    EXPECT_EQ(location.path, temp.path() / "home/.config/Tarvolin_Systems/vemla.usr");
    EXPECT_TRUE(location.ok() && FolderExists(location.path.parent_path()));

    std::filesystem::create_directories(temp.path() / "cwd");
    env.xdg_config_home = env.home = "";
    location = StateFilePath("vemla.usr", "Tarvolin_Systems", env);
    EXPECT_EQ(location.path, temp.path() / "cwd/Tarvolin_Systems/vemla.usr");
    EXPECT_TRUE(location.ok());

    env.working_folder.clear();  // no working folder either: an error, not the root
    location = StateFilePath("vemla.usr", "Tarvolin_Systems", env);
    EXPECT_FALSE(location.ok());
    EXPECT_FALSE(location.path.is_absolute());
}

TEST(StateFilePath, KeepsAnExistingFolderAndReportsFailures) {
    TempFolder temp;
    const FolderEnvironment env{temp.path().string(), "", {}};
    const auto marker = temp.Write("Tarvolin_Systems/vemla.usr", "saved");

    StateFileLocation location = StateFilePath("vemla.usr", "Tarvolin_Systems", env);
    ASSERT_TRUE(location.ok());
    EXPECT_FALSE(location.created);
    EXPECT_EQ(location.path, marker);
    EXPECT_TRUE(std::filesystem::exists(marker));

    EXPECT_FALSE(FolderExists(temp.Write("Blocked", "a file where the folder should be")));
    location = StateFilePath("vemla.usr", "Blocked", env);
    EXPECT_FALSE(location.ok() || location.created);

    location =
        StateFilePath("vemla.usr", "Inner", {(temp.path() / "Blocked/below").string(), "", {}});
    EXPECT_FALSE(location.ok());
}

TEST(WebLinkFailureMessage, OnlyWhenTheBrowserFailed) {
    EXPECT_FALSE(WebLinkFailureMessage(true).has_value());
    const auto failure = WebLinkFailureMessage(false);
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->title, "Cannot launch web browser");
    EXPECT_EQ(failure->text,
              "Error launching web browser.  Please make sure that your web browser is correctly "
              "installed and configured.");
}

}  // namespace
}  // namespace vemla
