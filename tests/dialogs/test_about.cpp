// The About box, its link line and the technical-contact mail link; nothing
// is really opened, the desktop seam records what would be.
#include "About.h"
#include "DesktopLinks.h"
#include "MessageBoxes.h"
#include "ModalDialogs.h"
#include "TechnicalContact.h"

#include <QApplication>
#include <QFile>
#include <QTimer>
#include <QUrl>
#include <QUrlQuery>
#include <QtTest>

#include <cstring>
#include <memory>

class AboutTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<QWidget> main;
    TAboutBox *box = nullptr;
    QStringList opened;
    bool desktopAccepts = true;
    int messages = 0;

    // Runs the real modal loop and sends the key once the box is up.
    int execWithKey(Qt::Key key, bool thenPressOk)
    {
        QTimer poll;
        bool sent = false;
        connect(&poll, &QTimer::timeout, this, [&] {
            if (sent || QApplication::activeModalWidget() != box)
                return;
            sent = true;
            QTest::keyClick(box, key);
            if (thenPressOk && box->isVisible())
                QTest::mouseClick(box->OKButton, Qt::LeftButton);
        });
        poll.start(5);
        return box->exec();
    }

  private slots:
    void init()
    {
        opened.clear();
        desktopAccepts = true;
        messages = 0;
        SetUrlOpener([this](const QString &link) {
            opened << link;
            return desktopAccepts;
        });
        SetMessageResponder([this](const ShownMessage &) { ++messages; });
        main = std::make_unique<QWidget>();
        box = new TAboutBox(main.get());
    }

    void cleanup()
    {
        main.reset();
        SetUrlOpener(nullptr);
        SetModalRunner(nullptr);
        SetMessageResponder(nullptr);
    }

    void contents()
    {
        QCOMPARE(box->windowTitle(), QString("About"));
        QCOMPARE(box->size(), QSize(298, 213));
        QCOMPARE(box->minimumSize(), box->maximumSize());
        QVERIFY(!(box->windowFlags() & Qt::WindowMinMaxButtonsHint));
        QCOMPARE(box->ProductName->text(), QString("Pelmor"));
        QCOMPARE(box->Version->text(), QString("Version 1.1"));
        QCOMPARE(box->Copyright->text(), QString(""));
        QCOMPARE(box->Comments->text(), MakerHostName);
        QCOMPARE(QUrl(MakerWebAddress).host(), MakerHostName);
        QVERIFY(box->Comments->font().underline());
        QCOMPARE(box->Comments->palette().color(QPalette::WindowText), QColor(Qt::blue));
        QCOMPARE(box->Comments->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(box->Panel1->geometry(), QRect(8, 8, 281, 161));
        QCOMPARE(box->ProgramIcon->geometry(), QRect(8, 8, 65, 65));
        QCOMPARE(box->OKButton->geometry(), QRect(111, 180, 75, 25));
        QVERIFY(box->OKButton->isDefault());
        QCOMPARE(box->OKButton->text(), QString("OK"));
        QVERIFY(box->ProgramIcon->hasScaledContents());
        QCOMPARE(box->ProgramIcon->pixmap().size(), QSize(140, 140));
    }

    void programPictureForm()
    {
        QFile file(":/pelmor/ProgramIcon.bmp");
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bmp = file.readAll();
        QCOMPARE(bmp.size(), 78454);
        QVERIFY(bmp.startsWith("BM"));
        auto u32 = [&](int at) {
            quint32 v;
            std::memcpy(&v, bmp.constData() + at, 4);
            return qFromLittleEndian(v);
        };
        QCOMPARE(u32(10), 54u);  // pixels after the two headers
        QCOMPARE(u32(14), 40u);  // information header size
        QCOMPARE(u32(18), 140u); // width
        QCOMPARE(u32(22), 140u); // height
        QCOMPARE(int(quint8(bmp[28])), 32);
        QCOMPARE(u32(30), 0u); // uncompressed
        QCOMPARE(u32(34), 78400u);
    }

    void linkLineOpensThePageEveryTime()
    {
        box->show();
        QVERIFY(QTest::qWaitForWindowExposed(box));
        QTest::mouseClick(box->Comments, Qt::LeftButton);
        QTest::mouseClick(box->Comments, Qt::LeftButton);
        QCOMPARE(opened, QStringList({MakerWebAddress, MakerWebAddress}));
        QVERIFY(box->isVisible());
        QTest::mouseClick(box->Comments, Qt::RightButton);
        QCOMPARE(opened.size(), 2);
    }

    void refusalShowsNothing()
    {
        desktopAccepts = false;
        box->show();
        QVERIFY(QTest::qWaitForWindowExposed(box));
        QTest::mouseClick(box->Comments, Qt::LeftButton);
        OpenTechnicalContact();
        QCOMPARE(opened.size(), 2);
        QCOMPARE(messages, 0);
        QVERIFY(box->isVisible());
    }

    void enterClosesAsOk()
    {
        QCOMPARE(execWithKey(Qt::Key_Return, false), int(QDialog::Accepted));
        QVERIFY(!box->isVisible());
    }

    void escDoesNothing()
    {
        // Esc first; the box must still be up for OK to close it.
        QCOMPARE(execWithKey(Qt::Key_Escape, true), int(QDialog::Accepted));
    }

    void closeBoxCloses()
    {
        box->show();
        QVERIFY(QTest::qWaitForWindowExposed(box));
        QVERIFY(box->close());
        QVERIFY(!box->isVisible());
        QCOMPARE(box->result(), int(QDialog::Rejected));
    }

    void infoShowsTheSameBoxEveryTime()
    {
        QList<QDialog *> shown;
        SetModalRunner([&](QDialog &d) {
            shown << &d;
            return int(QDialog::Accepted);
        });
        ShowAboutBox(box);
        ShowAboutBox(box);
        QCOMPARE(shown, QList<QDialog *>({box, box}));
    }

    void technicalContactLink()
    {
        const QString subject = "Uwagi do programu Pelmor      ";
        QCOMPARE(TechnicalContactLink, "mailto:" + TechnicalSupportAddress + "?subject=" + subject);
        OpenTechnicalContact();
        QCOMPARE(opened, QStringList({TechnicalContactLink}));
        // The desktop layer keeps the blanks when it parses the link.
        const QUrl url(TechnicalContactLink, QUrl::TolerantMode);
        QVERIFY(url.isValid());
        QCOMPARE(url.scheme(), QString("mailto"));
        QCOMPARE(url.path(), TechnicalSupportAddress);
        QCOMPARE(QUrlQuery(url).queryItemValue("subject", QUrl::FullyDecoded), subject);
    }
};

QTEST_MAIN(AboutTest)
#include "test_about.moc"
