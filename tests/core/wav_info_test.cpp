#include "core/wav_info.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zn;

// The cue files that ship beside the program bound how long the console waits
// for the announcement before a start.
TEST(WavInfo, LengthOfTheShippedCues) {
    const QString data = QStringLiteral(ZN_TEST_DATA_DIR "/../../data/");
    EXPECT_EQ(WavDurationMs(data + "FERTIG.wav"), 749); // 3 x 5512 samples at 22050 Hz
    EXPECT_EQ(WavDurationMs(data + "STOPP.wav"), 180);
}

TEST(WavInfo, NothingForMissingOrForeignFiles) {
    QTemporaryDir dir;
    EXPECT_FALSE(WavDurationMs(dir.filePath("fehlt.wav")).has_value());
    QFile f(dir.filePath("text.wav"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("RIFF\x10\0\0\0WAVEdata", 16);
    f.close();
    EXPECT_FALSE(WavDurationMs(f.fileName()).has_value()); // data before any format chunk
}
