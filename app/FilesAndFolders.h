// Naming files and folders three ways (a reference to an existing item, the
// folder and name of an item, a URL) and finding the user's standard
// folders. Paths are UTF-8 throughout; a name held as a program text is
// converted by the caller (platform/MacRomanText.h).
//
// Every routine returns a status: 0 for success, a negative code otherwise;
// callers test the codes below.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quendal {

inline constexpr int32_t kFileNoErr = 0;
inline constexpr int32_t kNoUrlErr = -32021;         // no URL or file reference could be made
inline constexpr int32_t kPathAppendErr = -32022;    // a path component could not be appended
inline constexpr int32_t kIoErr = -36;               // the folder could not be made
inline constexpr int32_t kBadNameErr = -37;          // not a name of one item
inline constexpr int32_t kMemFullErr = -41;
inline constexpr int32_t kFileNotFoundErr = -43;     // no such item or standard folder
inline constexpr int32_t kDuplicateNameErr = -48;    // the folder exists already

// An item that exists, by its absolute path.
struct FileRef {
    std::string path;
};
// The folder an item is in, and its name.
struct FileLocation {
    std::string parent;
    std::string name;
};
// A file URL, held as the absolute path it names.
struct FileURL {
    std::string path;
    std::string text() const;  // "file:///..." with the path's bytes escaped where URLs need it
};

// Standard-folder domains and types (four-character codes).
inline constexpr int16_t kSystemDomain = -32766;
inline constexpr int16_t kLocalDomain = -32765;
inline constexpr int16_t kNetworkDomain = -32764;
inline constexpr int16_t kUserDomain = -32763;

constexpr uint32_t fourCharCode(std::string_view code) {
    uint32_t v = 0;
    for (std::size_t i = 0; i < 4; ++i) v = (v << 8) | static_cast<unsigned char>(i < code.size() ? code[i] : ' ');
    return v;
}
inline constexpr uint32_t kDownloadsFolderType = fourCharCode("down");

int32_t FD_FSRefCreateCFURL(const FileRef& ref, FileURL* url);
int32_t FD_CFURLGetFSRef(const FileURL& url, FileRef* ref);
int32_t FD_FSRefGetFSSpec(const FileRef& ref, FileLocation* location);
int32_t FD_CFURLGetFSSpec(const FileURL& url, FileLocation* location);
// With a parent: the item `path` inside it; without: `path` itself (relative
// paths start at the working folder).
int32_t FD_PathGetFSRef(std::string_view path, const FileRef* parent, FileRef* ref);
// Creates folder `name` in the parent; for a folder that exists already,
// kDuplicateNameErr with the existing folder's reference or URL.
int32_t FD_CreateDirectoryWithFSRef(std::string_view name, const FileRef& parent, FileRef* folder);
int32_t FD_CreateDirectoryWithCFURL(std::string_view name, const FileURL& parent, FileURL* folder);
// The standard folder of a type in a domain; kFileNotFoundErr when there is
// none. The user's domain has the desktop's user folders ("down": the
// Downloads folder of the desktop's user folders, else ~/Downloads).
int32_t FD_SpecialDirectoryCreateCFURL(int16_t domain, uint32_t folderType, FileURL* url);
std::optional<FileURL> SystemDirectoryCopyURL(uint32_t folderType, int16_t domain);

// Moves the item to the desktop's trash: kFileNotFoundErr when it is gone
// already, kIoErr when it cannot be moved.
int32_t moveItemToTrash(const FileRef& item);

}  // namespace quendal
