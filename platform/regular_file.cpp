#include "platform/regular_file.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

RegularFileRead readRegularFile(const QString &path)
{
    RegularFileRead result;
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        result.state = errno == ENOENT || errno == ENOTDIR ? RegularFileRead::Missing : RegularFileRead::Unreadable;
        if (result.state == RegularFileRead::Unreadable) {
            struct stat st {};
            if (::stat(name.constData(), &st) == 0 && !S_ISREG(st.st_mode))
                result.state = RegularFileRead::NotRegular;
        }
        return result;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        result.state = RegularFileRead::NotRegular;
        return result;
    }
    result.state = RegularFileRead::Regular;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n > 0) {
            result.data.append(buffer, int(n));
        } else if (n == 0) {
            break;
        } else if (errno != EINTR) {
            result.state = RegularFileRead::Unreadable;
            result.data.clear();
            break;
        }
    }
    ::close(fd);
    return result;
}

bool isAbsentOrRegularFile(const QString &path)
{
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return errno == ENOENT;
    return S_ISREG(st.st_mode);
}
