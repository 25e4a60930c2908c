// The main window's frame, its start-up sequence and the binding of every
// control to its handler. Pages, mapping, interlocks and file commands live in
// their own files.
#include "Uformagl.h"

#include "Desktop.h"
#include "ModuleLink.h"
#include "PageBuilder.h"
#include "PortTools.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TFileDialog.h"
#include "Udecl.h"
#include "WidgetLinkView.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QIcon>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

TGlownaF *GlownaF = nullptr;

namespace
{
constexpr int ClientWidth = 743;
constexpr int StripHeight = 49;
constexpr int PagesHeight = 440;
constexpr int InfoHeight = 132;
constexpr int StatusHeight = 19;

// The design font was a narrow 8-point face, 11 pixels high; a condensed face
// of the same pixel size keeps every Polish caption inside its control.
QFont windowFont()
{
    QFont font(QStringLiteral("DejaVu Sans Condensed"));
    font.setStretch(QFont::Condensed);
    font.setPixelSize(11);
    return font;
}

} // namespace

TGlownaF::TGlownaF(QWidget *parent) : QMainWindow(parent)
{
    GlownaF = this;
    // Read while the controls are built, unless the program began it earlier.
    BeginListingSerialPorts();
    setObjectName(QStringLiteral("GlownaF"));
    setWindowTitle(QStringLiteral("Tervala Loader v 1.1"));
    setFont(windowFont());
    setWindowIcon(ProgramIcon());
    buildMenu();
    buildFrame();
    bindHandlers();
    bindDesktop();
    resize(ClientWidth,
           StripHeight + PagesHeight + InfoHeight + StatusHeight + menuBar()->sizeHint().height());
    FormCreate();
    // What start-up put into the controls is nobody's edit.
    WatchEdits();
}

TGlownaF::~TGlownaF()
{
    if (GlownaF == this)
        GlownaF = nullptr;
}

void TGlownaF::missingControl(const QString &name)
{
    qFatal("Pelmor: the main window has no control named %s", qPrintable(name));
}

void TGlownaF::buildMenu()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    auto addItem = [this](QMenu *menu, const char *name, const QString &caption) {
        QAction *action = menu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        action->setParent(this);
        return action;
    };
    QMenu *file = bar->addMenu(QStringLiteral("Plik"));
    file->setObjectName(QStringLiteral("Plik1"));
    file->menuAction()->setObjectName(QStringLiteral("Plik1Item"));
    addItem(file, "Odczytaj3", QStringLiteral("Odczytaj ..."));
    addItem(file, "Zapiszjako2", QStringLiteral("Zapisz jako ..."));
    file->addSeparator()->setObjectName(QStringLiteral("N1"));
    addItem(file, "Wyjscie1", QStringLiteral("Wyjscie"));

    // The module's safety net, after "Plik": both options on unless the user
    // switched them off in an earlier run.
    QMenu *module = bar->addMenu(QStringLiteral("Moduł"));
    module->setObjectName(QStringLiteral("Modul1"));
    module->menuAction()->setObjectName(QStringLiteral("Modul1Item"));
    Sprawdzaj1 = addItem(module, "Sprawdzaj1", QStringLiteral("Sprawdzaj ustawienia po zaprogramowaniu"));
    KopiaModulu1 =
        addItem(module, "KopiaModulu1", QStringLiteral("Zachowuj kopię modułu przed programowaniem"));
    for (QAction *option : {Sprawdzaj1, KopiaModulu1})
        option->setCheckable(true);
    LoadModuleOptions();
    module->addSeparator()->setObjectName(QStringLiteral("N2"));
    addItem(module, "OtworzKopie1", QStringLiteral("Otwórz kopię ..."));

    QMenu *help = bar->addMenu(QStringLiteral("Pomoc"));
    help->setObjectName(QStringLiteral("Pomoc1"));
    addItem(help, "Info", QStringLiteral("O programie"));
    QMenu *trouble = help->addMenu(QStringLiteral("Rozwiązywanie problemów"));
    trouble->setObjectName(QStringLiteral("Rozwiazywanieproblemw1"));
    addItem(trouble, "Kotaktzdziaemtechnicznym1", QStringLiteral("Kontakt z działem technicznym"));
}

