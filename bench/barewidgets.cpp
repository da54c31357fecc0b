#include "barewidgets.h"

#include "gradient/gradient.h"
#include "ui/editor/mainmodel.h"
#include "ui/editor/mainwindow.h"
#include "ui/gradient/gradientmodel.h"
#include "ui/gradient/gradientwindow.h"
#include "ui/qtplatform.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace chromanick::bench {

namespace {

template <typename Widget>
Widget& child(const QWidget& window, const QString& name) {
    return *window.findChild<Widget*>(name);
}

template <typename Widget>
Widget* found(const BareWindows& windows, const QString& name) {
    Widget* w = windows.find<Widget>(name);
    Q_ASSERT(w);
    return w;
}

}  // namespace

BareMainEditor::BareMainEditor(const QString& nickname, bool lookalike, bool generate) {
    {
        QtPlatform platform;
        MainEditorModel model(platform);
        model.fillDecorationLists({}, {});
        MainWindow real(model);
        real.show();
        model.setLookalike(lookalike);
        model.setNickname(nickname);
        if (generate) child<QPushButton>(real, QStringLiteral("Command1")).click();
        QApplication::processEvents();
        windows = std::make_unique<BareWindows>(inventoryOf(real));
    }
    window = windows->window();
    text1 = found<QLineEdit>(*windows, QStringLiteral("Text1"));
    label5 = found<QLabel>(*windows, QStringLiteral("Label5"));
    text2 = found<QPlainTextEdit>(*windows, QStringLiteral("Text2"));
    code = text2->toPlainText();
}

BareMainEditor::~BareMainEditor() = default;

BareGradientEditor::BareGradientEditor(const QString& nickname, bool smooth, bool generate) {
    {
        QtPlatform platform;
        GradientEditorModel model(platform);
        GradientWindow real(model);
        real.show();
        model.setSmoothEnabled(smooth);
        model.setNickname(nickname);
        if (generate) child<QPushButton>(real, QStringLiteral("cmdgenerer")).click();
        QApplication::processEvents();
        windows = std::make_unique<BareWindows>(inventoryOf(real));
    }
    window = windows->window();
    text1 = found<QLineEdit>(*windows, QStringLiteral("Text1"));
    text2 = found<QPlainTextEdit>(*windows, QStringLiteral("Text2"));
    code = text2->toPlainText();
    for (int row = 0; row < kGradientRowCount; ++row) {
        std::array<QLabel*, 5> labels{};
        for (int slot = 0; slot < 5; ++slot)
            labels[slot] =
                found<QLabel>(*windows, QStringLiteral("lbl%1_%2").arg(slot + 1).arg(row));
        rows.append(labels);
        if (smooth)
            smoothRows.append(found<QWidget>(*windows, QStringLiteral("lblfluide_%1").arg(row)));
    }
}

BareGradientEditor::~BareGradientEditor() = default;

Inventory mainEditorInventory() {
    QtPlatform platform;
    MainEditorModel model(platform);
    model.fillDecorationLists({}, {});
    MainWindow real(model);
    real.show();
    QApplication::processEvents();
    return inventoryOf(real);
}

}  // namespace chromanick::bench
