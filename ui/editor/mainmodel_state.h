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

    // The choices NickSettings names live in MainEditorModel::settings_;
    // this is what the window shows besides them.
    int caret = 0;            // Text1 caret
    DecorationList prefixes;  // Combo1, its text is settings_.Prefix
    DecorationList suffixes;  // Combo2, its text is settings_.Suffix
    QString lookalikeCaption = kLookalikeCaptionInitial;
    bool suppressDitDialog = false;  // set only while a project restores the Dit colour

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
