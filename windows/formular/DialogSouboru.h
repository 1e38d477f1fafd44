#pragma once
// The file dialogs of the windows: the report's save dialog, the editor's picture dialog and the
// Morse window's sound dialog are made here, alike, and each window adds what is its own (a
// caption, the file it proposes, the folder it starts in).

#include <QAnyStringView>
#include <QFileDialog>
#include <QString>
#include <QStringList>

class QWidget;

// The folder, under the working folder, in which the save dialogs start when it exists.
inline constexpr char SlozkaUlozenych[] = "ulozeneTalvo";

// Where a save dialog starts: SlozkaUlozenych of the working folder when it exists, the working
// folder otherwise. Nothing creates the folder.
QString slozkaUkladani();

// A file dialog owned by rodic and named jmeno (objectName): Qt's own dialog, not the desktop's,
// so it looks the same everywhere and tests can answer it. A save dialog (QFileDialog::AcceptSave)
// takes any file name and completes a name without suffix with pripona; an open dialog takes only
// an existing file. filtry are its name filters, the first one selected.
QFileDialog *dialogSouboru(QWidget *rodic, QAnyStringView jmeno, QFileDialog::AcceptMode rezim,
                           const QStringList &filtry, const QString &pripona = {});
