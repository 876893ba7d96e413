#pragma once

#include "model/ApplicationState.h"
#include "model/SerialClassGlobals.h"
#include "support/ModalDialogs.h"
#include "support/NamedChild.h"
#include "support/ProgramStateTest.h"

#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>
#include <string>

// A fresh application state in a fresh program folder, with helpers that
// fill RS232 libraries and drive the new-name dialog from inside its modal
// loop.
class RS232BrowserTest : public ProgramStateTest {
protected:
    // Every library has bytes in the same command slots, so the bytes a
    // shared record keeps beyond each count are the same whatever was
    // written before.
    static void Fill(RS232FileBlockClass& library, const char* manufacturer, const char* type, const char* model,
                     int16_t baudrate)
    {
        library.Clear();
        library.Manufacturer(manufacturer);
        library.MyType(type);
        library.Model(model);
        library.Baudrate(baudrate);
        library.Parity(1);
        library.InterByteDelay(static_cast<int16_t>(10 + baudrate));
        library.Notes("Rear port");
        library.Command(0, "POWER ON");
        RS232_String_Class& message = library.My_RS232_String_Class(0);
        message.NumberOfBytes(2);
        message.ContentBytes(0, 0x02);
        message.ContentTypes(0, ContentHex);
        message.ContentBytes(1, static_cast<uint8_t>('A' + baudrate));
        message.ContentTypes(1, ContentAscii);
        library.Command(31, "STATUS");
        library.IsInputNotOutput(31, true);
    }
    RS232FileBlockClass& AddToDatabase(const char* manufacturer, const char* type, const char* model, int16_t baudrate)
    {
        SerialClassGlobals& libraries = state.RS232Libraries;
        libraries.AddRS232Library();
        RS232FileBlockClass& added = libraries.RS232Database()[libraries.RS232Database().LastIndex()];
        Fill(added, manufacturer, type, model, baudrate);
        return added;
    }
    RS232FileBlockClass& Entry(int index) { return state.RS232Libraries.RS232Database()[index]; }
    int Entries() const { return state.RS232Libraries.RS232Database().Count(); }

    // The next new-name dialog is given these names and Done, then closed
    // with Cancel if it is still open.
    static void WhenNewNameOpens(const QString& manufacturer, const QString& type, const QString& model)
    {
        WhenModalOpens([manufacturer, type, model](QWidget* dialog) {
            Named<QLineEdit>(*dialog, "Text1")->setText(manufacturer);
            Named<QLineEdit>(*dialog, "Text2")->setText(type);
            Named<QLineEdit>(*dialog, "Text3")->setText(model);
            Named<QPushButton>(*dialog, "Done")->click();
            if (dialog->isVisible()) Named<QPushButton>(*dialog, "Cancel")->click();
        });
    }
    void ExpectTaken(const QString& names)
    {
        prompts.ExpectMessage("Equipment " + names + " already exists cannot paste to this name!", "Sorry cannot paste",
                              PromptButtons::Ok, PromptIcon::Exclamation);
    }
};
