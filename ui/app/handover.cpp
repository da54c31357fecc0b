#include "ui/app/handover.h"

#include "core/nicksettings.h"
#include "gradient/gradient.h"

namespace chromanick::handover {

QString toGradientEditor(const QString& mainNickname) {
    return mainNickname == kNicknameHint ? kGradientPlaceholder : mainNickname;
}

QString toMainEditor(const QString& gradientNickname) {
    return gradientNickname == kGradientPlaceholder ? kNicknameHint : gradientNickname;
}

}  // namespace chromanick::handover
