#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "core/text.h"
#include "intl/catalogue.h"

namespace vx {
namespace {

class CatalogueTest : public ::testing::Test {
protected:
    void TearDown() override { PublishCatalogue({}); }
};

TEST_F(CatalogueTest, BuiltInTextHas182EntriesInOrder) {
    const auto lines = SplitLines(DefaultCatalogueText());
    ASSERT_EQ(lines.size(), 182u);
    EXPECT_EQ(lines[0], "Bytes");
    EXPECT_EQ(
        lines[98],
        "Cannot register hotkey combination. Please use Vantorix Options dialog, General tab to define the "
        "new unique combination. The old one is:");
    EXPECT_EQ(lines[137], "Do you want to reset Vantorix settings?");
    EXPECT_EQ(
        lines[156],
        "To turn off the click-through mode, please uncheck the \"Click-through mode\" item from Vantorix's "
        "system tray icon pop-up menu.");
    EXPECT_EQ(lines[171],
              "Please select network folder or type its UNC path (for example: \\\\SERVER\\SHARED)");
    EXPECT_EQ(lines[181], "Vantorix is running in the system tray.");
    for (int reserved : {50, 55, 60, 72, 99, 150}) EXPECT_EQ(lines[reserved], "-") << reserved;
    // Nothing else is empty: an empty line would shift every later entry of a language file.
    for (size_t i = 0; i < lines.size(); ++i) EXPECT_FALSE(lines[i].empty()) << i;
}

TEST_F(CatalogueTest, ReadsTheBuiltInEntryUntilACatalogueIsLoaded) {
    EXPECT_EQ(CatalogueText(137), "Do you want to reset Vantorix settings?");
    EXPECT_EQ(CatalogueText(-1), "");
    EXPECT_EQ(CatalogueText(182), "");
}

TEST_F(CatalogueTest, AShortCatalogueFallsBackEntryByEntry) {
    PublishCatalogue({"Octets", "Kilooctets"});
    EXPECT_EQ(CatalogueText(0), "Octets");
    EXPECT_EQ(CatalogueText(1), "Kilooctets");
    EXPECT_EQ(CatalogueText(2), "Megabytes");
    EXPECT_EQ(CatalogueText(181), "Vantorix is running in the system tray.");
}

TEST_F(CatalogueTest, ReadersKeepAWholeCatalogueWhileANewOneIsPublished) {
    std::atomic<bool> stop{false};
    std::atomic<int> mixed{0};
    std::thread reader([&] {
        while (!stop) {
            const auto entries = CurrentCatalogue();
            // Every published catalogue is uniform: all entries are the same text.
            if (!entries->empty() && entries->front() != entries->back()) ++mixed;
        }
    });
    for (int round = 0; round < 2000; ++round) {
        PublishCatalogue(CatalogueEntries(182, "round " + std::to_string(round)));
    }
    stop = true;
    reader.join();
    EXPECT_EQ(mixed, 0);
}

}  // namespace
}  // namespace vx
