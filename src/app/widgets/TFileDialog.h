// File-open and file-save dialog that keeps its file name between showings.
// Tests answer it through a responder instead of a person.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class QFileDialog;
class QWidget;

class TFileDialog : public QObject
{
    Q_OBJECT
  public:
    enum Kind { Open, Save };
    TFileDialog(Kind kind, QWidget *owner);

    Kind kind() const { return DialogKind; }
    // "description|pattern|description|pattern..."
    QString Filter;
    // Appended (with a dot) to a chosen name that has no extension.
    QString DefaultExt;
    // Proposed before showing, the chosen name after a confirmed showing.
    QString FileName;
    // The folder shown when no name is proposed.
    QString Directory;

    // Shows the dialog; true when the user confirmed a name.
    bool Execute();
    // The filter as Qt's name filters ("pliki ulmar (*.ulmar)").
    QStringList nameFilters() const;
    // Sets up Qt's dialog as Execute() shows it.
    void configure(QFileDialog &dialog) const;

    // While a responder is set, Execute() asks it instead of showing a dialog;
    // it may change FileName and returns whether the name was confirmed.
    using Responder = std::function<bool(TFileDialog &dialog)>;
    static void SetResponder(Responder responder);

  private:
    QString withDefaultExt(const QString &name) const;
    Kind DialogKind;
    QWidget *Owner;
};
