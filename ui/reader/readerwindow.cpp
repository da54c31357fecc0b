#include "readerwindow.h"

#include "codedrawing.h"
#include "readermodel.h"
#include "ui/widgets/placement.h"
#include "ui/widgets/steadylabel.h"
#include "ui/widgets/textfit.h"
#include "ui/widgets/windowkit.h"

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

CodeReaderWindow::CodeReaderWindow(CodeReaderModel& model, QWidget* parent)
    : QWidget(parent, Qt::Window), model_(model) {
    setObjectName(QStringLiteral("frmlecteur"));
    setWindowTitle(CodeReaderModel::kTitle);

    auto* layout = new QVBoxLayout(this);
    auto* codeCaption =
        named(plainLabel(QStringLiteral("Code :"), this), QStringLiteral("lblcode"));
    codeBox_ = named(new QPlainTextEdit(this), QStringLiteral("txtcode"));
    codeBox_->setTabChangesFocus(true);
    codeBox_->setLineWrapMode(QPlainTextEdit::NoWrap);
    codeBox_->setFixedHeight(codeBox_->fontMetrics().lineSpacing() * 4 + 12);
    codeCaption->setBuddy(codeBox_);
    layout->addWidget(codeCaption);
    layout->addWidget(codeBox_);

    auto* sizeRow = new QHBoxLayout;
    auto* readingCaption =
        named(plainLabel(QStringLiteral("Lire comme :"), this), QStringLiteral("lbllirecomme"));
    readingBox_ = named(new QComboBox(this), QStringLiteral("cbolirecomme"));
    readingBox_->addItems(model_.readingLabels());
    readingCaption->setBuddy(readingBox_);
    sizeRow->addWidget(readingCaption);
    sizeRow->addWidget(readingBox_);
    sizeRow->addSpacing(12);
    auto* sizeCaption = named(plainLabel(QStringLiteral("Taille de l'aperçu :"), this),
                              QStringLiteral("lbltaille"));
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
    lengths_ =
        new SteadyLabel(QStringLiteral("lbllongueurs"), QStringLiteral("cadrelongueurs"), this);
    layout->addWidget(lengths_);
    auto* note =
        named(plainLabel(CodeReaderModel::kPaletteNote, this), QStringLiteral("lblpalette"));
    note->setWordWrap(true);
    layout->addWidget(note);
    layout->addLayout(buildButtons());
    // Under the copy: the result's length in the chosen format, and what it loses.
    formatLength_ = new SteadyLabel(QStringLiteral("lbllongueurformat"),
                                    QStringLiteral("cadrelongueurformat"), this);
    layout->addWidget(formatLength_);
    notShown_ = named(plainLabel(QString(), this), QStringLiteral("lblnonmontre"));
    notShown_->setWordWrap(true);
    layout->addWidget(notShown_);

    connect(codeBox_, &QPlainTextEdit::textChanged, this,
            [this] { model_.setCode(codeBox_->toPlainText()); });
    connect(readingBox_, &QComboBox::activated, this,
            [this](int index) { model_.pickReading(readingBox_->itemText(index)); });
    connect(sizeBox_, &QComboBox::activated, this,
            [this](int index) { model_.pickSize(sizeBox_->itemText(index)); });
    connect(&model_, &CodeReaderModel::changed, this, &CodeReaderWindow::refresh);
    refresh();
    resize(px(8400), px(5400));
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
    auto* copyCaption =
        named(plainLabel(QStringLiteral("Copier pour :"), this), QStringLiteral("lblcopierpour"));
    copyFormatBox_ = named(new QComboBox(this), QStringLiteral("cbocopierpour"));
    for (const Dialect* format : CodeReaderModel::copyFormats())
        copyFormatBox_->addItem(format->label);
    copyCaption->setBuddy(copyFormatBox_);
    row->addWidget(copyCaption);
    row->addWidget(copyFormatBox_);
    connect(copyFormatBox_, &QComboBox::activated, this,
            [this](int index) { model_.pickCopyFormat(index); });
    button(QStringLiteral("cmdcopier"), QStringLiteral("Copier"), [this] { model_.copy(); });
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
    // A key leaves both lists as they are: they are searched only for a change.
    if (readingBox_->currentText() != model_.reading().label)
        readingBox_->setCurrentIndex(readingBox_->findText(model_.reading().label));
    if (sizeBox_->currentText() != model_.size())
        sizeBox_->setCurrentIndex(sizeBox_->findText(model_.size()));
    drawing_->setLines(model_.lines(), model_.pointSize());
    lengths_->setText(model_.lengthsText());
    if (copyFormatBox_->currentIndex() != model_.copyFormatIndex())
        copyFormatBox_->setCurrentIndex(model_.copyFormatIndex());
    formatLength_->setText(model_.formatLengthText());
    notShown_->setText(model_.notShownText());
}

void CodeReaderWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace chromanick