void TGlownaF::buildFrame()
{
    Client = new QWidget(this);
    Client->setObjectName(QStringLiteral("GlownaFClient"));
    setCentralWidget(Client);
    Client->installEventFilter(this);

    // The strip: an empty tab control as backdrop, the port box and the two link buttons on it.
    PageControl1 = new QTabWidget(Client);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    // Editable, so that any device path can be typed.
    CBcom = new TComboBox(Client);
    CBcom->setObjectName(QStringLiteral("CBcom"));
    CBcom->setGeometry(16, 16, 145, Build::EditHeight);
    Bprogramuj =
        Build::Button(Client, QStringLiteral("Bprogramuj"), QStringLiteral("programuj"), 176, 8, 81, 33);
    BBload =
        Build::Button(Client, QStringLiteral("BBload"), QStringLiteral("Odczyt ustawień."), 264, 8, 105, 33);

    PageControl2 = new QTabWidget(Client);
    PageControl2->setObjectName(QStringLiteral("PageControl2"));
    struct TPage {
        const char *name;
        const char *caption;
        void (*build)(QWidget *);
    };
    static const TPage pages[] = {
        {"TabSheet1", "Podstawowe", BuildPageBasics},
        {"TabSheet2", "numery telefonów", BuildPageUsers},
        {"TabSheet3", "Wejścia", BuildPageInputs},
        {"TabSheet4", "Wejścia specjalne", BuildPageAlarmAndArmingInputs},
        {"TabSheet5", "Wyjścia", BuildPageOutputs},
    };
    for (const TPage &p : pages) {
        auto *page = new QWidget;
        page->setObjectName(QString::fromLatin1(p.name));
        PageControl2->addTab(page, QString::fromUtf8(p.caption));
        p.build(page);
    }
    PageControl2->setCurrentIndex(0);

    GroupBox1 = new QGroupBox(QStringLiteral("Informacje"), Client);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    ListBox1 = new QListWidget(GroupBox1);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    auto *infoLayout = new QVBoxLayout(GroupBox1);
    infoLayout->setContentsMargins(2, 2, 2, 2);
    infoLayout->addWidget(ListBox1);

    Bprogramuj->raise();
    BBload->raise();
    CBcom->raise();

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setFixedHeight(StatusHeight);
    setStatusBar(StatusBar1);

    OpenDialog1 = new TFileDialog(TFileDialog::Open, this);
    OpenDialog1->setObjectName(QStringLiteral("OpenDialog1"));
    SaveDialog1 = new TFileDialog(TFileDialog::Save, this);
    SaveDialog1->setObjectName(QStringLiteral("SaveDialog1"));
    for (TFileDialog *dialog : {OpenDialog1, SaveDialog1}) {
        dialog->DefaultExt = QStringLiteral("ulmar");
        dialog->Filter = QStringLiteral("pliki ulmar|*.ulmar|Wszystkie|*.*");
    }
}

bool TGlownaF::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Client && event->type() == QEvent::Resize)
        layoutClient();
    return QMainWindow::eventFilter(watched, event);
}

// The strip and the pages keep their heights and follow the width; the group
// "Informacje" takes every change of height.
void TGlownaF::layoutClient()
{
    const int w = Client->width();
    const int h = Client->height();
    PageControl1->setGeometry(0, 0, w, StripHeight);
    PageControl2->setGeometry(0, StripHeight, w, PagesHeight);
    GroupBox1->setGeometry(0, StripHeight + PagesHeight, w, qMax(0, h - StripHeight - PagesHeight));
}

