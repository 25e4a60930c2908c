#include "ReactionButtons.h"

#include "ControlLookup.h"
#include "ModalDialogs.h"

#include <QLineEdit>

namespace ReactionButtons
{

namespace
{

// Captions of the right-hand boxes; the trailing blanks are part of them.
const QString DelayedReactionCaption = QStringLiteral("opóźniona reakcja wejścia      ");
const QString SirenCaption = QStringLiteral("załącz wyj. syreny     ");
const QString BlockingCaption = QStringLiteral("załącz wyj. blokady  ");

struct TSlot {
    int n = -1;
    int r = -1;
};

// n is the one digit at a fixed 1-based position of the name, r the name's
// last character. A name too short or with other characters there gives no slot.
TSlot SlotOf(const QString &name, int position, int lastSlot)
{
    if (name.size() <= position)
        return {};
    const QChar digitN = name.at(position - 1);
    const QChar digitR = name.at(name.size() - 1);
    if (!digitN.isDigit() || !digitR.isDigit())
        return {};
    const int n = digitN.digitValue();
    const int r = digitR.digitValue();
    if (n < 1 || n > lastSlot || r < 1 || r > 2)
        return {};
    return {n, r};
}

bool SameName(const QString &a, const char *b)
{
    return a.compare(QLatin1String(b), Qt::CaseInsensitive) == 0;
}

int ShowReactionDialog(TFconfigNumberWeRe &dialog, TModuleSettings &settings, int index)
{
    if (ExecModal(dialog) == QDialog::Accepted)
        settings.data()[index] = dialog.ReactionByte();
    return index;
}

int ShowNotificationDialog(TFConfigWorkWeRe &dialog, TModuleSettings &settings, int index)
{
    if (ExecModal(dialog) == QDialog::Accepted)
        settings.data()[index] = dialog.NotificationByte();
    return index;
}

QString BoxText(const QObject *mainWindow, const QString &name)
{
    const auto *box = FindControl<QLineEdit>(mainWindow, name);
    return box ? box->text() : QString();
}

// Row labels show the user's name, or "Użytkownik u"; a user without a
// telephone number can get neither an SMS nor a call.
void FitUsers(TFConfigWorkWeRe &dialog, const QObject *mainWindow)
{
    for (int u = 1; u <= 4; ++u) {
        const QString name = BoxText(mainWindow, QStringLiteral("Eosoba%1").arg(u));
        dialog.UserLabel(u)->setText(name.isEmpty() ? QStringLiteral("Użytkownik %1").arg(u) : name);
        const bool hasNumber = !BoxText(mainWindow, QStringLiteral("Enruser%1").arg(u)).isEmpty();
        dialog.SmsBox(u)->setEnabled(hasNumber);
        dialog.ClipBox(u)->setEnabled(hasNumber);
        if (!hasNumber) {
            dialog.SmsBox(u)->setChecked(false);
            dialog.ClipBox(u)->setChecked(false);
        }
    }
}

void ShowClipColumn(TFConfigWorkWeRe &dialog, bool visible)
{
    dialog.Label6->setVisible(visible);
    for (int u = 1; u <= 4; ++u)
        dialog.ClipBox(u)->setVisible(visible);
}

QString SpecialInputTitle(int n, int r)
{
    if (n == 5)
        return QStringLiteral("Reakcja %1 Wejścia blokującego").arg(r);
    return QStringLiteral("Reakcja %1 Wejścia sabotażowego").arg(r);
}

} // namespace

int BB_ConfigNumerWe1Re1Click(const QString &buttonName, const QString &parentName, TModuleSettings &settings,
                              TFconfigNumberWeRe &dialog)
{
    const TSlot slot = SlotOf(buttonName, 17, 8);
    if (slot.n < 0)
        return -1;
    dialog.setWindowTitle(QStringLiteral("konfig wejscia %1 reakcji %2").arg(slot.n).arg(slot.r));
    dialog.LoadReactionByte(settings.InputReaction(slot.n, slot.r));
    dialog.ChBTimeOFFWy1->setVisible(true);
    dialog.ChBTimeOFFWy2->setVisible(true);
    if (SameName(parentName, "ScrollBox1")) {
        dialog.ChBTimeRaport->setVisible(true);
        dialog.ChBTimeRaport->setText(DelayedReactionCaption);
        dialog.ChBTimeOFFWy1->setText(SirenCaption);
        dialog.ChBTimeOFFWy2->setText(BlockingCaption);
    }
    return ShowReactionDialog(dialog, settings, 38 + 2 * slot.n + slot.r);
}

int BB_ConfigNumerSpecWe1Re1Click(const QString &buttonName, const QString &parentName,
                                  TModuleSettings &settings, TFconfigNumberWeRe &dialog)
{
    Q_UNUSED(parentName);
    const TSlot slot = SlotOf(buttonName, 21, 6);
    if (slot.n < 0)
        return -1;
    dialog.ChBTimeOFFWy1->setVisible(true);
    dialog.ChBTimeOFFWy2->setVisible(true);
    if (slot.n == 5)
        dialog.setWindowTitle(QStringLiteral("wejście blokujące reakcja %1").arg(slot.r));
    else if (slot.n == 3)
        dialog.setWindowTitle(QStringLiteral("wejście sabotażowe reakcja %1").arg(slot.r));
    // The special inputs have no delayed reaction; the arming input has no
    // siren or blocking output either. Hidden bits go back as loaded.
    if (SameName(buttonName, "BB_ConfigNumerSpecWe3Re1") ||
        SameName(buttonName, "BB_ConfigNumerSpecWe3Re2")) {
        dialog.ChBTimeRaport->setVisible(false);
        dialog.ChBTimeOFFWy1->setText(SirenCaption);
        dialog.ChBTimeOFFWy2->setText(BlockingCaption);
    } else if (SameName(buttonName, "BB_ConfigNumerSpecWe5Re1") ||
               SameName(buttonName, "BB_ConfigNumerSpecWe5Re2")) {
        dialog.ChBTimeRaport->setVisible(false);
        dialog.ChBTimeOFFWy1->setVisible(false);
        dialog.ChBTimeOFFWy2->setVisible(false);
    }
    dialog.LoadReactionByte(settings.SpecialReaction(slot.n, slot.r));
    return ShowReactionDialog(dialog, settings, 70 + 2 * slot.n + slot.r);
}

int BBConfigWorkWe1Re1Click(const QString &buttonName, const QString &parentName, TModuleSettings &settings,
                            TFConfigWorkWeRe &dialog, const QObject *mainWindow)
{
    Q_UNUSED(parentName);
    const TSlot slot = SlotOf(buttonName, 15, 8);
    if (slot.n < 0)
        return -1;
    ShowClipColumn(dialog, true);
    dialog.LoadNotificationByte(settings.InputNotification(slot.n, slot.r));
    FitUsers(dialog, mainWindow);
    dialog.setWindowTitle(QStringLiteral("Reakcje Wejscie:%1 Reakcja:%2").arg(slot.n).arg(slot.r));
    return ShowNotificationDialog(dialog, settings, 54 + 2 * slot.n + slot.r);
}

int BBConfigWorkSpecWe1Re1Click(const QString &buttonName, const QString &parentName,
                                TModuleSettings &settings, TFConfigWorkWeRe &dialog,
                                const QObject *mainWindow)
{
    const TSlot slot = SlotOf(buttonName, 19, 6);
    if (slot.n < 0)
        return -1;
    ShowClipColumn(dialog, true);
    if (SameName(parentName, "TabSheet4")) {
        dialog.setWindowTitle(SpecialInputTitle(slot.n, slot.r));
    } else if (SameName(parentName, "GroupBox11")) {
        // An output confirmation goes by SMS only.
        ShowClipColumn(dialog, false);
        dialog.setWindowTitle(QStringLiteral("Reakcja %1 wyjścia %2").arg(slot.r).arg(slot.n));
    }
    dialog.LoadNotificationByte(settings.SpecialNotification(slot.n, slot.r));
    FitUsers(dialog, mainWindow);
    return ShowNotificationDialog(dialog, settings, 86 + 2 * slot.n + slot.r);
}

namespace
{
// The parent that tells the families apart. A button on a scroll area sits
// in the area's content widget inside its viewport, yet belongs to the area,
// so the nearest ancestor bearing one of the families' parent names counts;
// failing that, the nearest named one.
QString ParentName(const QObject *button)
{
    static const char *const familyParents[] = {"ScrollBox1", "TabSheet4", "TabSheet5", "GroupBox11"};
    QString nearestNamed;
    for (const QObject *p = button ? button->parent() : nullptr; p; p = p->parent()) {
        const QString name = p->objectName();
        for (const char *family : familyParents)
            if (SameName(name, family))
                return name;
        if (nearestNamed.isEmpty() && !name.isEmpty() && !name.startsWith(QLatin1String("qt_")))
            nearestNamed = name;
    }
    return nearestNamed;
}

QString Name(const QObject *button)
{
    return button ? button->objectName() : QString();
}
} // namespace

int BB_ConfigNumerWe1Re1Click(const QObject *button, TModuleSettings &settings, TFconfigNumberWeRe &dialog)
{
    return BB_ConfigNumerWe1Re1Click(Name(button), ParentName(button), settings, dialog);
}

int BB_ConfigNumerSpecWe1Re1Click(const QObject *button, TModuleSettings &settings,
                                  TFconfigNumberWeRe &dialog)
{
    return BB_ConfigNumerSpecWe1Re1Click(Name(button), ParentName(button), settings, dialog);
}

int BBConfigWorkWe1Re1Click(const QObject *button, TModuleSettings &settings, TFConfigWorkWeRe &dialog,
                            const QObject *mainWindow)
{
    return BBConfigWorkWe1Re1Click(Name(button), ParentName(button), settings, dialog, mainWindow);
}

int BBConfigWorkSpecWe1Re1Click(const QObject *button, TModuleSettings &settings, TFConfigWorkWeRe &dialog,
                                const QObject *mainWindow)
{
    return BBConfigWorkSpecWe1Re1Click(Name(button), ParentName(button), settings, dialog, mainWindow);
}

} // namespace ReactionButtons
