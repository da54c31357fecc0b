// "Plus" → "Copier pour": the main editor's output box written for a chat.
#include "dialects/plus3.h"
#include "dialects/registry.h"
#include "tests/editor/editorfixture.h"

using namespace chromanick;

namespace {

using CopyForTest = chromanick::testing::EditorTest;

const Dialect& format(const char* id) {
    const Dialect* d = findDialect(QString::fromLatin1(id));
    EXPECT_NE(d, nullptr) << id;
    return *d;
}

// Bold red "ab", bold blue "c", plain "d".
const QString kHandEdited = QStringLiteral("·#·$4ab·$(000,000,255)c·0d");

}  // namespace

// What the box holds, hand edits included, is what is written; the box and
// the editor's state stay as they are.
TEST_F(CopyForTest, CopiesTheBoxAsTypedWrittenForTheChat) {
    model->editOutput(kHandEdited);
    int changes = 0;
    QObject::connect(model.get(), &MainEditorModel::changed, [&] { ++changes; });
    model->copyFor(format("pluslive"));
    EXPECT_EQ(platform.clipboard, QStringLiteral("[b][c=4]ab[/c][c=#0000FF]c[/c][/b]d"));
    model->copyFor(format("irc"));
    EXPECT_EQ(platform.clipboard, QStringLiteral("\x02\x03"
                                                 "04ab\x03"
                                                 "60c\x0F"
                                                 "d"));
    model->copyFor(format("discord"));
    EXPECT_EQ(platform.clipboard,
              QStringLiteral("```ansi\n\x1b[0;1;31mab\x1b[0;1;34mc\x1b[0md\n```"));
    EXPECT_EQ(model->output(), kHandEdited);
    EXPECT_EQ(changes, 0);
}

// A generated nickname, copied in every format that is read back, reads as
// the same runs; HTML also goes as rich text, the others as plain text only.
TEST_F(CopyForTest, EveryFormatOfTheTableCopiesTheGeneratedLine) {
    model->setNickname(QStringLiteral("Chromanick"));
    model->setBold(true);
    model->setItalic(true);
    model->generate();
    const QList<StyledRun> runs = readPlusCode(model->output());
    for (const Dialect* d : writtenDialects()) {
        platform.clipboard.reset();
        model->copyFor(*d);
        ASSERT_TRUE(platform.clipboard.has_value()) << d->id.toStdString();
        EXPECT_TRUE(platform.clipboard->contains(QStringLiteral("Chromanick")))
            << d->id.toStdString();
        EXPECT_EQ(platform.clipboardHtml.has_value(), d->copiesRichText) << d->id.toStdString();
        if (d->read != nullptr)
            EXPECT_EQ(d->read(*platform.clipboard), runs) << d->id.toStdString();
    }
}

// Each line of a box holding several is written on its own.
TEST_F(CopyForTest, EachLineOfTheBoxIsWrittenOnItsOwn) {
    const QString second = QStringLiteral("·$(000,128,000)x");
    for (const char* id : {"irc", "pluslive"}) {
        model->editOutput(kHandEdited);
        model->copyFor(format(id));
        const QString first = *platform.clipboard;
        model->editOutput(second);
        model->copyFor(format(id));
        const QString next = *platform.clipboard;
        model->editOutput(kHandEdited + u'\n' + second);
        model->copyFor(format(id));
        EXPECT_EQ(platform.clipboard, first + u'\n' + next) << id;
    }
}
