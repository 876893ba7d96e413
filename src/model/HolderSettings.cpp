#include "model/HolderSettings.h"

#include "model/ApplicationState.h"

std::optional<HolderSettings> ReadHolderSettings(const ApplicationState& state, int16_t serialType)
{
    switch (serialType) {
    case SerialClass::ConfigurationMessage: {
        const ConfigurationRecord& record = state.Config.Record;
        return HolderSettings{record.ControlPortBaudrate, record.ControlPortParity, record.ControlPortInterByteDelay};
    }
    case SerialClass::LibraryCommand: {
        const RS232FileBlockClass& library = state.RS232Libraries.WorkRS232Library;
        return HolderSettings{library.Baudrate(), library.Parity(), library.InterByteDelay()};
    }
    case SerialClass::ProjectorMessage: {
        const ProjectorClass& projector = state.Projectors.WorkProjector;
        return HolderSettings{projector.Baudrate(), projector.Parity(), projector.InterByteDelay()};
    }
    default: return std::nullopt;
    }
}

bool WriteHolderSettings(ApplicationState& state, int16_t serialType, const HolderSettings& settings)
{
    switch (serialType) {
    case SerialClass::ConfigurationMessage: {
        ConfigurationRecord& record = state.Config.Record;
        record.ControlPortBaudrate = settings.Baudrate;
        record.ControlPortParity = settings.Parity;
        record.ControlPortInterByteDelay = settings.InterByteDelay;
        return true;
    }
    case SerialClass::LibraryCommand: {
        RS232FileBlockClass& library = state.RS232Libraries.WorkRS232Library;
        library.Baudrate(settings.Baudrate);
        library.Parity(settings.Parity);
        library.InterByteDelay(settings.InterByteDelay);
        return true;
    }
    case SerialClass::ProjectorMessage: {
        ProjectorClass& projector = state.Projectors.WorkProjector;
        projector.Baudrate(settings.Baudrate);
        projector.Parity(settings.Parity);
        projector.InterByteDelay(settings.InterByteDelay);
        return true;
    }
    default: return false;
    }
}
