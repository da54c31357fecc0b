// Both editors open the one code reader on the code in their Text2.
#include "dialects/codeformats.h"
#include "tests/support/scriptedplatform.h"
#include "ui/app/application.h"
#include "ui/editor/mainmodel.h"
#include "ui/editor/mainwindow.h"
#include "ui/gradient/gradientmodel.h"
#include "ui/gradient/gradientwindow.h"
#include "ui/reader/readermodel.h"
#include "ui/reader/readerwindow.h"

#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace chromanick;
using chromanick::testing::ScriptedPlatform;

namespace {

QAction* readerAction(QWidget& window, const char* menu) {
    auto* plus = window.findChild<QMenu*>(QString::fromLatin1(menu));
    EXPECT_NE(plus, nullptr);
    for (QAction* action : plus->actions()) {
        if (action->objectName() == u"mnulirecode") {
            EXPECT_EQ(QString(action->text()).remove(QLatin1Char('&')),
                      QStringLiteral("Lire un code…"));
            return action;
        }
    }
    ADD_FAILURE() << "no reader action in " << menu;
    return nullptr;
}

}  // namespace

TEST(ReaderFromEditors, PlusMenusOpenOneReaderOnText2) {
    QTemporaryDir root;
    ScriptedPlatform platform;
    Application app(platform, ApplicationOptions{root.filePath(QStringLiteral("C")) + '/',
                                                 root.filePath(QStringLiteral("MsgPlus.exe"))});
    app.start();
    EXPECT_EQ(app.codeReader(), nullptr);

    auto* text2 = app.mainWindow().findChild<QPlainTextEdit*>(QStringLiteral("Text2"));
    text2->setPlainText(QStringLiteral("·#edited by hand"));
    readerAction(app.mainWindow(), "plus")->trigger();
    CodeReaderWindow* reader = app.codeReader();
    ASSERT_NE(reader, nullptr);
    EXPECT_TRUE(reader->isVisible());
    EXPECT_EQ(reader->model().code(), QStringLiteral("·#edited by hand"));
    // The format picked for copies is kept while the program runs.
    auto* formats = reader->findChild<QComboBox*>(QStringLiteral("cbocopierpour"));
    ASSERT_NE(formats, nullptr);
    formats->setCurrentIndex(formats->findText(QStringLiteral("IRC (mIRC)")));
    emit formats->activated(formats->currentIndex());
    reader->close();

    app.mainModel().setNickname(QStringLiteral("abcde"));
    app.switchToGradientEditor();
    app.gradientModel()->generate();
    readerAction(*app.gradientWindow(), "mnuplus")->trigger();
    EXPECT_EQ(app.codeReader(), reader);  // the same window
    EXPECT_EQ(reader->model().code(), app.gradientModel()->output());
    EXPECT_EQ(visibleText(reader->model().lines().front()), QStringLiteral("abcde"));
    EXPECT_EQ(formats->currentText(), QStringLiteral("IRC (mIRC)"));

    app.endProgram();
    EXPECT_FALSE(reader->isVisible());
}
