// Faults found by review and fuzzing, each pinned.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "model/NumberText.h"
#include "model/Str255.h"
#include "support/TestEnvironment.h"
#include "view/NumberTextLayout.h"

namespace quendal::test {
namespace {

TEST(Mends, PlusCommaZeroAppendsNothingForCountsOutsideOneToFour) {
    for (const char* text : {"12.5", "-7.25", "12", "3."})
        for (const int decimals : {-1, -3, -32768, 0, 5, 32767})
            EXPECT_EQ(PlusCommaZero(text, static_cast<int16_t>(decimals)).str(), text) << text << " " << decimals;
}

TEST(Mends, TextsFromEmptyViewsAreEmpty) {
    Str255 text{std::string_view{}};
    EXPECT_TRUE(text.empty());
    text = "kept";
    text += std::string_view{};
    EXPECT_EQ(text, "kept");
    text = std::string_view{};
    EXPECT_EQ(text.size(), 0u);
}

// Masks with long fields and values up to the largest double: the text never
// passes the limit, shows only the mask and the number, and the number reads
// back as the value at the field's decimals (or whole, in exponent form).
TEST(Mends, MaskedNumberNeverShowsMoreThanTheNumber) {
    const double values[] = {1e308, -std::numeric_limits<double>::max(), 1e300, 123456789.0, -0.5, 5e-324};
    for (const std::size_t decimals : {0, 3, 90, 200, 300})
        for (const std::size_t whole : {1, 4, 240})
            for (const double value : values) {
                const std::string mask = "Z=" + std::string(whole, '#') + (decimals ? "." : "") +
                                         std::string(decimals, '#') + " Hz";
                const std::string text = maskedNumber(value, mask).str();
                ASSERT_LE(text.size(), 255u);
                const std::size_t start = text.find_first_not_of("Z= ");
                const std::size_t end = text.rfind(" Hz");
                ASSERT_NE(start, std::string::npos) << mask;
                const std::string number = text.substr(start, end == std::string::npos ? end : end - start);
                EXPECT_EQ(number.find_first_not_of("0123456789.-e"), std::string::npos) << number;  // one exponent form
                const double read = std::strtod(number.c_str(), nullptr);
                if (number.find('e') != std::string::npos)
                    EXPECT_EQ(read, value) << number;
                else  // rounded to the field's decimals
                    EXPECT_LE(std::abs(read - value), 0.5 * std::pow(10.0, -static_cast<double>(decimals)) +
                                                          std::abs(value) * 1e-15) << number;
            }
    EXPECT_EQ(maskedNumber(1e308, "#.##").str(), "1e308");
    EXPECT_EQ(maskedNumber(5.0, std::string(300, '#')).str(), "5");  // a mask past the limit gives way
}

// Started from a desktop's shell, whose folders are the user's, a test
// program takes folders of its own, and removes them when it ends.
TEST(Mends, TestProgramsRunInPrivateFoldersWhateverTheCallerSetAndRemoveThem) {
    const char* variables[] = {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR"};
    const std::string users = std::getenv("XDG_CONFIG_HOME");  // this program's own, standing for the user's
    int channel[2];
    ASSERT_EQ(pipe(channel), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        unsetenv("QUENDAL_TEST_STARTER");  // a new test program's start
        for (const char* variable : variables) setenv(variable, users.c_str(), 1);
        prepareTestEnvironment();
        std::string made;
        for (const char* variable : variables) made += std::string(std::getenv(variable)) + "\n";
        struct stat runtime, downloads;
        const bool privateFolders = stat(std::getenv("XDG_RUNTIME_DIR"), &runtime) == 0 &&
                                    stat((std::string(std::getenv("HOME")) + "/Downloads").c_str(), &downloads) == 0;
        made += privateFolders && (runtime.st_mode & 0777) == 0700 && S_ISDIR(downloads.st_mode) ? "private" : "shared";
        (void)!write(channel[1], made.data(), made.size());
        close(channel[1]);
        std::exit(0);
    }
    close(channel[1]);
    std::string made;
    char buffer[512];
    for (ssize_t n; (n = read(channel[0], buffer, sizeof buffer)) > 0;) made.append(buffer, static_cast<std::size_t>(n));
    close(channel[0]);
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_EQ(made.substr(made.rfind('\n') + 1), "private");
    struct stat info;
    for (std::size_t at = 0, line = 0; line < std::size(variables); ++line, at = made.find('\n', at) + 1) {
        const std::string folder = made.substr(at, made.find('\n', at) - at);
        EXPECT_EQ(folder.rfind("/tmp/quendal-test-", 0), 0u) << variables[line] << " " << folder;
        EXPECT_NE(stat(folder.c_str(), &info), 0) << folder;  // removed
    }
    EXPECT_EQ(stat(users.c_str(), &info), 0);  // the user's stay
}

}  // namespace
}  // namespace quendal::test
