#pragma once

#include <QWidget>

class QComboBox;
class QHBoxLayout;
class QLabel;
class QPlainTextEdit;

namespace chromanick {

class CodeDrawing;
class CodeReaderModel;
class SteadyLabel;

// "Lecteur de code": a view over CodeReaderModel. The code box, the
// "Lire comme :" and size lists and the buttons forward to the model; the drawing and the lengths
// show what it read.
class CodeReaderWindow : public QWidget {
    Q_OBJECT
public:
    explicit CodeReaderWindow(CodeReaderModel& model, QWidget* parent = nullptr);

    CodeReaderModel& model() const { return model_; }
    // Shows the window with `code` in its box, in front of the others.
    void open(const QString& code);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QHBoxLayout* buildButtons();
    void refresh();

    CodeReaderModel& model_;
    QPlainTextEdit* codeBox_ = nullptr;
    QComboBox* readingBox_ = nullptr;
    QComboBox* sizeBox_ = nullptr;
    CodeDrawing* drawing_ = nullptr;
    SteadyLabel* lengths_ = nullptr;
    QComboBox* copyFormatBox_ = nullptr;
    SteadyLabel* formatLength_ = nullptr;
    QLabel* notShown_ = nullptr;
    bool placed_ = false;
};

}  // namespace chromanick
