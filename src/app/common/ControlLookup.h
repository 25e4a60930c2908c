// Controls are found by names built at run time ("SEtimerPod" + n); the
// lookup ignores letter case, as the names were written with varying case.
#pragma once

#include <QString>
#include <QWidget>

QObject *FindControlObject(const QObject *root, const QString &name);

template <class T>
T *FindControl(const QObject *root, const QString &name)
{
    return qobject_cast<T *>(FindControlObject(root, name));
}
