#pragma once
// The program's font. Every window and the printed reports use Tahoma; on Debian
// the Tahoma-metric font of fonts-wine stands in for it, loaded once from its files.
// Without those files the default sans-serif font is used.

#include <QFont>

// Registers the Tahoma files with the application (idempotent). Returns the family to use.
QString NactiTahomu();

// Tahoma (or the fallback) at the given point size.
QFont pismoTahoma(qreal body = 8, bool tucne = false);

// Tahoma (or the fallback) with a font height in pixels, as the main window's title uses.
QFont pismoTahomaPx(int pixely, bool tucne = false);

// The font with QFont::PreferNoShaping added: text whose script needs no shaping (Latin and the
// like) is laid out glyph by glyph without HarfBuzz, in half the time; other scripts are shaped.
QFont pismoBezTvarovani(QFont pismo);
