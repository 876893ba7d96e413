#pragma once

#include <QToolBar>
#include <functional>
#include <initializer_list>

class QAction;

// The toolbar of a database browser ("Toolbar1"): keys told apart by their
// names ("NEW", "COPY", ...), each with its picture, tooltip and command.
class BrowserToolbar : public QToolBar {
    Q_OBJECT
public:
    explicit BrowserToolbar(QWidget* parent = nullptr);

    // Adds the key with the picture of the same name, or of `picture` when
    // given; the command runs when it is pressed.
    QAction* AddKey(const char* key, const char* tooltip, std::function<void()> command, const char* picture = nullptr);
    // The key of that name; every key asked for was added.
    QAction* Key(const char* key) const;
    void Enable(std::initializer_list<const char*> keys, bool enabled) const;
};
