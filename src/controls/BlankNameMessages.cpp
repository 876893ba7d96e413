#include "controls/BlankNameMessages.h"

#include "controls/NewNamesForm.h"

namespace {

void Refuse(NewNamesDescription& description, std::size_t field, const BlankNameMessage& message)
{
    description.fields.at(field).blankText = message.text;
    description.fields.at(field).blankTitle = message.title;
    description.blankCheckOrder.push_back(field);
}

}  // namespace

void RefuseBlankIRLibraryNames(NewNamesDescription& description, std::size_t manufacturer, std::size_t type,
                               std::size_t model)
{
    description.blankCheckOrder.clear();
    Refuse(description, manufacturer, BlankNames::IRManufacturer);
    Refuse(description, type, BlankNames::IRType);
    Refuse(description, model, BlankNames::IRModel);
}

void RefuseBlankRS232LibraryNames(NewNamesDescription& description, std::size_t manufacturer, std::size_t type,
                                  std::size_t model)
{
    description.blankCheckOrder.clear();
    Refuse(description, manufacturer, BlankNames::Manufacturer);
    Refuse(description, model, BlankNames::Model);
    Refuse(description, type, BlankNames::EquipmentType);
}

void RefuseBlankProjectorNames(NewNamesDescription& description, std::size_t manufacturer, std::size_t model)
{
    description.blankCheckOrder.clear();
    Refuse(description, manufacturer, BlankNames::Manufacturer);
    Refuse(description, model, BlankNames::Model);
}
