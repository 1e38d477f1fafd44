#pragma once
// The overview window: one description of the store shown as a read-only page.
//
// ZobrazPopis reads the description's files once and stacks inside the scroll box `pozadi`: the
// title, the description, the heading "Příklad šifrování", the example (its text, or the picture
// "-obr1.bmp" when there is no "-priklad.txt"), the picture title and the picture "-obr.bmp". A text
// box is as high as the lines it shows: 30 pixels a line from 13 pt up, 21 below. Print takes the
// same texts and pictures through IPrehledTisku. The window is never saved and never refreshed.

#include "windows/zpravy/TiskPrehledu.h"

#include <QImage>
#include <QString>
#include <QWidget>

#include <array>
#include <optional>

class QLabel;
class QScrollArea;
class QTextEdit;
enum class SouborPopisu;

class TTalvoPrehled : public QWidget, public IPrehledTisku
{
    Q_OBJECT
public:
    explicit TTalvoPrehled(QWidget *parent = nullptr);

    QSize sizeHint() const override { return {800, 608}; }

    // Lays out the description in folder f of the store, once. When a file cannot be read the user is
    // told, the layout stops there and what is laid out so far stays; false then.
    bool ZobrazPopis(const QString &f);

    PrehledKTisku pripravTisk() override;

    // The message shown when a file of description f is missing or cannot be opened.
    static QString zpravaChybiSoubory(const QString &f);

private:
    // Makes text k at top nahore, as high as its lines; returns the top of what follows it.
    int pridejText(int k, qreal body, const QString &text, int nahore);
    // Makes picture k at top nahore showing at most the left 700 pixels; returns its bottom.
    int pridejObrazek(int k, const QImage &obraz, int nahore);
    // A file's text as a box shows it, or nullopt after telling the user that the files are missing.
    std::optional<QString> prectiText(SouborPopisu s);
    // A picture, or nullopt after telling the user that it is missing or cannot be decoded.
    std::optional<QImage> prectiObrazek(SouborPopisu s);
    QString cesta(SouborPopisu s) const;
    bool existuje(SouborPopisu s) const;
    void ohlasChybiSoubory();

    QScrollArea *pozadi = nullptr;
    QWidget *m_plocha = nullptr;
    QString m_slozka;
    std::array<QTextEdit *, 5> m_texty{};
    std::array<QString, 5> m_zobrazene;
    std::array<QImage, 2> m_obrazy;
    QTextEdit *m_zprava = nullptr;
};
