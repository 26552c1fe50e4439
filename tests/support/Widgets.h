#pragma once

#include <QObject>
#include <QString>

namespace testsupport {

// The child of parent of type T named name. A missing one ends the test run at once: every later
// step of the test would act on nothing.
template <class T> T* widget(const QObject* parent, const QString& name)
{
    T* const child = parent->findChild<T*>(name);
    if (!child)
        qFatal("%s has no %s named \"%s\"", qPrintable(parent->objectName()), T::staticMetaObject.className(),
               qPrintable(name));
    return child;
}

} // namespace testsupport
