#pragma once

#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <QWidget>

// The control of that object name below `parent`; a test without it cannot go on.
template <typename T>
T* Child(QWidget* parent, const char* name)
{
    T* child = parent->findChild<T*>(QString::fromLatin1(name));
    if (child == nullptr) {
        qFatal("no control %s", name);
    }
    return child;
}

inline void SetText(QWidget* parent, const char* name, const QString& text)
{
    Child<QLineEdit>(parent, name)->setText(text);
}

inline void Click(QWidget* parent, const char* name) { Child<QPushButton>(parent, name)->click(); }
