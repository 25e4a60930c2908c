#include "ModalDialogs.h"

namespace
{
ModalRunner &runner()
{
    static ModalRunner r;
    return r;
}
} // namespace

void SetModalRunner(ModalRunner r)
{
    runner() = std::move(r);
}

int ExecModal(QDialog &dialog)
{
    if (runner())
        return runner()(dialog);
    return dialog.exec();
}
