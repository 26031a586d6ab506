#include "app/pages/web_page.h"

#include <QEvent>
#include <QSignalBlocker>
#include <algorithm>

#include "state/state_rules.h"

namespace bevelmint::app {

namespace {

// A figure and whether it meets its threshold, said in words and in colour.
void showFigure(QLabel* out, const QString& what, const QString& value, bool meets,
                const QString& threshold) {
    out->setText(QString("%1  %2  %3 %4").arg(what, value, meets ? "meets" : "misses", threshold));
    restyle(out, meets ? "color: #1a7f37;" : "color: #c62828; font-weight: bold;");
}

QString ratio(double v) {
    return QString::fromStdString(exporter::ratioText(v)) + ":1";
}

// A threshold as WCAG writes it: "4.5:1", "3:1".
QString minimumRatio(double v) {
    return QString::number(v) + ":1";
}

QString targetSize(int side) {
    return QString("%1 x %1").arg(side);
}

}  // namespace

WebPage::WebPage(QWidget* parent) : QWidget(parent) {
    auto* pictures = frame("Pictures for the Web", {6, 2, 216, 84}, this);
    pngButton = named(new QRadioButton("PNG", pictures), "WebFormatPng",
                      "Lossless pictures with alpha edges", {10, 16, 56, 18});
    webpButton =
        named(new QRadioButton("WebP", pictures), "WebFormatWebp",
              "Lossless WebP pictures with alpha edges, smaller than PNG", {72, 16, 64, 18});
    svgButton = named(new QRadioButton("SVG", pictures), "WebFormatSvg",
                      "Vector pictures the browser draws, sharp at any scale, written once",
                      {142, 16, 60, 18});
    connect(pngButton, &QRadioButton::clicked, this,
            [this] { emit formatChosen(state::WebFormat::png); });
    connect(webpButton, &QRadioButton::clicked, this,
            [this] { emit formatChosen(state::WebFormat::webp); });
    connect(svgButton, &QRadioButton::clicked, this,
            [this] { emit formatChosen(state::WebFormat::svg); });
    paletteBox = named(new QCheckBox("Palette", pictures), "WebPalette",
                       "PNG with at most 256 colours and their alpha: far smaller, and within "
                       "45 dB of the lossless picture; a picture that needs more stays lossless",
                       {10, 37, 66, 18});
    connect(paletteBox, &QCheckBox::clicked, this, &WebPage::paletteToggled);
    for (int i = 0; i < 3; ++i) {
        const int scale = i + 1;
        scaleBoxes[i] = named(new QCheckBox(QString("%1x").arg(scale), pictures),
                              QString("WebScale%1").arg(scale).toUtf8().constData(),
                              QString("Write the pictures at %1 times the size").arg(scale),
                              {80 + 44 * i, 37, 42, 18});
        connect(scaleBoxes[i], &QCheckBox::clicked, this,
                [this, scale](bool on) { emit scaleToggled(scale, on); });
    }
    label("Hover lift", {10, 58, 58, 18}, pictures);
    hoverLiftBar =
        named(new FatScrollBar(Qt::Horizontal, state::kHoverLiftRange, 5, pictures), "WebHoverLift",
              "How much brighter the button is under the pointer", {70, 58, 106, 18});
    hoverLiftOut = label({}, {180, 58, 30, 18}, pictures, "WebHoverLiftValue");
    connect(hoverLiftBar, &QScrollBar::valueChanged, this, &WebPage::hoverLiftMoved);

    label("Base name", {6, 88, 66, 22}, this);
    baseName = named(new QLineEdit(this), "WebBaseName",
                     "The files are named after it: NAME.png, NAME-hover.png, NAME.html ...",
                     {74, 88, 148, 22});
    connect(baseName, &QLineEdit::editingFinished, this, &WebPage::commitBaseName);
    folder =
        named(new QLineEdit(this), "WebFolder",
              "Use the button right next to this field to choose the folder", {6, 113, 148, 22});
    folder->setReadOnly(true);
    folder->setPlaceholderText("no folder chosen");
    auto* choose = named(new QPushButton("folder...", this), "WebFolderChoose",
                         "Choose the folder the files go to", {158, 113, 64, 22});
    connect(choose, &QPushButton::clicked, this, &WebPage::folderRequested);

    label("Labels for a set, one a line:", {6, 138, 216, 14}, this);
    // Five lines of labels in view.
    labels =
        named(new QPlainTextEdit(this), "WebLabels",
              "One button per line with this text; empty: just this button", {6, 153, 216, 86});
    labels->document()->setDocumentMargin(2);
    labels->setTabChangesFocus(true);
    // Typing is handed over at a pause or when the box is left, not per key.
    labelsPause.setSingleShot(true);
    labelsPause.setInterval(700);
    connect(labels, &QPlainTextEdit::textChanged, this, [this] { labelsPause.start(); });
    connect(&labelsPause, &QTimer::timeout, this, &WebPage::commitLabels);
    labels->installEventFilter(this);
    connect(labels, &QPlainTextEdit::cursorPositionChanged, this, [this] {
        if (labelLine() != shownLine) emit labelLineChanged();
        shownLine = labelLine();
    });

    markupChoice = named(new QComboBox(this), "WebMarkup", "The markup that shows the buttons",
                         {6, 242, 216, 22});
    markupChoice->addItems({"CSS button page", "CSS snippet", "E-mail/README bundle",
                            "Live CSS page", "Live CSS snippet"});
    connect(markupChoice, &QComboBox::activated, this,
            [this](int i) { emit markupChosen(static_cast<editor::WebMarkup>(i)); });
    markupBox = named(new QPlainTextEdit(this), "WebMarkupBox",
                      "The markup \"Export for Web\" writes", {6, 267, 216, 36});
    markupBox->setReadOnly(true);
    // Read-only boxes show no focus of their own: outline it.
    markupBox->setStyleSheet(
        "QPlainTextEdit { border: 1px solid #b4b4b4; }"
        "QPlainTextEdit:focus { border: 2px solid palette(highlight); }");
    markupBox->setLineWrapMode(QPlainTextEdit::NoWrap);
    markupBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    markupBox->document()->setDocumentMargin(2);
    markupBox->setTabChangesFocus(true);

    auto command = [this](const char* name, const char* caption, const char* hint, QRect place) {
        return new BevelButton(name, caption, hint, place, this);
    };
    auto* copy = command("WebCopy", "Copy to Clipboard", "Copy the markup to the clipboard",
                         {6, 306, 106, 24});
    auto* save = command("WebSave", "Save", "Save the markup to a file", {116, 306, 106, 24});
    openButton =
        command("WebOpen", "Open in Browser",
                "Open the page saved or exported last in the standard browser", {6, 333, 106, 24});
    openButton->setEnabled(false);
    auto* exportButton = command("WebExport", "Export for Web",
                                 "Write the pictures, sprite sheets and the markup, all or nothing",
                                 {116, 333, 106, 24});
    exportButton->setStyleSheet("font-weight: bold;");
    // The buttons take no focus: what is being typed is handed over first.
    auto pendingFirst = [this](QPushButton* button, void (WebPage::*command)()) {
        connect(button, &QPushButton::clicked, this, [this, command] {
            if (commitPending()) emit(this->*command)();
        });
    };
    pendingFirst(copy, &WebPage::copyRequested);
    pendingFirst(save, &WebPage::saveRequested);
    pendingFirst(exportButton, &WebPage::exportRequested);
    connect(openButton, &QPushButton::clicked, this, &WebPage::openRequested);

    const char* figureNames[3] = {"WebTextContrast", "WebEdgeContrast", "WebSize"};
    const QString figureHints[3] = {
        QString("The inscription against the face around it: %1, or %2 for large text")
            .arg(minimumRatio(exporter::kTextMinimum), minimumRatio(exporter::kLargeTextMinimum)),
        QString("The button's edge against the page background: %1")
            .arg(minimumRatio(exporter::kEdgeMinimum)),
        QString("The button's size in CSS pixels: at least %1 (%2 is better)")
            .arg(targetSize(exporter::kMinimumTarget), targetSize(exporter::kLargerTarget))};
    for (int i = 0; i < 3; ++i)
        figures[i] =
            named(new QLabel(this), figureNames[i], figureHints[i], {6, 359 + 14 * i, 216, 14});
    follow({}, state::defaultState().hoverLift);
}

void WebPage::follow(const editor::WebSettings& web, int hoverLift) {
    const QSignalBlocker quiet(hoverLiftBar);
    pngButton->setChecked(web.format == state::WebFormat::png);
    webpButton->setChecked(web.format == state::WebFormat::webp);
    svgButton->setChecked(web.format == state::WebFormat::svg);
    // A live markup draws its buttons itself; an SVG picture serves every scale.
    const bool live = editor::liveMarkup(web.markup);
    for (QRadioButton* format : {pngButton, webpButton, svgButton})
        format->setEnabled(!live);
    paletteBox->setChecked(web.palette);
    paletteBox->setEnabled(!live && web.format == state::WebFormat::png);
    for (int i = 0; i < 3; ++i) {
        scaleBoxes[i]->setChecked(std::find(web.scales.begin(), web.scales.end(), i + 1) !=
                                  web.scales.end());
        scaleBoxes[i]->setEnabled(!live && web.format != state::WebFormat::svg);
    }
    hoverLiftBar->setPosition(hoverLift);
    hoverLiftOut->setNum(hoverLift);
    // The fields keep what is being typed; they follow the settings only when
    // those change under them (an undo, a load).
    if (web.baseName != followedBaseName) {
        followedBaseName = web.baseName;
        baseName->setText(QString::fromStdString(web.baseName));
    }
    folder->setText(QString::fromStdString(web.folder));
    markupChoice->setCurrentIndex(static_cast<int>(web.markup));
    if (web.labels != followedLabels) {
        followedLabels = web.labels;
        const QSignalBlocker quietLabels(labels);
        labelsPause.stop();
        labels->setPlainText(QString::fromStdString(web.labels));
    }
}

void WebPage::showMarkup(const QString& text) {
    if (markupBox->toPlainText() != text) markupBox->setPlainText(text);
}

void WebPage::showReport(const exporter::ButtonReport& r) {
    if (r.text) {
        showFigure(figures[0], "Text on face", ratio(r.text->ratio), r.text->passes(),
                   minimumRatio(r.text->minimum));
    } else {
        figures[0]->setText("Text on face  no inscription shown");
        restyle(figures[0], "color: gray;");
    }
    showFigure(figures[1], "Edge on page", ratio(r.edge.ratio), r.edge.passes(),
               minimumRatio(r.edge.minimum));
    showFigure(figures[2], "Size", QString("%1 x %2 px").arg(r.width).arg(r.height), r.sizePasses(),
               targetSize(exporter::kMinimumTarget));
}

void WebPage::commitLabels() {
    labelsPause.stop();
    const std::string typed = labels->toPlainText().toStdString();
    if (typed == followedLabels) return;
    followedLabels = typed;
    emit labelsEdited(QString::fromStdString(typed));
}

void WebPage::commitBaseName() {
    const QString typed = baseName->text().trimmed();
    if (typed.toStdString() != followedBaseName) emit baseNameEdited(typed);
}

bool WebPage::commitPending() {
    baseNameRefused = false;
    commitLabels();
    commitBaseName();
    return !baseNameRefused;
}

void WebPage::restoreBaseName() {
    baseNameRefused = true;
    baseName->setText(QString::fromStdString(followedBaseName));
}

bool WebPage::eventFilter(QObject* watched, QEvent* e) {
    if (watched == labels && e->type() == QEvent::FocusOut) commitLabels();
    return QWidget::eventFilter(watched, e);
}

}  // namespace bevelmint::app
