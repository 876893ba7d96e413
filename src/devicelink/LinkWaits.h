#pragma once

// The waits of a serial link's probe, restart and port opening, in
// milliseconds. The defaults are the devices' own; tests shorten them.
struct LinkWaits {
    int ProbeByte = 10;       // after each probe byte
    int IdentityReply = 100;  // for the identity after the probe
    int Break = 200;          // the break pulse
    int AfterOpen = 100;      // after a port is opened
    int AddressPause = 10;    // after a frame's address byte
    int Acknowledge = 500;    // for a frame's acknowledgement
    int RestartTime = 3000;   // for a device to start again after a restart without reply
};
