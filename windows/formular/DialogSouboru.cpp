#include "windows/formular/DialogSouboru.h"

#include <QDir>

QString slozkaUkladani()
{
    const QDir pracovni = QDir::current();
    const QString slozka = pracovni.absoluteFilePath(QString::fromLatin1(SlozkaUlozenych));
    return QDir(slozka).exists() ? slozka : pracovni.absolutePath();
}

QFileDialog *dialogSouboru(QWidget *rodic, QAnyStringView jmeno, QFileDialog::AcceptMode rezim,
                           const QStringList &filtry, const QString &pripona)
{
    auto *dialog = new QFileDialog(rodic);
    dialog->setObjectName(jmeno);
    dialog->setOption(QFileDialog::DontUseNativeDialog, true);
    dialog->setAcceptMode(rezim);
    dialog->setFileMode(rezim == QFileDialog::AcceptSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!pripona.isEmpty())
        dialog->setDefaultSuffix(pripona);
    dialog->setNameFilters(filtry);
    return dialog;
}
