#include "ControlLookup.h"

#include <QMenu>

QObject *FindControlObject(const QObject *root, const QString &name)
{
    if (!root)
        return nullptr;
    // Exact match first: it is the common case and needs no walk over every child.
    if (QObject *exact = root->findChild<QObject *>(name))
        return exact;
    const QList<QObject *> all = root->findChildren<QObject *>();
    for (QObject *child : all)
        if (child->objectName().compare(name, Qt::CaseInsensitive) == 0)
            return child;
    return nullptr;
}
