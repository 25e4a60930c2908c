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

    // Called with each typed character; setting it to code 0 swallows the key.
    std::function<void(QObject *sender, QChar &key)> OnKeyPress;
    // Called when the focus moves to another control of the window.
    std::function<void(QObject *sender)> OnExit;

  protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

  private:
    int TypingLimit = 0;
    int LastLength = 0;
    bool SettingText = false;
};
