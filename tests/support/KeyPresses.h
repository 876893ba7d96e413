#pragma once

#include <QApplication>
#include <QList>
#include <QPointer>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>

// One key as a user presses it: a key with its modifiers, or a typed
// character.
struct KeyPress {
    KeyPress(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) : key(key), modifiers(modifiers) {}
    KeyPress(char typed) : character(typed) {}
    // Not a key: a look at where the keys have led, between two keys.
    KeyPress(std::function<void()> look) : look(std::move(look)) {}

    Qt::Key key = Qt::Key_unknown;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
    char character = 0;
    std::function<void()> look;
};

namespace KeyPressesDetail {

struct Script {
    QList<KeyPress> remaining;
    QStringList targets;
    // The window the last key went to, outside any pop-up.
    QPointer<QWidget> lastWindow;
};

// The window a key may open and wait in: a pop-up, else a modal dialog.
inline QWidget* OpenedWindow()
{
    QWidget* popup = QApplication::activePopupWidget();
    return popup != nullptr ? popup : QApplication::activeModalWidget();
}

// Presses keys while open() holds. A key that opens a pop-up or a modal
// dialog returns only when it has closed, so the keys after it are pressed
// from inside that window's own loop, for as long as it stays open.
inline void PressWhile(Script& script, const std::function<bool()>& open)
{
    while (!script.remaining.isEmpty() && open()) {
        // The window system hands the focus to a dialog, or back to the window
        // under it, a moment after it opens or closes. The offscreen platform
        // activates no window after a pop-up: do what a window manager does.
        if (QApplication::activeWindow() == nullptr && QApplication::activePopupWidget() == nullptr) {
            QWidget* under = QApplication::activeModalWidget();
            if (under == nullptr) under = script.lastWindow;
            if (under == nullptr || !under->isVisible()) {
                // The dialog the last key closed: back to the main window under it.
                for (QWidget* window : QApplication::topLevelWidgets())
                    if (window->isVisible() && window->windowType() == Qt::Window) under = window;
            }
            if (under != nullptr && under->isVisible()) under->activateWindow();
        }
        (void)QTest::qWaitFor([] {
            QWidget* modal = QApplication::activeModalWidget();
            QWidget* focus = QApplication::focusWidget();
            if (QApplication::activePopupWidget() != nullptr) return true;
            return focus != nullptr && (modal == nullptr || modal == focus || modal->isAncestorOf(focus));
        });
        const KeyPress press = script.remaining.takeFirst();
        if (press.look) {
            press.look();
            continue;
        }
        // In a pop-up the keys go where its focus is, as the window system sends them.
        QWidget* target = QApplication::activePopupWidget();
        if (target != nullptr && target->focusWidget() != nullptr) target = target->focusWidget();
        if (target == nullptr && QApplication::activeModalWidget() != nullptr)
            target = QApplication::activeModalWidget()->focusWidget();
        if (target == nullptr) target = QApplication::focusWidget();
        if (target == nullptr) {
            ADD_FAILURE() << "no control has the focus";
            script.remaining.clear();
            return;
        }
        script.targets.append(target->objectName());
        if (target->window()->windowType() != Qt::Popup) script.lastWindow = target->window();

        const QPointer<QWidget> openBefore = OpenedWindow();
        QTimer watch;
        watch.setInterval(10);
        QObject::connect(&watch, &QTimer::timeout, [&script, &watch, openBefore] {
            const QPointer<QWidget> popup = OpenedWindow();
            if (popup == nullptr || popup == openBefore) return;
            watch.stop();
            // A dialog takes the keys once the window system has made it active.
            if (popup != QApplication::activePopupWidget() && !QTest::qWaitForWindowActive(popup)) {
                ADD_FAILURE() << popup->windowTitle().toStdString() << " never became active";
                script.remaining.clear();
            }
            PressWhile(script, [popup] { return popup != nullptr && popup->isVisible(); });
            if (popup != nullptr && popup->isVisible()) {
                ADD_FAILURE() << "the keys ran out with " << popup->objectName().toStdString() << " open";
                popup->close();
            }
        });
        watch.start();
        if (press.character != 0) {
            QTest::keyClick(target, press.character, press.modifiers);
        } else {
            QTest::keyClick(target, press.key, press.modifiers);
        }
    }
}

}  // namespace KeyPressesDetail

// Presses the keys one after the other where a user's keys go: to the open
// pop-up, else to the control with the focus, also inside the dialogs the
// keys open. Returns the objectName of the
// control each key went to.
inline QStringList PressKeys(const QList<KeyPress>& keys)
{
    KeyPressesDetail::Script script{keys, {}, {}};
    KeyPressesDetail::PressWhile(script, [] { return true; });
    return script.targets;
}

// The keys that type a text.
inline QList<KeyPress> Typed(const char* text)
{
    QList<KeyPress> keys;
    for (; *text != 0; ++text) keys.append(KeyPress(*text));
    return keys;
}
