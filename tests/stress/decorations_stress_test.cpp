// A settings folder with 100,000 user decorations in each list, through the
// real splash and main window: the lists load and the splash finishes.
// Only the results are checked; the load's duration is measured by the
// benchmarks (bench/).
#include "core/decorations.h"
#include "storage/textfile.h"
#include "tests/support/scriptedplatform.h"
#include "ui/app/application.h"
#include "ui/editor/mainmodel.h"
#include "ui/editor/mainwindow.h"
#include "ui/splash/splashwindow.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace chromanick;
using chromanick::testing::ScriptedPlatform;

namespace {

constexpr int kUserEntries = 100000;

// Short entries, so that each list stays within the 1 MiB of a settings file.
QString prefixEntry(int i) {
    return QStringLiteral("-%1").arg(i);
}
QString suffixEntry(int i) {
    return QStringLiteral("°%1").arg(i);
}

// One entry per line for the prefixes, all on one comma-separated line for
// the suffixes, so both field layouts are read at this size.
QString prefixFile() {
    QStringList lines;
    lines.reserve(kUserEntries);
    for (int i = 0; i < kUserEntries; ++i) lines.append(prefixEntry(i));
    return textfile::joinLines(lines);
}
QString suffixFile() {
    QStringList fields;
    fields.reserve(kUserEntries);
    for (int i = 0; i < kUserEntries; ++i) fields.append(suffixEntry(i));
    return fields.join(QLatin1Char(',')) + textfile::kCrLf;
}

}  // namespace

TEST(DecorationStress, HundredThousandUserEntriesLoadAndTheSplashFinishes) {
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QString folder = root.filePath(QStringLiteral("Chromanick")) + QLatin1Char('/');
    ASSERT_TRUE(QDir().mkpath(folder));
    ASSERT_TRUE(textfile::writeText(folder + QStringLiteral("combo1.dll"), prefixFile()));
    ASSERT_TRUE(textfile::writeText(folder + QStringLiteral("combo2.dll"), suffixFile()));

    ScriptedPlatform platform;
    platform.answers = {MessageAnswer::No};
    Application app(platform, {folder, root.filePath(QStringLiteral("MsgPlus.exe"))});
    app.start();

    for (int i = 0; i < 20; ++i) {
        app.splashModel().tick();
        QCoreApplication::processEvents();
    }
    EXPECT_TRUE(app.splashModel().settled());

    app.splashWindow().findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    QCoreApplication::processEvents();
    EXPECT_TRUE(app.mainWindow().isVisible());

    const int builtIns = int(BuiltinDecorations().size());
    const MainEditorModel& model = app.mainModel();
    ASSERT_EQ(model.prefixes().count(), builtIns + kUserEntries);
    ASSERT_EQ(model.suffixes().count(), builtIns + kUserEntries);
    EXPECT_EQ(model.prefixes().entries().mid(0, builtIns), BuiltinPrefixes());
    EXPECT_EQ(model.prefixes().entries().at(builtIns), prefixEntry(0));
    EXPECT_EQ(model.prefixes().entries().last(), prefixEntry(kUserEntries - 1));
    EXPECT_EQ(model.suffixes().entries().last(), suffixEntry(kUserEntries - 1));

    auto* combo1 = app.mainWindow().findChild<QComboBox*>(QStringLiteral("Combo1"));
    auto* combo2 = app.mainWindow().findChild<QComboBox*>(QStringLiteral("Combo2"));
    ASSERT_TRUE(combo1 && combo2);
    EXPECT_EQ(combo1->count(), builtIns + kUserEntries);
    EXPECT_EQ(combo2->count(), builtIns + kUserEntries);
    EXPECT_EQ(combo1->itemText(builtIns + kUserEntries - 1), prefixEntry(kUserEntries - 1));

    // The last user entry can be picked from the window and is used.
    combo1->setCurrentIndex(builtIns + kUserEntries - 1);
    emit combo1->activated(combo1->currentIndex());
    EXPECT_EQ(model.prefixes().text(), prefixEntry(kUserEntries - 1));
    combo1->showPopup();
    QCoreApplication::processEvents();
    EXPECT_TRUE(combo1->view()->isVisible());
    combo1->hidePopup();
}
