#include "PageBuilder.h"

#include <QFontMetrics>

#include <algorithm>

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

void Build::KeepContentBelowFrameTop(QGroupBox *group)
{
    group->ensurePolished();
    // The content rectangle starts just below the frame's top line; two
    // pixels more keep the boxes of the top row off it.
    const int contentTop = group->contentsRect().top() + 2;
    int top = group->height();
    int bottom = 0;
    const auto children = group->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
    for (const QWidget *child : children) {
        top = std::min(top, child->y());
        bottom = std::max(bottom, child->geometry().bottom());
    }
    const int shift = contentTop - top;
    if (children.isEmpty() || shift <= 0)
        return;
    for (QWidget *child : children)
        child->move(child->x(), child->y() + shift);
    const int needed = bottom + shift + 1 + (group->height() - group->contentsRect().bottom() - 1);
    if (needed > group->height())
        group->resize(group->width(), needed);
}

void Build::KeepBracketsOnOneLine(QLabel *label)
{
    const QString text = label->text();
    const int open = int(text.indexOf(QLatin1Char('[')));
    if (open <= 0)
        return;
    const QFontMetrics metrics(label->font());
    const int first = metrics.horizontalAdvance(text.left(open).trimmed());
    const int second = metrics.horizontalAdvance(text.mid(open).trimmed());
    // Wide enough for either line, too narrow for the first line and the bracket.
    const int width = std::max(first, second) + 2;
    if (width >= label->width() || metrics.horizontalAdvance(text.left(open + 1).trimmed()) <= width)
        return;
    label->setGeometry(label->x() + (label->width() - width) / 2, label->y(), width, label->height());
}
