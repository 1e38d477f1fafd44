#pragma once
// Qt's own dialogs (file, print, page set-up, message boxes) in Czech, whatever the desktop's language:
// the program's texts are Czech, and a dialog that speaks another language beside them confuses
// the children it is made for.

#include <QString>

class QCoreApplication;

// The name (objectName) of the translator that NactiCeskyPreklad installs in the application.
inline constexpr char JmenoCeskehoPrekladu[] = "CeskyPrekladQt";

// Loads Qt's Czech translations from Qt's translations folder (QLibraryInfo::TranslationsPath, where
// Debian's qt6-translations-l10n puts them) and installs them in aplikace, which owns them, with the
// few texts of Qt 6's file dialog that the catalogue lacks; makes Czech the default locale, so numbers
// in the dialogs' fields (the page set-up's margins) read as Czech too. True when they are installed,
// also when an earlier call installed them (they are installed once). False when they cannot be read, with the reason in *chyba:
// the dialogs then stay in English and the locale is left as it was.
bool NactiCeskyPreklad(QCoreApplication &aplikace, QString *chyba = nullptr);

// Loads the Czech translations of Qt from slozka instead; what NactiCeskyPreklad does with Qt's folder.
bool NactiCeskyPreklad(QCoreApplication &aplikace, const QString &slozka, QString *chyba);
