#include "core/data_files.h"
#include "core/output_location.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zn;

namespace {

void Touch(const QString& path) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
}

} // namespace

TEST(DataFiles, FirstFolderHoldingTheFileWins) {
    QTemporaryDir dir;
    QDir root(dir.path());
    for (const char* sub : {"work", "bin", "share/zeitnahme"})
        ASSERT_TRUE(root.mkpath(sub));
    const QStringList folders{root.filePath("work"), root.filePath("bin"), root.filePath("share/zeitnahme")};
    Touch(root.filePath("bin/START.wav"));
    Touch(root.filePath("share/zeitnahme/START.wav"));
    Touch(root.filePath("share/zeitnahme/STOPP.wav"));
    // A folder of that name is no data file.
    ASSERT_TRUE(root.mkpath("work/START.wav"));

    EXPECT_EQ(FindDataFile("START.wav", folders), root.filePath("bin/START.wav"));
    EXPECT_EQ(FindDataFile("STOPP.wav", folders), root.filePath("share/zeitnahme/STOPP.wav"));
    EXPECT_EQ(FindDataFile("FERTIG.wav", folders), QString());
    Touch(root.filePath("work/STOPP.wav"));
    EXPECT_EQ(FindDataFile("STOPP.wav", folders), root.filePath("work/STOPP.wav"));
}

TEST(DataFiles, WorkingFolderThenProgramThenInstalledData) {
    QTemporaryDir dir;
    QDir root(dir.path());
    ASSERT_TRUE(root.mkpath("usr/bin"));
    const QString program = root.filePath("usr/bin");
    // Without an installed data folder only the first two.
    EXPECT_EQ(DataFolders(program), (QStringList{QDir::currentPath(), program}));

    ASSERT_TRUE(root.mkpath("usr/share/zeitnahme/examples"));
    const QString share = QDir(root.filePath("usr/share/zeitnahme")).canonicalPath();
    EXPECT_EQ(DataFolders(program), (QStringList{QDir::currentPath(), program, share}));

    // The first open dialog: the installed examples unless the example lies
    // beside the program.
    EXPECT_EQ(ExamplesFolder(program), program) << "no example anywhere";
    Touch(root.filePath("usr/share/zeitnahme/examples/Vorlauf.xlsx"));
    EXPECT_EQ(ExamplesFolder(program), share + "/examples");
    Touch(root.filePath("usr/bin/Vorlauf.xlsx"));
    EXPECT_EQ(ExamplesFolder(program), program);
}

TEST(OutputLocation, NeverASystemFolderEvenWhenWritable) {
    for (const char* folder :
         {"/usr", "/usr/bin", "/usr/local/bin", "/opt/zeitnahme", "/bin", "/lib/x", "/etc"})
        EXPECT_TRUE(IsSystemFolder(folder)) << folder;
    for (const char* folder : {"/usrx", "/optional/zeit", "/home/wehr/zeitnahme", "/", ""})
        EXPECT_FALSE(IsSystemFolder(folder)) << folder;

    QTemporaryDir dir;
    EXPECT_FALSE(IsSystemFolder(dir.path()));
    // A link that leads into /usr counts as /usr.
    ASSERT_TRUE(QFile::link("/usr/bin", dir.filePath("programme")));
    EXPECT_TRUE(IsSystemFolder(dir.filePath("programme")));

    // Root may write into /usr/bin; the results go to the data folder all the same.
    const auto location = ChooseOutputLocation("/usr/bin", dir.filePath("data"));
    EXPECT_FALSE(location.besideProgram);
    EXPECT_EQ(location.folder, dir.filePath("data"));

    // Nor beside a program unpacked from the package into a writable folder.
    QDir root(dir.path());
    ASSERT_TRUE(root.mkpath("paket/usr/bin"));
    EXPECT_TRUE(ChooseOutputLocation(root.filePath("paket/usr/bin"), dir.filePath("data")).besideProgram);
    ASSERT_TRUE(root.mkpath("paket/usr/share/zeitnahme"));
    EXPECT_FALSE(ChooseOutputLocation(root.filePath("paket/usr/bin"), dir.filePath("data")).besideProgram);
}
