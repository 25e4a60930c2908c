// Every modal dialog of the program is shown through here, so that tests can
// answer it instead of a person (an offscreen test must never block on exec()).
#pragma once

#include <QDialog>

#include <functional>

// Shows the dialog modally and returns its result (QDialog::Accepted or
// QDialog::Rejected).
int ExecModal(QDialog &dialog);

// While a runner is set, ExecModal hands the dialog to it instead of running
// exec(); the runner may change the dialog's controls and returns the result.
using ModalRunner = std::function<int(QDialog &)>;
void SetModalRunner(ModalRunner runner);
