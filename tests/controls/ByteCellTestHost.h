#pragma once

#include "controls/ByteCellContext.h"
#include "controls/BytePopup.h"
#include "controls/ByteValueControl.h"
#include "controls/MyTextBox.h"
#include "controls/VolumeEditorLauncher.h"
#include "model/ProjectorGlobals.h"
#include "model/SerialClass.h"
#include "support/NamedChild.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

// Stands where the volume-format editor will: counts how often it is opened,
// notes the insert position it was opened with, and reports a change when
// told to.
class RecordingVolumeEditor final : public VolumeEditorLauncher {
public:
    bool ShowVolumeEditorForm(QWidget*, SerialClass& message) override
    {
        ++opened;
        insertPositionSeen = message.VolumeExtension()->VolumeInsertByteNumber();
        return reportChange;
    }
    int opened = 0;
    int16_t insertPositionSeen = -1;
    bool reportChange = false;
};

// One byte cell on a shown window, a byte of the message in its context.
class ByteCellTestHost {
public:
    ByteCellTestHost() : window(std::make_unique<QWidget>())
    {
        names.InitNameTables();
        cell = new ByteValueControl(context, window.get());
        cell->MyIndex(3);
        auto* layout = new QVBoxLayout(window.get());
        layout->addWidget(cell);
        window->move(200, 200);
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        modeChanges = std::make_unique<QSignalSpy>(cell, &ByteValueControl::ModeChanged);
        variableChanges = std::make_unique<QSignalSpy>(cell, &ByteValueControl::VariableChanged);
    }

    MyTextBox* Box() const { return Named<MyTextBox>(*cell, "MyTextBox1"); }
    QLabel* Caption() const { return Named<QLabel>(*cell, "Text2"); }
    QString Shown() const { return Box()->DisplayText(); }

    void Show(int32_t mode, uint8_t byte)
    {
        cell->Mode(mode);
        cell->value(byte);
    }
    void GiveVolumeFormat(int16_t insertPosition)
    {
        message.VolumeExtension(std::make_shared<VolumeExtensionClass>());
        message.VolumeExtension()->VolumeInsertByteNumber(insertPosition);
    }
    void Type(const QString& keys)
    {
        Box()->setFocus();
        for (QChar c : keys) {
            if (c.unicode() < 128) {
                QTest::keyClick(Box(), c.toLatin1());
            } else {
                // A character beyond the keyboard helpers' reach, as a layout would send it.
                QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
                QApplication::sendEvent(Box(), &press);
            }
        }
    }
    void Key(Qt::Key key) { QTest::keyClick(Box(), key); }

    // Runs act on the pop-up once it is open (it opens inside a click).
    static void WhenPopupOpens(const std::function<void(BytePopup*)>& act, int attemptsLeft = 200)
    {
        QTimer::singleShot(10, [act, attemptsLeft] {
            auto* popup = qobject_cast<BytePopup*>(QApplication::activePopupWidget());
            if (popup != nullptr && popup->isVisible()) {
                act(popup);
            } else if (attemptsLeft > 0) {
                WhenPopupOpens(act, attemptsLeft - 1);
            } else {
                ADD_FAILURE() << "no pop-up opened";
            }
        });
    }
    // Clicks a row of the pop-up that opens next, with the given button.
    static void ClickRowWhenOpen(int row, Qt::MouseButton button = Qt::LeftButton)
    {
        WhenPopupOpens([row, button](BytePopup* popup) {
            QCursor::setPos(popup->mapToGlobal(popup->RowRect(row).center()));
            QTest::mouseClick(popup, button, {}, popup->RowRect(row).center());
        });
    }
    // The pointer far from where any pop-up opens, so one closes by itself.
    static void PointerAway() { QCursor::setPos(5, 5); }
    void ClickCaption() { QTest::mouseClick(Caption(), Qt::LeftButton); }

    ProjectorGlobals names;
    SerialClass message;
    RecordingVolumeEditor recordingEditor;
    RecordingVolumeEditor* volumeEditor = &recordingEditor;
    ByteCellContext context{
        .Message = &message, .ControlCodeNames = names.ControlCodeNames, .VolumeEditor = &recordingEditor};
    std::unique_ptr<QWidget> window;
    ByteValueControl* cell = nullptr;
    std::unique_ptr<QSignalSpy> modeChanges;
    std::unique_ptr<QSignalSpy> variableChanges;
};
