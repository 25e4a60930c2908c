// Memo: several lines of free text. The stored form separates lines with the
// two characters 13 and 10, the shown form with Qt's line breaks.
#pragma once

#include <QPlainTextEdit>

class TMemo : public QPlainTextEdit
{
    Q_OBJECT
  public:
    explicit TMemo(QWidget *parent = nullptr);

    void setStoredText(const QString &text);
    QString storedText() const;

  private:
    QString stored_;    // the text last set by the program
    QString shownRaw_;  // how the document held it then
};
