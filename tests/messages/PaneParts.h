#pragma once

#include "messages/SerialStringDisplay.h"
#include "support/NamedChild.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QScrollBar>

// The parts of a message pane, found by their names.
inline QMenu* MenuOf(const SerialStringDisplay& pane)
{
    return Named<QMenu>(pane, "menuHidden");
}
inline QLabel* PictureOf(const SerialStringDisplay& pane)
{
    return Named<QLabel>(pane, "DisplayImage");
}
inline QScrollBar* OffsetBarOf(const SerialStringDisplay& pane)
{
    return Named<QScrollBar>(pane, "OffsetBar");
}
inline QAction* MenuItem(const SerialStringDisplay& pane, const QString& name)
{
    return Named<QAction>(pane, name);
}
