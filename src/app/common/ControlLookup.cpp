#include "ControlLookup.h"

#include <QHash>
#include <QPointer>

namespace
{
// Names found before, per root. The window's routines look up the same few
// hundred names again and again; walking every child each time made up a
// noticeable part of start-up and of every refill of the controls.
using TFoundNames = QHash<QString, QPointer<QObject>>;

QHash<const QObject *, TFoundNames> &foundBefore()
{
    // Never destroyed: a window may go after the program's statics.
    static auto *found = new QHash<const QObject *, TFoundNames>;
    return *found;
}

// A remembered control still counts while it exists, still has the name and
// still lies under the root.
bool stillThere(const QObject *root, const QObject *object, const QString &name)
{
    if (!object || object->objectName().compare(name, Qt::CaseInsensitive) != 0)
        return false;
    for (const QObject *parent = object->parent(); parent; parent = parent->parent())
        if (parent == root)
            return true;
    return false;
}

QObject *walk(const QObject *root, const QString &name)
{
    // Exact match first: it is the common case and needs no walk over every child.
    if (QObject *exact = root->findChild<QObject *>(name))
        return exact;
    const QList<QObject *> all = root->findChildren<QObject *>();
    for (QObject *child : all)
        if (child->objectName().compare(name, Qt::CaseInsensitive) == 0)
            return child;
    return nullptr;
}
} // namespace

QObject *FindControlObject(const QObject *root, const QString &name)
{
    if (!root)
        return nullptr;
    auto &found = foundBefore();
    auto names = found.find(root);
    if (names != found.end()) {
        const auto known = names->constFind(name);
        if (known != names->constEnd() && stillThere(root, known->data(), name))
            return known->data();
    }
    QObject *object = walk(root, name);
    if (!object)
        return nullptr;
    if (names == found.end()) {
        names = found.insert(root, {});
        // Forget the root's names with it, so that a new object at the same address starts afresh.
        QObject::connect(root, &QObject::destroyed, [root] { foundBefore().remove(root); });
    }
    names->insert(name, object);
    return object;
}
