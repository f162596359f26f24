// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Loaded with LD_PRELOAD: makes one kind of call fail with EIO, as a failing disk does,
// for files and folders under one path only; every other call goes through. Lock files
// (*.lock) keep working: a lock taken before a write that then fails is the case that
// once emptied the settings.
//   ORBELLE_FAULT        write, fsync, rename, read, or shortread (the first read
//                        finds the end of the file at once)
//   ORBELLE_FAULT_UNDER  the path under which calls fail

#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

bool faultIs(const char* kind) {
    const char* fault = std::getenv("ORBELLE_FAULT");
    return fault && std::strcmp(fault, kind) == 0;
}

bool isUnder(const char* path) {
    const char* under = std::getenv("ORBELLE_FAULT_UNDER");
    const std::size_t length = std::strlen(path);
    const bool lock = length >= 5 && std::strcmp(path + length - 5, ".lock") == 0;
    return under && *under && !lock && std::strncmp(path, under, std::strlen(under)) == 0;
}

bool descriptorIsUnder(int fd) {
    char link[64];
    char path[4096];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    const ssize_t length = ::readlink(link, path, sizeof path - 1);
    if (length <= 0)
        return false;
    path[length] = '\0';
    return isUnder(path);
}

bool fails(const char* kind, int fd) {
    if (!faultIs(kind) || !descriptorIsUnder(fd))
        return false;
    errno = EIO;
    return true;
}

template <typename Function> Function next(const char* name) {
    return reinterpret_cast<Function>(::dlsym(RTLD_NEXT, name));
}

} // namespace

extern "C" {

ssize_t write(int fd, const void* buffer, size_t count) {
    if (fails("write", fd))
        return -1;
    return next<ssize_t (*)(int, const void*, size_t)>("write")(fd, buffer, count);
}

int fsync(int fd) {
    if (fails("fsync", fd))
        return -1;
    return next<int (*)(int)>("fsync")(fd);
}

int fdatasync(int fd) {
    if (fails("fsync", fd))
        return -1;
    return next<int (*)(int)>("fdatasync")(fd);
}

ssize_t read(int fd, void* buffer, size_t count) {
    if (fails("read", fd))
        return -1;
    if (faultIs("shortread") && descriptorIsUnder(fd))
        return 0;
    return next<ssize_t (*)(int, void*, size_t)>("read")(fd, buffer, count);
}

int renameat2(int fromFolder, const char* from, int toFolder, const char* to, unsigned int flags) {
    if (fails("rename", toFolder))
        return -1;
    return next<int (*)(int, const char*, int, const char*, unsigned int)>("renameat2")(fromFolder, from, toFolder, to,
                                                                                        flags);
}

int renameat(int fromFolder, const char* from, int toFolder, const char* to) {
    if (fails("rename", toFolder))
        return -1;
    return next<int (*)(int, const char*, int, const char*)>("renameat")(fromFolder, from, toFolder, to);
}

int rename(const char* from, const char* to) {
    if (faultIs("rename") && isUnder(to)) {
        errno = EIO;
        return -1;
    }
    return next<int (*)(const char*, const char*)>("rename")(from, to);
}

} // extern "C"
