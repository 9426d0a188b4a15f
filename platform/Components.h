#pragma once

#include <QRect>
#include <QString>
#include <QWidget>

// A component of a form: a child widget with its name (the language files address it by that
// name) at its design position.
template <typename Widget>
Widget* CreateComponent(QWidget* form, const char* name, const QRect& geometry)
{
    auto* widget = new Widget(form);
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(geometry);
    return widget;
}
