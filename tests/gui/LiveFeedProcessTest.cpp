// The window's --feed mode: corvane-feed runs beside it and its outages reach the user as one
// message box each. The reader reads a saved document here, never the network.
#include <gtest/gtest.h>

#include <QTest>

#include "LiveFeedProcess.h"
#include "support/FakePlatform.h"
#include "support/TempFolder.h"

namespace corvane {
namespace {

TEST(LiveFeedProcess, WritesTheSnapshotAndWarnsOncePerOutage) {
    const std::string feed = CORVANE_GUI_TEST_DATA "/../feed/";
    test::TempFolder folder;
    test::FakePlatform platform;
    folder.write("whazzup.json", "{");
    LiveFeedProcess process(
        platform, QString::fromStdString(folder.file("live/recent.dat")),
        {QStringLiteral("--from"), QString::fromStdString(folder.file("whazzup.json")),
         QStringLiteral("--interval"), QStringLiteral("1"), QStringLiteral("--airports"),
         QString::fromStdString(feed + "airports.csv")});
    ASSERT_TRUE(QTest::qWaitFor([&] { return !platform.messages.empty(); }, 5000));
    folder.write("whazzup.json", test::readFileBytes(feed + "whazzup.json"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return folder.exists("live/recent.dat"); }, 5000));
    folder.write("whazzup.json", "not json");
    ASSERT_TRUE(QTest::qWaitFor([&] { return platform.messages.size() == 2; }, 5000));
    const std::string warning =
        "PAY ATTENTION!!! THE LIVE IVAO FEED IS UNAVAILABLE (the feed is not a JSON document). "
        "THE LAST TRAFFIC SNAPSHOT STAYS IN USE";
    EXPECT_EQ(platform.messageTexts(), (std::vector<std::string>{warning, warning}));
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(folder.read("live/recent.dat"), test::readFileBytes(feed + "recent.golden.dat"));
}

}  // namespace
}  // namespace corvane
