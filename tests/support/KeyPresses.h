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

    Qt::Key key = Qt::Key_unknown;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
    char character = 0;
};

namespace KeyPressesDetail {

struct Script {
    QList<KeyPress> remaining;
    QStringList targets;
};

// Presses keys while open() holds. A key that opens a pop-up returns only
// when the pop-up has closed, so the keys after it are pressed from inside
// the pop-up's own loop, for as long as it stays open.
inline void PressWhile(Script& script, const std::function<bool()>& open)
{
    while (!script.remaining.isEmpty() && open()) {
        const KeyPress press = script.remaining.takeFirst();
        QWidget* target = QApplication::activePopupWidget();
        if (target == nullptr) target = QApplication::focusWidget();
        if (target == nullptr) {
            ADD_FAILURE() << "no control has the focus";
            script.remaining.clear();
            return;
        }
        script.targets.append(target->objectName());

        const QPointer<QWidget> popupBefore = QApplication::activePopupWidget();
        QTimer watch;
        watch.setInterval(10);
        QObject::connect(&watch, &QTimer::timeout, [&script, &watch, popupBefore] {
            const QPointer<QWidget> popup = QApplication::activePopupWidget();
            if (popup == nullptr || popup == popupBefore) return;
            watch.stop();
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
// pop-up, else to the control with the focus. Returns the objectName of the
// control each key went to.
inline QStringList PressKeys(const QList<KeyPress>& keys)
{
    KeyPressesDetail::Script script{keys, {}};
    KeyPressesDetail::PressWhile(script, [] { return true; });
    return script.targets;
}
