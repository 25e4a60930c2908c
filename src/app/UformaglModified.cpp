// The window's record of edits not yet saved or programmed, the caption that
// shows it, and the question asked before such edits would be thrown away.
#include "Uformagl.h"

#include "MessageBoxes.h"
#include "ModuleLink.h"
#include "TEdit.h"
#include "TMemo.h"
#include "TSpinEdit.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLineEdit>
#include <QTabWidget>

namespace
{
const QString Caption = QStringLiteral("Tervala Loader v 1.1");
const QString DiscardQuestion =
    QStringLiteral("Zmienione ustawienia nie zostały zapisane ani zaprogramowane. Zapisać je do pliku?");
} // namespace

void TGlownaF::WatchEdits()
{
    // Every control on the pages holds a field of the record or of the notes;
    // the preset box only fills Ecsms, whose change counts.
    auto edited = [this] { ControlEdited(); };
    for (TEdit *edit : PageControl2->findChildren<TEdit *>())
        connect(edit, &QLineEdit::textChanged, this, edited);
    for (TSpinEdit *spin : PageControl2->findChildren<TSpinEdit *>())
        connect(spin->lineEdit(), &QLineEdit::textChanged, this, edited);
    for (QCheckBox *box : PageControl2->findChildren<QCheckBox *>())
        connect(box, &QCheckBox::toggled, this, edited);
    for (TMemo *memo : PageControl2->findChildren<TMemo *>())
        connect(memo, &TMemo::textChanged, this, edited);
}

void TGlownaF::ControlEdited()
{
    if (Refilling)
        return;
    ++EditCount;
    SetModified(true);
}

void TGlownaF::SetModified(bool modified)
{
    EditsModified = modified;
    // Unmodified, the caption is exactly the program's own; modified, Qt
    // shows the mark of unsaved changes in place of the placeholder.
    setWindowTitle(modified ? Caption + QStringLiteral("[*]") : Caption);
    setWindowModified(modified);
}

bool TGlownaF::ConfirmDiscardEdits()
{
    if (!EditsModified)
        return true;
    switch (AskQuestion(this, QStringLiteral("Uwaga"), DiscardQuestion,
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes,
                        QMessageBox::Cancel)) {
    case QMessageBox::Yes:
        return SaveSettingsAs();
    case QMessageBox::No:
        return true;
    default:
        return false;
    }
}

void TGlownaF::closeEvent(QCloseEvent *event)
{
    // A run in progress is abandoned at once, without a question.
    if (Link && Link->Busy()) {
        event->accept();
        return;
    }
    if (ConfirmDiscardEdits())
        event->accept();
    else
        event->ignore();
}
