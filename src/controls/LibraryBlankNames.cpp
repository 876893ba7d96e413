#include "controls/LibraryBlankNames.h"

#include "controls/NewNamesForm.h"

namespace {

void Refuse(NewNamesDescription& description, std::size_t field, const QString& text, const QString& title)
{
    description.fields.at(field).blankText = text;
    description.fields.at(field).blankTitle = title;
    description.blankCheckOrder.push_back(field);
}

}  // namespace

void RefuseBlankIRLibraryNames(NewNamesDescription& description, std::size_t manufacturer, std::size_t type,
                               std::size_t model)
{
    description.blankCheckOrder.clear();
    Refuse(description, manufacturer, "Cannot add IR library as no manufacturer has been defined!", "No Manufacturer!");
    Refuse(description, type, "Cannot add IR library as no type has been defined!", "No Type!");
    Refuse(description, model, "Cannot add IR library as no model has been defined!", "No Model!");
}

void RefuseBlankRS232LibraryNames(NewNamesDescription& description, std::size_t manufacturer, std::size_t type,
                                  std::size_t model)
{
    description.blankCheckOrder.clear();
    Refuse(description, manufacturer, "Cannot save as no manufacturer name has been defined!", "Sorry!");
    Refuse(description, model, "Cannot save as no model name has been defined!", "Sorry!");
    Refuse(description, type, "Cannot save as no equipment type has been defined!", "Sorry!");
}
