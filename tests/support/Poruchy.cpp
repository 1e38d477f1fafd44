#include "support/Poruchy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <csignal>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {
bool jsemRoot()
{
    return geteuid() == 0;
}
} // namespace

ZamekZapisu::ZamekZapisu(const QString &cesta) : m_cesta(cesta)
{
    m_zamceno = nastav(true);
}

ZamekZapisu::~ZamekZapisu()
{
    if (m_zamceno)
        nastav(false);
}

bool ZamekZapisu::nastav(bool zamknout)
{
    const QByteArray cesta = QFile::encodeName(m_cesta);
    if (!jsemRoot()) {
        QFile::Permissions prava = QFileInfo(m_cesta).permissions();
        const QFile::Permissions zapis = QFile::WriteOwner | QFile::WriteUser | QFile::WriteGroup | QFile::WriteOther;
        return QFile::setPermissions(m_cesta, zamknout ? prava & ~zapis : prava | QFile::WriteOwner | QFile::WriteUser);
    }
    const int fd = ::open(cesta.constData(), O_RDONLY | O_NONBLOCK);
    if (fd < 0)
        return false;
    int priznaky = 0;
    bool hotovo = ::ioctl(fd, FS_IOC_GETFLAGS, &priznaky) == 0;
    if (hotovo) {
        priznaky = zamknout ? priznaky | FS_IMMUTABLE_FL : priznaky & ~FS_IMMUTABLE_FL;
        hotovo = ::ioctl(fd, FS_IOC_SETFLAGS, &priznaky) == 0;
    }
    ::close(fd);
    return hotovo;
}

bool udelejNecitelny(const QString &cesta, const QString &pomocny)
{
    if (!jsemRoot())
        return QFile::setPermissions(cesta, QFile::Permissions());
    // Root reads through any permission; a path through a regular file cannot be read by anyone.
    const bool slozka = QFileInfo(cesta).isDir();
    if (!(slozka ? QDir(cesta).removeRecursively() : QFile::remove(cesta)))
        return false;
    return QFile::link(pomocny + QStringLiteral("/nelze"), cesta);
}

void vratCteni(const QString &cesta)
{
    const QFileInfo info(cesta);
    if (!info.isSymLink())
        QFile::setPermissions(cesta, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

OmezeniZapisu::OmezeniZapisu(qint64 bajtu)
{
    rlimit limit{};
    if (::getrlimit(RLIMIT_FSIZE, &limit) != 0)
        return;
    m_puvodni = limit.rlim_cur;
    std::signal(SIGXFSZ, SIG_IGN);
    limit.rlim_cur = rlim_t(bajtu);
    m_platne = ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
}

OmezeniZapisu::~OmezeniZapisu()
{
    if (!m_platne)
        return;
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = rlim_t(m_puvodni);
    ::setrlimit(RLIMIT_FSIZE, &limit);
}
