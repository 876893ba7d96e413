#include "model/IRDatabaseFull.h"

#include "model/IRClassGlobals.h"
#include "platform/UserPrompts.h"

void ReportIRDatabaseFull(UserPrompts& prompts)
{
    prompts.Message("The IR data base is full!", "Sorry!", PromptButtons::Ok, PromptIcon::Exclamation);
}

bool RefusedAsIRDatabaseFull(const IRClassGlobals& ir, UserPrompts& prompts)
{
    if (!ir.IRDatabaseFull()) return false;
    ReportIRDatabaseFull(prompts);
    return true;
}
