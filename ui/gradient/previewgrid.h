#pragma once

#include "core/bgrcolor.h"
#include "gradient/gradient.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QObject>
#include <QSize>
#include <QString>

#include <array>
#include <memory>
#include <optional>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QRadioButton;

namespace chromanick {

class GradientEditorModel;
class SmoothPreviewRow;
class SmoothPreviewText;

// The preview grid of the gradient window, inside its frame "Frame2": six
// family titles, the 37 scheme buttons opt(0)..opt(36) in one group, and the
// 185 labels lbl1(i)..lbl5(i) that show each row as the whole nickname in five
// colours, laid side by side.
class GradientPreviewGrid : public QObject {
    Q_OBJECT
public:
    GradientPreviewGrid(QGroupBox* frame, QObject* parent = nullptr);
    ~GradientPreviewGrid() override;

    // Re-reads the model: captions, colours, fonts, background and layout.
    void show(const GradientEditorModel& model);

    QRadioButton* option(int row) const { return options_.at(row); }
    QLabel* label(int row, int slot) const { return labels_.at(row).at(slot); }
    // The smooth gradient's row in place of the five labels, once shown.
    SmoothPreviewRow* smoothRow(int row) const { return smoothRows_.value(row); }

signals:
    void rowClicked(int row);

private:
    void buildTitles(QGroupBox* frame);
    void buildRows(QGroupBox* frame);
    void layOut();
    void clipRows(const SegmentSplit& split);
    void showSmooth(const GradientEditorModel& model, const QFont& font, const QColor& background,
                    bool fill);
    void setSmoothShown(bool on);

    QButtonGroup* group_;
    QList<QRadioButton*> options_;
    QList<std::array<QLabel*, 5>> labels_;
    // The colours each label was last given (none at first).
    struct LabelLook {
        QColor text;
        QColor background;
        bool filled = false;
        bool operator==(const LabelLook&) const = default;
    };
    QList<std::array<LabelLook, 5>> looks_;
    // The labels' sizes for the segments and font they were last measured
    // for: the window shows the same rows again when the code is generated.
    struct Measured {
        std::array<QString, 5> segments;
        QFont font;
        std::array<QSize, 5> sizes;
    };
    std::optional<Measured> measured_;
    // Made the first time the smooth gradient is shown.
    std::unique_ptr<SmoothPreviewText> smoothText_;
    QList<SmoothPreviewRow*> smoothRows_;
    bool smoothShown_ = false;
};

}  // namespace chromanick
