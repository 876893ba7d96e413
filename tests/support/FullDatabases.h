#pragma once

#include "model/IRClassGlobals.h"
#include "model/SerialClassGlobals.h"

// Databases filled fast to the sizes where their limits show: libraries of
// one set of names and no commands are appended until the database holds
// `count`.

inline void FillIRDatabase(IRClassGlobals& ir, int count)
{
    while (ir.IRDatabase().Count() < count) {
        IRclass& library = ir.AddIRLibrary();
        library.Manufacturer("FILL");
        library.IRtype("TV");
        library.Model("M");
    }
}

inline void FillRS232Database(SerialClassGlobals& rs232, int count)
{
    while (rs232.RS232Database().Count() < count) {
        rs232.AddRS232Library();
        RS232FileBlockClass& library = rs232.RS232Database()[rs232.RS232Database().LastIndex()];
        library.Manufacturer("FILL");
        library.MyType("TV");
        library.Model("M");
    }
}
