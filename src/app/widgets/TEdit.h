// One-line edit box. Its typing limit stops the user's typing only: text set
// by the program is shown in full (QLineEdit::setMaxLength would cut it).
#pragma once

#include <QLineEdit>

#include <functional>

class TEdit : public QLineEdit
{
    Q_OBJECT
  public:
    explicit TEdit(QWidget *parent = nullptr);

    // 0 means no limit.
    void setTypingLimit(int limit);
    int typingLimit() const { return TypingLimit; }

    // The program's text, shown in full whatever the typing limit.
    void setText(const QString &text);
    bool settingText() const { return SettingText; }
    int lastLength() const { return LastLength; }

    // Called with each typed character: Enter (13), Backspace (8), printable
    // characters, and Ctrl+letter as its control character (the clipboard
    // shortcuts Ctrl+C, Ctrl+V, Ctrl+X are 3, 22, 24). Keys that type nothing
    // (Tab, arrows, Home, Delete, Esc) are not handed over. Setting the key to
    // code 0 swallows the keystroke; another character is typed instead.
    std::function<void(QObject *sender, QChar &key)> OnKeyPress;
    // Called once the focus has moved to another control of the same window.
    // Opening a menu, a dialog or another window does not count as leaving,
    // nor does a box disabled before the check could run.
    std::function<void(QObject *sender)> OnExit;

    // Gives the focus back to a box whose leave check failed. The control that
    // loses the focus by this does not run its own leave check: two
    // half-filled boxes would otherwise pull the focus back and forth forever.
    static void ReturnFocusTo(QWidget *box);

  protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

  private:
    int TypingLimit = 0;
    int LastLength = 0;
    bool SettingText = false;
};
