#pragma once

class IRClassGlobals;
class UserPrompts;

// What every way of adding an IR library says when the database already
// holds as many libraries as it can.
void ReportIRDatabaseFull(UserPrompts& prompts);

// True, once the user has been told, when the database has no room for
// another library: the caller then adds nothing.
bool RefusedAsIRDatabaseFull(const IRClassGlobals& ir, UserPrompts& prompts);
