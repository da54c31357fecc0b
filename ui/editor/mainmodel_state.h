#pragma once

// Private state of MainEditorModel, shared by its source files.
#include "core/decorations.h"
#include "core/lookalikes.h"
#include "core/nicksettings.h"
#include "core/preview.h"
#include "ui/editor/mainmodel.h"

#include <optional>

namespace chromanick {

struct MainEditorModel::State {
    State(Platform& p, Clock c) : platform(p), clock(std::move(c)) {}

    Platform& platform;
    Clock clock;

    QString nickname = kNicknameHint;  // Text1
    int caret = 0;
    DecorationList prefixes;  // Combo1
    DecorationList suffixes;  // Combo2
    QString foreground = kDefaultForegroundOption;
    QString background = kDefaultBackgroundOption;
    bool bold = false;
    bool underline = false;
    bool italic = false;
    bool strikethrough = false;
    bool specialChars = false;
    QString specialCharsCaption = kSpecialCharsCaptionInitial;
    bool ditColourOn = false;
    bool ditSuppressed = false;
    bool autoCopy = true;
    bool suppressDitDialog = false;  // set only while a project restores the Dit colour

    // Current colours of the three colour dialogs; each remembers its own.
    BgrColor colourDialog1 = 0;  // cmdialcolor1, custom nickname colour
    BgrColor colourDialog2 = 0;  // cmdialcolor2, custom background
    BgrColor colourDialog3 = 0;  // cmdialcolor3, colour of the word Dit

    BgrColor customForegroundCaption = kSystemButtonText;
    BgrColor customBackgroundOption = kSystemButtonFace;
    std::optional<BgrColor> ditCaption;

    QString output;  // Text2
    PreviewModel preview;
    bool emoticonsVisible = true;

    // One changed() per outermost handler, however many handlers it runs.
    int depth = 0;
    bool dirty = false;
};

class MainEditorModel::ChangeScope {
public:
    explicit ChangeScope(MainEditorModel& model) : model_(model) { ++model_.d->depth; }
    ~ChangeScope() {
        if (--model_.d->depth == 0 && model_.d->dirty) {
            model_.d->dirty = false;
            emit model_.changed();
        }
    }
    ChangeScope(const ChangeScope&) = delete;
    ChangeScope& operator=(const ChangeScope&) = delete;

private:
    MainEditorModel& model_;
};

}  // namespace chromanick
