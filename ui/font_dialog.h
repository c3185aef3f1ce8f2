// SPDX-License-Identifier: GPL-3.0-or-later
// The font mode of the common dialog: face name, size in points, colour (or the automatic
// colour), the switches bold, italic, strikeout and underline, and a sample of the choice.
#pragma once

#include "runtime.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;

namespace ui {

/// Its fields carry these object names: face, size, colour, bold, italic, strikeout, underline,
/// sample, ok, cancel.
class FontDialog : public QDialog {
    Q_OBJECT
public:
    explicit FontDialog(const FontFields &start, QWidget *parent = nullptr);
    /// The choice as it stands; the size is 0 while the size field holds no valid number.
    FontFields fields() const;

private:
    void selectColour(Colour colour);
    void colourPicked(int index);
    void updateSample();

    QComboBox *face_, *size_, *colour_;
    QCheckBox *bold_, *italic_, *strikeout_, *underline_;
    QLabel *sample_;
    int lastColourIndex_ = 0;
};

/// Shows the font dialog modally, starting from the fields; true when the user confirms, and the
/// fields then hold the choice. A cancel leaves them as they were.
bool showFontDialog(FontFields &fields, const QString &title);

} // namespace ui
