#include "windows/PrehravacMorseovky.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QIODevice>
#include <QMediaDevices>

#include <algorithm>
#include <cstring>

namespace {
QString popisChyby(QAudio::Error chyba)
{
    switch (chyba) {
    case QAudio::OpenError:
        return QStringLiteral("Zvukový výstup nelze otevřít.");
    case QAudio::IOError:
    case QAudio::UnderrunError:
    case QAudio::FatalError:
        return QStringLiteral("Přehrávání selhalo.");
    case QAudio::NoError:
        break;
    }
    return {};
}
} // namespace

ZdrojZvukuMorseovky::ZdrojZvukuMorseovky(const QString &kod, const NastaveniZvuku &nastaveni, QObject *parent)
    : QIODevice(parent), m_zvuk(kod, nastaveni)
{
    open(QIODevice::ReadOnly);
}

qint64 ZdrojZvukuMorseovky::bytesAvailable() const
{
    return 2 * m_zvuk.zbyva() + QIODevice::bytesAvailable();
}

bool ZdrojZvukuMorseovky::atEnd() const
{
    return m_zvuk.zbyva() == 0 && QIODevice::atEnd();
}

qint64 ZdrojZvukuMorseovky::readData(char *data, qint64 maxlen)
{
    // The output's buffer need not be aligned for 16-bit samples, so they go through a copy.
    qint16 kus[4096];
    qint64 precteno = 0;
    while (precteno + 2 <= maxlen) {
        const qint64 n = m_zvuk.ctiVzorky(kus, std::min<qint64>(std::size(kus), (maxlen - precteno) / 2));
        if (n == 0)
            break;
        std::memcpy(data + precteno, kus, size_t(2 * n));
        precteno += 2 * n;
    }
    return precteno;
}

TPrehravacMorseovky::TPrehravacMorseovky(QObject *parent) : QObject(parent) {}

TPrehravacMorseovky::~TPrehravacMorseovky()
{
    uvolni();
}

bool vyberVystupZvuku(int vzorkovani, QAudioDevice *zarizeni, QAudioFormat *format, QString *chyba)
{
    *zarizeni = QMediaDevices::defaultAudioOutput();
    if (zarizeni->isNull()) {
        *chyba = QStringLiteral("Zvukové zařízení není k dispozici.");
        return false;
    }
    format->setChannelCount(1);
    format->setSampleFormat(QAudioFormat::Int16);
    format->setSampleRate(vzorkovani > 0 ? vzorkovani : zarizeni->preferredFormat().sampleRate());
    // An output that cannot take the usual rate gets the sound at the rate it prefers.
    if (!zarizeni->isFormatSupported(*format))
        format->setSampleRate(zarizeni->preferredFormat().sampleRate());
    if (!zarizeni->isFormatSupported(*format)) {
        *chyba = QStringLiteral("Zvukové zařízení neumí tento zvuk přehrát.");
        return false;
    }
    return true;
}

bool TPrehravacMorseovky::prehraj(const QString &kod, const NastaveniZvuku &nastaveni, QString *chyba)
{
    zastav();
    if (UsekyMorseovky(kod).isEmpty()) {
        *chyba = QStringLiteral("Není co přehrát.");
        return false;
    }
    QAudioDevice zarizeni;
    QAudioFormat format;
    if (!vyberVystupZvuku(nastaveni.vzorkovani, &zarizeni, &format, chyba))
        return false;
    NastaveniZvuku vystupni = nastaveni;
    vystupni.vzorkovani = format.sampleRate();
    m_zdroj = std::make_unique<ZdrojZvukuMorseovky>(kod, vystupni);
    m_vystup = std::make_unique<QAudioSink>(zarizeni, format);
    // Queued, so the output is never destroyed inside its own signal.
    connect(m_vystup.get(), &QAudioSink::stateChanged, this, &TPrehravacMorseovky::stavSeZmenil, Qt::QueuedConnection);
    m_vystup->start(m_zdroj.get());
    if (m_vystup->error() != QAudio::NoError) {
        *chyba = popisChyby(m_vystup->error());
        uvolni();
        return false;
    }
    return true;
}

bool TPrehravacMorseovky::maZarizeni()
{
    return !QMediaDevices::defaultAudioOutput().isNull();
}

bool TPrehravacMorseovky::hraje() const
{
    return m_vystup != nullptr;
}

void TPrehravacMorseovky::zastav()
{
    if (!m_vystup)
        return;
    uvolni();
    emit skonceno({});
}

void TPrehravacMorseovky::stavSeZmenil()
{
    if (!m_vystup)
        return;
    const QAudio::State stav = m_vystup->state();
    const QAudio::Error chyba = m_vystup->error();
    // Idle once the whole sound has gone to the output (which may call that an underrun).
    if (stav == QAudio::IdleState && m_zdroj->atEnd()) {
        uvolni();
        emit skonceno({});
    } else if (stav == QAudio::StoppedState && chyba != QAudio::NoError) {
        uvolni();
        emit skonceno(popisChyby(chyba));
    }
}

void TPrehravacMorseovky::uvolni()
{
    if (!m_vystup)
        return;
    // The output is taken out first, so the state changes that stopping it sends are not answered.
    std::unique_ptr<QAudioSink> vystup = std::move(m_vystup);
    vystup->disconnect(this);
    vystup->stop();
    vystup.reset();
    m_zdroj.reset();
}
