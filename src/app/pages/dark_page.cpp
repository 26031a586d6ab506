#include "app/pages/dark_page.h"

#include <QGroupBox>
#include <QSignalBlocker>

#include "app/pictures.h"
#include "app/widgets.h"
#include "state/state_rules.h"

namespace bevelmint::app {

namespace {

constexpr const char* kRows[3] = {"Button", "Text", "Page"};
constexpr const char* kChannels[3] = {"Red", "Green", "Blue"};

uint8_t channelOf(const state::DarkScheme& d, int i) {
    const uint8_t values[9] = {d.buttonRed, d.buttonGreen, d.buttonBlue, d.textRed, d.textGreen,
                               d.textBlue,  d.backRed,     d.backGreen,  d.backBlue};
    return values[i];
}

}  // namespace

DarkPage::DarkPage(QWidget* parent) : QWidget(parent) {
    auto* colours = frame("Dark scheme", {6, 2, 216, 124}, this);
    schemeBox = named(new QCheckBox("Dark variant for dark pages", colours), "DarkScheme",
                      "Web exports also write the button for readers whose system is dark",
                      {10, 18, 200, 18});
    connect(schemeBox, &QCheckBox::clicked, this,
            [this](bool on) { emit fieldEdited("darkScheme", on ? "true" : "false"); });
    for (int row = 0; row < 3; ++row) {
        label(kRows[row], {10, 44 + 26 * row, 50, 20}, colours);
        for (int c = 0; c < 3; ++c) {
            // "darkButtonRed", "darkTextGreen", "darkBackBlue" ...
            const QString field =
                QString("dark%1%2").arg(row == 2 ? "Back" : kRows[row], kChannels[c]);
            QSpinBox* box = named(new QSpinBox(colours), field,
                                  QString("%1 %2 on a dark page").arg(kRows[row], kChannels[c]),
                                  {60 + 50 * c, 44 + 26 * row, 48, 20});
            box->setRange(static_cast<int>(state::kColourRange.min),
                          static_cast<int>(state::kColourRange.max));
            connect(box, &QSpinBox::valueChanged, this,
                    [this, field](int v) { emit fieldEdited(field, QString::number(v)); });
            channels[row * 3 + c] = box;
        }
    }
    preview = named(new QLabel(this), "DarkPreview", "The button as a dark page shows it",
                    {6, 132, 216, 120});
    preview->setAlignment(Qt::AlignCenter);
}

void DarkPage::follow(const state::ButtonState& s) {
    const QSignalBlocker block(schemeBox);
    schemeBox->setChecked(s.dark.on);
    for (int i = 0; i < 9; ++i) {
        const QSignalBlocker blockBox(channels[i]);
        channels[i]->setValue(channelOf(s.dark, i));
    }
}

void DarkPage::showPreview(const image::Picture& picture, image::Rgb page) {
    restyle(preview,
            QString("background-color: rgb(%1, %2, %3);").arg(page.r).arg(page.g).arg(page.b));
    preview->setPixmap(toPixmap(picture, picture.width(), picture.height()));
}

}  // namespace bevelmint::app