void TGlownaF::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (Centred)
        return;
    Centred = true;
    if (QScreen *screen = this->screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

void TGlownaF::bindHandlers()
{
    auto action = [this](const char *name) { return Control<QAction>(QString::fromLatin1(name)); };
    connect(action("Odczytaj3"), &QAction::triggered, this, [this] { Button2Click(); });
    connect(action("Zapiszjako2"), &QAction::triggered, this, [this] { Button1Click(); });
    connect(action("Wyjscie1"), &QAction::triggered, this, [this] { Wyjscie1Click(); });
    connect(action("OtworzKopie1"), &QAction::triggered, this, [this] { OtworzKopie1Click(); });
    for (QAction *option : {Sprawdzaj1, KopiaModulu1})
        connect(option, &QAction::toggled, this, [this] { SaveModuleOptions(); });
    connect(action("Info"), &QAction::triggered, this, [this] { InfoClick(); });
    connect(action("Kotaktzdziaemtechnicznym1"), &QAction::triggered, this,
            [this] { Kotaktzdziaemtechnicznym1Click(); });

    connect(Bprogramuj, &QPushButton::clicked, this, [this] { BprogramujClick(); });
    connect(BBload, &QPushButton::clicked, this, [this] { BBloadClick(); });

    // Reaction and notification buttons: one handler per family, told which button was pressed.
    auto bindFamily = [this](const QString &name, void (TGlownaF::*handler)(QObject *)) {
        QPushButton *button = Control<QPushButton>(name);
        connect(button, &QPushButton::clicked, this, [this, button, handler] { (this->*handler)(button); });
    };
    for (int i = 1; i <= 8; ++i)
        for (int r = 1; r <= 2; ++r) {
            bindFamily(QStringLiteral("BB_ConfigNumerWe%1Re%2").arg(i).arg(r),
                       &TGlownaF::BB_ConfigNumerWe1Re1Click);
            bindFamily(QStringLiteral("BBConfigWorkWe%1Re%2").arg(i).arg(r),
                       &TGlownaF::BBConfigWorkWe1Re1Click);
        }
    for (int s : {1, 2, 3, 5})
        for (int r = 1; r <= 2; ++r) {
            if (s == 3 || s == 5)
                bindFamily(QStringLiteral("BB_ConfigNumerSpecWe%1Re%2").arg(s).arg(r),
                           &TGlownaF::BB_ConfigNumerSpecWe1Re1Click);
            bindFamily(QStringLiteral("BBConfigWorkSpecWe%1Re%2").arg(s).arg(r),
                       &TGlownaF::BBConfigWorkSpecWe1Re1Click);
        }

    // Check boxes: the handler runs on every change of state, the program's included.
    auto bindBox = [this](const QString &name, void (TGlownaF::*handler)()) {
        connect(Control<QCheckBox>(name), &QCheckBox::toggled, this, [this, handler] { (this->*handler)(); });
    };
    static void (TGlownaF::*const verif[])() = {&TGlownaF::ChbClipVerif0Click, &TGlownaF::ChbClipVerif1Click,
                                                &TGlownaF::ChbClipVerif2Click, &TGlownaF::ChbClipVerif3Click,
                                                &TGlownaF::ChbClipVerif4Click, &TGlownaF::ChbClipVerif5Click};
    static void (TGlownaF::*const notVerif[])() = {
        &TGlownaF::ChBClipNotVerif0Click, &TGlownaF::ChBClipNotVerif1Click, &TGlownaF::ChBClipNotVerif2Click,
        &TGlownaF::ChBClipNotVerif3Click, &TGlownaF::ChBClipNotVerif4Click, &TGlownaF::ChBClipNotVerif5Click};
    static void (TGlownaF::*const flags[])() = {&TGlownaF::ChBFlags_0Click, &TGlownaF::ChBFlags_1Click,
                                                &TGlownaF::ChBFlags_2Click, &TGlownaF::ChBFlags_3Click,
                                                &TGlownaF::ChBFlags_4Click, &TGlownaF::ChBFlags_5Click};
    for (int k = 0; k < 6; ++k) {
        bindBox(QStringLiteral("ChbClipVerif%1").arg(k), verif[k]);
        bindBox(QStringLiteral("ChBClipNotVerif%1").arg(k), notVerif[k]);
        bindBox(QStringLiteral("ChBFlags_%1").arg(k), flags[k]);
    }

    // Entry checks.
    TEdit *pin = Control<TEdit>(QStringLiteral("EPin"));
    pin->OnKeyPress = [this](QObject *sender, QChar &key) { EPinKeyPress(sender, key); };
    pin->OnExit = [this](QObject *sender) { EPinExit(sender); };
    Control<TEdit>(QStringLiteral("EPINMOD"))->OnExit = [this](QObject *sender) { EPinExit(sender); };
    for (const char *name : {"EZalWy1", "EwylWy1", "EZalWy2", "EwylWy2"})
        Control<TEdit>(QString::fromLatin1(name))->OnExit = [this](QObject *sender) { EZalWy1Exit(sender); };
    Control<TEdit>(QStringLiteral("Enruser1"))->OnKeyPress = [this](QObject *sender, QChar &key) {
        Enruser1KeyPress(sender, key);
    };

    // The preset box reacts to the user's choice and typing, never to the program's choice.
    Control<TComboBox>(QStringLiteral("CBcentrum"))->OnChange = [this](QObject *sender) {
        CBcentrumChange(sender);
    };
}

void TGlownaF::FormCreate()
{
    CBcom->clear();
    FillPortBox(TakeListedSerialPorts());
    if (CBcom->count() > 0)
        CBcom->setCurrentIndex(0);

    FillSmsCentres();
    CBcentrumChange(nullptr);

    // The module link: its serial port, its answer timer Timer1 and, on the
    // port, the packet splitter on "*1" with the list of received bytes. The
    // port is opened only by the commands.
    LinkView = std::make_unique<TWidgetLinkView>(ListBox1, Bprogramuj, BBload, this);
    LinkView->OnImageReceived = [this] { ShowReadBackSettings(); };
    Link = std::make_unique<TModuleLink>(*LinkView);
    connect(Link.get(), &TModuleLink::SequenceFinished, this, &TGlownaF::LinkRunFinished);
    Timer1 = &Link->Timer1();
    Timer1->setObjectName(QStringLiteral("Timer1"));

    SetDefaultSettings();
    RecordToForm();
    UserNotesToForm();

    OutputOptionsClick();
}

void TGlownaF::Wyjscie1Click()
{
    close();
}
