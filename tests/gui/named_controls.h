#pragma once

#include "core/texts/WindowCaptions.h"

#include <QObject>
#include <QString>
#include <QWidget>

#include <string_view>

namespace zarvex1::test {

// The control (a widget, an action, a menu) under `root` with the object name `name`, as the widget tests
// find every control of a window. A missing one ends the test program with the name it was looked for by.
template <class T = QWidget> T *Named(const QObject &root, const QString &name) {
    T *found = root.findChild<T *>(name);
    if (!found)
        qFatal("no %s named %s", T::staticMetaObject.className(), qPrintable(name));
    return found;
}

template <class T = QWidget> T *Named(const QObject &root, std::string_view name) {
    return Named<T>(root, QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
}

template <class T = QWidget> T *Named(const QObject &root, const char *name) {
    return Named<T>(root, QString::fromLatin1(name));
}

} // namespace zarvex1::test
