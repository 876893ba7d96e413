#include "reconcile/IRReplace2Form.h"

#include "model/ApplicationState.h"
#include "model/ArrivingLibrary.h"
#include "model/LibraryFull.h"
#include "reconcile/IRCommandComparison.h"
#include "reconcile/ImportIRLibraryComparison.h"
#include "reconcile/LibraryDatabaseSaving.h"
#include "reconcile/NewLibraryNameForm.h"

namespace {

class IRImportTwin final : public ImportReplaceTwin {
public:
    explicit IRImportTwin(ApplicationState& state) : state_(state), ir_(state.IR) {}

    ImportReplaceTexts Texts() const override
    {
        return {"Replace IR library?", "IR Library",
                "This Infrared library has the same manufacturer, type and model as one in the data base but is "
                "not the same.",
                "Select changes by individual infrared commands in the libraries"};
    }
    std::string Manufacturer() const override { return ir_.IRHeaderRecordBuffer.Manufacturer.trimmed(); }
    std::string Model() const override { return ir_.IRHeaderRecordBuffer.Model.trimmed(); }
    std::string Type() const override { return ir_.IRHeaderRecordBuffer.IRtype.trimmed(); }
    int LookUp() override { return FindBufferInDatabase(state_, LibraryKind::IR); }
    ImportLibraryComparison* MakeComparison(QWidget* parent) override
    {
        comparison_ = new ImportIRLibraryComparison(ir_, parent);
        comparison_->setObjectName("ImportIRLibraryComparison1");
        return comparison_;
    }
    void ShowComparison(bool hideDecision, int library) override
    {
        comparison_->Show(hideDecision, ir_.IRDatabase()[library]);
    }
    void ReplaceLibrary(int library) override { ir_.IRRecordToLibrary(library); }
    void AddUnderNewName(QWidget* parent) override { ShowNewIRNameForm(state_, parent); }
    bool BufferNamesDiffer(int library) const override
    {
        const IRclass& stored = ir_.IRDatabase()[library];
        const IRLibraryHeaderRecord& header = ir_.IRHeaderRecordBuffer;
        return stored.ManufacturerField() != header.Manufacturer || stored.IRtypeField() != header.IRtype ||
               stored.ModelField() != header.Model;
    }
    void MoveRowsToLibrary(int library, const std::vector<CommandComparisonRow>& rows) override
    {
        std::vector<std::string> refused;
        for (const CommandComparisonRow& row : rows)
            if (!MoveIRRowToLibrary(ir_, ir_.IRDatabase()[library], row)) refused.push_back(row.Name);
        ReportLibraryFull(state_.Prompts(), IRclass::MaximumCommands, refused);
    }
    void SaveDatabase() override { SaveLibraryDatabaseReporting(state_, LibraryKind::IR); }

private:
    ApplicationState& state_;
    IRClassGlobals& ir_;
    ImportIRLibraryComparison* comparison_ = nullptr;
};

}  // namespace

IRReplace2Form::IRReplace2Form(ApplicationState& state, QWidget* parent)
    : ImportReplaceForm(std::make_unique<IRImportTwin>(state), parent)
{
}

void ShowIRReplace2Form(ApplicationState& state, QWidget* parent)
{
    IRReplace2Form form(state, parent);
    form.exec();
}
