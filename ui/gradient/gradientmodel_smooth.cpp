// The gradient editor's smooth gradient: its option, its step, the code it
// generates and the preview rows it colours.
#include "gradientmodel.h"

#include "core/graphemes.h"

#include <algorithm>

namespace chromanick {

QString GradientEditorModel::generatedCode() const {
    if (!smoothEnabled_) return Genere_Degrade(settings_, split_);
    return smoothGradientCode(settings_, smoothStopsOfRow(settings_, settings_.presetRow),
                              smoothStep_);
}

QList<BgrColor> GradientEditorModel::smoothPreview(int row, qsizetype limit) const {
    return smoothGroupColours(smoothStopsOfRow(settings_, row),
                              graphemes::count(settings_.nickname), smoothStep_, limit);
}

void GradientEditorModel::setSmoothEnabled(bool on) {
    smoothEnabled_ = on;
    changes_.markChanged();
}

void GradientEditorModel::setSmoothStep(int step) {
    smoothStep_ = std::clamp(step, 1, kSmoothStepMax);
    changes_.markChanged();
}

}  // namespace chromanick
