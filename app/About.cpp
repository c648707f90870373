#include "app/About.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>
#include <string>

#include "app/AnchoredPanel.h"
#include "app/FormSupport.h"
#include "app/Icons.h"
#include "app/LinkLabel.h"
#include "app/MakerInfo.h"
#include "platform/qt/QtText.h"
#include "platform/qt/Shell.h"

namespace app {

namespace {

using platform::qt::toQString;

constexpr QSize kClientSize{384, 244};
const QColor kLinkColor{0, 0, 255};

QLabel* label(const std::string& text, const QFont& font, QColor color = {}) {
    auto* result = new QLabel(toQString(text));
    result->setFont(font);
    if (color.isValid()) {
        QPalette palette = result->palette();
        palette.setColor(QPalette::WindowText, color);
        result->setPalette(palette);
    }
    return result;
}

// The description, five lines.
std::string descriptionText() {
    return std::string(
               "Stanjomer je besplatan program koji omogu\xe6"
               "ava\n"
               "pra\xe6"
               "enje promena u jedinstvenoj evidenciji akcionara\n"
               "Centralnog Registra HoV (CRHoV). Vi\x9a"
               "e informacija\n"
               "i uputstvo za kor\x9a\xe6"
               "enje programa mogu se prona\xe6i\n"
               "na Internet lokaciji ") +
           maker::kWebAddress + ".";
}

}  // namespace

TformAbout::TformAbout(QWidget* parent) : QDialog(parent) {
    setObjectName("formAbout");
    setWindowTitle(toQString("O programu"));
    setFont(formFont("Verdana", 12));
    setWindowIcon(programIcon());
    // The window refuses every resize.
    setFixedSize(kClientSize);
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    setSizeGripEnabled(false);

    auto* page = new AnchoredPanel(kClientSize);
    page->setFrameStyle(QFrame::Panel | QFrame::Raised);
    page->setAccessibleName(toQString("O programu"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(page);

    auto* picture = new QLabel;
    picture->setPixmap(programPixmap(32));
    page->place(picture, {24, 16, 32, 32});
    page->place(label(maker::kProductName, formFont("Tahoma", 15, true)), {64, 14, 200, 19});
    page->place(label(std::string("verzija ") + maker::kVersion, formFont("Tahoma", 12, true)),
                {64, 34, 200, 16});

    labelInfo = new QLabel;
    labelInfo->setObjectName("labelInfo");
    labelInfo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    page->place(labelInfo, {24, 56, 353, 81});

    QFont linkFont = formFont("Tahoma", 12, true);
    linkFont.setUnderline(true);
    labelWeb = new LinkLabel(toQString(maker::kWebHost));
    labelWeb->setObjectName("labelWeb");
    labelWeb->setFont(linkFont);
    labelWeb->setToolTip(toQString(std::string("Posetite ") + maker::kWebHost));
    labelWeb->onClick = [this] { labelWebClick(); };
    labelEmail = new LinkLabel(toQString(maker::kEmail));
    labelEmail->setObjectName("labelEmail");
    labelEmail->setFont(formFont("Tahoma", 12, true));
    labelEmail->setToolTip(toQString(std::string("Po\x9a"
                                                 "aljite e-mail na ") +
                                     maker::kEmail));
    labelEmail->onClick = [this] { labelEmailClick(); };
    for (QLabel* link : {static_cast<QLabel*>(labelWeb), static_cast<QLabel*>(labelEmail)}) {
        QPalette palette = link->palette();
        palette.setColor(QPalette::WindowText, kLinkColor);
        link->setPalette(palette);
    }
    page->place(labelWeb, {24, 142, 240, 16});
    page->place(labelEmail, {24, 167, 240, 16});

    labelAutor = label({}, formFont("Verdana", 12, true));
    labelAutor->setObjectName("labelAutor");
    page->place(labelAutor, {24, 192, 250, 16});
    // The notice wraps beside the OK button rather than running under it.
    labelNotice = label(maker::kNotice, formFont("Verdana", 12, true));
    labelNotice->setObjectName("labelNotice");
    labelNotice->setWordWrap(true);
    labelNotice->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    page->place(labelNotice, {24, 209, 250, 32});

    btnOk = new QPushButton(toQString("OK"));
    btnOk->setObjectName("btnOk");
    btnOk->setDefault(true);
    page->place(btnOk, {280, 194, 89, 29});
    connect(btnOk, &QPushButton::clicked, this, [this] { btnOkClick(); });

    FormCreate();
}

void TformAbout::FormCreate() {
    new KeyPreview(*this, [this](QKeyEvent& key) { return FormKeyDown(key); });
    labelInfo->setText(toQString(descriptionText()));
    labelAutor->setText(toQString(std::string("Autor programa: ") + maker::kAuthor));
}

void TformAbout::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centreOnScreen(*this);
    btnOk->setFocus();
}

bool TformAbout::FormKeyDown(QKeyEvent& key) {
    return closeOnEscape(*this, key);
}

void TformAbout::btnOkClick() {
    close();
}

void TformAbout::labelWebClick() {
    platform::qt::shellOpen(QUrl(QString::fromLatin1(maker::kWebAddress)));
}

void TformAbout::labelEmailClick() {
    platform::qt::shellOpen(QUrl(QStringLiteral("mailto:") + QString::fromLatin1(maker::kEmail)));
}

}  // namespace app
