// Small helpers that create one named control at its design position.
#pragma once

#include <QString>

class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QWidget;
class TEdit;
class TMemo;
class TSpinEdit;

namespace Build
{
constexpr int EditHeight = 21;
constexpr int CheckHeight = 17;

// A label sized to its caption.
QLabel *Label(QWidget *parent, const QString &name, const QString &caption, int x, int y);
// A label of fixed size whose caption is centred and wrapped.
QLabel *WrappedLabel(QWidget *parent, const QString &name, const QString &caption, int x, int y, int w,
                     int h);
TEdit *Edit(QWidget *parent, const QString &name, int x, int y, int w, int typingLimit);
TSpinEdit *Spin(QWidget *parent, const QString &name, int x, int y, int w, int minimum, int maximum,
                int typingLimit);
QCheckBox *Check(QWidget *parent, const QString &name, const QString &caption, int x, int y, int w);
QGroupBox *Group(QWidget *parent, const QString &name, const QString &caption, int x, int y, int w, int h);
QPushButton *Button(QWidget *parent, const QString &name, const QString &caption, int x, int y, int w, int h);
TMemo *Memo(QWidget *parent, const QString &name, int x, int y, int w, int h);
// A sunken horizontal line.
QFrame *Bevel(QWidget *parent, const QString &name, int x, int y, int w);

// Qt draws a group box's frame below its title. When the group's top row
// would lie across that line, the whole content moves down just enough to
// clear it, and the group grows by the same amount when its last row would
// otherwise be cut; the frame itself stays where it was designed.
void KeepContentBelowFrameTop(QGroupBox *group);
// Narrows a centred, wrapped label so that its "[...]" part goes whole onto
// the second line instead of breaking inside the brackets.
void KeepBracketsOnOneLine(QLabel *label);
} // namespace Build

// The five pages, built into the page widgets in the order of the page control.
void BuildPageBasics(QWidget *page);
void BuildPageUsers(QWidget *page);
void BuildPageInputs(QWidget *page);
void BuildPageAlarmAndArmingInputs(QWidget *page);
void BuildPageOutputs(QWidget *page);
