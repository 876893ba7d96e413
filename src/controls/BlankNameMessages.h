#pragma once

#include <cstddef>

struct NewNamesDescription;

// What is said of a blank name wherever an IR library, an RS232 library or a
// projector definition is saved or added under names the user typed: the
// editors and every new-name dialog say the same.
struct BlankNameMessage {
    const char* text;
    const char* title;
};

namespace BlankNames {

inline constexpr BlankNameMessage IRManufacturer{"Cannot add IR library as no manufacturer has been defined!",
                                                 "No Manufacturer!"};
inline constexpr BlankNameMessage IRType{"Cannot add IR library as no type has been defined!", "No Type!"};
inline constexpr BlankNameMessage IRModel{"Cannot add IR library as no model has been defined!", "No Model!"};

// The RS232 and projector forms share these.
inline constexpr BlankNameMessage Manufacturer{"Cannot save as no manufacturer name has been defined!", "Sorry!"};
inline constexpr BlankNameMessage Model{"Cannot save as no model name has been defined!", "Sorry!"};
inline constexpr BlankNameMessage EquipmentType{"Cannot save as no equipment type has been defined!", "Sorry!"};

}  // namespace BlankNames

// Sets the new-name dialog's blank-name messages. The arguments are the
// places of the names among the description's fields; the first blank one
// in the order the messages are listed above is told.
void RefuseBlankIRLibraryNames(NewNamesDescription& description, std::size_t manufacturer, std::size_t type,
                               std::size_t model);
void RefuseBlankRS232LibraryNames(NewNamesDescription& description, std::size_t manufacturer, std::size_t type,
                                  std::size_t model);
void RefuseBlankProjectorNames(NewNamesDescription& description, std::size_t manufacturer, std::size_t model);
