#include "HeldLibraries.h"

#include "SameIRLibrary.h"
#include "model/ApplicationState.h"

namespace {

constexpr const char* Models[] = {"PJ-100", "PJ-200"};

void FillRS232(RS232FileBlockClass& library, const char* model)
{
    library.Manufacturer("ACME");
    library.MyType("PROJECTOR");
    library.Model(model);
    library.Notes("Held by the database");
    library.Command(0, "HELD");
    RS232_String_Class& message = library.My_RS232_String_Class(0);
    for (int i = 0; i < 3; ++i) message.ContentBytes(i, static_cast<uint8_t>('h' + i));
    message.NumberOfBytes(3);
}

void FillIR(IRclass& library, const char* model)
{
    library.Manufacturer("SONIQ");
    library.IRtype("TV");
    library.Model(model);
    library.Comment("Held by the database");
    IRCommandClass& command = library.AddIRCommand();
    command.Name("HELD");
    command.Mode(1);
    for (int i = 0; i < IRCommandClass::DataLength; ++i) command.Data(IRPart::Repeat, i, static_cast<uint8_t>(i));
}

}  // namespace

HeldLibraries::HeldLibraries(ApplicationState& state)
    : rs232Start_(state.RS232Libraries.RS232Database().Count()), irStart_(state.IR.IRDatabase().Count())
{
    for (const char* model : Models) {
        state.RS232Libraries.AddRS232Library();
        RS232FileBlockClass& library =
            state.RS232Libraries.RS232Database()[state.RS232Libraries.RS232Database().LastIndex()];
        FillRS232(library, model);
        rs232_.push_back(std::make_unique<RS232FileBlockClass>());
        rs232_.back()->CopyFrom(library);

        IRclass& irLibrary = state.IR.AddIRLibrary();
        FillIR(irLibrary, model);
        ir_.push_back(std::make_unique<IRclass>());
        ir_.back()->CopyFrom(irLibrary);
    }
}

bool HeldLibraries::Unchanged(const ApplicationState& state) const
{
    const auto& rs232 = state.RS232Libraries.RS232Database();
    for (std::size_t i = 0; i < rs232_.size(); ++i) {
        const int index = rs232Start_ + static_cast<int>(i);
        if (index >= rs232.Count() || !rs232[index].IsSameAs(*rs232_[i])) return false;
    }
    const auto& ir = state.IR.IRDatabase();
    for (std::size_t i = 0; i < ir_.size(); ++i) {
        const int index = irStart_ + static_cast<int>(i);
        if (index >= ir.Count() || !SameIRLibrary(ir[index], *ir_[i])) return false;
    }
    return true;
}
