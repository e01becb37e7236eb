#include "app/FilesAndFolders.h"

#include "platform/Platform.h"

namespace quendal {

namespace {

using platform::files;
using platform::UserFolder;

bool isAbsolute(const std::string& path) { return !path.empty() && path.front() == '/'; }

std::string joined(const std::string& folder, std::string_view name) {
    std::string path = folder;
    if (path.empty() || path.back() != '/') path += '/';
    path += name;
    return path;
}

// A name of one item: not empty, no separator, not a step up or in place.
bool isItemName(std::string_view name) {
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string_view::npos &&
           name.find('\0') == std::string_view::npos;
}

std::optional<UserFolder> userFolderOf(uint32_t type) {
    struct Entry {
        uint32_t type;
        UserFolder folder;
    };
    static constexpr Entry kUserFolders[] = {
        {fourCharCode("pref"), UserFolder::Configuration},
        {fourCharCode("temp"), UserFolder::Temporary},
        {fourCharCode("apps"), UserFolder::Applications},
        {fourCharCode("asup"), UserFolder::ApplicationData},
        {fourCharCode("cach"), UserFolder::Cache},
        {fourCharCode("desk"), UserFolder::Desktop},
        {fourCharCode("docs"), UserFolder::Documents},
        {fourCharCode("down"), UserFolder::Downloads},
        {fourCharCode("mdoc"), UserFolder::Movies},
        {fourCharCode("pdoc"), UserFolder::Pictures},
        {fourCharCode("\xB5" "doc"), UserFolder::Music},  // Mac Roman micro sign
    };
    for (const Entry& e : kUserFolders)
        if (e.type == type) return e.folder;
    return std::nullopt;
}

}  // namespace

std::string FileURL::text() const {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string url = "file://";
    for (char c : path) {
        const auto b = static_cast<unsigned char>(c);
        const bool plain = (b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z') || (b >= '0' && b <= '9') ||
                           c == '/' || c == '-' || c == '_' || c == '.' || c == '~';
        if (plain) {
            url += c;
        } else {
            url += '%';
            url += kHex[b >> 4];
            url += kHex[b & 0xF];
        }
    }
    return url;
}

int32_t FD_FSRefCreateCFURL(const FileRef& ref, FileURL* url) {
    if (!isAbsolute(ref.path)) return kNoUrlErr;
    *url = FileURL{ref.path};
    return kFileNoErr;
}

int32_t FD_CFURLGetFSRef(const FileURL& url, FileRef* ref) {
    const std::string existing = isAbsolute(url.path) ? files().existingPath(url.path) : std::string();
    if (existing.empty()) return kNoUrlErr;
    *ref = FileRef{existing};
    return kFileNoErr;
}

int32_t FD_FSRefGetFSSpec(const FileRef& ref, FileLocation* location) {
    const std::string existing = isAbsolute(ref.path) ? files().existingPath(ref.path) : std::string();
    if (existing.empty()) return kFileNotFoundErr;
    const std::size_t slash = existing.find_last_of('/');
    if (existing == "/" || slash == std::string::npos) {
        *location = FileLocation{"/", ""};
        return kFileNoErr;
    }
    *location = FileLocation{slash == 0 ? std::string("/") : existing.substr(0, slash), existing.substr(slash + 1)};
    return kFileNoErr;
}

int32_t FD_CFURLGetFSSpec(const FileURL& url, FileLocation* location) {
    FileRef ref;
    if (FD_CFURLGetFSRef(url, &ref) != kFileNoErr) return kNoUrlErr;
    return FD_FSRefGetFSSpec(ref, location);
}

int32_t FD_PathGetFSRef(std::string_view path, const FileRef* parent, FileRef* ref) {
    if (parent != nullptr) {
        FileURL parentUrl;
        if (FD_FSRefCreateCFURL(*parent, &parentUrl) != kFileNoErr) return kNoUrlErr;
        if (path.empty() || path.find('\0') != std::string_view::npos) return kPathAppendErr;
        return FD_CFURLGetFSRef(FileURL{joined(parentUrl.path, path)}, ref);
    }
    if (path.empty() || path.find('\0') != std::string_view::npos) return kFileNotFoundErr;
    const std::string existing = files().existingPath(std::string(path));
    if (existing.empty()) return kFileNotFoundErr;
    *ref = FileRef{existing};
    return kFileNoErr;
}

int32_t FD_CreateDirectoryWithFSRef(std::string_view name, const FileRef& parent, FileRef* folder) {
    if (!isItemName(name)) return kBadNameErr;
    if (files().kindOf(parent.path) != platform::FileKind::Folder) return kFileNotFoundErr;
    const std::string path = joined(parent.path, name);
    if (files().kindOf(path) != platform::FileKind::None) {
        const int32_t lookup = FD_PathGetFSRef(name, &parent, folder);
        return lookup == kFileNoErr ? kDuplicateNameErr : lookup;
    }
    if (!files().createFolder(path)) return kIoErr;
    return FD_PathGetFSRef(name, &parent, folder);
}

int32_t FD_CreateDirectoryWithCFURL(std::string_view name, const FileURL& parent, FileURL* folder) {
    FileRef parentRef;
    if (const int32_t status = FD_CFURLGetFSRef(parent, &parentRef); status != kFileNoErr) return status;
    FileRef made;
    const int32_t status = FD_CreateDirectoryWithFSRef(name, parentRef, &made);
    if (status != kFileNoErr && status != kDuplicateNameErr) return status;
    if (const int32_t urlStatus = FD_FSRefCreateCFURL(made, folder); urlStatus != kFileNoErr) return urlStatus;
    return status;
}

int32_t FD_SpecialDirectoryCreateCFURL(int16_t domain, uint32_t folderType, FileURL* url) {
    const auto found = SystemDirectoryCopyURL(folderType, domain);
    if (!found) return kFileNotFoundErr;
    *url = *found;
    return kFileNoErr;
}

std::optional<FileURL> SystemDirectoryCopyURL(uint32_t folderType, int16_t domain) {
    // Only the user's own folders have a counterpart on this desktop.
    if (domain != kUserDomain) return std::nullopt;
    const auto folder = userFolderOf(folderType);
    if (!folder) return std::nullopt;
    std::string path = files().userFolder(*folder);
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    if (!isAbsolute(path)) return std::nullopt;
    return FileURL{path};
}

int32_t moveItemToTrash(const FileRef& item) {
    if (!isAbsolute(item.path) || files().kindOf(item.path) == platform::FileKind::None) return kFileNotFoundErr;
    return files().moveToTrash(item.path) ? kFileNoErr : kIoErr;
}

}  // namespace quendal
