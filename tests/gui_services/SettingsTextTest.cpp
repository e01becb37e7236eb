// The preferences file's text: what a file written by an earlier version or
// edited by hand reads as, and every text written reads back as itself; and
// the file replaced whole, through the user's link, in folders made for it.
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/qt/SettingsFile.h"

namespace quendal::test {
namespace {

using platform::qt::parseSettingsText;
using platform::qt::readSettingsFile;
using platform::qt::replaceSettingsFile;
using platform::qt::SettingsWrite;
using platform::qt::settingsText;
using platform::qt::settingsValueText;

TEST(SettingsText, ALineReadsAsTheTextsItHolds) {
    struct Row { const char* line; std::vector<std::string> texts; bool readable = true; };
    const Row rows[] = {
        {"K=18.5", {"18.5"}},
        {"K = 7 ", {"7"}},
        // Quoted, a comma is part of the text; unquoted, it parts a list.
        {"K=\" 100, 120, 490, 660\"", {" 100, 120, 490, 660"}},
        {"K=30, 12, 420, 560", {"30", "12", "420", "560"}},
        {"K=a b ; a comment", {"a b"}},
        {"K=\"a;b\"", {"a;b"}},
        {"K=\"tab\\there\\\\\\\"\"", {"tab\there\\\""}},
        {"K=\\x41\\x3b\\101", {"A;A"}},
        {"K=\\xe9t\\xe9", {"\xC3\xA9t\xC3\xA9"}},  // code points, written as UTF-8
        {"K=@@at", {"@at"}},
        {"K=@Rect(1 2 3 4)", {"@Rect(1 2 3 4)"}, false},
        {"K=", {""}},
        {"K=one\\\n two", {"one two"}},
    };
    for (const Row& r : rows) {
        const auto entries = parseSettingsText(std::string("[General]\n") + r.line + "\n");
        ASSERT_EQ(entries.size(), 1u) << r.line;
        EXPECT_EQ(entries[0].key, "K") << r.line;
        EXPECT_EQ(entries[0].texts, r.texts) << r.line;
        EXPECT_EQ(entries[0].readable, r.readable) << r.line;
    }
}

// Sections other than [General], comments, blank lines and line ends of
// either kind: the program's own keys are those of [General], and the
// file's other lines are written back as they stood.
TEST(SettingsText, OtherSectionsAndLinesAreKeptAsTheyStand) {
    const std::string text =
        "\xEF\xBB\xBF; kept by hand\r\n[General]\r\nA=1\r\n\r\n[Window]\nsize=@Size(3 4)\n# note\n[General]\nB=\"x, y\"\nA=2\n";
    const auto entries = parseSettingsText(text);
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].section, "");
    EXPECT_EQ(entries[0].texts, std::vector<std::string>{"2"});  // given last
    EXPECT_EQ(entries[1].section, "Window");
    EXPECT_EQ(entries[2].key, "B");
    EXPECT_EQ(settingsText(entries), "[General]\nA=2\nB=\"x, y\"\n\n[Window]\nsize=@Size(3 4)\n");
    EXPECT_EQ(parseSettingsText(settingsText(entries)).size(), 3u);
}

// A hand-edited file whose last line ends in a lone backslash, with or
// without its line end, before blanks, or in carriage returns: the value
// reads without them, and reads the same once written, with a key the
// program adds after that line a line of its own when the file is read
// again.
TEST(SettingsText, ABackslashEndingTheFileDoesNotSwallowTheKeyWrittenAfterIt) {
    for (const char* end : {"Note=by hand\\", "Note=by hand\\\n", "Note=by hand\\\r\n", "Note=by\\\nhand\\",
                            "Note=by hand\r\\", "Note=by hand\r\r\n", "Note=by hand\\ ", "Note=by hand\\\t\n", "Note=by hand\r \n"}) {
        auto entries = parseSettingsText(std::string("[General]\n") + end);
        ASSERT_EQ(entries.size(), 1u) << end;
        const std::vector<std::string> note = entries[0].texts;
        entries.push_back({"", "PortThickness", settingsValueText("18.5"), {"18.5"}});
        const auto again = parseSettingsText(settingsText(entries));
        ASSERT_EQ(again.size(), 2u) << settingsText(entries);
        EXPECT_EQ(again[0].texts, note) << end;
        EXPECT_EQ(again[1].key, "PortThickness") << end;
        EXPECT_EQ(again[1].texts, std::vector<std::string>{"18.5"}) << end;
    }
}

