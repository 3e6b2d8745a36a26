// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/OptionsPages.h"
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <cmath>
#include "app/DialogSupport.h"
#include "platform/Settings.h"
#include "platform/TextCodec.h"

QColor ColorFromRef(int ref)
{
    unsigned c = (unsigned)ref;
    return QColor((int)(c & 0xFF), (int)((c >> 8) & 0xFF), (int)((c >> 16) & 0xFF));
}

int RefFromColor(const QColor& color)
{
    return (int)((unsigned)color.red() | ((unsigned)color.green() << 8) | ((unsigned)color.blue() << 16));
}

// ---------------------------------------------------------------- Options

CPPOptions::CPPOptions(QWidget* parent) : CPropertyPage(tr("Options"), parent)
{
    auto* layout = new QVBoxLayout(this);
    auto* ages = new QGroupBox(this);
    auto* agesLayout = new QVBoxLayout(ages);
    const char* const ageLabels[3] = {QT_TRANSLATE_NOOP("CPPOptions", "Display Ages"),
                                      QT_TRANSLATE_NOOP("CPPOptions", "Display Ages when under 18"),
                                      QT_TRANSLATE_NOOP("CPPOptions", "Do not display ages")};
    for (int i = 0; i < 3; ++i) {
        m_ctlAges[i] = new QRadioButton(tr(ageLabels[i]), ages);
        agesLayout->addWidget(m_ctlAges[i]);
        connect(m_ctlAges[i], &QRadioButton::clicked, this, [this] { SetModified(); });
    }
    layout->addWidget(ages);
    auto check = [&](const char* label) {
        auto* c = new QCheckBox(tr(label), this);
        layout->addWidget(c);
        connect(c, &QCheckBox::clicked, this, [this] { SetModified(); });
        return c;
    };
    m_ctlIncludeDead = check(QT_TRANSLATE_NOOP("CPPOptions", "Include birthdays of the dead"));
    m_ctlStartMonday = check(QT_TRANSLATE_NOOP("CPPOptions", "Start the week on Monday rather than Sunday"));
    m_ctlShortNames = check(QT_TRANSLATE_NOOP("CPPOptions", "Use first name only"));
    m_ctlMarriage = check(QT_TRANSLATE_NOOP("CPPOptions", "Show anniversary"));
    m_ctlCountdown = check(QT_TRANSLATE_NOOP("CPPOptions", "Show day count (to or from target date)"));
    m_ctlPictures = check(QT_TRANSLATE_NOOP("CPPOptions", "Show pictures"));
    m_ctlNotes = check(QT_TRANSLATE_NOOP("CPPOptions", "Show Notes"));
    m_ctlMoonPhase = check(QT_TRANSLATE_NOOP("CPPOptions", "Show Moon Phase"));
    m_ctlSeasons = check(QT_TRANSLATE_NOOP("CPPOptions", "Show Seasons"));
    m_ctlWeekNumbers = check(QT_TRANSLATE_NOOP("CPPOptions", "Show week numbers"));
    auto* leapRow = new QHBoxLayout;
    auto* leapLabel = new QLabel(tr("29 February in other years:"), this);
    m_ctlLeapDay = new QComboBox(this);
    m_ctlLeapDay->addItems({tr("Show on 28 February"), tr("Show on 1 March"), tr("Show in leap years only")});
    leapLabel->setBuddy(m_ctlLeapDay);
    leapRow->addWidget(leapLabel);
    leapRow->addWidget(m_ctlLeapDay);
    leapRow->addStretch(1);
    layout->addLayout(leapRow);
    connect(m_ctlLeapDay, &QComboBox::activated, this, [this] { SetModified(); });
    layout->addStretch(1);
}

