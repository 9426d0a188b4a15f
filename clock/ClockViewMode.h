#pragma once

#include <QtGlobal>

// The clock's view modes; the configuration stores them plus one.
enum : quint8 {
    vmSysTrayIcon = 0,   // only the tray icon
    vmSysTrayClock = 1,  // the clock inside the taskbar; dormant, nothing selects it
    vmFreeClock = 2,     // digital text on a coloured plate
    vmAnalogClock = 3,   // face picture with painted hands
};
