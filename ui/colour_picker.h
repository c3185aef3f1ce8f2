// SPDX-License-Identifier: GPL-3.0-or-later
// The colour picker control: a button showing the chosen colour that drops down a palette of
// the standard colours, the automatic (system) colour and a full colour chooser.
#pragma once

#include "window_definition.h"

#include <QToolButton>

#include <span>

namespace ui {

struct NamedColour {
    Colour value; // 0x00BBGGRR
    QString name;
};

/// The sixteen standard colours, offered by the picker and by the font dialog.
std::span<const NamedColour> standardColours();

/// The name shown for a colour: its standard name, "自动" for the default, else #RRGGBB.
QString colourName(Colour colour);

class ColourPicker : public QToolButton {
    Q_OBJECT
    Q_PROPERTY(quint32 pickedColour READ colour WRITE setColour)
public:
    /// The colour a picker shows until the user picks another.
    static constexpr Colour StartColour = 0x00FFFFFF;

    explicit ColourPicker(QWidget *parent = nullptr);
    Colour colour() const { return colour_; }
    void setColour(Colour colour);
    /// What a pick by the user does: show the colour and report it.
    void choose(Colour colour);

signals:
    void colourChosen();

protected:
    void resizeEvent(QResizeEvent *e) override;

private:
    void chooseOther();
    void updateSwatch();

    Colour colour_ = StartColour;
};

} // namespace ui
