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
    State(Platform& p, Clock c, MainEditorModel& model)
        : platform(p),
          clock(clockOrSystem(std::move(c))),
          changes([&model] { emit model.changed(); }) {}

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

    ChangeBatch changes;
};

class MainEditorModel::ChangeScope : public ChangeBatch::Scope {
public:
    explicit ChangeScope(MainEditorModel& model) : ChangeBatch::Scope(model.d->changes) {}
};

}  // namespace chromanick
