#pragma once

#include <QRect>
#include <QString>
#include <QWidget>

// The forms are laid out in pixels: a control is made with its parent, object name and place
// in one step, the object name being the field name tests look it up by.
template<typename T>
T *MakePlaced(QWidget *parent, const QString &name, const QRect &geometry)
{
    auto *widget = new T(parent);
    widget->setObjectName(name);
    widget->setGeometry(geometry);
    return widget;
}

template<typename T>
T *MakePlaced(QWidget *parent, const QString &name, const QString &text, const QRect &geometry)
{
    auto *widget = MakePlaced<T>(parent, name, geometry);
    widget->setText(text);
    return widget;
}
