#pragma once

#include <QLabel>
#include <array>

#include "app/widgets.h"
#include "state/state_rules.h"

namespace bevelmint::app {

// The Colors page: button, text, background and menu colour, each with a
// swatch, a colour entry (#RRGGBB) and a dialog button; channel bars for the
// button and text colours.
class ColorsPage : public QWidget {
    Q_OBJECT
  public:
    enum class Target { button, text, background, menu };

    explicit ColorsPage(QWidget* parent = nullptr);
    void follow(const state::ButtonState& s);
    void setMenuColour(const QColor& c);
    QColor menuColour() const { return menuSwatch->colour(); }

  signals:
    void buttonChannelMoved(state::Channel c, int v);
    void textChannelMoved(state::Channel c, int v);
    void pickRequested(Target t);
    void colourEntered(Target t, const QColor& c);

  private:
    struct ChannelBars {
        std::array<FatScrollBar*, 3> bars{};
        std::array<QLabel*, 3> values{};
        void follow(const std::array<int, 3>& v);
    };
    ChannelBars makeBars(QWidget* parent, const char* const names[3], const int start[3],
                         bool button);
    HexEntry* makeColourRow(QWidget* parent, int top, Target t, const QString& pickName,
                            const QString& pickHint, const QString& hexName);

    Swatch* buttonSwatch;
    QLabel* textSample;
    Swatch* backgroundSwatch;
    Swatch* menuSwatch;
    std::array<HexEntry*, 4> entries{};
    ChannelBars buttonBars;
    ChannelBars textBars;
};

}  // namespace bevelmint::app