void CPPOptions::OnInitDialog()
{
    const DisplayOptions& o = m_Options;
    m_ctlAges[o.nAgeMode >= 0 && o.nAgeMode <= 2 ? o.nAgeMode : 2]->setChecked(true);
    m_ctlIncludeDead->setChecked(o.switches.IsSet(DisplaySwitches::DeadBirthdays));
    m_ctlStartMonday->setChecked(o.bStartMonday);
    m_ctlShortNames->setChecked(o.bShortNames);
    m_ctlMarriage->setChecked(o.switches.IsSet(DisplaySwitches::Anniversaries));
    m_ctlCountdown->setChecked(o.bCountdown);
    m_ctlPictures->setChecked(o.bPictures);
    m_ctlNotes->setChecked(o.switches.IsSet(DisplaySwitches::Notes));
    m_ctlMoonPhase->setChecked(o.bMoonPhase);
    m_ctlSeasons->setChecked(o.bSeasons);
    m_ctlWeekNumbers->setChecked(o.bWeekNumbers);
    m_ctlLeapDay->setCurrentIndex(LeapDayRuleToStored(o.leapDay));
}

bool CPPOptions::DoDataExchange()
{
    DisplayOptions& o = m_Options;
    for (int i = 0; i < 3; ++i)
        if (m_ctlAges[i]->isChecked()) o.nAgeMode = i;
    auto sw = [&](int n, bool on) { on ? o.switches.Set(n) : o.switches.Clear(n); };
    sw(DisplaySwitches::DeadBirthdays, m_ctlIncludeDead->isChecked());
    sw(DisplaySwitches::Anniversaries, m_ctlMarriage->isChecked());
    sw(DisplaySwitches::Notes, m_ctlNotes->isChecked());
    o.bStartMonday = m_ctlStartMonday->isChecked();
    o.bShortNames = m_ctlShortNames->isChecked();
    o.bCountdown = m_ctlCountdown->isChecked();
    o.bPictures = m_ctlPictures->isChecked();
    o.bMoonPhase = m_ctlMoonPhase->isChecked();
    o.bSeasons = m_ctlSeasons->isChecked();
    o.bWeekNumbers = m_ctlWeekNumbers->isChecked();
    o.leapDay = LeapDayRuleFromStored(m_ctlLeapDay->currentIndex());
    return true;
}

void CPPOptions::OnApply()
{
    // "Target" goes back as it was read.
    WriteOptionsPage(AppSettings(), m_nProfile, m_Options);
}

// ---------------------------------------------------------------- Margins

CPPMargins::CPPMargins(QWidget* parent) : CPropertyPage(tr("Margins"), parent)
{
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    auto field = [&](const char* label) {
        auto* f = new CSpinEdit(this);
        f->SetRange(0, 100);
        form->addRow(tr(label), f);
        connect(f, &CSpinEdit::edited, this, [this] { SetModified(); });
        return f;
    };
    m_ctlTop = field(QT_TRANSLATE_NOOP("CPPMargins", "Top"));
    m_ctlLeft = field(QT_TRANSLATE_NOOP("CPPMargins", "Left"));
    m_ctlRight = field(QT_TRANSLATE_NOOP("CPPMargins", "Right"));
    m_ctlBottom = field(QT_TRANSLATE_NOOP("CPPMargins", "Bottom"));
    layout->addLayout(form);
    layout->addStretch(1);
}

void CPPMargins::OnInitDialog()
{
    m_ctlTop->SetValue(m_Options.nTop);
    m_ctlLeft->SetValue(m_Options.nLeft);
    m_ctlRight->SetValue(m_Options.nRight);
    m_ctlBottom->SetValue(m_Options.nBottom);
}

bool CPPMargins::DoDataExchange()
{
    int top, left, right, bottom;
    if (!ReadIntegerField(m_ctlTop, top) || !ReadIntegerField(m_ctlLeft, left) ||
        !ReadIntegerField(m_ctlRight, right) || !ReadIntegerField(m_ctlBottom, bottom))
        return false;
    m_Options.nTop = top;
    m_Options.nLeft = left;
    m_Options.nRight = right;
    m_Options.nBottom = bottom;
    return true;
}

void CPPMargins::OnApply()
{
    WriteMarginsPage(AppSettings(), m_nProfile, m_Options);
}

