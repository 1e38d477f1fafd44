// The start-up benchmark: how long Talvo takes from starting the process to an idle main window, and
// how much memory it takes at its peak, beside a bare QMainWindow program started the same way in the
// same run; then how long each window of the menus takes to open.
//
// Every program is a separate process (StartTalvo, StartHoly) that prints "idle" once its window is
// exposed and its event loop empty, and exits. The time runs from just before the process is started
// to that line; the peak is the process's maximum resident set. Talvo starts in a working folder with
// an empty store and in one with 25 descriptions. The runs of the three are interleaved and repeated;
// the medians are printed. It runs offscreen, and also under Xvfb when that is installed.
//
// Usage: talvo_mereni_startu [REPETITIONS]   (the start programs are looked for beside this one)

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMap>
#include <QStandardPaths>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <optional>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

using namespace Qt::StringLiterals;

namespace {

struct Beh
{
    double ms = 0;
    double mib = 0;
    QStringList radky; // what the program printed after "idle"
};

double median(std::vector<double> hodnoty)
{
    if (hodnoty.empty())
        return 0;
    std::sort(hodnoty.begin(), hodnoty.end());
    const size_t n = hodnoty.size();
    return n % 2 ? hodnoty[n / 2] : (hodnoty[n / 2 - 1] + hodnoty[n / 2]) / 2;
}

// Starts program in folder with the given environment, times it to its "idle" line, waits for its end.
std::optional<Beh> spust(const QString &program, const QStringList &argumenty, const QString &slozka,
                         const QStringList &prostredi)
{
    int roura[2];
    if (pipe(roura) != 0)
        return std::nullopt;
    std::vector<QByteArray> args{QFile::encodeName(program)};
    for (const QString &a : argumenty)
        args.push_back(a.toLocal8Bit());
    std::vector<char *> argv;
    for (QByteArray &a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    std::vector<QByteArray> env;
    for (const QString &e : prostredi)
        env.push_back(e.toLocal8Bit());
    std::vector<char *> envp;
    for (QByteArray &e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);

    posix_spawn_file_actions_t akce;
    posix_spawn_file_actions_init(&akce);
    posix_spawn_file_actions_adddup2(&akce, roura[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&akce, roura[0]);
    const QByteArray puvodni = QFile::encodeName(QDir::currentPath());
    // The child starts in the folder of its store; posix_spawn takes the working folder of the parent.
    if (!QDir::setCurrent(slozka))
        return std::nullopt;
    pid_t pid = 0;
    const auto zacatek = std::chrono::steady_clock::now();
    const int chyba = posix_spawn(&pid, argv[0], &akce, nullptr, argv.data(), envp.data());
    QDir::setCurrent(QFile::decodeName(puvodni));
    posix_spawn_file_actions_destroy(&akce);
    close(roura[1]);
    if (chyba != 0) {
        close(roura[0]);
        return std::nullopt;
    }
    Beh beh;
    QByteArray vystup;
    bool necinny = false;
    char buffer[4096];
    for (ssize_t n; (n = read(roura[0], buffer, sizeof buffer)) > 0;) {
        vystup.append(buffer, n);
        if (!necinny && vystup.contains("idle\n")) {
            necinny = true;
            beh.ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - zacatek).count();
        }
    }
    close(roura[0]);
    int stav = 0;
    rusage vyuziti{};
    wait4(pid, &stav, 0, &vyuziti);
    if (!necinny || !WIFEXITED(stav) || WEXITSTATUS(stav) != 0)
        return std::nullopt;
    beh.mib = double(vyuziti.ru_maxrss) / 1024.0;
    beh.radky = QString::fromUtf8(vystup).split(u'\n', Qt::SkipEmptyParts).mid(1);
    return beh;
}

QByteArray vCp1250(const QString &text)
{
    QStringEncoder koder("windows-1250");
    return koder.encode(text);
}

bool zapis(const QString &cesta, const QByteArray &bajty)
{
    QFile soubor(cesta);
    return QDir().mkpath(QFileInfo(cesta).path()) && soubor.open(QIODevice::WriteOnly) &&
           soubor.write(bajty) == bajty.size();
}

// A store with pocet descriptions of ordinary size: title, three paragraphs, an example and a picture.
bool vytvorUloziste(const QString &slozka, int pocet)
{
    if (!QDir().mkpath(slozka + QStringLiteral("/talvoPrehled")))
        return false;
    QImage obraz(300, 200, QImage::Format_RGB32);
    obraz.fill(Qt::darkGreen);
    for (int i = 0; i < pocet; ++i) {
        const QString f = QStringLiteral("Sifra%1").arg(i + 1, 2, 10, QLatin1Char('0'));
        const QString d = slozka + QStringLiteral("/talvoPrehled/") + f + u'/' + f;
        const QByteArray odstavec = vCp1250(u"Popis šifry, jak se píše a jak se čte. "_s).repeated(12);
        if (!zapis(d + QStringLiteral("-nadpis.txt"), vCp1250(u"Šifra č. %1\r\n"_s.arg(i + 1))) ||
            !zapis(d + QStringLiteral("-popis.txt"), (odstavec + "\r\n").repeated(3)) ||
            !zapis(d + QStringLiteral("-priklad.txt"), "ahoj -> .-/..../---/.---/\r\n") ||
            !zapis(d + QStringLiteral("-nadpisObrazku.txt"), vCp1250(u"Tabulka znaků"_s)) ||
            !obraz.save(d + QStringLiteral("-obr.bmp"), "BMP"))
            return false;
    }
    return true;
}

struct Xvfb
{
    pid_t pid = 0;
    QString displej;
    ~Xvfb()
    {
        if (pid > 0) {
            kill(pid, SIGTERM);
            waitpid(pid, nullptr, 0);
        }
    }
};

// Starts Xvfb on a free display number; an empty display when there is no Xvfb.
void spustXvfb(Xvfb &x)
{
    const QString program = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (program.isEmpty())
        return;
    for (int cislo = 90; cislo < 110; ++cislo) {
        if (QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(cislo)))
            continue;
        const QByteArray displej = ":" + QByteArray::number(cislo);
        const QByteArray cesta = QFile::encodeName(program);
        char *argv[] = {const_cast<char *>(cesta.constData()),
                        const_cast<char *>(displej.constData()),
                        const_cast<char *>("-screen"),
                        const_cast<char *>("0"),
                        const_cast<char *>("1280x900x24"),
                        const_cast<char *>("-nolisten"),
                        const_cast<char *>("tcp"),
                        nullptr};
        if (posix_spawn(&x.pid, argv[0], nullptr, nullptr, argv, environ) != 0)
            return;
        for (int i = 0; i < 100 && !QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(cislo)); ++i)
            usleep(50000);
        x.displej = QString::fromLatin1(displej);
        return;
    }
}

