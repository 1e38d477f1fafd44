#pragma once
// Plays Morse code on the default sound output. The samples come from the core's ZvukMorseovky as
// the output asks for them. Without a sound device (a headless machine) nothing plays and the
// caller gets a short message to show instead.

#include "ciphers/MorseovkaZvuk.h"

#include <QIODevice>
#include <QObject>
#include <QString>

#include <memory>

class QAudioDevice;
class QAudioFormat;
class QAudioSink;

// The default sound output and a 16-bit mono format for it at vzorkovani samples a second, or at the
// rate the output prefers when it cannot take that one (vzorkovani 0: the preferred rate at once).
// false with the reason in Czech when there is no output or it cannot play 16-bit mono.
bool vyberVystupZvuku(int vzorkovani, QAudioDevice *zarizeni, QAudioFormat *format, QString *chyba);

// A sound as a read-only device that the sound output pulls 16-bit samples from.
class ZdrojZvukuMorseovky : public QIODevice
{
public:
    ZdrojZvukuMorseovky(const QString &kod, const NastaveniZvuku &nastaveni, QObject *parent = nullptr);

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override;
    bool atEnd() const override;

protected:
    qint64 readData(char *data, qint64 maxlen) override;
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    ZvukMorseovky m_zvuk;
};

class TPrehravacMorseovky : public QObject
{
    Q_OBJECT
public:
    explicit TPrehravacMorseovky(QObject *parent = nullptr);
    ~TPrehravacMorseovky() override;

    // Starts playing kod, stopping what played before. False, with the reason in *chyba, when the
    // code holds no tone or no sound output can play it.
    bool prehraj(const QString &kod, const NastaveniZvuku &nastaveni, QString *chyba);
    void zastav();
    bool hraje() const;

    // Whether the system offers a sound output at all.
    static bool maZarizeni();

signals:
    // The sound has played to its end, was stopped, or the output failed (then with a message).
    void skonceno(const QString &chyba);

private:
    void stavSeZmenil();
    void uvolni();

    std::unique_ptr<QAudioSink> m_vystup;
    std::unique_ptr<QIODevice> m_zdroj;
};
