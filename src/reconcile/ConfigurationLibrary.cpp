#include "reconcile/ConfigurationLibrary.h"

int ConfigurationLibrary::FindNewCommand(const std::string& upperName) const
{
    for (int j : NewCommands())
        if (NewCommandName(j) == upperName) return j;
    return -1;
}

int ConfigurationLibrary::FindDatabaseCommand(const std::string& upperName) const
{
    for (int k : DatabaseCommands())
        if (DatabaseCommandName(k) == upperName) return k;
    return -1;
}
