#include "FileIo.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "Codepage.h"

namespace verbal {

std::string NativePath(const std::string& path) { return Cp1252ToUtf8(path); }

ReadResult ReadWholeFile(const std::string& path, std::size_t maxBytes, std::vector<char>& bytes,
                         std::size_t& size) {
    return ReadNativeFile(NativePath(path), maxBytes, bytes, size);
}

ReadResult ReadNativeFile(const std::string& native, std::size_t maxBytes, std::vector<char>& bytes,
                          std::size_t& size) {
    size = 0;
    bytes.clear();
    struct stat info {};
    if (native.empty() || stat(native.c_str(), &info) != 0 || S_ISDIR(info.st_mode))
        return ReadResult::CannotOpen;
    std::FILE* file = std::fopen(native.c_str(), "rb");
    if (!file) return ReadResult::CannotOpen;
    size = static_cast<std::size_t>(info.st_size);
    if (size > maxBytes) {
        std::fclose(file);
        return ReadResult::TooLarge;
    }
    bytes.resize(size);
    const std::size_t got = size ? std::fread(bytes.data(), 1, size, file) : 0;
    // A file that grew since stat() is read up to the limit only.
    const bool more = std::fgetc(file) != EOF;
    std::fclose(file);
    if (got != size) return ReadResult::ReadError;
    if (more) return ReadResult::TooLarge;
    return ReadResult::Ok;
}

bool FileCanBeRead(const std::string& path) {
    const std::string native = NativePath(path);
    struct stat info {};
    if (native.empty() || stat(native.c_str(), &info) != 0 || S_ISDIR(info.st_mode)) return false;
    std::FILE* file = std::fopen(native.c_str(), "rb");
    if (!file) return false;
    std::fclose(file);
    return true;
}

int WriteFileAtomically(const std::string& path, const std::vector<char>& bytes) {
    const std::string native = NativePath(path);
    const std::string temp = native + ".tmp-XXXXXX";
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
    // The new file gets the usual permissions of a user's document.
    if (err == 0) {
        const mode_t mask = umask(0);
        umask(mask);
        fchmod(fd, 0666 & ~mask);
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
