// Drop-down list with an editable text line. Its change hook runs for the
// user's choice or typing only, never for a choice the program makes.
#pragma once

#include <QComboBox>

#include <functional>

class TComboBox : public QComboBox
{
    Q_OBJECT
  public:
    explicit TComboBox(QWidget *parent = nullptr);

    std::function<void(QObject *sender)> OnChange;
    // Runs each time the drop-down list is about to open.
    std::function<void()> OnDropDown;

  protected:
    void showPopup() override;
};
