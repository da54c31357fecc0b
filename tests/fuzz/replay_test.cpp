// Every seed of the fuzz corpus and every input that once crashed a fuzz
// target goes through the same body again. A broken property aborts the run.
#include <QDir>
#include <QFile>

#include <functional>

#include <gtest/gtest.h>

#include "fuzz/bodies.h"

namespace {

using Body = std::function<void(QByteArrayView)>;

// Replays corpus/<target> and regressions/<target>; returns how many inputs ran.
int replay(const QString& target, const Body& body) {
    int count = 0;
    for (const char* folder : {"corpus", "regressions"}) {
        const QDir dir(
            QStringLiteral(CHROMANICK_FUZZ_DIR "/%1/%2").arg(QLatin1String(folder), target));
        for (const QString& name : dir.entryList(QDir::Files)) {
            QFile file(dir.filePath(name));
            EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
            SCOPED_TRACE(name.toStdString());
            body(file.readAll());
            ++count;
        }
    }
    return count;
}

TEST(FuzzReplay, TextDecoding) {
    EXPECT_GT(replay("textdecoding", chromanick::fuzz::textDecoding), 0);
}

TEST(FuzzReplay, FieldFile) {
    EXPECT_GT(replay("fieldfile", chromanick::fuzz::fieldFile), 0);
}

TEST(FuzzReplay, ProjectFile) {
    EXPECT_GT(replay("projectfile", chromanick::fuzz::projectFile), 0);
}

TEST(FuzzReplay, CodeReader) {
    EXPECT_GT(replay("codereader", chromanick::fuzz::codeReader), 0);
}

TEST(FuzzReplay, MinecraftReader) {
    EXPECT_GT(replay("minecraftreader", chromanick::fuzz::minecraftReader), 0);
}

TEST(FuzzReplay, MiniMessageReader) {
    EXPECT_GT(replay("minimessagereader", chromanick::fuzz::miniMessageReader), 0);
}

}  // namespace
