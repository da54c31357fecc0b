#include "messages.h"

#include <array>

namespace chromanick::cli::message {

namespace {

enum Text { kOverLimit, kTextCount };

// Every text, by its name above, with %1, %2... for what it names.
constexpr std::array<const char16_t*, kTextCount> kTexts = {
    u"Attention : %1 %3, au-delà de la limite de %2 %3 de ce format.",
};

QString text(Text id) {
    return QString::fromUtf16(kTexts[id]);
}

}  // namespace

QString overLimit(qsizetype length, qsizetype limit, const QString& unit) {
    return text(kOverLimit).arg(length).arg(limit).arg(unit);
}

}  // namespace chromanick::cli::message
