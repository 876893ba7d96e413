#pragma once

#include <cstddef>

struct NewNamesDescription;

// What a new-name dialog says of a blank name when it adds an IR or RS232
// library: the same in the browsers and wherever else a library is added
// under names the user types. The arguments are the places of the three
// names among the description's fields; the first blank one is told.
void RefuseBlankIRLibraryNames(NewNamesDescription& description, std::size_t manufacturer, std::size_t type,
                               std::size_t model);
void RefuseBlankRS232LibraryNames(NewNamesDescription& description, std::size_t manufacturer, std::size_t type,
                                  std::size_t model);
