// The rules of the update check and of the snapshot's names and sound.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "app/Snapshot.h"
#include "app/UpdateCheck.h"

namespace quendal::test {
namespace {

TEST(VersionRule, ComparesPartByPartNotAsOneNumber) {
    struct Row {
        const char* server;
        const char* own;
        bool newer;
    } rows[] = {
        {"2.10", "3.0", false},  // 210 against 30 as one number would call it newer
        {"2.10", "2.9", true},
        {"2.1.3", "2.1.3", false},
        {"2.1.4", "2.1.3", true},
        {"2.1.2", "2.1.3", false},
        {"2.1", "2.1.0", false},
        {"2.1.0.1", "2.1", true},
        {"10.0", "9.99", true},
        {" 0.2.0\r\n", "0.1.0", true},
        {"3.0-beta", "2.9", true},
        {"\xEF\xBB\xBF" "1.0", "0.9", true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.server) + " against " + row.own);
        EXPECT_EQ(IsNewerVersion(row.server, row.own), row.newer);
    }
}

TEST(VersionRule, ATextThatIsNoVersionIsNeverNewer) {
    for (const char* text : {"", "  ", "v2.0", "<html>404</html>", "2.x", "2..1", "9999999999.0", ".5"}) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(VersionNumbers(text).has_value());
        EXPECT_FALSE(IsNewerVersion(text, "0.0.1"));
    }
}

TEST(VersionRule, TheVersionShownIsItsFirstLineWithoutControlCharacters) {
    EXPECT_EQ(VersionTextForDisplay("  2.1.3 \nsecond line"), "2.1.3");
    EXPECT_EQ(VersionTextForDisplay("2.1\x07\x1b[31m"), "2.1[31m");
}

TEST(DownloadName, OnlyOneNameInOneFolderIsTaken) {
    for (const char* name : {"Quendal.zip", "Quendal 2.zip", "..zip"}) EXPECT_TRUE(IsPlainFileName(name)) << name;
    for (const char* name : {"", ".", "..", "../Quendal.zip", "/outside/Quendal.zip", "a/b"}) EXPECT_FALSE(IsPlainFileName(name)) << name;
}

TEST(SnapshotName, JoinsModelTitleAndNumberAsOneFileName) {
    EXPECT_EQ(SnapshotFileName("Test20-04", "Amplitude", 1), "Test20-04_Amplitude_1.png");
    EXPECT_EQ(SnapshotFileName("Test20-04", "Amplitude", 12), "Test20-04_Amplitude_12.png");
    EXPECT_EQ(SnapshotFileName("AB/CD 8", "Group Delay", 2), "AB-CD 8_Group Delay_2.png");
    EXPECT_EQ(SnapshotFileName("../../x", "Phase", 3), "..-..-x_Phase_3.png");
    EXPECT_EQ(SnapshotFileName("W8\r\nPro\t2\x7F", "Phase", 4), "W8  Pro 2 _Phase_4.png");  // a name kept by an older version
}

TEST(ShutterSound, IsAShortClickAndItsEchoThatStartAndEndSilent) {
    const std::vector<int16_t> samples = ShutterSamples(kShutterSampleRate);
    ASSERT_EQ(samples.size(), std::size_t(std::lround(kShutterLength * kShutterSampleRate)));
    EXPECT_EQ(samples, ShutterSamples(kShutterSampleRate)) << "the same sound every time";
    int peak = 0;
    for (int16_t s : samples) peak = std::max(peak, std::abs(int(s)));
    EXPECT_GT(peak, 16000);
    EXPECT_LE(peak, 32767);
    EXPECT_EQ(samples.front(), 0);
    EXPECT_EQ(samples.back(), 0);
    // Loud at the click (0 ms) and the echo (55 ms), near silence between.
    const auto energy = [&](double from, double to) {
        double sum = 0.0;
        for (std::size_t i = std::size_t(from * kShutterSampleRate); i < std::size_t(to * kShutterSampleRate); ++i)
            sum += double(samples[i]) * samples[i];
        return sum;
    };
    EXPECT_GT(energy(0.0, 0.01), 20.0 * energy(0.04, 0.05));
    EXPECT_GT(energy(0.055, 0.065), 20.0 * energy(0.04, 0.05));
    EXPECT_TRUE(ShutterSamples(0).empty());
}

}  // namespace
}  // namespace quendal::test
