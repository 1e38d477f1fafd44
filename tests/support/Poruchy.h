#pragma once
// Faults a test puts into a real file system, also when it runs as root (as CI does), where
// permissions alone stop nothing:
// - ZamekZapisu: a file or folder that cannot be written or replaced (no write permission for an
//   ordinary user; the immutable attribute for root);
// - udelejNecitelny: a path that exists in a listing but cannot be read (no read permission for an
//   ordinary user; for root a symbolic link through a regular file, which nobody can follow);
// - OmezeniZapisu: every file the process writes fails after a given number of bytes, like a device
//   that fills up mid-write (RLIMIT_FSIZE, with SIGXFSZ ignored so the write just fails).
// Each undoes itself when it goes out of scope, so a temporary folder can be removed afterwards.

#include <QString>

class ZamekZapisu
{
public:
    explicit ZamekZapisu(const QString &cesta);
    ~ZamekZapisu();
    ZamekZapisu(const ZamekZapisu &) = delete;
    ZamekZapisu &operator=(const ZamekZapisu &) = delete;

    bool zamceno() const { return m_zamceno; }

private:
    bool nastav(bool zamknout);

    QString m_cesta;
    bool m_zamceno = false;
};

// Makes cesta (a file or a folder, existing) unreadable as described above; pomocny is a regular file
// outside the store that a link for root may lead through. False when it cannot.
bool udelejNecitelny(const QString &cesta, const QString &pomocny);
// Gives read permission back where udelejNecitelny took it (nothing to do for a link).
void vratCteni(const QString &cesta);

class OmezeniZapisu
{
public:
    explicit OmezeniZapisu(qint64 bajtu);
    ~OmezeniZapisu();
    OmezeniZapisu(const OmezeniZapisu &) = delete;
    OmezeniZapisu &operator=(const OmezeniZapisu &) = delete;

    bool platne() const { return m_platne; }

private:
    bool m_platne = false;
    unsigned long long m_puvodni = 0;
};
