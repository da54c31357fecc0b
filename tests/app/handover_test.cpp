// The nickname carried between the editors when the user switches.
#include "ui/app/handover.h"

#include "core/nicksettings.h"
#include "gradient/gradient.h"

#include <gtest/gtest.h>

namespace chromanick {
namespace {

TEST(HandOver, EachEditorsUntouchedHintBecomesTheOthers) {
    EXPECT_EQ(handover::toGradientEditor(kNicknameHint), kGradientPlaceholder);
    EXPECT_EQ(handover::toMainEditor(kGradientPlaceholder), kNicknameHint);
    // There and back again gives the hint the user left.
    EXPECT_EQ(handover::toMainEditor(handover::toGradientEditor(kNicknameHint)), kNicknameHint);
}

TEST(HandOver, AnyOtherNicknameGoesOverAsItIs) {
    for (const QString& text : {QString(), QStringLiteral("Bob"), QStringLiteral(" Alice "),
                                QStringLiteral("·$4Bob"), kNicknameHint + QLatin1Char('!')}) {
        EXPECT_EQ(handover::toGradientEditor(text), text) << text.toStdString();
        EXPECT_EQ(handover::toMainEditor(text), text) << text.toStdString();
    }
    // Each hint is only replaced coming from its own editor.
    EXPECT_EQ(handover::toGradientEditor(kGradientPlaceholder), kGradientPlaceholder);
    EXPECT_EQ(handover::toMainEditor(kNicknameHint), kNicknameHint);
}

}  // namespace
}  // namespace chromanick
