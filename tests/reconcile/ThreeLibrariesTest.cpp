#include "ReconcileFixture.h"
#include "model/ConfigurationArchive.h"
#include "reconcile/DialogReconciliation.h"

#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

TEST_F(ReconcileTest, AnArchiveWithThreeDifferingLibrariesOpensOneDialogEachIRFirstEachAfterTheLastSaved)
{
    const std::filesystem::path archive = folder / "hall.tvl";
    auto source = NewState();
    AddRS232Library(*source, "ACME", "PROJECTOR", "PJ1", {"ON:a"});
    AddIRLibrary(*source, "ZETA", "TV", "T1", {"ON:1"});
    AddIRLibrary(*source, "BETA", "DVD", "D1", {"PLAY:2"});
    ConfigurationRecord& record = source->Config.Record;
    const std::pair<int, const char*> inputs[] = {{2, "ZETA"}, {6, "BETA"}};
    for (const auto& [input, manufacturer] : inputs) {
        InputIRRecord& ir = record.InputIRRecords[static_cast<std::size_t>(input)];
        ir.DeviceSelected = true;
        ir.Manufacturer = manufacturer;
        ir.IRtype = input == 2 ? "TV" : "DVD";
        ir.Model = input == 2 ? "T1" : "D1";
        ir.SelectCommandNames[0] = input == 2 ? "ON" : "PLAY";
        ir.SelectAssigned[0] = true;
    }
    ConfigSerialSlotRecord& slot = record.ConfigSerialSlots[3];
    slot.Manufacturer = "ACME";
    slot.MyType = "PROJECTOR";
    slot.Model = "PJ1";
    slot.Command = "ON";
    slot.IsFromLibrary = true;
    ASSERT_TRUE(SaveConfigurationFile(*source, archive));

    AddRS232Library(*state, "ACME", "PROJECTOR", "PJ1", {"ON:b"});
    AddIRLibrary(*state, "BETA", "DVD", "D1", {"PLAY:3"});
    AddIRLibrary(*state, "ZETA", "TV", "T1", {"ON:4"});
    state->Installed.Install<LibraryReconciliation>(std::make_unique<DialogReconciliation>());
    std::vector<QString> shown;
    const auto keep = [this, &shown](QWidget* dialog) {
        shown.push_back(Named<QGroupBox>(*dialog, "Frame1")->title() + " " + Named<QLabel>(*dialog, "Label1")->text() +
                        (folder.Exists("InfraRed.DEF") ? " after a save" : ""));
        Named<QRadioButton>(*dialog, "Option1", 3)->click();
    };
    DriveDialogs({keep, keep, keep});
    ASSERT_TRUE(LoadConfigurationFile(*state, archive));

    EXPECT_EQ(shown, (std::vector<QString>{"IR Library ZETA", "IR Library BETA after a save",
                                           "RS232 Library ACME after a save"}));
    EXPECT_FALSE(state->Config.Record.InputIRRecords[2].SelectAssigned[0]);
    EXPECT_FALSE(state->Config.Record.InputIRRecords[6].SelectAssigned[0]);
    EXPECT_FALSE(state->Config.Record.ConfigSerialSlots[3].IsFromLibrary);
    EXPECT_TRUE(folder.Exists("RS232Serials.DEF"));
}
