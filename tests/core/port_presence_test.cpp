#include "core/port_presence.h"

#include <gtest/gtest.h>

using namespace zn;

TEST(PortPresence, HintSaysWhatTheOperatorMustKnow) {
    EXPECT_EQ(PortDeviceHintText("/dev/ttyUSB0", PortPresence::Present), "/dev/ttyUSB0");
    EXPECT_EQ(PortDeviceHintText("/dev/ttyACM1", PortPresence::Present),
              "/dev/ttyACM1 – CTS (Pin 7/8) meldet hier nichts, Kontakt an DSR (Pin 4/6) anschließen");
    EXPECT_EQ(PortDeviceHintText("/dev/ttyACM1", PortPresence::Unsuitable), "/dev/ttyACM1 – nicht geeignet");
    EXPECT_EQ(PortDeviceHintText("sim:COM1", PortPresence::Absent), "sim:COM1 – nicht vorhanden");
}
