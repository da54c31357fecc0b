#include "readerwindow.h"

#include "codedrawing.h"
#include "dialects/registry.h"
#include "readermodel.h"
#include "ui/widgets/placement.h"
#include "ui/widgets/textfit.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace chromanick {

namespace {

template <typename Widget>
Widget* named(Widget* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}

QLabel* plainLabel(const QString& text, const QString& name, QWidget* parent) {
    auto* label = named(new QLabel(text, parent), name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

}  // namespace

CodeReaderWindow::CodeReaderWindow(CodeReaderModel& model, QWidget* parent)
    : QWidget(parent, Qt::Window), model_(model) {
    setObjectName(QStringLiteral("frmlecteur"));
    setWindowTitle(CodeReaderModel::kTitle);

    auto* layout = new QVBoxLayout(this);
    auto* codeCaption = plainLabel(QStringLiteral("Code :"), QStringLiteral("lblcode"), this);
    codeBox_ = named(new QPlainTextEdit(this), QStringLiteral("txtcode"));
    codeBox_->setTabChangesFocus(true);
    codeBox_->setLineWrapMode(QPlainTextEdit::NoWrap);
    codeBox_->setFixedHeight(codeBox_->fontMetrics().lineSpacing() * 4 + 12);
    codeCaption->setBuddy(codeBox_);
    layout->addWidget(codeCaption);
    layout->addWidget(codeBox_);

    auto* sizeRow = new QHBoxLayout;
    auto* readingCaption =
        plainLabel(QStringLiteral("Lire comme :"), QStringLiteral("lbllirecomme"), this);
    readingBox_ = named(new QComboBox(this), QStringLiteral("lstlirecomme"));
    readingBox_->addItems(model_.readingLabels());
    readingCaption->setBuddy(readingBox_);
    sizeRow->addWidget(readingCaption);
    sizeRow->addWidget(readingBox_);
    sizeRow->addSpacing(12);
    auto* sizeCaption =
        plainLabel(QStringLiteral("Taille de l'aperçu :"), QStringLiteral("lbltaille"), this);
    sizeBox_ = named(new QComboBox(this), QStringLiteral("cbotaille"));
    sizeBox_->addItems(model_.sizes());
    sizeCaption->setBuddy(sizeBox_);
    sizeRow->addWidget(sizeCaption);
    sizeRow->addWidget(sizeBox_);
    sizeRow->addStretch();
    layout->addLayout(sizeRow);

    // A line wider than the window scrolls sideways.
    auto* scroller = named(new QScrollArea(this), QStringLiteral("defilementdessin"));
    drawing_ = named(new CodeDrawing(scroller), QStringLiteral("dessin"));
    scroller->setWidget(drawing_);
    scroller->setWidgetResizable(true);
    scroller->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(scroller, 1);
    lengths_ = plainLabel(QString(), QStringLiteral("lbllongueurs"), this);
    layout->addWidget(lengths_);
    auto* note = plainLabel(CodeReaderModel::kPaletteNote, QStringLiteral("lblpalette"), this);
    note->setWordWrap(true);
    layout->addWidget(note);
    layout->addLayout(buildButtons());

    connect(codeBox_, &QPlainTextEdit::textChanged, this,
            [this] { model_.setCode(codeBox_->toPlainText()); });
    connect(readingBox_, &QComboBox::activated, this,
            [this](int index) { model_.pickReading(readingBox_->itemText(index)); });
    connect(sizeBox_, &QComboBox::activated, this,
            [this](int index) { model_.pickSize(sizeBox_->itemText(index)); });
    connect(&model_, &CodeReaderModel::changed, this, &CodeReaderWindow::refresh);
    refresh();
    resize(560, 360);
}

QHBoxLayout* CodeReaderWindow::buildButtons() {
    auto* row = new QHBoxLayout;
    const auto button = [&](const QString& name, const QString& text, auto call) {
        auto* b = named(new QPushButton(text, this), name);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, call);
        row->addWidget(b);
        return b;
    };
    button(QStringLiteral("cmdcoller"), QStringLiteral("Coller"), [this] { model_.paste(); });
    // One copy button per format that has one, in the table's order.
    for (const Dialect& format : dialects()) {
        if (format.copyName.isEmpty()) continue;
        button(format.copyName, format.copyCaption, [this, &format] { model_.copyAs(format); });
    }
    row->addStretch();
    auto* close =
        named(new QPushButton(QStringLiteral("Fermer"), this), QStringLiteral("cmdfermer"));
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    row->addWidget(close);
    return row;
}

void CodeReaderWindow::open(const QString& code) {
    model_.setCode(code);
    if (!placed_) {
        // Centred the first time; afterwards where the user left it.
        centreOnScreen(*this);
        placed_ = true;
    }
    show();
    raise();
    activateWindow();
    codeBox_->setFocus(Qt::OtherFocusReason);
}

// The box keeps the user's caret: it is rewritten only when the model's code
// came from elsewhere (an editor, "Coller").
void CodeReaderWindow::refresh() {
    if (codeBox_->toPlainText() != model_.code()) {
        const QSignalBlocker blocker(codeBox_);
        replaceText(codeBox_, model_.code());
    }
    const int readingIndex = readingBox_->findText(model_.reading().label);
    if (readingBox_->currentIndex() != readingIndex) readingBox_->setCurrentIndex(readingIndex);
    const int sizeIndex = sizeBox_->findText(model_.size());
    if (sizeBox_->currentIndex() != sizeIndex) sizeBox_->setCurrentIndex(sizeIndex);
    drawing_->setLines(model_.lines(), model_.pointSize());
    lengths_->setText(model_.lengthsText());
}

void CodeReaderWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace chromanick
