#include "controls/ToolbarIcons.h"

#include <QAction>
#include <QToolBar>
#include <array>
#include <utility>

namespace {

// Keys whose meaning a freedesktop icon name carries exactly.
constexpr std::array<std::pair<const char*, const char*>, 11> ThemeNames{{
    {"NEW", "document-new"},
    {"OPEN", "document-open"},
    {"SAVE", "document-save"},
    {"SAVEAS", "document-save-as"},
    {"HELP", "help-contents"},
    {"ABOUT", "help-about"},
    {"EXIT", "application-exit"},
    {"DELETE", "edit-delete"},
    {"COPY", "edit-copy"},
    {"CUT", "edit-cut"},
    {"PASTE", "edit-paste"},
}};

}  // namespace

QIcon ToolbarIcon(const QString& key)
{
    QIcon own(":/toolbar/" + key + ".svg");
    for (const auto& [themedKey, themeName] : ThemeNames)
        if (key == themedKey) return QIcon::fromTheme(themeName, own);
    return own;
}

QAction* AddToolbarKey(QToolBar& toolbar, const QString& key, const QString& tooltip, const QString& picture)
{
    QAction* action = toolbar.addAction(ToolbarIcon(picture.isEmpty() ? key : picture), key);
    action->setObjectName(key);
    action->setToolTip(tooltip);
    return action;
}
