#pragma once

#include "support/NamedChild.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

// A shown window holding one spin entry and a second box to move the focus
// to, with the entry's parts found by their names and its event counted.
template <typename Entry>
class EntryTestHost {
public:
    EntryTestHost() : window(std::make_unique<QWidget>())
    {
        entry = new Entry(window.get());
        other = new QLineEdit(window.get());
        auto* layout = new QVBoxLayout(window.get());
        layout->addWidget(entry);
        layout->addWidget(other);
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        events = std::make_unique<QSignalSpy>(entry, &Entry::ValueChanged);
    }

    QLineEdit* Text1() const { return Named<QLineEdit>(*entry, "Text1"); }
    QWidget* Up() const { return Named<QWidget>(*entry, "Up"); }
    QWidget* Down() const { return Named<QWidget>(*entry, "Down"); }
    QTimer* Timer1() const { return Named<QTimer>(*entry, "Timer1"); }
    QWidget* Frame1() const { return Named<QWidget>(*entry, "Frame1"); }
    QString Shown() const { return Text1()->text(); }
    qsizetype EventCount() const { return events->count(); }

    // Replaces the text as a user would: focus, select all, type.
    void Type(const QString& keys)
    {
        Text1()->setFocus();
        Text1()->selectAll();
        QTest::keyClicks(Text1(), keys);
    }
    void MoveFocusAway() { other->setFocus(); }

    // One tick of the repeat timer, without waiting for it.
    void Tick() { QMetaObject::invokeMethod(Timer1(), "timeout", Qt::DirectConnection); }
    void Press(QWidget* button) { QTest::mousePress(button, Qt::LeftButton); }
    void Release(QWidget* button) { QTest::mouseRelease(button, Qt::LeftButton); }

    std::unique_ptr<QWidget> window;
    Entry* entry = nullptr;
    QLineEdit* other = nullptr;
    std::unique_ptr<QSignalSpy> events;
};
