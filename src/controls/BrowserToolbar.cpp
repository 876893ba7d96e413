#include "controls/BrowserToolbar.h"

#include "controls/ToolbarIcons.h"

#include <QAction>
#include <stdexcept>

BrowserToolbar::BrowserToolbar(QWidget* parent) : QToolBar(parent)
{
    setObjectName("Toolbar1");
    setIconSize(QSize(16, 16));
}

QAction* BrowserToolbar::AddKey(const char* key, const char* tooltip, std::function<void()> command,
                                const char* picture)
{
    QAction* button = addAction(ToolbarIcon(picture ? picture : key), key);
    button->setObjectName(key);
    button->setToolTip(tooltip);
    connect(button, &QAction::triggered, this, [command = std::move(command)] { command(); });
    return button;
}

QAction* BrowserToolbar::Key(const char* key) const
{
    auto* button = findChild<QAction*>(key, Qt::FindDirectChildrenOnly);
    if (!button) throw std::logic_error(std::string("no toolbar key ") + key);
    return button;
}

void BrowserToolbar::Enable(std::initializer_list<const char*> keys, bool enabled) const
{
    for (const char* key : keys) Key(key)->setEnabled(enabled);
}
