#pragma once

#include "messages/VolumeEditorForm.h"
#include "model/ApplicationState.h"
#include "model/SerialClass.h"
#include "support/ModalDialogs.h"
#include "support/ScriptedPrompts.h"
#include "support/TempProgramFolder.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>
#include <initializer_list>
#include <memory>
#include <utility>

// A fresh application state in a fresh program folder, with the name tables
// filled and the volume editor installed as at start-up.
class MessageToolsTest : public ::testing::Test {
protected:
    MessageToolsTest()
    {
        state.Names.InitNameTables();
        state.Installed.Install<VolumeEditorLauncher>(std::make_unique<VolumeEditorFormLauncher>(state));
    }
    ~MessageToolsTest() override { EXPECT_TRUE(prompts.AllAnswered()) << "an expected message never came"; }

    // Sets the message's bytes from (type, value) pairs.
    static void SetBytes(SerialClass& message, std::initializer_list<std::pair<uint8_t, uint8_t>> bytes)
    {
        RS232_String_Class& string = message.MyRS232StringClass();
        int i = 0;
        for (const auto& [type, value] : bytes) {
            string.ContentTypes(i, type);
            string.ContentBytes(i, value);
            ++i;
        }
        string.NumberOfBytes(i);
    }

    static std::shared_ptr<VolumeExtensionClass> AddVolumeFormat(SerialClass& message)
    {
        auto format = std::make_shared<VolumeExtensionClass>();
        format->Clear();
        message.VolumeExtension(format);
        return format;
    }

    TempProgramFolder folder;
    ScriptedPrompts prompts;
    ApplicationState state{folder.path(), prompts};
};
