// Volumes and open files on Linux: statvfs, syncfs and the process table in /proc.
#include "plugin/Backends.h"

#include <cerrno>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace {

bool allDigits(const char* name) {
    if (!*name) return false;
    for (; *name; ++name)
        if (*name < '0' || *name > '9') return false;
    return true;
}

// The access mode of an open file, from the "flags:" line of its fdinfo (octal).
std::optional<int> accessMode(const std::string& fdinfo) {
    std::ifstream in(fdinfo);
    std::string key;
    std::string value;
    while (in >> key >> value)
        if (key == "flags:") return static_cast<int>(std::strtol(value.c_str(), nullptr, 8)) & O_ACCMODE;
    return std::nullopt;
}

class LinuxFileSystem : public FileSystemBackend {
public:
    std::optional<VolumeSpace> volumeSpace(const std::string& path) override {
        struct statvfs info {};
        if (statvfs(path.c_str(), &info) != 0) return std::nullopt;
        return VolumeSpace{static_cast<uint64_t>(info.f_blocks) * info.f_frsize,
                           static_cast<uint64_t>(info.f_bavail) * info.f_frsize};
    }

    int flushVolume(const std::string& path) override {
        const int file = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
        if (file < 0) return -errno;
        const int result = syncfs(file) == 0 ? 0 : -errno;
        close(file);
        return result;
    }

    // Looks through the open files of every process of this user, this one included, for the
    // file's device and inode; the file itself is never opened.
    bool openForWriting(const std::string& path) override {
        struct stat target {};
        if (stat(path.c_str(), &target) != 0) return false;
        DIR* processes = opendir("/proc");
        if (!processes) return false;
        bool found = false;
        while (dirent* process = readdir(processes)) {
            if (!allDigits(process->d_name)) continue;
            const std::string folder = std::string("/proc/") + process->d_name;
            struct stat owner {};
            if (stat(folder.c_str(), &owner) != 0 || owner.st_uid != getuid()) continue;
            if ((found = holdsForWriting(folder, target))) break;
        }
        closedir(processes);
        return found;
    }

private:
    static bool holdsForWriting(const std::string& processFolder, const struct stat& target) {
        DIR* files = opendir((processFolder + "/fd").c_str());
        if (!files) return false;
        bool found = false;
        while (dirent* file = readdir(files)) {
            if (!allDigits(file->d_name)) continue;
            struct stat info {};
            if (stat((processFolder + "/fd/" + file->d_name).c_str(), &info) != 0) continue;
            if (info.st_dev != target.st_dev || info.st_ino != target.st_ino) continue;
            const auto mode = accessMode(processFolder + "/fdinfo/" + file->d_name);
            if ((found = mode && (*mode == O_WRONLY || *mode == O_RDWR))) break;
        }
        closedir(files);
        return found;
    }
};

}  // namespace

template <>
FileSystemBackend& linuxBackend<FileSystemBackend>() {
    static LinuxFileSystem fileSystem;
    return fileSystem;
}
