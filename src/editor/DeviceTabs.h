#pragma once

#include "editor/ConfigTab.h"

#include <QString>
#include <QWidget>
#include <vector>

class QButtonGroup;
class QToolButton;

// The main window's twenty tabs in two rows, all visible at once: the ten
// inputs above, the controller's other settings below. One tab is current,
// drawn in the highlight colour with its caption in bold. Ctrl+Tab and
// Ctrl+PgDown make the next tab current, Ctrl+Shift+Tab and Ctrl+PgUp the
// previous one, wrapping round at either end. As a tab bar, the tabs are one
// Tab stop, the current tab, framed while it has the focus; there Left and
// Right make the tab before or after it current, Up and Down the one above
// or below it.
class DeviceTabs : public QWidget {
    Q_OBJECT
public:
    static constexpr int Tabs = ConfigTabs;
    static constexpr int TabsPerRow = 10;

    explicit DeviceTabs(QWidget* parent = nullptr);

    int Tab() const { return current_; }
    // Makes the tab current; TabChanged follows when it was not. A number
    // that is no tab changes nothing.
    void SetTab(int tab);
    void SetTab(ConfigTab tab) { SetTab(TabNumber(tab)); }
    // Makes the tab that many places on current, as a click on it would.
    void Step(int places);
    QString Caption(int tab) const;
    void SetCaption(int tab, const QString& caption);
    void SetCaption(ConfigTab tab, const QString& caption) { SetCaption(TabNumber(tab), caption); }

signals:
    void TabChanged(int tab);

protected:
    // The arrow keys on the tabs.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::vector<QToolButton*> buttons_;
    QButtonGroup* group_;
    int current_ = -1;
};
