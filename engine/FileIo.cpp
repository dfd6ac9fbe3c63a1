#include "FileIo.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "Codepage.h"

namespace verbal {

std::string ShownPath(const std::string& nativePath) { return Utf8ToCp1252(nativePath); }

bool StorableName(const std::string& nativePath) {
    return Cp1252ToUtf8(Utf8ToCp1252(nativePath)) == nativePath;
}

ReadResult ReadWholeFile(const std::string& path, std::size_t maxBytes, std::vector<char>& bytes,
                         std::size_t& size) {
    return ReadNativeFile(path, maxBytes, bytes, size);
}

int OpenRegularFile(const std::string& native) {
    if (native.empty()) return -1;
    // Without O_NONBLOCK, opening a FIFO waits for a writer for ever.
    const int fd = ::open(native.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return -1;
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return -1;
    }
    // A regular file never blocks; reads go on as usual.
    const int flags = fcntl(fd, F_GETFL);
    if (flags >= 0) fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    return fd;
}

long ReadUpTo(int fd, char* data, std::size_t maxBytes) {
    std::size_t done = 0;
    while (done < maxBytes) {
        const ssize_t n = ::read(fd, data + done, maxBytes - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return -1;
        if (n == 0) break;
        done += static_cast<std::size_t>(n);
    }
    return static_cast<long>(done);
}

ReadResult ReadNativeFile(const std::string& native, std::size_t maxBytes, std::vector<char>& bytes,
                          std::size_t& size) {
    size = 0;
    bytes.clear();
    const int fd = OpenRegularFile(native);
    if (fd < 0) return ReadResult::CannotOpen;
    struct stat info {};
    if (fstat(fd, &info) != 0) {
        ::close(fd);
        return ReadResult::CannotOpen;
    }
    size = static_cast<std::size_t>(info.st_size);
    if (size > maxBytes) {
        ::close(fd);
        return ReadResult::TooLarge;
    }
    // One byte more than announced tells a file that grew since fstat().
    bytes.resize(size + 1);
    const long got = ReadUpTo(fd, bytes.data(), size + 1);
    ::close(fd);
    if (got < 0 || static_cast<std::size_t>(got) < size) {
        bytes.clear();
        return ReadResult::ReadError;
    }
    bytes.resize(size);
    if (static_cast<std::size_t>(got) > size) return ReadResult::TooLarge;
    return ReadResult::Ok;
}

bool FileCanBeRead(const std::string& path) {
    const int fd = OpenRegularFile(path);
    if (fd < 0) return false;
    ::close(fd);
    return true;
}

int WriteFileAtomically(const std::string& path, const std::vector<char>& bytes) {
    std::string native = path;
    // A link is saved through: its target gets the new bytes, the link stays.
    struct stat link {};
    if (lstat(native.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) {
        if (char* real = realpath(native.c_str(), nullptr)) {
            native = real;
            std::free(real);
        }
    }
    struct stat old {};
    const bool replacing = stat(native.c_str(), &old) == 0 && S_ISREG(old.st_mode);

    // A short name in the same folder: the longest valid file name can still
    // be saved, and the rename never crosses a file system.
    const std::size_t slash = native.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : native.substr(0, slash + 1);
    const std::string temp = folder + ".vbg-XXXXXX";
    std::vector<char> name(temp.begin(), temp.end());
    name.push_back('\0');
    const int fd = mkstemp(name.data());
    if (fd < 0) return errno ? errno : EIO;
    int err = 0;
    std::size_t done = 0;
    while (err == 0 && done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) err = errno;
        else if (n == 0) err = EIO;
        else done += static_cast<std::size_t>(n);
    }
    if (err == 0 && fsync(fd) != 0) err = errno;
    if (err == 0) {
        if (replacing) {
            // The grid keeps its permissions, and its owner and group where
            // the system lets us give them.
            if (old.st_uid != geteuid() || old.st_gid != getegid())
                if (fchown(fd, old.st_uid, old.st_gid) != 0) { /* kept as ours */ }
            fchmod(fd, old.st_mode & 07777);
        } else {
            // A new file gets the usual permissions of a user's document.
            const mode_t mask = umask(0);
            umask(mask);
            fchmod(fd, 0666 & ~mask);
        }
    }
    if (::close(fd) != 0 && err == 0) err = errno;
    if (err == 0 && std::rename(name.data(), native.c_str()) != 0) err = errno;
    if (err != 0) std::remove(name.data());
    return err;
}

std::string FrenchErrorText(int errnum) {
    switch (errnum) {
    case 0: return W("aucune erreur");
    case ENOENT: return W("le dossier n'existe pas");
    case EACCES:
    case EPERM: return W("vous n'avez pas le droit d'écrire à cet endroit");
    case ENOSPC:
    case EDQUOT: return W("le disque est plein");
    case EROFS: return W("le disque est en lecture seule");
    case ENAMETOOLONG: return W("le chemin est trop long");
    case ENOTDIR: return W("un élément du chemin n'est pas un dossier");
    case EISDIR: return W("ce nom est celui d'un dossier");
    case EIO: return W("erreur d'entrée-sortie du disque");
    default: return W("erreur système ") + std::to_string(errnum);
    }
}

}  // namespace verbal
