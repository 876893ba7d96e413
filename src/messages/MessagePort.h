#pragma once

#include <memory>

class ApplicationState;
class SerialPort;

// The port a serial message dialog works on: the system's ports unless the
// state names another kind (the simulated ports of the tests).
std::unique_ptr<SerialPort> MakeMessagePort(ApplicationState& state);
