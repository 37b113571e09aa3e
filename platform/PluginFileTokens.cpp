#include "platform/PluginFileTokens.h"

#include "platform/PluginHost.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstring>
#include <map>
#include <optional>
#include <sys/stat.h>
#include <vector>

namespace {

constexpr int32_t kBadName = -37;
constexpr int kMaxSpecName = 63;

// Paths the host has handed out tokens for (token n is element n - 1), and the devices of the
// volumes it has numbered.
struct Tokens {
    std::vector<QByteArray> paths;
    std::map<QByteArray, uint32_t> tokenOf;
    std::vector<dev_t> volumes;

    uint32_t token(const QByteArray& path) {
        const auto found = tokenOf.find(path);
        if (found != tokenOf.end()) return found->second;
        paths.push_back(path);
        return tokenOf[path] = static_cast<uint32_t>(paths.size());
    }
    std::optional<QByteArray> path(uint32_t token) const {
        if (token == 0 || token > paths.size()) return std::nullopt;
        return paths[token - 1];
    }
    std::optional<int16_t> volume(dev_t device) {
        for (std::size_t i = 0; i < volumes.size(); ++i)
            if (volumes[i] == device) return static_cast<int16_t>(i + 1);
        if (volumes.size() >= INT16_MAX) return std::nullopt;
        volumes.push_back(device);
        return static_cast<int16_t>(volumes.size());
    }
};

Tokens& tokens() {
    static Tokens instance;
    return instance;
}

QByteArray cleanPath(const QString& path) {
    return QFile::encodeName(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
}

QByteArray itemPath(REALobject item) {
    const QString path = PluginHost::instance().folderItemPath(item);
    return path.isEmpty() ? QByteArray() : cleanPath(path);
}

QByteArray parentOf(const QByteArray& path) {
    const qsizetype slash = path.lastIndexOf('/');
    return slash <= 0 ? QByteArray("/") : path.left(slash);
}

QByteArray leafOf(const QByteArray& path) { return path == "/" ? QByteArray() : path.mid(path.lastIndexOf('/') + 1); }

QByteArray joined(const QByteArray& folder, const QByteArray& name) {
    if (name.isEmpty()) return folder;
    return folder.endsWith('/') ? folder + name : folder + '/' + name;
}

// A name that stays inside its folder.
bool validName(const QByteArray& name) {
    return !name.isEmpty() && name != "." && name != ".." && !name.contains('/') && !name.contains('\0');
}

std::optional<struct stat> statOf(const QByteArray& path) {
    struct stat info {};
    if (stat(path.constData(), &info) != 0) return std::nullopt;
    return info;
}

bool isFolder(const QByteArray& path) {
    const auto info = statOf(path);
    return info && S_ISDIR(info->st_mode);
}

bool specOfPath(const QByteArray& path, PluginFSSpec* spec) {
    const QByteArray folder = parentOf(path);
    const QByteArray name = leafOf(path);
    const auto folderInfo = statOf(folder);
    if (!spec || name.size() > kMaxSpecName || !folderInfo || !S_ISDIR(folderInfo->st_mode)) return false;
    const auto volume = tokens().volume(folderInfo->st_dev);
    if (!volume) return false;
    std::memset(spec, 0, sizeof(*spec));
    spec->volume = *volume;
    spec->parentID = static_cast<int32_t>(tokens().token(folder));
    spec->name[0] = static_cast<uint8_t>(name.size());
    std::memcpy(spec->name + 1, name.constData(), static_cast<std::size_t>(name.size()));
    return true;
}

std::optional<QByteArray> pathOfSpec(const PluginFSSpec* spec) {
    if (!spec) return std::nullopt;
    const auto folder = tokens().path(static_cast<uint32_t>(spec->parentID));
    const int length = spec->name[0];
    const QByteArray name(reinterpret_cast<const char*>(spec->name + 1), std::min(length, kMaxSpecName));
    if (!folder || length > kMaxSpecName || (!name.isEmpty() && !validName(name))) return std::nullopt;
    return joined(*folder, name);
}

std::optional<QByteArray> pathOfRef(const PluginFSRef* ref) {
    if (!ref || ref->magic != kPluginFSRefMagic) return std::nullopt;
    return tokens().path(ref->token);
}

void makeRef(const QByteArray& path, PluginFSRef* ref) {
    std::memset(ref, 0, sizeof(*ref));
    ref->magic = kPluginFSRefMagic;
    ref->token = tokens().token(path);
}

bool fillName(const QByteArray& path, PluginHFSName* name) {
    const QString leaf = QFile::decodeName(leafOf(path));
    if (leaf.size() > kPluginNameUnits) return false;
    name->length = static_cast<uint16_t>(leaf.size());
    std::memcpy(name->unicode, leaf.utf16(), static_cast<std::size_t>(leaf.size()) * 2);
    return true;
}

REALobject newItem(const QByteArray& path) { return PluginHost::instance().newFolderItem(QFile::decodeName(path)).release(); }

bool isVolumeRoot(const QByteArray& path) {
    if (path == "/") return true;
    const auto info = statOf(path);
    const auto parentInfo = statOf(parentOf(path));
    return info && parentInfo && info->st_dev != parentInfo->st_dev;
}

// Services.

bool fsSpecFromFolderItem(PluginFSSpec* spec, REALobject item) {
    const QByteArray path = itemPath(item);
    return !path.isEmpty() && specOfPath(path, spec);
}

bool fsRefFromFolderItem(REALobject item, PluginFSRef* ref, PluginHFSName* name) {
    const QByteArray path = itemPath(item);
    if (path.isEmpty() || !ref || !statOf(path)) return false;
    if (name && !fillName(path, name)) return false;
    makeRef(path, ref);
    return true;
}

REALobject folderItemFromFSSpec(const PluginFSSpec* spec) {
    const auto path = pathOfSpec(spec);
    return path ? newItem(*path) : nullptr;
}

REALobject folderItemFromParentFSRef(const PluginFSRef* parent, const PluginHFSName* name) {
    const auto folder = pathOfRef(parent);
    if (!folder || !name || name->length > kPluginNameUnits || !isFolder(*folder)) return nullptr;
    const QByteArray leaf = QFile::encodeName(
        QString::fromUtf16(reinterpret_cast<const char16_t*>(name->unicode), name->length));
    return validName(leaf) ? newItem(joined(*folder, leaf)) : nullptr;
}

int32_t getCatalogInfo(const PluginFSRef* ref, uint32_t whichInfo, uint32_t* nodeID, PluginHFSName* name,
                       PluginFSSpec* spec, PluginFSRef* parent) {
    const auto path = pathOfRef(ref);
    const auto info = path ? statOf(*path) : std::nullopt;
    if (!info) return kFileNotFound;
    if (parent) {
        if (*path == "/") return kFileNotFound;  // the root has no folder
        makeRef(parentOf(*path), parent);
    }
    if (nodeID && (whichInfo & kCatalogInfoNodeID)) {
        // Only the root's number means anything to the library; other items never get it.
        const auto inode = static_cast<uint32_t>(info->st_ino);
        *nodeID = isVolumeRoot(*path) ? kRootFolderNodeID : std::max<uint32_t>(inode, kRootFolderNodeID + 1);
    }
    if (name && !fillName(*path, name)) return kBadName;
    if (spec && !specOfPath(*path, spec)) return kBadName;
    return 0;
}

intptr_t pathFromFSSpec(const PluginFSSpec* spec, char* buffer, intptr_t size) {
    const auto path = pathOfSpec(spec);
    if (!path || !buffer || path->size() + 1 > size) return 0;
    std::memcpy(buffer, path->constData(), static_cast<std::size_t>(path->size()) + 1);
    return path->size();
}

const NamedService services[] = {
    {"REALFSSpecFromFolderItem", pluginFunction(&fsSpecFromFolderItem)},
    {"REALFSRefFromFolderItem", pluginFunction(&fsRefFromFolderItem)},
    {"FolderItemFromFSSpec", pluginFunction(&folderItemFromFSSpec)},
    {"REALFolderItemFromParentFSRef", pluginFunction(&folderItemFromParentFSRef)},
    {"FSGetCatalogInfo", pluginFunction(&getCatalogInfo)},
    {"REALPathFromFSSpec", pluginFunction(&pathFromFSSpec)},
};

}  // namespace

std::span<const NamedService> fileServices() { return services; }
