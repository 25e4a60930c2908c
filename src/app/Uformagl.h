// The main window: the strip with the port box and the link buttons, the five
// settings pages, the message list and the menu. Its controls are the working
// copy of the settings; the ...ToForm / FormTo... pairs move data between them
// and the global records.
#pragma once

#include "ControlLookup.h"
#include "LinkEngine.h"

#include <QByteArray>
#include <QMainWindow>
#include <QStringList>

#include <cstdint>
#include <memory>

class QAction;
class QCheckBox;
class QCloseEvent;
class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;
class QScrollArea;
class QStatusBar;
class QTabWidget;
class TEdit;
class TFileDialog;
class TLinkEngine;
class TLinkTimer;
class TModuleLink;
class TWidgetLinkView;
class TMemo;
class TSpinEdit;
struct TPortEntry;

class TGlownaF : public QMainWindow
{
    Q_OBJECT
  public:
    explicit TGlownaF(QWidget *parent = nullptr);
    ~TGlownaF() override;

    // The start-up sequence; the constructor runs it once.
    void FormCreate();

    // Showing and collecting, in pairs.
    void SmsTextsToForm();
    void FormToSmsTexts();
    void ReactionTimesToForm();
    void FormToReactionTimes();
    void LockoutTimesToForm();
    void FormToLockoutTimes();
    void UserNumbersToForm();
    void FormToUserNumbers();
    void OutputsToForm();
    void FormToOutputs();
    void BasicsToForm();
    void FormToBasics();
    void UserNotesToForm();
    void FormToUserNotes();
    // The six pairs above that every caller runs in the same order; the
    // callers differ only in the notes and the option boxes around them.
    void RecordToForm();
    void FormToRecord();

    // Option interlocks.
    void DisableClipAlternatives(const QString &family, int changed, int firstPartner, int secondPartner);
    void ChbClipVerif0Click();
    void ChbClipVerif1Click();
    void ChbClipVerif2Click();
    void ChbClipVerif3Click();
    void ChbClipVerif4Click();
    void ChbClipVerif5Click();
    void ChBClipNotVerif0Click();
    void ChBClipNotVerif1Click();
    void ChBClipNotVerif2Click();
    void ChBClipNotVerif3Click();
    void ChBClipNotVerif4Click();
    void ChBClipNotVerif5Click();
    void ChBFlags_0Click();
    // The output option boxes' handlers as if clicked, in the order every
    // refill of the window runs them: 0, 2, 1, 3.
    void OutputOptionsClick();
    void ChBFlags_1Click();
    void ChBFlags_2Click();
    void ChBFlags_3Click();
    void ChBFlags_4Click();
    void ChBFlags_5Click();

    // Menu "Plik": "Zapisz jako ..." and "Odczytaj ...", then "Wyjscie"; menu "Pomoc".
    void Button1Click();
    void Button2Click();
    // "Zapisz jako ..." itself; true when the settings were written to a file.
    bool SaveSettingsAs();
    void Wyjscie1Click();
    // Menu "Moduł": the open dialog of "Odczytaj ..." started in the folder
    // of the module backups.
    void OtworzKopie1Click();
    // The two options of "Moduł", kept between runs of the program.
    void LoadModuleOptions();
    void SaveModuleOptions();
    void InfoClick();
    void Kotaktzdziaemtechnicznym1Click();

    // Module link. Its state and sequences live in Link; these are the
    // window's handlers and the names the rest of the window uses.
    void BprogramujClick();
    void BBloadClick();
    void Timer1Timer();
    void TrimLog();
    bool NumbersAreInternational();
    void ComDataPacket2CustomStop(const QByteArray &Str, int &Pos);
    bool SendDataFrame(int &Offset, int Len);
    void StoreReceivedByte(std::uint8_t Value);
    // The refill after a read-back: the record from the image, then the controls.
    void ShowReadBackSettings();
    // A programming run or a read-back is over.
    void LinkRunFinished(TLinkEnd end);

    // Reaction and notification buttons; one handler serves each family and
    // reads the numbers out of the pressed button's name.
    void BB_ConfigNumerWe1Re1Click(QObject *Sender);
    void BBConfigWorkWe1Re1Click(QObject *Sender);
    void BB_ConfigNumerSpecWe1Re1Click(QObject *Sender);
    void BBConfigWorkSpecWe1Re1Click(QObject *Sender);

