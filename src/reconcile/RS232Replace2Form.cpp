#include "reconcile/RS232Replace2Form.h"

#include "model/ApplicationState.h"
#include "model/ArrivingLibrary.h"
#include "model/LibraryFull.h"
#include "platform/FixedText.h"
#include "reconcile/ImportRS232LibraryComparison.h"
#include "reconcile/LibraryDatabaseSaving.h"
#include "reconcile/NewLibraryNameForm.h"
#include "reconcile/RS232CommandComparison.h"

namespace {

std::string Trimmed(const std::string& field)
{
    return FixedText<1>::TrimSpaces(field);
}

class RS232ImportTwin final : public ImportReplaceTwin {
public:
    explicit RS232ImportTwin(ApplicationState& state) : state_(state), rs232_(state.RS232Libraries) {}

    ImportReplaceTexts Texts() const override
    {
        return {"Replace RS232 Library", "RS232 Library",
                "This RS232 library has the same manufacturer, type and model as one in the data base but is not "
                "the same.",
                "Select changes by individual RS232commands in the libraries"};
    }
    std::string Manufacturer() const override { return Trimmed(Record().Manufacturer()); }
    std::string Model() const override { return Trimmed(Record().Model()); }
    std::string Type() const override { return Trimmed(Record().Type()); }
    int LookUp() override { return FindBufferInDatabase(state_, LibraryKind::RS232); }
    ImportLibraryComparison* MakeComparison(QWidget* parent) override
    {
        comparison_ = new ImportRS232LibraryComparison(rs232_.RS232RecordBuffer, parent);
        comparison_->setObjectName("ImportRS232LibraryComparison1");
        return comparison_;
    }
    void ShowComparison(bool hideDecision, int library) override
    {
        comparison_->Show(hideDecision, rs232_.RS232Database()[library]);
    }
    void ReplaceLibrary(int library) override { rs232_.RS232RecordToLibrary(library); }
    void AddUnderNewName(QWidget* parent) override { ShowNewRs232Name2Form(state_, parent); }
    bool BufferNamesDiffer(int library) const override
    {
        const RS232FileBlockClass& stored = rs232_.RS232Database()[library];
        return stored.Manufacturer() != Record().Manufacturer() || stored.MyType() != Record().Type() ||
               stored.Model() != Record().Model();
    }
    // A command that finds no blank slot is not added. The import took only
    // sound records, so a command refused here was refused for want of room.
    void MoveRowsToLibrary(int library, const std::vector<CommandComparisonRow>& rows) override
    {
        std::vector<std::string> refused;
        for (const CommandComparisonRow& row : rows)
            if (!MoveRS232RowToLibrary(Record(), rs232_.RS232Database()[library], row)) refused.push_back(row.Name);
        ReportLibraryFull(state_.Prompts(), RS232FileBlockClass::Commands, refused);
    }
    void SaveDatabase() override { SaveLibraryDatabaseReporting(state_, LibraryKind::RS232); }

private:
    const RS232LibraryRecord& Record() const { return rs232_.RS232RecordBuffer; }

    ApplicationState& state_;
    SerialClassGlobals& rs232_;
    ImportRS232LibraryComparison* comparison_ = nullptr;
};

}  // namespace

RS232Replace2Form::RS232Replace2Form(ApplicationState& state, QWidget* parent)
    : ImportReplaceForm(std::make_unique<RS232ImportTwin>(state), parent)
{
}

void ShowRS232Replace2Form(ApplicationState& state, QWidget* parent)
{
    RS232Replace2Form form(state, parent);
    form.exec();
}
