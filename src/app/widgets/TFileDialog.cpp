#include "TFileDialog.h"

#include <QFileDialog>
#include <QFileInfo>

namespace
{
TFileDialog::Responder &responder()
{
    static TFileDialog::Responder r;
    return r;
}
} // namespace

TFileDialog::TFileDialog(Kind kind, QWidget *owner) : QObject(owner), DialogKind(kind), Owner(owner) {}

void TFileDialog::SetResponder(Responder r)
{
    responder() = std::move(r);
}

QStringList TFileDialog::nameFilters() const
{
    const QStringList parts = Filter.split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString pattern = parts[i + 1];
        // "*.*" means every file, also those without a dot.
        pattern.replace(QStringLiteral("*.*"), QStringLiteral("*"));
        pattern.replace(QLatin1Char(';'), QLatin1Char(' '));
        filters << QStringLiteral("%1 (%2)").arg(parts[i], pattern);
    }
    return filters;
}

QString TFileDialog::withDefaultExt(const QString &name) const
{
    if (name.isEmpty() || DefaultExt.isEmpty() || !QFileInfo(name).suffix().isEmpty())
        return name;
    return name + QLatin1Char('.') + DefaultExt;
}

void TFileDialog::configure(QFileDialog &dialog) const
{
    dialog.setAcceptMode(DialogKind == Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // The open dialog does not insist that the name exists. The save dialog
    // asks before it replaces a file: a wrong click must not destroy one.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, DialogKind != Save);
    dialog.setNameFilters(nameFilters());
    dialog.setDefaultSuffix(DefaultExt);
    if (!Directory.isEmpty())
        dialog.setDirectory(Directory);
    if (!FileName.isEmpty())
        dialog.selectFile(FileName);
}

bool TFileDialog::Execute()
{
    if (responder()) {
        TFileDialog answer(DialogKind, nullptr);
        answer.Filter = Filter;
        answer.DefaultExt = DefaultExt;
        answer.FileName = FileName;
        answer.Directory = Directory;
        if (!responder()(answer) || answer.FileName.isEmpty())
            return false;
        FileName = withDefaultExt(answer.FileName);
        return true;
    }
    QFileDialog dialog(Owner);
    configure(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    FileName = withDefaultExt(dialog.selectedFiles().constFirst());
    return true;
}
