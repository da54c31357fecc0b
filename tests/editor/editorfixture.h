#pragma once

// A main editor as the splash leaves it (decoration lists filled), driven
// through a scripted platform and a fixed clock.
#include "tests/support/scriptedplatform.h"
#include "ui/editor/mainmodel.h"

#include <QDateTime>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace chromanick::testing {

inline QDateTime fixedNow() {
    return QDateTime(QDate(2026, 12, 7), QTime(17, 45, 12));
}

class EditorTest : public ::testing::Test {
protected:
    EditorTest() { model = makeModel(); }

    std::unique_ptr<MainEditorModel> makeModel(const QStringList& userPrefixes = {},
                                               const QStringList& userSuffixes = {}) {
        auto m = std::make_unique<MainEditorModel>(platform, fixedNow);
        m->fillDecorationLists(userPrefixes, userSuffixes);
        return m;
    }

    QString pathIn(const QString& name) const { return dir.filePath(name); }

    ScriptedPlatform platform;
    QTemporaryDir dir;
    std::unique_ptr<MainEditorModel> model;
};

}  // namespace chromanick::testing
