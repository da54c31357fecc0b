#pragma once

#include "core/palettes.h"

#include <QGroupBox>
#include <QHash>
#include <QRadioButton>

class QButtonGroup;

namespace chromanick {

// One option button of a palette. Besides the click it reports a double
// click, which picks the colour of a custom entry.
class PaletteOption : public QRadioButton {
    Q_OBJECT
public:
    using QRadioButton::QRadioButton;

signals:
    void doubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    // The whole swatch answers a click, not only the caption.
    bool hitButton(const QPoint& pos) const override;
};

// A frame holding the option buttons of one palette, one exclusive group,
// laid out column by column in a regular grid. Text-colour options draw their
// caption in their colour; background options are filled with their colour.
class PaletteFrame : public QGroupBox {
    Q_OBJECT
public:
    enum class Kind { Foreground, Background };
    struct Grid {
        int columns;
        int rows;
        QRect area;  // where the grid lies inside the frame
    };

    PaletteFrame(Kind kind, const QList<PaletteEntry>& entries, const Grid& grid,
                 QWidget* parent = nullptr);

    QRadioButton* option(const QString& name) const;
    // Checks the named option without reporting a click.
    void select(const QString& name);
    QString selected() const;

    // Colours an option: caption colour for text entries, fill for backgrounds.
    void setCaptionColour(const QString& name, BgrColor colour);
    void setFillColour(const QString& name, BgrColor colour);

signals:
    void picked(const QString& option);
    void doubleClicked(const QString& option);

private:
    PaletteOption* addOption(const PaletteEntry& entry, const QRect& place);

    Kind kind_;
    QButtonGroup* group_;
    QHash<QString, PaletteOption*> options_;
};

}  // namespace chromanick
