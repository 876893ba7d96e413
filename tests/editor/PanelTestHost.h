#pragma once

#include "model/ApplicationState.h"
#include "support/ScriptedPrompts.h"
#include "support/TempProgramFolder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

// A shown, active bare window hosting one section panel over a fresh
// configuration, with a user who clicks and types.
template <class Panel>
class PanelTestHost {
public:
    // Lets a test give the configuration values before the panel exists.
    explicit PanelTestHost(const std::function<void(ConfigurationRecord&)>& prepare = {})
        : state(folder.path(), prompts), window(std::make_unique<QWidget>())
    {
        state.Config.ClearConfiguration();
        if (prepare) prepare(state.Config.Record);
        panel = new Panel(state.Config, window.get());
        auto* layout = new QVBoxLayout(window.get());
        layout->addWidget(panel);
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        changes = std::make_unique<QSignalSpy>(panel, &Panel::SettingsChanged);
    }

    ConfigurationRecord& Record() { return state.Config.Record; }
    bool Changed() const { return state.Config.ConfigChanged; }
    qsizetype ChangeEvents() const { return changes->count(); }

    // Clicks a check box or option button on its indicator.
    static void Click(QAbstractButton* button)
    {
        ASSERT_TRUE(button->isVisible()) << button->objectName().toStdString();
        QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(6, button->height() / 2));
    }

    // Replaces an entry's text the way a user does: focus it, select all, type.
    static void Type(QWidget* entry, const QString& keys)
    {
        ASSERT_TRUE(entry->isVisible() && entry->isEnabled()) << entry->objectName().toStdString();
        entry->setFocus(Qt::MouseFocusReason);
        QWidget* box = QApplication::focusWidget();
        ASSERT_TRUE(box != nullptr && entry->isAncestorOf(box));
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(box, keys);
    }

    TempProgramFolder folder;
    ScriptedPrompts prompts;
    ApplicationState state;
    std::unique_ptr<QWidget> window;
    Panel* panel = nullptr;
    std::unique_ptr<QSignalSpy> changes;
};
