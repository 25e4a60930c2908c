#include "About.h"

#include "DesktopLinks.h"
#include "ModalDialogs.h"

#include <QFont>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPalette>
#include <QPixmap>
#include <QScreen>

const QString MakerWebAddress = QStringLiteral("https://www.example.com/");
const QString MakerHostName = QStringLiteral("www.example.com");

TAboutBox *AboutBox = nullptr;

void TLinkLine::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

// The picture lives in this static library; a program linking it must register
// it explicitly or the linker drops it.
static void RegisterPicture()
{
    Q_INIT_RESOURCE(About);
}

namespace
{
QLabel *MakeLabel(QWidget *parent, const char *name, const QString &text, int left, int top, int width)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(left, top, width, 13);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    return label;
}
} // namespace

TAboutBox::TAboutBox(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    RegisterPicture();
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("About"));
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    setFixedSize(298, 213);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(8, 8, 281, 161);
    // Lowered outside, raised inside: an etched frame.
    Panel1->setFrameStyle(QFrame::Box | QFrame::Sunken);

    ProgramIcon = new QLabel(Panel1);
    ProgramIcon->setObjectName(QStringLiteral("ProgramIcon"));
    ProgramIcon->setGeometry(8, 8, 65, 65);
    ProgramIcon->setScaledContents(true);
    ProgramIcon->setPixmap(QPixmap(QStringLiteral(":/pelmor/ProgramIcon.bmp")));

    ProductName = MakeLabel(Panel1, "ProductName", QStringLiteral("Pelmor"), 88, 16, 185);
    Version = MakeLabel(Panel1, "Version", QStringLiteral("Version 1.1"), 88, 40, 185);
    Copyright = MakeLabel(Panel1, "Copyright", QString(), 8, 80, 265);

    Comments = new TLinkLine(MakerHostName, Panel1);
    Comments->setObjectName(QStringLiteral("Comments"));
    Comments->setGeometry(8, 96, 265, 13);
    Comments->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QFont linkFont(QStringLiteral("MS Sans Serif"), 8);
    linkFont.setUnderline(true);
    Comments->setFont(linkFont);
    QPalette linkPalette = Comments->palette();
    linkPalette.setColor(QPalette::WindowText, Qt::blue);
    Comments->setPalette(linkPalette);
    Comments->setCursor(Qt::PointingHandCursor);
    connect(Comments, &TLinkLine::clicked, this, &TAboutBox::CommentsClick);

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(111, 180, 75, 25);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

void TAboutBox::CommentsClick()
{
    // A refusal (no browser registered) is not reported: there is nothing to do about it here.
    OpenUrl(MakerWebAddress);
}

void TAboutBox::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TAboutBox::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

void ShowAboutBox(TAboutBox *box)
{
    if (box)
        ExecModal(*box);
}