QStringList prostredi(const QString &platforma, const QString &displej)
{
    QStringList env;
    for (char **e = environ; *e; ++e) {
        const QString promenna = QString::fromLocal8Bit(*e);
        if (!promenna.startsWith(QStringLiteral("QT_QPA_PLATFORM=")) &&
            !promenna.startsWith(QStringLiteral("DISPLAY=")))
            env << promenna;
    }
    env << QStringLiteral("QT_QPA_PLATFORM=") + platforma;
    if (!displej.isEmpty())
        env << QStringLiteral("DISPLAY=") + displej;
    return env;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication aplikace(argc, argv);
    const int opakovani = argc > 1 ? std::max(3, atoi(argv[1])) : 11;
    const QString slozkaProgramu = QCoreApplication::applicationDirPath();
    const QString talvo = slozkaProgramu + QStringLiteral("/talvo_start");
    const QString holy = slozkaProgramu + QStringLiteral("/talvo_start_holy");

    QTemporaryDir docasna;
    const QString prazdne = docasna.filePath(QStringLiteral("prazdne"));
    const QString plne = docasna.filePath(QStringLiteral("plne"));
    if (!docasna.isValid() || !vytvorUloziste(prazdne, 0) || !vytvorUloziste(plne, 25)) {
        std::fprintf(stderr, "cannot prepare the stores\n");
        return 1;
    }

    Xvfb xvfb;
    spustXvfb(xvfb);
    QList<std::pair<QString, QStringList>> platformy{
        {QStringLiteral("offscreen"), prostredi(QStringLiteral("offscreen"), {})}};
    if (!xvfb.displej.isEmpty())
        platformy.append({QStringLiteral("xcb (Xvfb)"), prostredi(QStringLiteral("xcb"), xvfb.displej)});

    bool splneno = true;
    for (const auto &[platforma, env] : platformy) {
        std::vector<double> cas[3], pamet[3];
        const QString nazvy[3] = {QStringLiteral("bare QMainWindow"), QStringLiteral("Talvo, empty store"),
                                  QStringLiteral("Talvo, 25 descriptions")};
        // One run of each first, not counted: it fills the disk cache and the font cache.
        for (int k = -1; k < opakovani; ++k) {
            const std::optional<Beh> behy[3] = {spust(holy, {}, prazdne, env), spust(talvo, {}, prazdne, env),
                                                spust(talvo, {}, plne, env)};
            for (int i = 0; i < 3; ++i) {
                if (!behy[i]) {
                    std::fprintf(stderr, "%s: %s did not reach idle\n", qPrintable(platforma), qPrintable(nazvy[i]));
                    return 1;
                }
                if (k >= 0) {
                    cas[i].push_back(behy[i]->ms);
                    pamet[i].push_back(behy[i]->mib);
                }
            }
        }
        std::printf("\nStart to an idle main window, %s, median of %d runs:\n", qPrintable(platforma), opakovani);
        std::printf("  %-26s %10s %12s %14s\n", "program", "ms", "peak MiB", "vs bare");
        for (int i = 0; i < 3; ++i)
            std::printf("  %-26s %10.1f %12.1f %8.2fx %+5.1f MiB\n", qPrintable(nazvy[i]), median(cas[i]),
                        median(pamet[i]), median(cas[i]) / median(cas[0]), median(pamet[i]) - median(pamet[0]));
        const bool casOk = median(cas[2]) <= 1.5 * median(cas[0]);
        const bool pametOk = median(pamet[2]) <= median(pamet[0]) + 10.0;
        std::printf("  targets for 25 descriptions: time <= 1.5x bare %s, peak <= bare + 10 MiB %s\n",
                    casOk ? "met" : "MISSED", pametOk ? "met" : "MISSED");
        splneno = splneno && casOk && pametOk;

        QMap<QString, std::vector<double>> okna;
        for (int k = 0; k < opakovani; ++k) {
            const std::optional<Beh> beh = spust(talvo, {QStringLiteral("okna")}, plne, env);
            if (!beh) {
                std::fprintf(stderr, "%s: the window run failed\n", qPrintable(platforma));
                return 1;
            }
            for (const QString &radek : beh->radky) {
                const QStringList pole = radek.split(u' ');
                if (pole.size() == 3 && pole[0] == u"okno")
                    okna[pole[1]].push_back(pole[2].toDouble());
            }
        }
        std::printf("Opening each window from its menu command to painted, %s, median of %d runs:\n",
                    qPrintable(platforma), opakovani);
        for (auto it = okna.cbegin(); it != okna.cend(); ++it) {
            const double ms = median(it.value());
            std::printf("  %-26s %8.1f ms%s\n", qPrintable(it.key()), ms, ms <= 50 ? "" : "  (over 50 ms)");
            splneno = splneno && ms <= 50;
        }
    }
    std::printf("\n%s\n", splneno ? "All start-up targets met." : "Some start-up targets MISSED.");
    return 0;
}
