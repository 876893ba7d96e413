#pragma once

#include <functional>

class UserPrompts;

// Runs a command of a browser or picker, which is where such a command's
// error handling is: a run-time error it raises (an index out of range, an
// overflow, a file or archive that fails) is told to the user and ends the
// command, and the editor goes on. Any other exception is a defect and
// passes on. True when the command ran to its end.
bool RunCommandReportingErrors(UserPrompts& prompts, const std::function<void()>& command);
