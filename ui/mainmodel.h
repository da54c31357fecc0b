#pragma once

#include "core/bgrcolor.h"
#include "core/decorations.h"
#include "core/nicksettings.h"
#include "core/preview.h"
#include "ui/platform.h"

#include <QDateTime>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

namespace chromanick {

struct NickProject;
enum class ExportSignature;

// The main editor ("Form1") without its widgets: it owns every choice and
// runs every handler. Setting a control from the program (a project being
// opened, "Nouveau", "Equilibrer") goes through the same handlers as a user
// action. The window only shows this state and forwards events.
class MainEditorModel : public QObject {
    Q_OBJECT
public:
    using Clock = std::function<QDateTime()>;

    MainEditorModel(Platform& platform, Clock clock = {}, QObject* parent = nullptr);
    ~MainEditorModel() override;

    // --- State, as the controls show it ---
    const QString& nickname() const;          // Text1
    int caret() const;                        // Text1 caret after the last change
    const DecorationList& prefixes() const;   // Combo1
    const DecorationList& suffixes() const;   // Combo2
    const QString& foregroundOption() const;  // selected nickname-colour option
    const QString& backgroundOption() const;  // selected background option
    bool bold() const;
    bool underline() const;
    bool italic() const;
    bool strikethrough() const;
    bool specialChars() const;
    QString specialCharsCaption() const;  // caption of chkcaracspe
    bool ditColourOn() const;
    bool ditSuppressed() const;
    bool autoCopy() const;
    BgrColor customForeground() const;  // current colour of cmdialcolor1
    BgrColor customBackground() const;  // current colour of cmdialcolor2
    BgrColor ditColour() const;         // current colour of cmdialcolor3
    // Colours the window gives the custom options and the Dit box.
    BgrColor customForegroundCaptionColour() const;    // optcouleurperso1 caption
    BgrColor customBackgroundOptionColour() const;     // optaperso background
    std::optional<BgrColor> ditCaptionColour() const;  // chkcolordi caption, once picked
    const QString& output() const;                     // Text2
    const PreviewState& preview() const;               // Label5
    bool emoticonsVisible() const;                     // activemoti check mark / Frame5
    QString versionText() const;                       // "Version : 6.0.0"
    NickSettings settings() const;                     // what generation reads
    QStringList previewSizes() const;                  // entries of Combo3

    // --- Handlers ---
    void setNickname(const QString& text, int caret = -1);  // Text1_Change (caret -1: at the end)
    // The nickname setNickname(text) would leave (the look-alikes applied
    // when they are on), so that the box can show it in the same change.
    QString nicknameFor(const QString& text) const;
    void nicknameDoubleClicked();                // Text1_DblClick
    void pickForeground(const QString& option);  // option click
    void pickBackground(
        const QString& option);  // option click ("Option20" resets the preview background)
    void customForegroundDoubleClicked();  // optcouleurperso1_DblClick
    void customBackgroundDoubleClicked();  // optaperso_DblClick
    void setBold(bool on);                 // Check1
    void setUnderline(bool on);            // Check2
    void setItalic(bool on);               // Check3
    void setStrikethrough(bool on);        // chkbarre
    void setSpecialChars(bool on);         // chkcaracspe
    void setDitColourOn(bool on);          // chkcolordi
    void setDitSuppressed(bool on);        // chkoptspecial
    void setAutoCopy(bool on);             // chkcopiauto
    void pickPrefix(int index);            // Combo1_Click
    void pickSuffix(int index);            // Combo2_Click
    void typePrefix(const QString& text);  // typing in Combo1 (no refresh)
    void typeSuffix(const QString& text);  // typing in Combo2 (no refresh)
    void balancePrefix();                  // cmdequilibre1: prefix takes the suffix's position
    void balanceSuffix();                  // cmdequilibre2: suffix takes the prefix's position
    void pickPreviewSize(const QString& entry);                                    // Combo3_Click
    void insertEmoticon(int tableIndex, int selectionStart, int selectionLength);  // Image2..68
    void toggleEmoticons();                // activemoti_Click
    void generate();                       // Command1_Click
    void editOutput(const QString& text);  // typing in Text2 (exports write it as typed)
    void refreshPreview();                 // Command2_Click
    void reset();                          // nouveau_Click

    // Decoration lists, filled once at start-up: built-ins, then user entries.
    void fillDecorationLists(const QStringList& userPrefixes, const QStringList& userSuffixes);

    // --- File flows ---
    void saveProject();  // saveprojet_Click
    void openProject();  // openprojet_Click
    // Applies a project file as the open command does, without the dialog.
    bool openProjectFile(const QString& path);
    void exportText();  // mnusave_Click
    // quitter_Click / Form_Unload: true when the program may end.
    bool quitRequested();
    bool closeRequested();

    // Command3_Click / mnubascul_Click: the text handed to the gradient editor.
    QString gradientHandOver() const;

signals:
    void changed();  // any state above changed; views re-read what they show

private:
    struct State;
    class ChangeScope;

    void nicknameChanged();
    void writeBackNickname(const QString& text);
    void applyProject(const NickProject& project);
    bool exportTo(ExportSignature signature);
    bool askToSaveThenExport(ExportSignature signature);
    void reportSaveFailure(const QString& path);

    std::unique_ptr<State> d;
};

}  // namespace chromanick
