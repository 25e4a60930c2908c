#include "PageBuilder.h"

#include "TEdit.h"
#include "TMemo.h"
#include "TSpinEdit.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace Build
{

QLabel *Label(QWidget *parent, const QString &name, const QString &caption, int x, int y)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->move(x, y);
    label->adjustSize();
    return label;
}

QLabel *WrappedLabel(QWidget *parent, const QString &name, const QString &caption, int x, int y, int w, int h)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry(x, y, w, h);
    return label;
}

TEdit *Edit(QWidget *parent, const QString &name, int x, int y, int w, int typingLimit)
{
    auto *edit = new TEdit(parent);
    edit->setObjectName(name);
    edit->setTypingLimit(typingLimit);
    edit->setGeometry(x, y, w, EditHeight);
    return edit;
}

TSpinEdit *Spin(QWidget *parent, const QString &name, int x, int y, int w, int minimum, int maximum,
                int typingLimit)
{
    auto *spin = new TSpinEdit(parent);
    spin->setObjectName(name);
    spin->setRange(minimum, maximum);
    spin->setTypingLimit(typingLimit);
    spin->setGeometry(x, y, w, EditHeight);
    return spin;
}

QCheckBox *Check(QWidget *parent, const QString &name, const QString &caption, int x, int y, int w)
{
    auto *box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    box->setGeometry(x, y, w, CheckHeight);
    return box;
}

QGroupBox *Group(QWidget *parent, const QString &name, const QString &caption, int x, int y, int w, int h)
{
    auto *group = new QGroupBox(caption, parent);
    group->setObjectName(name);
    group->setGeometry(x, y, w, h);
    return group;
}

QPushButton *Button(QWidget *parent, const QString &name, const QString &caption, int x, int y, int w, int h)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    button->setGeometry(x, y, w, h);
    return button;
}

TMemo *Memo(QWidget *parent, const QString &name, int x, int y, int w, int h)
{
    auto *memo = new TMemo(parent);
    memo->setObjectName(name);
    memo->setGeometry(x, y, w, h);
    return memo;
}

QFrame *Bevel(QWidget *parent, const QString &name, int x, int y, int w)
{
    auto *line = new QFrame(parent);
    line->setObjectName(name);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(x, y, w, 2);
    return line;
}

} // namespace Build
