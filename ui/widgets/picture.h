#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

#include <optional>

namespace chromanick {

// A picture control: draws a vector picture from the program's resources,
// scaled to the control and sharp at any screen density. When the picture
// is not built in, it draws `fallbackText` instead so the control stays
// recognisable. Reports left clicks; a picture given a focus policy also
// reports Space and Enter while it has the focus, and shows the focus.
// The picture is drawn once into an image of the control's size that is
// kept: taken from the pictures drawn when the program was built when they
// hold it at this size and density, else read and drawn from the SVG, whose
// parsed document is let go at once so that the 67 emoticons of the main
// editor do not each hold a document tree.
class Picture : public QWidget {
    Q_OBJECT
public:
    Picture(const QString& resource, const QString& fallbackText, QWidget* parent = nullptr);

    bool hasArtwork() const;
    const QString& resource() const { return resource_; }
    const QString& fallbackText() const { return fallbackText_; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Draws the artwork into `rendered_` at the control's size; false when
    // there is no valid artwork.
    bool renderArtwork();
    void paintFallback(QPainter& painter);

    QString resource_;
    QString fallbackText_;
    mutable std::optional<bool> valid_;  // unknown until read once
    QImage rendered_;
};

}  // namespace chromanick
