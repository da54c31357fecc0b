#include "previewgrid.h"

#include "core/graphemes.h"
#include "gradient/gradient.h"
#include "gradientmodel.h"
#include "smoothpreview.h"
#include "ui/widgets/placement.h"
#include "ui/widgets/widgetcolours.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

#include <algorithm>
#include <map>

namespace chromanick {

namespace {

// Where a row's option button and first label sit, in twips. The preset
// families fill two columns of three blocks of six rows; the custom row sits
// alone above its five colour buttons.
struct RowPlace {
    int optionLeft;
    int labelLeft;
    int top;
};

RowPlace rowPlace(int row) {
    if (row == kGradientCustomRow) return {4320, 4560, 6600};
    static constexpr int kBlockLineTops[] = {720, 2760, 4800};
    const int block = row / 6;
    const bool rightColumn = block % 2 == 1;
    return {rightColumn ? 6960 : 240, rightColumn ? 7200 : 480,
            kBlockLineTops[block / 2] + (row % 6) * 240};
}

// The family titles Label5(0)..Label5(5): which family each shows and where.
struct TitlePlace {
    int family;  // index into gradientFamilyTitles()
    int left;
    int top;
};

constexpr TitlePlace kTitles[] = {
    {1, 6840, 360},   // bleu
    {0, 120, 360},    // rouge
    {2, 120, 2280},   // vert
    {3, 6840, 2400},  // jaune
    {4, 120, 4320},   // rose
    {5, 6840, 4320},  // autre
};

// The right edge (excluded) that a row's text may not pass: the left
// column's rows stop short of the right column's option buttons; the right
// column's, and the custom row, at the frame's inside edge.
int columnRight(int row, const QWidget* frame) {
    constexpr int kColumnGap = 2;
    if (row != kGradientCustomRow && rowPlace(row).optionLeft < 6960) return px(6960) - kColumnGap;
    return frame->contentsRect().right() + 1;
}

// `whole` cut to `room` pixels as QFontMetrics::elidedText cuts it. A long
// text is cut from a beginning of it far wider than the room: what is kept
// lies well before that beginning's end, and comes out the same as from the
// whole text, without shaping all of it (a nickname may hold a million
// characters). Should the kept part reach near the end of the beginning (a
// text of characters without width), the whole text is cut instead.
QString elidedRight(const QString& whole, const QFontMetrics& metrics, int room) {
    qsizetype length = 2 * qsizetype(std::max(room, 0)) + 64;
    if (length < whole.size() && whole.at(length - 1).isHighSurrogate()) ++length;
    if (length >= whole.size()) return metrics.elidedText(whole, Qt::ElideRight, room);
    const QString beginning = whole.left(length);
    const QString elided = metrics.elidedText(beginning, Qt::ElideRight, room);
    if (elided != beginning && elided.size() < length / 2) return elided;
    return metrics.elidedText(whole, Qt::ElideRight, room);
}

// The five segments of a row as they fit `room` pixels: whole when they do,
// else cut after the characters that fit before an ellipsis, which ends the
// last segment shown; the segments after it are left empty.
std::array<QString, 5> clipped(const std::array<QString, 5>& segments, const QFontMetrics& metrics,
                               int room) {
    QString whole;
    for (const QString& segment : segments) whole += segment;
    const QString elided = elidedRight(whole, metrics, room);
    if (elided == whole) return segments;
    qsizetype kept = 0;
    while (kept < elided.size() && kept < whole.size() && elided[kept] == whole[kept]) ++kept;
    const QString ellipsis = elided.mid(kept);
    std::array<QString, 5> shown;
    qsizetype start = 0;
    int last = 0;
    for (int slot = 0; slot < 5; ++slot) {
        const qsizetype take = std::clamp<qsizetype>(kept - start, 0, segments[slot].size());
        shown[slot] = segments[slot].left(take);
        if (take > 0) last = slot;
        start += segments[slot].size();
    }
    shown[last] += ellipsis;
    return shown;
}

constexpr int kOptionSize = 255;
constexpr int kLabelHeight = 195;
// The smooth rows show at most this beginning of a nickname: more is far
// past the frame's right edge.
constexpr qsizetype kSmoothShownLength = 1000;

}  // namespace

GradientPreviewGrid::GradientPreviewGrid(QGroupBox* frame, QObject* parent)
    : QObject(parent), group_(new QButtonGroup(frame)) {
    group_->setExclusive(true);
    buildTitles(frame);
    buildRows(frame);
    connect(group_, &QButtonGroup::idClicked, this, &GradientPreviewGrid::rowClicked);
}

GradientPreviewGrid::~GradientPreviewGrid() = default;

void GradientPreviewGrid::buildTitles(QGroupBox* frame) {
    for (int i = 0; i < int(std::size(kTitles)); ++i) {
        const TitlePlace& place = kTitles[i];
        auto* title = new QLabel(gradientFamilyTitles().at(place.family), frame);
        title->setObjectName(QStringLiteral("Label5_%1").arg(i));
        title->setTextFormat(Qt::PlainText);
        title->setGeometry(twipsRect(place.left, place.top, 2655, 255));
    }
}

void GradientPreviewGrid::buildRows(QGroupBox* frame) {
    for (int row = 0; row < kGradientRowCount; ++row) {
        const RowPlace place = rowPlace(row);
        auto* option = new QRadioButton(frame);
        option->setObjectName(QStringLiteral("opt_%1").arg(row));
        // Centred on the row's labels, which are a little lower than the button.
        option->setGeometry(twipsRect(place.optionLeft,
                                      place.top - (kOptionSize - kLabelHeight) / 2, kOptionSize,
                                      kOptionSize));
        group_->addButton(option, row);
        options_.append(option);

        std::array<QLabel*, 5> row_labels{};
        for (int slot = 0; slot < 5; ++slot) {
            auto* label = new QLabel(frame);
            label->setObjectName(QStringLiteral("lbl%1_%2").arg(slot + 1).arg(row));
            label->setTextFormat(Qt::PlainText);
            label->setGeometry(twipsRect(place.labelLeft, place.top, 480, kLabelHeight));
            row_labels[slot] = label;
        }
        labels_.append(row_labels);
        looks_.append(std::array<LabelLook, 5>{});
    }
}

void GradientPreviewGrid::show(const GradientEditorModel& model) {
    const GradientSettings& settings = model.settings();
    const SegmentSplit& split = model.split();
    QFont font = labels_[0][0]->parentWidget()->font();
    font.setBold(settings.bold);
    font.setItalic(settings.italic);
    font.setUnderline(settings.underline);
    font.setStrikeOut(settings.strikethrough);
    const QWidget* frame = labels_[0][0]->parentWidget();
    // Without a chosen background the labels show the frame's own face.
    const std::optional<BgrColor> chosen = model.previewBackground();
    const QColor background = toQColor(chosen.value_or(kSystemButtonFace), frame->palette());

    if (QAbstractButton* selected = group_->button(model.presetRow()); !selected->isChecked())
        selected->setChecked(true);
    if (model.smoothEnabled()) {
        showSmooth(model, font, background, chosen.has_value());
        return;
    }
    setSmoothShown(false);
    const QPalette& framePalette = frame->palette();
    for (int row = 0; row < kGradientRowCount; ++row) {
        for (int slot = 0; slot < 5; ++slot) {
            QLabel* label = labels_[row][slot];
            const LabelLook look{toQColor(model.previewColour(row, slot), framePalette), background,
                                 chosen.has_value()};
            // A keystroke leaves the colours as they are: only a change of
            // them sets a label's palette.
            if (looks_[row][slot] != look) {
                QPalette palette = label->palette();
                palette.setColor(QPalette::WindowText, look.text);
                palette.setColor(QPalette::Window, look.background);
                label->setPalette(palette);
                label->setAutoFillBackground(look.filled);
                looks_[row][slot] = look;
            }
            if (label->font() != font) label->setFont(font);
            label->setText(split.segments[slot]);
        }
    }
    layOut();
    clipRows(split);
}

// A row wider than its column is cut with an ellipsis, so that the left
// column never runs into the right one, nor the right one out of the frame.
void GradientPreviewGrid::clipRows(const SegmentSplit& split) {
    const QWidget* frame = labels_[0][0]->parentWidget();
    const std::array<QString, 5>& segments = split.segments;
    // The rows share their segments and font: one cut per width of room.
    std::map<int, std::array<QString, 5>> cuts;
    for (int row = 0; row < kGradientRowCount; ++row) {
        const std::array<QLabel*, 5>& labels = labels_[row];
        const int left = labels[0]->x();
        const int right = columnRight(row, frame);
        if (labels[4]->x() + labels[4]->width() <= right) continue;
        const QFontMetrics metrics = labels[0]->fontMetrics();
        auto cut = cuts.find(right - left);
        if (cut == cuts.end())
            cut = cuts.emplace(right - left, clipped(segments, metrics, right - left)).first;
        const std::array<QString, 5>& shown = cut->second;
        int x = left;
        for (int slot = 0; slot < 5; ++slot) {
            QLabel* label = labels[slot];
            label->setText(shown[slot]);
            const int width = shown[slot].isEmpty() ? 0 : metrics.horizontalAdvance(shown[slot]);
            label->setGeometry(x, label->y(), width, label->height());
            x += width;
        }
    }
}

// Each label is as wide as its text and starts where the one before ends,
// so a row reads as the whole nickname. Every row shows the same segments in
// the same font, so the first row's sizes serve them all.
void GradientPreviewGrid::layOut() {
    std::array<QString, 5> segments;
    for (int slot = 0; slot < 5; ++slot) segments[slot] = labels_[0][slot]->text();
    const QFont font = labels_[0][0]->font();
    if (!measured_ || measured_->segments != segments || measured_->font != font) {
        std::array<QSize, 5> sizes;
        for (int slot = 0; slot < 5; ++slot) {
            const QLabel* label = labels_[0][slot];
            const QSize hint = label->sizeHint();
            sizes[slot] = QSize(label->text().isEmpty() ? 0 : hint.width(), hint.height());
        }
        measured_ = Measured{segments, font, sizes};
    }
    const std::array<QSize, 5>& sizes = measured_->sizes;
    for (int row = 0; row < kGradientRowCount; ++row) {
        int left = px(rowPlace(row).labelLeft);
        for (int slot = 0; slot < 5; ++slot) {
            QLabel* label = labels_[row][slot];
            label->setGeometry(left, label->y(), sizes[slot].width(), sizes[slot].height());
            left += sizes[slot].width();
        }
    }
}

// The smooth gradient: each row is one line of the nickname coloured group by
// group, in place of its five labels.
void GradientPreviewGrid::showSmooth(const GradientEditorModel& model, const QFont& font,
                                     const QColor& background, bool fill) {
    QWidget* frame = labels_[0][0]->parentWidget();
    if (!smoothText_) {
        smoothText_ = std::make_unique<SmoothPreviewText>();
        for (int row = 0; row < kGradientRowCount; ++row) {
            auto* line = new SmoothPreviewRow(*smoothText_, frame);
            line->setObjectName(QStringLiteral("lblfluide_%1").arg(row));
            line->move(px(rowPlace(row).labelLeft), px(rowPlace(row).top));
            line->setMaximumWidth(columnRight(row, frame) - line->x());
            smoothRows_.append(line);
        }
    }
    smoothText_->set(graphemes::left(model.nickname(), kSmoothShownLength), font,
                     frame->devicePixelRatioF());
    const QColor uncoloured = toQColor(kSystemButtonText, frame->palette());
    for (int row = 0; row < kGradientRowCount; ++row)
        smoothRows_[row]->setGroups(model.smoothPreview(row, kSmoothShownLength),
                                    model.smoothStep(), uncoloured, background, fill);
    setSmoothShown(true);
}

void GradientPreviewGrid::setSmoothShown(bool on) {
    if (on == smoothShown_) return;
    smoothShown_ = on;
    for (int row = 0; row < kGradientRowCount; ++row) {
        for (QLabel* label : labels_[row]) label->setVisible(!on);
        smoothRows_[row]->setVisible(on);
    }
}

}  // namespace chromanick
