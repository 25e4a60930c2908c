// The window at home on the desktop: what it remembers between runs (the
// port of the last run, the folder of the last open or save, the recent
// files, its size and place), files opened by name or dropped on it, and a
// port list read again whenever the user opens it.
#include "Uformagl.h"

#include "MessageBoxes.h"
#include "ModuleLink.h"
#include "PortTools.h"
#include "TComboBox.h"
#include "TFileDialog.h"

#include <QAction>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QSettings>
#include <QTimer>
#include <QUrl>

namespace
{
const QString PortKey = QStringLiteral("Okno/Port");
const QString FolderKey = QStringLiteral("Pliki/Folder");
const QString RecentKey = QStringLiteral("Pliki/Ostatnie");
const QString GeometryKey = QStringLiteral("Okno/Geometria");
constexpr int RecentCount = 5;

// The first local settings file among the dragged URLs, or an empty string.
QString droppedSettingsFile(const QMimeData *mime)
{
    if (!mime || !mime->hasUrls())
        return {};
    for (const QUrl &url : mime->urls())
        if (url.isLocalFile() && QFileInfo(url.toLocalFile()).suffix().compare(QLatin1String("ulmar"),
                                                                                 Qt::CaseInsensitive) == 0)
            return url.toLocalFile();
    return {};
}

// Takes a dragged settings file wherever it is dropped on the window, also on
// the edit boxes, which would otherwise paste its address as text.
class TSettingsFileDrop : public QObject
{
  public:
    TSettingsFileDrop(TGlownaF *window) : QObject(window), Window(window) {}

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto *drag = static_cast<QDragMoveEvent *>(event);
            if (droppedSettingsFile(drag->mimeData()).isEmpty())
                return false;
            drag->acceptProposedAction();
            return true;
        }
        case QEvent::Drop: {
            auto *drop = static_cast<QDropEvent *>(event);
            const QString file = droppedSettingsFile(drop->mimeData());
            if (file.isEmpty())
                return false;
            drop->acceptProposedAction();
            // Opened once the drag has ended: the file may bring up a box.
            QTimer::singleShot(0, Window, [window = Window, file] { window->OpenFileByName(file); });
            return true;
        }
        default:
            return QObject::eventFilter(watched, event);
        }
    }

  private:
    TGlownaF *Window;
};
} // namespace

void TGlownaF::bindDesktop()
{
    // "Ostatnio otwierane" comes after the items of "Plik".
    QMenu *file = Control<QMenu>(QStringLiteral("Plik1"));
    file->addSeparator()->setObjectName(QStringLiteral("N3"));
    RecentMenu = file->addMenu(QStringLiteral("Ostatnio otwierane"));
    RecentMenu->setObjectName(QStringLiteral("Ostatnio1"));
    RebuildRecentMenu();

    setAcceptDrops(true);
    auto *drop = new TSettingsFileDrop(this);
    installEventFilter(drop);
    for (QWidget *child : findChildren<QWidget *>())
        child->installEventFilter(drop);

    static_cast<TComboBox *>(CBcom)->OnDropDown = [this] { RefreshPortList(); };

    // A run that started remembers its port; the buttons' own handlers run first.
    for (QPushButton *button : {Bprogramuj, BBload})
        connect(button, &QPushButton::clicked, this, [this] {
            if (Link && Link->Busy())
                QSettings().setValue(PortKey, CBcom->currentText());
        });
}

void TGlownaF::FillPortBox(const QList<TPortEntry> &ports)
{
    for (const TPortEntry &port : ports) {
        CBcom->addItem(port.Path);
        CBcom->setItemData(CBcom->count() - 1,
                           port.Details.isEmpty() ? QStringLiteral("Brak informacji o urządzeniu") : port.Details,
                           Qt::ToolTipRole);
    }
}

