#include "ui/aboutwindow.h"

#include "assets/resources.h"
#include "core/appinfo.h"
#include "ui/weblinks.h"
#include "ui/widgets/clickablelabel.h"
#include "ui/widgets/fonts.h"
#include "ui/widgets/picture.h"
#include "ui/widgets/placement.h"
#include "ui/widgets/textfit.h"
#include "ui/widgets/windowkit.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTextDocument>

#include <algorithm>

namespace chromanick {

namespace {

ClickableLabel* addLink(QWidget* parent, const QString& name, const QString& address,
                        const QRect& r) {
    auto* link = place(new ClickableLabel(parent), name, r);
    link->setText(address);
    QFont font = link->font();
    font.setUnderline(true);
    link->setFont(font);
    QPalette palette = link->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 0, 0xFF));
    link->setPalette(palette);
    return link;
}

}  // namespace

AboutWindow::AboutWindow(Platform& platform, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint), platform_(platform) {
    setObjectName(QStringLiteral("Form2"));
    setFixedSize(px(5625), px(3825));
    setFont(windowFont());
    buildControls();
    fitCaptions(this);
    keepAddressWhole();
    // Loading: the design caption followed by the version, once per window.
    setWindowTitle(QStringLiteral("A propos de Chromanick ") + appinfo::versionDotted());
}

void AboutWindow::buildControls() {
    QLabel* title = place(plainLabel(QStringLiteral("Chromanick"), this), QStringLiteral("Label2"),
                          twipsRect(0, 120, 5655, 375));
    title->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QFont titleFont = msSansSerif(12);
    titleFont.setBold(true);
    titleFont.setUnderline(true);
    title->setFont(titleFont);

    QLabel* intro = place(
        plainLabel(
            QStringLiteral("Pour que les codes créés avec Chromanick soit visible , vous devez "
                           "possèder le logiciel Msn PLus !. Disponible en téléchargement sur leur "
                           "site officiel :"),
            this),
        QStringLiteral("Label1"), twipsRect(240, 600, 5175, 615));
    intro->setWordWrap(true);
    intro->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    ClickableLabel* plusLink =
        addLink(this, QStringLiteral("lblurl2msnplus"), appinfo::kMessengerPlusSite,
                twipsRect(240, 1320, 5295, 255));
    connect(plusLink, &ClickableLabel::clicked, this,
            [this] { links::openMessengerPlusSite(platform_); });

    place(plainLabel(QStringLiteral("Merci à tout ceux qui m'apporte leur soutien."), this),
          QStringLiteral("Label3"), twipsRect(240, 1680, 5295, 255));

    // Wide enough for the e-mail address on a line of its own, in the
    // window's font; the logo beside it is drawn a little smaller for it.
    auto* contact =
        place(new QPlainTextEdit(this), QStringLiteral("Text1"), twipsRect(240, 2040, 2520, 1575));
    contact->setReadOnly(true);
    contact->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    contact->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    contact->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    useButtonFace(contact);
    contact->setPlainText(QStringList{QStringLiteral("Date :Septembre "), QStringLiteral("2006"),
                                      QStringLiteral("Pour plus "), QStringLiteral("d'information"),
                                      QStringLiteral("écrivez moi à cette "),
                                      QStringLiteral("adresse :"), appinfo::kContactEmail}
                              .join(QLatin1Char('\n')));

    place(new Picture(assets::logoPath(), QStringLiteral("Chromanick"), this),
          QStringLiteral("Image1"), twipsRect(2820, 2265, 2700, 1080));

    place(plainLabel(QStringLiteral("Tiwakan, Chromanick TEam"), this),
          QStringLiteral("lbltiwakan"), twipsRect(0, 3600, 2415, 255));

    ClickableLabel* siteLink = addLink(this, QStringLiteral("lblurlchromanick"),
                                       appinfo::kProductSite, twipsRect(2640, 3600, 2895, 255));
    siteLink->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(siteLink, &ClickableLabel::clicked, this, [this] { links::openSite(platform_); });
}

// The contact box breaks lines between words only, so that the e-mail
// address, drawn in the window's font like the rest, is never cut in two.
void AboutWindow::keepAddressWhole() {
    auto* contact = findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
    contact->setWordWrapMode(QTextOption::WordWrap);
}

// Centred over `over` (the middle of the screen without it), then moved
// wholly inside the screen's free area.
void AboutWindow::placeOver(const QWidget* over) {
    const QScreen* screen = over != nullptr ? over->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    const QRect free = screen->availableGeometry();
    QRect placed = frameGeometry();
    placed.moveCenter(over != nullptr ? over->frameGeometry().center() : free.center());
    const int left = std::clamp(placed.left(), free.left(),
                                std::max(free.left(), free.right() + 1 - placed.width()));
    const int top = std::clamp(placed.top(), free.top(),
                               std::max(free.top(), free.bottom() + 1 - placed.height()));
    move(left, top);
}

void AboutWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void AboutWindow::open(const QWidget* over) {
    placeOver(over);
    show();
    raise();
    activateWindow();
}

}  // namespace chromanick
