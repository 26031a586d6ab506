#include "app/pages/about_page.h"

#include "app/pictures.h"
#include "app/widgets.h"

namespace bevelmint::app {

AboutPage::AboutPage(QWidget* parent) : QWidget(parent) {
    auto* art = label({}, {14, 20, 200, 150}, this, "Image16");
    art->setPixmap(asset("about.svg", {200, 150}));
    label("Build 3.01", {14, 180, 200, 20}, this)->setAlignment(Qt::AlignCenter);
    auto* about =
        label("Designs three-dimensional push-buttons for web pages.", {14, 210, 200, 40}, this);
    about->setAlignment(Qt::AlignCenter);
    about->setWordWrap(true);
    auto* spot = new PointerLabel("Image15", this);
    spot->setGeometry(0, 0, 5, 5);
    connect(spot, &PointerLabel::released, this,
            [this](Qt::MouseButton) { emit resetSpotClicked(); });
}

}  // namespace bevelmint::app
