#include "core/system_console.h"

#include <gtest/gtest.h>

using namespace zn;

TEST(SystemConsole, ActiveListAndCommandLine) {
    EXPECT_EQ(SystemConsoleDevices("tty0 ttyS0\n", "BOOT_IMAGE=/vmlinuz root=/dev/sda1 console=tty0 "
                                                   "console=ttyS1,115200n8 quiet"),
              (QStringList{"/dev/tty0", "/dev/ttyS0", "/dev/ttyS1"})); // tty0 once
    // An early console by address is no device; words after "--" go to init.
    EXPECT_EQ(SystemConsoleDevices("", "earlycon=uart8250,io,0x3f8 console=uart8250,io,0x3f8,9600 "
                                       "console=ttyAMA0 -- console=ttyUSB0"),
              QStringList{"/dev/ttyAMA0"});
    EXPECT_TRUE(SystemConsoleDevices("", "xconsole=ttyS2 netconsole=@/eth0").isEmpty());
}
