#include "platform/files.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

bool ChangeDir(const std::string& path) { return !path.empty() && chdir(path.c_str()) == 0; }

std::string CurrentDir() {
    char buffer[4096];
    if (!getcwd(buffer, sizeof buffer)) return "";
    return buffer;
}

int FileType(const std::string& path) {
    struct stat info;
    if (path.empty() || stat(path.c_str(), &info) != 0) return 0;
    if (S_ISDIR(info.st_mode)) return 2;
    return 1;
}

bool FileExists(const std::string& path) { return FileType(path) != 0; }

bool MakeDir(const std::string& path) { return mkdir(path.c_str(), 0755) == 0 || errno == EEXIST; }

bool CreateEmptyFile(const std::string& path) {
    int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    return close(fd) == 0;
}

bool RemoveFile(const std::string& path) { return unlink(path.c_str()) == 0; }

bool ReadWholeFile(const std::string& path, std::string& bytes) {
    bytes.clear();
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat info;
    if (fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
        close(fd);
        return false;
    }
    char buffer[65536];
    for (;;) {
        ssize_t got = read(fd, buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR) continue;
            close(fd);
            return false;
        }
        if (got == 0) break;
        bytes.append(buffer, static_cast<size_t>(got));
    }
    close(fd);
    return true;
}

std::vector<std::string> SplitLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::string line;
    bool open = false;
    for (char c : bytes) {
        if (c == '\n' || c == '\0') {
            lines.push_back(line);
            line.clear();
            open = false;
        } else {
            if (c != '\r') line += c;
            open = true;
        }
    }
    if (open) lines.push_back(line);
    return lines;
}

std::vector<std::string> ReadAllLines(const std::string& path, bool* ok) {
    std::string bytes;
    bool read = ReadWholeFile(path, bytes);
    if (ok) *ok = read;
    if (!read) return {};
    return SplitLines(bytes);
}

namespace {

std::string FolderOf(const std::string& path) {
    size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

bool WriteAll(int fd, const char* data, size_t size) {
    while (size > 0) {
        ssize_t put = write(fd, data, size);
        if (put < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += put;
        size -= static_cast<size_t>(put);
    }
    return true;
}

void SetError(std::string* error, const std::string& what) {
    if (error) *error = what + ": " + std::strerror(errno);
}

} // namespace

bool WriteFileAtomic(const std::string& path, const std::string& bytes, std::string* error) {
    std::string temp = path + ".tmp-XXXXXX";
    std::vector<char> name(temp.begin(), temp.end());
    name.push_back('\0');
    int fd = mkstemp(name.data());
    if (fd < 0) {
        SetError(error, "cannot create a temporary file beside " + path);
        return false;
    }
    if (!WriteAll(fd, bytes.data(), bytes.size())) {
        SetError(error, "cannot write " + path);
        close(fd);
        unlink(name.data());
        return false;
    }
    if (fsync(fd) != 0) {
        SetError(error, "cannot flush " + path);
        close(fd);
        unlink(name.data());
        return false;
    }
    // mkstemp makes the file private; a saved file is as readable as one the program created.
    fchmod(fd, 0644);
    if (close(fd) != 0) {
        SetError(error, "cannot close " + path);
        unlink(name.data());
        return false;
    }
    if (rename(name.data(), path.c_str()) != 0) {
        SetError(error, "cannot replace " + path);
        unlink(name.data());
        return false;
    }
    int dir = open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        fsync(dir);
        close(dir);
    }
    return true;
}

struct OutFile {
    int fd = -1;
};

OutFile* OpenOutFile(const std::string& path) {
    int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return nullptr;
    return new OutFile{fd};
}

bool WriteOut(OutFile* file, const std::string& bytes) {
    if (!file) return false;
    // One write per line straight to the kernel: a crash afterwards loses nothing already logged.
    return WriteAll(file->fd, bytes.data(), bytes.size());
}

void CloseOutFile(OutFile* file) {
    if (!file) return;
    close(file->fd);
    delete file;
}