// ---------------------------------------------------------------- Font

CFontColorDlg::CFontColorDlg(const QString& title, const DisplayFont& font, QWidget* parent)
    : QDialog(parent), m_nOldSize(font.size)
{
    setWindowTitle(title);
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    // The platform's font chooser, shown inside this dialog so that the colour sits beside it.
    m_ctlFont = new QFontDialog(this);
    m_ctlFont->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    m_ctlFont->setWindowFlags(Qt::Widget);
    QFont f = font.face.empty() ? QFont() : QFont(ToQt(font.face));
    if (font.size > 0) f.setPointSizeF(font.size / 10.0);
    m_ctlFont->setCurrentFont(f);
    layout->addWidget(m_ctlFont);
    connect(m_ctlFont, &QDialog::rejected, this, &QDialog::reject);
    connect(m_ctlFont, &QDialog::accepted, this, &QDialog::accept);

    auto* row = new QHBoxLayout;
    m_btnColor = new QPushButton(tr("Color..."), this);
    row->addWidget(new QLabel(tr("Color"), this));
    row->addWidget(m_btnColor);
    row->addStretch(1);
    layout->addLayout(row);
    SetColor(ColorFromRef(font.color));
    connect(m_btnColor, &QPushButton::clicked, this, [this] {
        QColorDialog dlg(m_color, this);
        dlg.setOption(QColorDialog::DontUseNativeDialog);
        dlg.setWindowTitle(tr("Color"));
        if (dlg.exec() == QDialog::Accepted) SetColor(dlg.currentColor());
    });

    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(box);
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void CFontColorDlg::SetColor(const QColor& color)
{
    m_color = color;
    m_btnColor->setStyleSheet(QString("background-color: %1; color: %2; min-width: 80px;")
                                  .arg(color.name(), color.lightness() < 128 ? "white" : "black"));
}

DisplayFont CFontColorDlg::Chosen() const
{
    QFont f = m_ctlFont->currentFont();
    DisplayFont d;
    d.face = FromQt(f.family());
    double pt = f.pointSizeF();
    d.size = pt > 0 ? (int)std::lround(pt * 10) : m_nOldSize;
    d.color = RefFromColor(m_color);
    return d;
}

CPPFont::CPPFont(QWidget* parent) : CPropertyPage(tr("Font"), parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Press button to change the indicated font, size, and color."), this));
    auto* grid = new QGridLayout;
    // An em between a text and its sample, so that a long name ("Name des Wochentags") does not
    // run into the sample beside it.
    grid->setHorizontalSpacing(fontMetrics().horizontalAdvance(QLatin1Char('M')));
    const char* const labels[DisplayFontCount] = {
        QT_TRANSLATE_NOOP("CPPFont", "Month and Year"), QT_TRANSLATE_NOOP("CPPFont", "Day of Week Name"),
        QT_TRANSLATE_NOOP("CPPFont", "Day number"), QT_TRANSLATE_NOOP("CPPFont", "Day counter"),
        QT_TRANSLATE_NOOP("CPPFont", "Name of person")};
    for (int i = 0; i < DisplayFontCount; ++i) {
        m_btnFont[i] = new QPushButton(tr("Font"), this);
        m_ctlSample[i] = new QLabel(this);
        m_ctlSample[i]->setMinimumWidth(200);
        grid->addWidget(m_btnFont[i], i, 0);
        grid->addWidget(new QLabel(tr(labels[i]), this), i, 1);
        grid->addWidget(m_ctlSample[i], i, 2);
        connect(m_btnFont[i], &QPushButton::clicked, this, [this, i] { OnFont(i); });
    }
    m_btnLineColor = new QPushButton(tr("Line Color"), this);
    m_ctlLineSample = new QLabel(this);
    m_ctlLineSample->setFixedSize(60, 16);
    grid->addWidget(m_btnLineColor, DisplayFontCount, 0);
    grid->addWidget(m_ctlLineSample, DisplayFontCount, 1);
    connect(m_btnLineColor, &QPushButton::clicked, this, &CPPFont::OnLineColor);
    layout->addLayout(grid);
    layout->addStretch(1);
}

void CPPFont::ShowSamples()
{
    for (int i = 0; i < DisplayFontCount; ++i) {
        const DisplayFont& f = m_Options.fonts[i];
        QString face = f.face.empty() ? tr("(default)") : ToQt(f.face);
        m_ctlSample[i]->setText(tr("%1, %2 pt").arg(face).arg(f.size / 10.0));
        m_ctlSample[i]->setStyleSheet(QString("color: %1;").arg(ColorFromRef(f.color).name()));
    }
    m_ctlLineSample->setStyleSheet(
        QString("background-color: %1; border: 1px solid gray;").arg(ColorFromRef(m_Options.crLine).name()));
}

void CPPFont::OnInitDialog()
{
    ShowSamples();
}

void CPPFont::OnFont(int element)
{
    if (element < 0 || element >= DisplayFontCount) return;
    CFontColorDlg dlg(tr("Font"), m_Options.fonts[element], this);
    if (dlg.exec() != QDialog::Accepted) return;
    m_Options.fonts[element] = dlg.Chosen();
    ShowSamples();
    SetModified();
}

void CPPFont::OnLineColor()
{
    QColorDialog dlg(ColorFromRef(m_Options.crLine), this);
    dlg.setOption(QColorDialog::DontUseNativeDialog);
    dlg.setWindowTitle(tr("Line Color"));
    if (dlg.exec() != QDialog::Accepted) return;
    m_Options.crLine = RefFromColor(dlg.currentColor());
    ShowSamples();
    SetModified();
}

void CPPFont::OnApply()
{
    WriteFontPage(AppSettings(), m_nProfile, m_Options);
}

// ---------------------------------------------------------------- Names

CPPNames::CPPNames(QWidget* parent) : CPropertyPage(tr("Name"), parent)
{
    auto* layout = new QHBoxLayout(this);
    auto* week = new QGroupBox(tr("Week Days"), this);
    auto* weekForm = new QFormLayout(week);
    for (int i = 0; i < 7; ++i) {
        m_ctlWeekDay[i] = new QLineEdit(week);
        weekForm->addRow(QString::number(i + 1), m_ctlWeekDay[i]);
        connect(m_ctlWeekDay[i], &QLineEdit::textEdited, this, [this] { SetModified(); });
    }
    auto* months = new QGroupBox(tr("Months"), this);
    auto* monthGrid = new QGridLayout(months);
    for (int m = 0; m < 12; ++m) {
        m_ctlMonth[m] = new QLineEdit(months);
        int col = m / 6 * 2, row = m % 6;
        monthGrid->addWidget(new QLabel(QString::number(m + 1), months), row, col);
        monthGrid->addWidget(m_ctlMonth[m], row, col + 1);
        connect(m_ctlMonth[m], &QLineEdit::textEdited, this, [this] { SetModified(); });
    }
    layout->addWidget(week, 0, Qt::AlignTop);
    layout->addWidget(months, 1, Qt::AlignTop);
}

void CPPNames::OnInitDialog()
{
    // Field 1 is Sunday, fields 2 to 7 Monday to Saturday.
    for (int i = 0; i < 7; ++i) m_ctlWeekDay[i]->setText(ToQt(m_Options.weekDayNames[i]));
    for (int m = 0; m < 12; ++m) m_ctlMonth[m]->setText(ToQt(m_Options.monthNames[m + 1]));
}

bool CPPNames::DoDataExchange()
{
    for (int i = 0; i < 7; ++i) m_Options.weekDayNames[i] = FromQt(m_ctlWeekDay[i]->text());
    m_Options.weekDayNames[7] = m_Options.weekDayNames[0];
    for (int m = 0; m < 12; ++m) m_Options.monthNames[m + 1] = FromQt(m_ctlMonth[m]->text());
    return true;
}

void CPPNames::OnApply()
{
    WriteNamesPage(AppSettings(), m_nProfile, m_Options);
}