void TGlownaF::RefreshPortList()
{
    const QString text = CBcom->currentText();
    const QList<TPortEntry> ports = ListSerialPortEntries();
    CBcom->clear();
    FillPortBox(ports);
    const int index = CBcom->findText(text);
    if (index >= 0)
        CBcom->setCurrentIndex(index);
    else
        CBcom->setEditText(text);
}

void TGlownaF::SelectStartPort(const QString &remembered)
{
    int index = remembered.isEmpty() ? -1 : CBcom->findText(remembered);
    for (int i = 0; index < 0 && i < CBcom->count(); ++i)
        if (IsUsbAdapterPort(CBcom->itemText(i)))
            index = i;
    if (index < 0 && CBcom->count() > 0)
        index = 0;
    if (index >= 0)
        CBcom->setCurrentIndex(index);
}

void TGlownaF::RestoreDesktopState()
{
    const QSettings settings;
    if (restoreGeometry(settings.value(GeometryKey).toByteArray()))
        Centred = true; // the remembered place, not the centre of the screen
    Recent.clear();
    for (const QString &name : settings.value(RecentKey).toStringList())
        if (!name.isEmpty() && !Recent.contains(name) && Recent.size() < RecentCount)
            Recent << name;
    RebuildRecentMenu();
    const QString folder = settings.value(FolderKey).toString();
    OpenDialog1->Directory = folder;
    SaveDialog1->Directory = folder;
    SelectStartPort(settings.value(PortKey).toString());
}

void TGlownaF::SaveDesktopState() const
{
    QSettings().setValue(GeometryKey, saveGeometry());
}

bool TGlownaF::OpenFileByName(const QString &fileName)
{
    // The file would replace edits not yet saved or programmed.
    if (!ConfirmDiscardEdits())
        return false;
    const QString fullName = QFileInfo(fileName).absoluteFilePath();
    // As if chosen in the dialog of "Odczytaj ...": "Zapisz jako ..." proposes it.
    const QString before = OpenDialog1->FileName;
    OpenDialog1->FileName = fullName;
    if (!OpenSettingsFile(fullName)) {
        OpenDialog1->FileName = before;
        return false;
    }
    return true;
}

void TGlownaF::NoteFileUsed(const QString &fileName)
{
    const QString fullName = QFileInfo(fileName).absoluteFilePath();
    Recent.removeAll(fullName);
    Recent.prepend(fullName);
    while (Recent.size() > RecentCount)
        Recent.removeLast();
    const QString folder = QFileInfo(fullName).absolutePath();
    OpenDialog1->Directory = folder;
    SaveDialog1->Directory = folder;
    QSettings settings;
    settings.setValue(FolderKey, folder);
    SaveRecentFiles();
    RebuildRecentMenu();
}

void TGlownaF::SaveRecentFiles() const
{
    QSettings().setValue(RecentKey, Recent);
}

void TGlownaF::OpenRecentFile(const QString &fileName)
{
    if (!QFileInfo(fileName).isFile()) {
        Recent.removeAll(fileName);
        SaveRecentFiles();
        RebuildRecentMenu();
        ShowWarning(this, QStringLiteral("Pelmor"),
                    QStringLiteral("Nie ma już pliku \"%1\"; usunięto go z listy ostatnio otwieranych.")
                        .arg(QDir::toNativeSeparators(fileName)));
        return;
    }
    OpenFileByName(fileName);
}

void TGlownaF::RebuildRecentMenu()
{
    if (!RecentMenu)
        return;
    RecentMenu->clear();
    for (int i = 0; i < Recent.size(); ++i) {
        const QString name = Recent[i];
        QString caption = QDir::toNativeSeparators(name);
        caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction *action = RecentMenu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(caption));
        action->setObjectName(QStringLiteral("Ostatni%1").arg(i + 1));
        connect(action, &QAction::triggered, this, [this, name] { OpenRecentFile(name); });
    }
    if (Recent.isEmpty())
        RecentMenu->addAction(QStringLiteral("(lista jest pusta)"))->setEnabled(false);
}