    // Entry checks and SMS-centre presets.
    QChar FilterDigitKey(const QString &text, int caret, QChar key, QChar plusMark, QChar minusMark);
    void Enruser1KeyPress(QObject *Sender, QChar &Key);
    void EPinKeyPress(QObject *Sender, QChar &Key);
    void EPinExit(QObject *Sender);
    void EZalWy1Exit(QObject *Sender);
    void FillSmsCentres();
    void CBcentrumChange(QObject *Sender);

    // At home on the desktop (UformaglDesktop.cpp). What is remembered
    // between runs: the port of the last run, the folder of the last open or
    // save, the recent files and the window's place.
    void RestoreDesktopState();
    void SaveDesktopState() const;
    // Opens a settings file by name as "Odczytaj ..." does once its dialog
    // is confirmed; the command line, a dropped file and "Ostatnio
    // otwierane" all come here. False when nothing was opened.
    bool OpenFileByName(const QString &fileName);
    // Loads a settings file into the record, the notes and the controls;
    // false (with the error shown, nothing changed) when it cannot be read.
    bool OpenSettingsFile(const QString &fileName);
    // A file opened or saved: first in the recent list, its folder the one
    // the file dialogs start in.
    void NoteFileUsed(const QString &fileName);
    QStringList RecentFiles() const { return Recent; }
    void OpenRecentFile(const QString &fileName);
    // Reads the port list again, keeping the text in the box.
    void RefreshPortList();
    // The remembered port when present, else the first USB adapter, else item 0.
    void SelectStartPort(const QString &remembered);
    QMenu *RecentMenu = nullptr;

    // Controls that the frame and the link use directly.
    QComboBox *CBcom = nullptr;
    QPushButton *Bprogramuj = nullptr;
    QPushButton *BBload = nullptr;
    QTabWidget *PageControl1 = nullptr;
    QTabWidget *PageControl2 = nullptr;
    QGroupBox *GroupBox1 = nullptr;
    QListWidget *ListBox1 = nullptr;
    QStatusBar *StatusBar1 = nullptr;
    // The link's answer timer (6000 ms, disabled at start); the link drives it.
    TLinkTimer *Timer1 = nullptr;
    TFileDialog *OpenDialog1 = nullptr;
    // Menu "Moduł": check the module after programming, back it up before.
    QAction *Sprawdzaj1 = nullptr;
    QAction *KopiaModulu1 = nullptr;
    TFileDialog *SaveDialog1 = nullptr;

    // The module link on ListBox1, the two command buttons and the cursor;
    // created by the start-up sequence (port, packet splitter, received bytes).
    std::unique_ptr<TWidgetLinkView> LinkView;
    std::unique_ptr<TModuleLink> Link;
    TLinkEngine &LinkEngine() const;

    // The named control, found ignoring letter case; a missing name is a
    // fault of the program, not of the user's data.
    template <class T> T *Control(const QString &name) const
    {
        T *control = FindControl<T>(this, name);
        if (!control)
            missingControl(name);
        return control;
    }

    // Edits not yet saved or programmed. Set by the user's changes of the
    // controls that are collected into the record or the notes, and by a
    // reaction dialog that changed its byte; cleared when a file is opened or
    // saved, after a successful programming run and a completed read-back.
    bool Modified() const { return EditsModified; }
    void SetModified(bool modified);
    // Asks whether to save edits that would be thrown away; true when the
    // caller may go on (nothing to lose, saved, or the user chose to drop
    // them). Every command that replaces the window's settings calls it first.
    bool ConfirmDiscardEdits();

  protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

  private:
    [[noreturn]] static void missingControl(const QString &name);
    void bindDesktop();
    void FillPortBox(const QList<TPortEntry> &ports);
    void RebuildRecentMenu();
    void SaveRecentFiles() const;
    QStringList Recent;
    void buildFrame();
    void buildMenu();
    void layoutClient();
    void bindHandlers();
    void ClipActionClick(const QString &family, int box);
    // Connects every control that is collected into the record or the notes.
    void WatchEdits();
    void ControlEdited();

    // The program refills the controls: their changes are not the user's edits.
    int Refilling = 0;
    bool EditsModified = false;
    // Edits counted, so that a run's success clears only what it sent.
    int EditCount = 0;
    int EditsAtRunStart = 0;

    QWidget *Client = nullptr;
    bool Centred = false;
};

// The program's one main window.
extern TGlownaF *GlownaF;
