#include <gtest/gtest.h>

#include "platform/LocalFileSystem.h"
#include "platform/ProgramFolder.h"
#include "support/TempFolder.h"

namespace corvane {
namespace {

TEST(ProgramFolder, FindsTheDataFolderWhateverItsCase) {
    test::TempFolder home;
    LocalFileSystem files;
    home.write("data/Airlines.dat", "");
    const ProgramFolder folder(home.path(), files);
    EXPECT_EQ(folder.dataFolder(), home.file("data"));
    EXPECT_EQ(folder.dataFile("airlines.dat"), home.file("data/Airlines.dat"));
    EXPECT_EQ(folder.dataFile("departure.txt"), home.file("data/departure.txt"));
}

TEST(ProgramFolder, NamesDataWhenThereIsNoneYet) {
    test::TempFolder home;
    LocalFileSystem files;
    const ProgramFolder folder(home.path(), files);
    EXPECT_EQ(folder.dataFile("dirRecent.txt"), home.file("DATA/dirRecent.txt"));
}

}  // namespace
}  // namespace corvane
