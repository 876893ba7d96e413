#pragma once

#include "model/ApplicationState.h"
#include "model/IRClassGlobals.h"
#include "model/IRRecords.h"
#include "support/FileBytes.h"
#include "support/ModalDialogs.h"
#include "support/NamedChild.h"
#include "support/ProgramStateTest.h"

#include <QLineEdit>
#include <QPushButton>
#include <cstdint>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

// A fresh application state in a fresh program folder, with IR libraries
// made from a few numbers, the file records they are written as (laid out
// here byte by byte, apart from the program's writer), and the new-name
// dialog driven from inside its modal loop.
class IRBrowserTest : public ProgramStateTest {
protected:
    struct Library {
        std::string manufacturer;
        std::string type;
        std::string model;
        int commands;
        uint8_t seed;  // tells the libraries' contents apart
    };

    static std::string CommandName(int k) { return "KEY " + std::to_string(k); }
    static uint8_t Code(uint8_t seed, int k, int i, int part)
    {
        return static_cast<uint8_t>(seed * 31 + k * 7 + i + part);
    }

    static void Fill(IRclass& library, const Library& from)
    {
        library.Clear();
        library.Manufacturer(from.manufacturer);
        library.IRtype(from.type);
        library.Model(from.model);
        library.Comment("notes " + std::to_string(from.seed));
        library.InterPeriod0(from.seed);
        library.InterPeriod1(static_cast<uint8_t>(from.seed + 1));
        for (int k = 0; k < from.commands; ++k) {
            IRCommandClass& command = library.AddIRCommand();
            command.Name(CommandName(k));
            command.Mode(static_cast<uint8_t>(k % 2));
            for (int i = 0; i < IRCommandClass::DataLength; ++i) {
                command.Data(IRPart::Start, i, Code(from.seed, k, i, 1));
                command.Data(IRPart::Repeat, i, Code(from.seed, k, i, 0));
            }
        }
    }
    IRclass& Add(const Library& from)
    {
        IRclass& library = state.IR.AddIRLibrary();
        Fill(library, from);
        return library;
    }

    static void Put(Bytes& record, std::size_t offset, const std::string& text, std::size_t width)
    {
        for (std::size_t i = 0; i < width; ++i)
            record[offset + i] = i < text.size() ? static_cast<uint8_t>(text[i]) : ' ';
    }
    // The header record and command records of the library, as every IR file holds them.
    static Bytes RecordsOf(const Library& from, int countedCommands = -1)
    {
        Bytes header(IRRecordLayout::RecordLength, 0);
        Put(header, 0, from.manufacturer, 16);
        Put(header, 16, from.type, 16);
        Put(header, 32, from.model, 16);
        Put(header, 48, "notes " + std::to_string(from.seed), 160);
        header[208] = from.seed;
        header[209] = static_cast<uint8_t>(from.seed + 1);
        header[210] = static_cast<uint8_t>(countedCommands < 0 ? from.commands : countedCommands);
        Bytes all = header;
        for (int k = 0; k < from.commands; ++k) {
            Bytes command(IRRecordLayout::RecordLength, 0);
            Put(command, 0, CommandName(k), 16);
            for (std::size_t i = 0; i < IRCommandClass::DataLength; ++i) {
                command[16 + 2 * i] = Code(from.seed, k, static_cast<int>(i), 0);
                command[17 + 2 * i] = Code(from.seed, k, static_cast<int>(i), 1);
            }
            command[274] = static_cast<uint8_t>(k % 2);
            all.insert(all.end(), command.begin(), command.end());
        }
        return all;
    }

    int Entries() const { return state.IR.IRDatabase().Count(); }
    IRclass& Entry(int index) { return state.IR.IRDatabase()[index]; }
    // The names of every library, "MANUFACTURER/TYPE/MODEL" trimmed, in database order.
    QStringList Names() const
    {
        QStringList names;
        for (int i = 0; i < Entries(); ++i) {
            const IRclass& library = state.IR.IRDatabase()[i];
            names << QString::fromStdString(library.ManufacturerField().trimmed() + "/" +
                                            library.IRtypeField().trimmed() + "/" + library.ModelField().trimmed());
        }
        return names;
    }

    // The next new-name dialog is given these names and Done, then closed
    // with Cancel if it is still open; `shown` receives its texts first.
    static void WhenNewNameOpens(const QStringList& names, QStringList* shown = nullptr)
    {
        WhenModalOpens([names, shown](QWidget* dialog) {
            if (shown) {
                *shown << dialog->windowTitle();
                for (const char* name :
                     {"OriginalManufacturer", "OriginalModel", "OriginalType", "Text1", "Text2", "Text3"})
                    *shown << dialog->findChild<QWidget*>(name)->property("text").toString();
            }
            for (int i = 0; i < 3; ++i) Named<QLineEdit>(*dialog, "Text" + QString::number(i + 1))->setText(names[i]);
            Named<QPushButton>(*dialog, "Done")->click();
            if (dialog->isVisible()) Named<QPushButton>(*dialog, "Cancel")->click();
        });
    }
};
