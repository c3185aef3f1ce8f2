// SPDX-License-Identifier: GPL-3.0-or-later
#include "font_dialog.h"

#include "colour_picker.h"
#include "runtime_impl.h"

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace ui {

namespace {

constexpr int MaxPoints = 1638; // the largest height the editor's font takes

QColor toQColor(Colour c)
{
    if (c == DefaultColour)
        return QApplication::palette().color(QPalette::Text);
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

Colour fromQColor(const QColor &c) { return Colour(c.red()) | (Colour(c.green()) << 8) | (Colour(c.blue()) << 16); }

QIcon colourIcon(Colour c)
{
    QPixmap pix(24, 12);
    pix.fill(toQColor(c));
    QPainter p(&pix);
    p.setPen(Qt::gray);
    p.drawRect(0, 0, 23, 11);
    return QIcon(pix);
}

QCheckBox *switchBox(const QString &caption, const QString &name, bool on, QWidget *parent)
{
    auto *b = new QCheckBox(caption, parent);
    b->setObjectName(name);
    b->setChecked(on);
    return b;
}

} // namespace

FontDialog::FontDialog(const FontFields &start, QWidget *parent) : QDialog(parent)
{
    setWindowTitle(u"字体"_s);

    face_ = new QComboBox(this);
    face_->setObjectName(u"face"_s);
    face_->setEditable(true);
    face_->setInsertPolicy(QComboBox::NoInsert);
    QStringList families = QFontDatabase::families();
    const QString startFace = start.face.isEmpty() ? QApplication::font().family() : start.face;
    if (!families.contains(startFace))
        families.prepend(startFace);
    face_->addItems(families);
    face_->setCurrentText(startFace);

    size_ = new QComboBox(this);
    size_->setObjectName(u"size"_s);
    size_->setEditable(true);
    size_->setInsertPolicy(QComboBox::NoInsert);
    for (int pt : {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72})
        size_->addItem(QString::number(pt));
    size_->setValidator(new QIntValidator(1, MaxPoints, size_));
    size_->setCurrentText(start.size > 0 ? QString::number(start.size) : u"12"_s);

    colour_ = new QComboBox(this);
    colour_->setObjectName(u"colour"_s);
    colour_->addItem(colourIcon(DefaultColour), colourName(DefaultColour), DefaultColour);
    for (const auto &c : standardColours())
        colour_->addItem(colourIcon(c.value), c.name, c.value);
    colour_->addItem(u"其他颜色…"_s); // no value: opens the full colour chooser
    selectColour(start.colour);

    bold_ = switchBox(u"粗体(&B)"_s, u"bold"_s, start.bold, this);
    italic_ = switchBox(u"斜体(&I)"_s, u"italic"_s, start.italic, this);
    strikeout_ = switchBox(u"删除线(&K)"_s, u"strikeout"_s, start.strikeout, this);
    underline_ = switchBox(u"下划线(&U)"_s, u"underline"_s, start.underline, this);

    auto *form = new QGridLayout;
    auto addRow = [&](int row, const QString &caption, QWidget *field) {
        auto *label = new QLabel(caption, this);
        label->setBuddy(field);
        form->addWidget(label, row, 0);
        form->addWidget(field, row, 1);
    };
    addRow(0, u"字体(&F)："_s, face_);
    addRow(1, u"字号(&S)："_s, size_);
    addRow(2, u"颜色(&C)："_s, colour_);

    auto *effects = new QGroupBox(u"效果"_s, this);
    auto *effectGrid = new QGridLayout(effects);
    effectGrid->addWidget(bold_, 0, 0);
    effectGrid->addWidget(italic_, 0, 1);
    effectGrid->addWidget(strikeout_, 1, 0);
    effectGrid->addWidget(underline_, 1, 1);

    auto *sampleBox = new QGroupBox(u"示例"_s, this);
    auto *sampleLayout = new QVBoxLayout(sampleBox);
    sample_ = new QLabel(u"AaBbYyZz 中文示例"_s, sampleBox);
    sample_->setObjectName(u"sample"_s);
    sample_->setAlignment(Qt::AlignCenter);
    sample_->setMinimumSize(300, 80);
    sample_->setAutoFillBackground(true);
    sampleLayout->addWidget(sample_);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *ok = buttons->addButton(u"确定"_s, QDialogButtonBox::AcceptRole);
    ok->setObjectName(u"ok"_s);
    ok->setDefault(true);
    QPushButton *cancel = buttons->addButton(u"取消"_s, QDialogButtonBox::RejectRole);
    cancel->setObjectName(u"cancel"_s);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(effects);
    layout->addWidget(sampleBox);
    layout->addWidget(buttons);

    connect(face_, &QComboBox::currentTextChanged, this, &FontDialog::updateSample);
    connect(size_, &QComboBox::currentTextChanged, this, [this, ok] {
        ok->setEnabled(fields().size > 0); // a size must be given to confirm
        updateSample();
    });
    connect(colour_, &QComboBox::activated, this, &FontDialog::colourPicked);
    for (QCheckBox *b : {bold_, italic_, strikeout_, underline_})
        connect(b, &QCheckBox::toggled, this, &FontDialog::updateSample);
    updateSample();
}

FontFields FontDialog::fields() const
{
    FontFields f;
    f.face = face_->currentText().trimmed();
    bool ok = false;
    const int size = size_->currentText().trimmed().toInt(&ok);
    f.size = ok && size > 0 && size <= MaxPoints ? size : 0;
    f.colour = colour_->currentData().value<Colour>();
    f.bold = bold_->isChecked();
    f.italic = italic_->isChecked();
    f.strikeout = strikeout_->isChecked();
    f.underline = underline_->isChecked();
    return f;
}

void FontDialog::selectColour(Colour colour)
{
    int index = colour_->findData(colour);
    if (index < 0) {
        // A colour outside the list gets its own entry before "其他颜色…".
        index = colour_->count() - 1;
        colour_->insertItem(index, colourIcon(colour), colourName(colour), colour);
    }
    colour_->setCurrentIndex(index);
    lastColourIndex_ = index;
}

void FontDialog::colourPicked(int index)
{
    if (colour_->itemData(index).isValid()) {
        lastColourIndex_ = index;
    } else {
        // "其他颜色…": a cancelled chooser keeps the colour shown before.
        colour_->setCurrentIndex(lastColourIndex_);
        const QColor picked = QColorDialog::getColor(toQColor(colour_->currentData().value<Colour>()), this,
                                                     u"颜色"_s, QColorDialog::DontUseNativeDialog);
        if (picked.isValid())
            selectColour(fromQColor(picked));
    }
    updateSample();
}

void FontDialog::updateSample()
{
    const FontFields f = fields();
    QFont font(mapFontFace(f.face));
    font.setPointSize(f.size > 0 ? std::min(f.size, 72) : 12); // the sample box stays a sensible size
    font.setBold(f.bold);
    font.setItalic(f.italic);
    font.setStrikeOut(f.strikeout);
    font.setUnderline(f.underline);
    sample_->setFont(font);
    QPalette p = sample_->palette();
    p.setColor(QPalette::WindowText, toQColor(f.colour));
    p.setColor(QPalette::Window, QApplication::palette().color(QPalette::Base));
    sample_->setPalette(p);
}

bool showFontDialog(FontFields &fields, const QString &title)
{
    FontDialog dialog(fields);
    if (!title.isEmpty())
        dialog.setWindowTitle(title);
    dialog.setWindowModality(Qt::ApplicationModal);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    const FontFields chosen = dialog.fields();
    if (chosen.face.isEmpty() || chosen.size <= 0)
        return false;
    fields = chosen;
    return true;
}

} // namespace ui
