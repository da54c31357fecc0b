#pragma once

#include <QString>
#include <QWidget>

class QSvgRenderer;

namespace chromanick {

// A picture control: draws a vector picture from the program's resources,
// scaled to the control and sharp at any screen density. When the picture
// is not built in, it draws `fallbackText` instead so the control stays
// recognisable. Reports left clicks.
class Picture : public QWidget {
    Q_OBJECT
public:
    Picture(const QString& resource, const QString& fallbackText, QWidget* parent = nullptr);

    bool hasArtwork() const;
    const QString& fallbackText() const { return fallbackText_; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void paintFallback(QPainter& painter);

    QSvgRenderer* renderer_ = nullptr;
    QString fallbackText_;
};

}  // namespace chromanick
