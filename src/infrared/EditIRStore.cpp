#include "infrared/EditIRStore.h"

#include "controls/BlankNameMessages.h"
#include "model/FindByNames.h"
#include "model/IRClassGlobals.h"
#include "model/IRDatabaseFull.h"
#include "platform/UserPrompts.h"
#include "platform/Windows1252.h"

#include <QString>

namespace {

bool SameNames(const IRclass& a, const IRclass& b)
{
    return a.ManufacturerField() == b.ManufacturerField() && a.IRtypeField() == b.IRtypeField() &&
           a.ModelField() == b.ModelField();
}

bool ReplaceAgreed(const IRclass& work, UserPrompts& prompts)
{
    const QString question = "IR command library for \r\n" + FromWindows1252(work.Manufacturer()) + "," +
                             FromWindows1252(work.IRtype()) + "," + FromWindows1252(work.Model()) +
                             "\r\nis already in the database.\r\nDo you wish to replace it with this one?";
    return prompts.Message(question, "Library Exists?", PromptButtons::YesNo, PromptIcon::None) == PromptAnswer::Yes;
}

// The first check that a new library fails, refused to the user.
bool PassesNewLibraryChecks(const IRclass& work, UserPrompts& prompts)
{
    struct Check {
        bool failed;
        BlankNameMessage message;
    };
    const Check checks[] = {
        {work.ManufacturerField().isBlank(), BlankNames::IRManufacturer},
        {work.IRtypeField().isBlank(), BlankNames::IRType},
        {work.ModelField().isBlank(), BlankNames::IRModel},
        {work.Num_commands() == 0, {"Cannot add IR library as no treeview1 have defined!", "No treeview1!"}},
    };
    for (const Check& check : checks) {
        if (!check.failed) continue;
        prompts.Message(check.message.text, check.message.title, PromptButtons::Ok, PromptIcon::Exclamation);
        return false;
    }
    return true;
}

}  // namespace

bool StoreWorkIRLibrary(IRClassGlobals& ir, const IRclass& backup, UserPrompts& prompts)
{
    const IRclass& work = ir.WorkIRLibrary;
    std::string manufacturer = work.Manufacturer();
    std::string type = work.IRtype();
    std::string model = work.Model();
    const int existing = ir.FindIRLibrary(manufacturer, type, model);
    if (existing >= 0) {
        if (!SameNames(work, backup) && !ReplaceAgreed(work, prompts)) return false;
        ir.IRDatabase()[existing].CopyFrom(work);
        return true;
    }
    if (!PassesNewLibraryChecks(work, prompts) || RefusedAsIRDatabaseFull(ir, prompts)) return false;
    ir.AddIRLibrary().CopyFrom(work);
    return true;
}

int FindIRCommand(const IRclass& library, const std::string& name)
{
    for (int i = 0; i < library.Num_commands(); ++i)
        if (TrimmedUpper(library.CommandAt(i)->Name()) == TrimmedUpper(name)) return i;
    return -1;
}
