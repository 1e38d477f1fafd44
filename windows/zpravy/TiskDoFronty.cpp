#include "windows/zpravy/TiskDoFronty.h"

#include <QFile>
#include <QPageLayout>
#include <QPrintEngine>
#include <QPrinter>

#include <cups/cups.h>

#include <utility>
#include <vector>

namespace {
// The options of the print dialog's Properties, as Qt's CUPS support keeps them on the print engine:
// name, value, name, value…
constexpr auto VolbyCups = QPrintEngine::PrintEnginePropertyKey(0xfe00);
} // namespace

bool tiskneDoFronty(const QPrinter &tiskarna)
{
    return tiskarna.outputFormat() == QPrinter::NativeFormat && tiskarna.outputFileName().isEmpty() &&
           !tiskarna.printerName().isEmpty();
}

bool odesliDoFronty(const QPrinter &tiskarna, const QString &soubor, const QString &nazev, QString *chyba)
{
    const QPageLayout stranka = tiskarna.pageLayout();
    const bool nasirku = stranka.orientation() == QPageLayout::Landscape;
    std::vector<std::pair<QByteArray, QByteArray>> volby{{"media", stranka.pageSize().key().toUtf8()}};
    switch (tiskarna.duplex()) {
    case QPrinter::DuplexNone:
        volby.emplace_back("sides", "one-sided");
        break;
    case QPrinter::DuplexAuto:
        volby.emplace_back("sides", nasirku ? "two-sided-short-edge" : "two-sided-long-edge");
        break;
    case QPrinter::DuplexLongSide:
        volby.emplace_back("sides", "two-sided-long-edge");
        break;
    case QPrinter::DuplexShortSide:
        volby.emplace_back("sides", "two-sided-short-edge");
        break;
    }
    if (nasirku)
        volby.emplace_back("landscape", "");
    const QStringList vlastnosti = tiskarna.printEngine()->property(VolbyCups).toStringList();
    for (qsizetype i = 0; i + 1 < vlastnosti.size(); i += 2)
        volby.emplace_back(vlastnosti[i].toUtf8(), vlastnosti[i + 1].toUtf8());

    std::vector<cups_option_t> volbyCups;
    volbyCups.reserve(volby.size());
    for (auto &[jmeno, hodnota] : volby)
        volbyCups.push_back({jmeno.data(), hodnota.data()});
    // The queue's name without the instance ("fronta/instance" names an instance's settings).
    const QByteArray fronta = tiskarna.printerName().section(u'/', 0, 0).toUtf8();
    const int uloha = cupsPrintFile(fronta.constData(), QFile::encodeName(soubor).constData(),
                                    nazev.toUtf8().constData(), int(volbyCups.size()), volbyCups.data());
    if (uloha == 0 && chyba)
        *chyba = QStringLiteral("Tiskárnu %1 nelze použít: %2")
                     .arg(tiskarna.printerName(), QString::fromUtf8(cupsLastErrorString()));
    return uloha != 0;
}