// Any text, with every ASCII character in turn and the hard cases, reads
// back as itself once written.
TEST(SettingsText, EveryTextWrittenReadsBackAsItself) {
    std::vector<std::string> texts = {"",         " lead",   "trail\t", "a,b",       "a;b",  "a=b",   "\"q\"",
                                      "back\\",   "@at",     "@@",      "\x01" "1f", "\x7f" "A", "line\nend",
                                      " 22, 10, 412, 550"};
    for (int c = 1; c < 0x80; ++c) texts.push_back(std::string{'x', char(c), '0', 'y'});
    for (const std::string& t : texts) {
        const auto entries = parseSettingsText("[General]\nK=" + settingsValueText(t) + "\n");
        ASSERT_EQ(entries.size(), 1u) << settingsValueText(t);
        EXPECT_EQ(entries[0].texts, std::vector<std::string>{t}) << settingsValueText(t);
        EXPECT_TRUE(entries[0].readable) << settingsValueText(t);
    }
    EXPECT_EQ(settingsValueText(" 22, 10, 412, 550"), "\" 22, 10, 412, 550\"");  // as earlier versions wrote it
}

std::string fileText(const std::string& path) {
    std::ifstream in(path);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

TEST(SettingsFile, IsReplacedWholeThroughTheUsersLinkAndInFoldersMadeForIt) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const std::string root = folder.path().toStdString();

    // No folder yet: made for the user alone, and the file in it.
    const std::string fresh = root + "/config/Keldrith/Quendal.ini";
    EXPECT_EQ(readSettingsFile(fresh), std::string());
    EXPECT_EQ(replaceSettingsFile(fresh, "[General]\nA=1\n"), SettingsWrite::Written);
    EXPECT_EQ(fileText(fresh), "[General]\nA=1\n");
    for (const char* place : {"/config", "/config/Keldrith"}) {
        struct stat made {};
        ASSERT_EQ(::stat((root + place).c_str(), &made), 0);
        EXPECT_EQ(made.st_mode & 0777, 0700u) << place;
    }
    struct stat file {};
    ASSERT_EQ(::stat(fresh.c_str(), &file), 0);
    EXPECT_EQ(file.st_mode & 0777, 0600u);

    // A link to the user's own file: the file is replaced, keeping its
    // permissions, and the link stays; nothing is left beside it.
    std::filesystem::create_directories(root + "/kept");
    const std::string real = root + "/kept/settings.ini", link = root + "/Quendal.ini";
    std::ofstream(real) << "[General]\nA=1\n";
    ASSERT_EQ(::chmod(real.c_str(), 0640), 0);
    std::filesystem::create_symlink(real, link);
    EXPECT_EQ(readSettingsFile(link), "[General]\nA=1\n");
    EXPECT_EQ(replaceSettingsFile(link, "[General]\nA=2\n"), SettingsWrite::Written);
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(fileText(real), "[General]\nA=2\n");
    struct stat kept {};
    ASSERT_EQ(::stat(real.c_str(), &kept), 0);
    EXPECT_EQ(kept.st_mode & 0777, 0640u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(root + "/kept"), {}), 1);
}

// A file the user made read-only, reached through the user's link, stays
// as it is.
TEST(SettingsFile, AFileTheUserMadeReadOnlyStaysAsItIs) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const std::string real = folder.path().toStdString() + "/settings.ini", link = folder.path().toStdString() + "/Quendal.ini";
    std::ofstream(real) << "[General]\nA=2\n";
    std::filesystem::create_symlink(real, link);
    ASSERT_EQ(::chmod(real.c_str(), 0440), 0);
    if (::access(real.c_str(), W_OK) == 0) GTEST_SKIP() << "this user (the superuser) may write read-only files";
    EXPECT_EQ(replaceSettingsFile(link, "[General]\nA=3\n"), SettingsWrite::Failed);
    EXPECT_EQ(fileText(real), "[General]\nA=2\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path().toStdString()), {}), 2);
}

}  // namespace
}  // namespace quendal::test
