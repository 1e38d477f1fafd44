#include "windows/zpravy/Zprava.h"

#include "windows/formular/RozvrzeniMema.h"

#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextOption>
#include <QWidget>

namespace {
// Set on a report memo once its first line is in, so that a first line that is empty still counts.
constexpr char ZpravaZahajena[] = "talvoZpravaZahajena";
} // namespace

IZprava *zpravaOkna(QWidget *okno)
{
    return dynamic_cast<IZprava *>(okno);
}

bool lzeUlozit(DruhZpravy druh)
{
    switch (druh) {
    case DruhZpravy::Editor:
    case DruhZpravy::Morseovka:
    case DruhZpravy::Mrizka:
    case DruhZpravy::Kolecko:
    case DruhZpravy::Snek:
        return true;
    }
    return false;
}

bool lzeTisknout(DruhZpravy druh)
{
    return lzeUlozit(druh);
}

QSize velikostTiskoveZpravy(DruhZpravy druh)
{
    return druh == DruhZpravy::Editor ? QSize(780, 800) : QSize(800, 800);
}

QPlainTextEdit *vytvorMemoTisk(QWidget *rodic)
{
    // The report memo never shows; it only gathers the report lines.
    auto *memo = new QPlainTextEdit(rodic);
    memo->setObjectName(QStringLiteral("memoTisk"));
    memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memo->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    memo->setGeometry(0, 0, 753, 10);
    memo->hide();
    // Never shown, so never in the focus chain either.
    memo->setFocusPolicy(Qt::NoFocus);
    pripravMemo(memo);
    return memo;
}

void pridejDoZpravy(QPlainTextEdit *memo, const QString &text)
{
    QString radky = text;
    radky.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    radky.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const bool zahajena = memo->property(ZpravaZahajena).toBool() || !memo->document()->isEmpty();
    QTextCursor kurzor(memo->document());
    // In one edit block the cursor does not ask for the new text's layout to place itself.
    kurzor.beginEditBlock();
    kurzor.movePosition(QTextCursor::End);
    if (zahajena)
        kurzor.insertBlock();
    kurzor.insertText(radky);
    kurzor.endEditBlock();
    memo->setProperty(ZpravaZahajena, true);
}

std::optional<QString> textZpravy(IZprava &zprava)
{
    QPlainTextEdit *memo = zprava.memoTisk();
    memo->clear();
    memo->setProperty(ZpravaZahajena, false);
    zprava.NaplnTisk();
    if (!memo->property(ZpravaZahajena).toBool() && memo->document()->isEmpty())
        return std::nullopt;
    return memo->toPlainText();
}

QStringList radkyZpravy(IZprava &zprava)
{
    const std::optional<QString> text = textZpravy(zprava);
    return text ? text->split(QLatin1Char('\n')) : QStringList();
}
