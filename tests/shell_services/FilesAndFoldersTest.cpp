// References, folder-and-name pairs and URLs of real files, the standard folders,
// and their status codes.
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "app/FilesAndFolders.h"
#include "support/ShellServiceDoubles.h"

namespace quendal::test {
namespace {

namespace fs = std::filesystem;

class FilesAndFoldersTest : public testing::Test {
protected:
    void SetUp() override {
        root = fs::canonical(fs::temp_directory_path()) /
               ("quendal-files-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root);
        fs::create_directories(root / "Fetched");
        std::ofstream(root / "Fetched" / "Quendal.zip") << "archive";
        service.folders[platform::UserFolder::Downloads] = (root / "Fetched").string() + "/";
        service.trash = (root / "Trash").string();
        platform::setFileService(&service);
    }
    void TearDown() override {
        platform::setFileService(nullptr);
        fs::remove_all(root);
    }

    fs::path root;
    FolderFiles service;
};

TEST_F(FilesAndFoldersTest, UserDownloadsFolderIsTheDesktopsOne) {
    FileURL url;
    ASSERT_EQ(FD_SpecialDirectoryCreateCFURL(kUserDomain, kDownloadsFolderType, &url), kFileNoErr);
    EXPECT_EQ(url.path, (root / "Fetched").string());
    EXPECT_EQ(FD_SpecialDirectoryCreateCFURL(kSystemDomain, kDownloadsFolderType, &url), kFileNotFoundErr);
    EXPECT_EQ(FD_SpecialDirectoryCreateCFURL(kUserDomain, fourCharCode("fram"), &url), kFileNotFoundErr);
    EXPECT_EQ(FD_SpecialDirectoryCreateCFURL(kUserDomain, fourCharCode("docs"), &url), kFileNotFoundErr)
        << "a folder the desktop does not name is not found";
}

TEST_F(FilesAndFoldersTest, ReferenceFolderAndNameAndUrlNameTheSameItem) {
    FileRef downloads;
    ASSERT_EQ(FD_PathGetFSRef((root / "Fetched").string(), nullptr, &downloads), kFileNoErr);
    FileRef archive;
    ASSERT_EQ(FD_PathGetFSRef("Quendal.zip", &downloads, &archive), kFileNoErr);
    EXPECT_EQ(archive.path, (root / "Fetched" / "Quendal.zip").string());
    FileURL url;
    ASSERT_EQ(FD_FSRefCreateCFURL(archive, &url), kFileNoErr);
    FileLocation location;
    ASSERT_EQ(FD_CFURLGetFSSpec(url, &location), kFileNoErr);
    EXPECT_EQ(location.parent, (root / "Fetched").string());
    EXPECT_EQ(location.name, "Quendal.zip");
    FileRef back;
    ASSERT_EQ(FD_CFURLGetFSRef(url, &back), kFileNoErr);
    EXPECT_EQ(back.path, archive.path);
}

TEST_F(FilesAndFoldersTest, MissingItemsAndUnmakeableUrlsHaveTheirCodes) {
    FileURL url;
    FileRef ref;
    EXPECT_EQ(FD_FSRefCreateCFURL(FileRef{""}, &url), kNoUrlErr);
    EXPECT_EQ(FD_FSRefCreateCFURL(FileRef{"relative/path"}, &url), kNoUrlErr);
    EXPECT_EQ(FD_CFURLGetFSRef(FileURL{(root / "nothing").string()}, &ref), kNoUrlErr);
    FileLocation location;
    EXPECT_EQ(FD_CFURLGetFSSpec(FileURL{(root / "nothing").string()}, &location), kNoUrlErr);
    const FileRef folder{(root / "Fetched").string()};
    EXPECT_EQ(FD_PathGetFSRef("", &folder, &ref), kPathAppendErr);
    EXPECT_EQ(FD_PathGetFSRef("Quendal.pkg", &folder, &ref), kNoUrlErr);
    const FileRef nowhere{""};
    EXPECT_EQ(FD_PathGetFSRef("x", &nowhere, &ref), kNoUrlErr);
    EXPECT_EQ(FD_PathGetFSRef((root / "nothing").string(), nullptr, &ref), kFileNotFoundErr);
}

TEST_F(FilesAndFoldersTest, CreatingAFolderThatExistsGivesItsUrlAndDuplicateName) {
    const FileURL parent{root.string()};
    FileURL made;
    ASSERT_EQ(FD_CreateDirectoryWithCFURL("Designs", parent, &made), kFileNoErr);
    EXPECT_EQ(made.path, (root / "Designs").string());
    EXPECT_TRUE(fs::is_directory(root / "Designs"));
    FileURL again;
    EXPECT_EQ(FD_CreateDirectoryWithCFURL("Designs", parent, &again), kDuplicateNameErr);
    EXPECT_EQ(again.path, made.path);
    FileRef ref;
    EXPECT_EQ(FD_CreateDirectoryWithFSRef("a/b", FileRef{root.string()}, &ref), kBadNameErr);
    EXPECT_EQ(FD_CreateDirectoryWithFSRef("..", FileRef{root.string()}, &ref), kBadNameErr);
    EXPECT_EQ(FD_CreateDirectoryWithCFURL("Designs", FileURL{(root / "nothing").string()}, &again), kNoUrlErr);
}

TEST_F(FilesAndFoldersTest, ItemsGoToTheTrashOnce) {
    const FileRef archive{(root / "Fetched" / "Quendal.zip").string()};
    EXPECT_EQ(moveItemToTrash(archive), kFileNoErr);
    EXPECT_FALSE(fs::exists(archive.path));
    EXPECT_TRUE(fs::exists(root / "Trash" / "Quendal.zip"));
    EXPECT_EQ(moveItemToTrash(archive), kFileNotFoundErr);
}

TEST_F(FilesAndFoldersTest, UrlTextEscapesWhatUrlsCannotHold) {
    EXPECT_EQ((FileURL{"/home/ann/Quendal's Manual.html"}).text(), "file:///home/ann/Quendal%27s%20Manual.html");
    EXPECT_EQ((FileURL{"/tmp/\xC3\xA9t\xC3\xA9"}).text(), "file:///tmp/%C3%A9t%C3%A9");
}

}  // namespace
}  // namespace quendal::test
